#include "lang/table_files.h"

#include <QDir>
#include <QFile>
#include <optional>

#include "lang/table_text.h"
#include "store/error.h"
#include "store/schema.h"

namespace orvant::lang {

namespace {

std::optional<QString> tableFile(const QDir& folder, const QString& tableName)
{
    const QStringList pattern{QLatin1Char('*') + kTableFileExtension.toString()};
    const std::string wanted = store::canonicalTableName(tableName.toStdString());
    for (const QString& file : folder.entryList(pattern, QDir::Files | QDir::Readable, QDir::Name)) {
        const QString table = file.chopped(kTableFileExtension.size());
        if (store::canonicalTableName(table.toStdString()) == wanted) return folder.filePath(file);
    }
    return std::nullopt;
}

[[noreturn]] void failToOpen(int code, const QString& tableName, const QString& reason)
{
    throw store::StoreError(code, QStringLiteral("Error opening table %1: %2").arg(tableName, reason).toStdString());
}

}  // namespace

LanguageTable OpenLanguageTable(const QString& languagesDir, const QString& tableName)
{
    const std::optional<QString> path = tableFile(QDir(languagesDir), tableName);
    if (!path) failToOpen(store::errc::kTableNotFound, tableName, QStringLiteral("no such table in ") + languagesDir);
    QFile file(*path);
    if (!file.open(QIODevice::ReadOnly)) failToOpen(store::errc::kEngine, tableName, file.errorString());
    return ParseLanguageTable(file.readAll(), *path);
}

}  // namespace orvant::lang
