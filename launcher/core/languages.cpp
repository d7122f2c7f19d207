#include "core/languages.h"

#include <QDir>

#include "lang/table_files.h"
#include "store/table.h"

namespace orvant::launcher {

namespace {

// What the table of the language lacks against the reference table; empty when nothing.
QString shortfall(const lang::LanguageTable& reference, const lang::LanguageTable& table)
{
    for (const lang::LanguageRow& row : reference.rows()) {
        const lang::LanguageRow* own = table.find(row.formName, row.controlName);
        const QString where = table.source() + QStringLiteral(": ") + row.formName + u'.' + row.controlName;
        if (!own) return where + QStringLiteral(" is missing");
        if (own->lines.size() < row.lines.size()) return where + QStringLiteral(" has too few lines");
    }
    return {};
}

}  // namespace

std::vector<LanguageEntry> LoadLanguages(store::Database& dataRoot)
{
    store::Table languages(dataRoot, "Languages");
    languages.open();
    std::vector<LanguageEntry> entries;
    for (languages.first(); !languages.eof(); languages.next())
        entries.push_back({static_cast<int>(languages.field("LangKey").asInt()),
                           QString::fromStdString(languages.field("LangCode").asString()).trimmed().left(2),
                           QString::fromStdString(languages.field("LangName").asString())});
    return entries;
}

QString MissingLanguageTexts(const QString& languagesDir, const QString& code)
{
    const QString suffix = kReferenceLanguageCode.toString() + lang::kTableFileExtension.toString();
    const QStringList references = QDir(languagesDir).entryList({u'*' + suffix}, QDir::Files, QDir::Name);
    if (references.isEmpty()) return QStringLiteral("no language table in ") + languagesDir;
    for (const QString& file : references) {
        const QString table = file.chopped(suffix.size());
        try {
            const QString missing = shortfall(lang::OpenLanguageTable(languagesDir, table + kReferenceLanguageCode.toString()),
                                              lang::OpenLanguageTable(languagesDir, table + code));
            if (!missing.isEmpty()) return missing;
        } catch (const std::exception& e) {
            return table + code + QStringLiteral(": ") + QString::fromUtf8(e.what());
        }
    }
    return {};
}

}  // namespace orvant::launcher
