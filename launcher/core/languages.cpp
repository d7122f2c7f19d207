#include "core/languages.h"

#include <QDir>
#include <map>
#include <optional>

#include "lang/table_files.h"
#include "store/table.h"

namespace orvant::launcher {

namespace {

constexpr qsizetype kLanguageCodeLength = 2;  // "en", "fr": the end of every table name

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

// The tables of the folder by module ("MainMenu", "rcvsales", ...), each with the codes of the
// languages it comes in.
std::map<QString, QStringList> shippedTables(const QString& languagesDir)
{
    const QString extension = lang::kTableFileExtension.toString();
    std::map<QString, QStringList> tables;
    for (const QString& file : QDir(languagesDir).entryList({u'*' + extension}, QDir::Files, QDir::Name)) {
        const QString name = file.chopped(extension.size());
        if (name.size() > kLanguageCodeLength) tables[name.chopped(kLanguageCodeLength)] << name.right(kLanguageCodeLength);
    }
    return tables;
}

// Another language's table to compare with; a table of that language that cannot be read is its
// own fault, found when switching to it, and refuses no other language.
std::optional<lang::LanguageTable> readable(const QString& languagesDir, const QString& name)
{
    try {
        return lang::OpenLanguageTable(languagesDir, name);
    } catch (const std::exception&) {
        return std::nullopt;
    }
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
    const std::map<QString, QStringList> tables = shippedTables(languagesDir);
    if (tables.empty()) return QStringLiteral("no language table in ") + languagesDir;
    for (const auto& [table, codes] : tables) {
        const QString name = table + code;
        std::optional<lang::LanguageTable> target;
        try {
            target = lang::OpenLanguageTable(languagesDir, name);
        } catch (const std::exception& e) {
            return name + QStringLiteral(": ") + QString::fromUtf8(e.what());
        }
        for (const QString& other : codes) {
            if (other.compare(code, Qt::CaseInsensitive) == 0) continue;
            const std::optional<lang::LanguageTable> reference = readable(languagesDir, table + other);
            const QString missing = reference ? shortfall(*reference, *target) : QString();
            if (!missing.isEmpty()) return missing;
        }
    }
    return {};
}

}  // namespace orvant::launcher
