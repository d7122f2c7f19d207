#include "report/csv_export.h"

#include <QSaveFile>
#include <algorithm>

namespace orvant::report {
namespace {

constexpr int kRowsPerProgressStep = 500;

QString csvField(const QString& field)
{
    static const QString kNeedQuotes = QStringLiteral(",\"\r\n");
    const bool quoted = std::any_of(field.begin(), field.end(), [](QChar c) { return kNeedQuotes.contains(c); });
    if (!quoted) return field;
    QString escaped = field;
    escaped.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + escaped + QLatin1Char('"');
}

QString csvLine(const QStringList& fields)
{
    QStringList quoted;
    quoted.reserve(fields.size());
    for (const QString& field : fields) quoted.append(csvField(field));
    return quoted.join(QLatin1Char(','));
}

bool writeLine(QSaveFile& file, const QStringList& fields)
{
    const QByteArray line = (csvLine(fields) + QLatin1String("\r\n")).toUtf8();
    return file.write(line) == line.size();
}

OutputResult writeRows(const ReportDocument& document, QSaveFile& file, const CsvOptions& options,
                       const ExportProgress& progress)
{
    const auto failed = [&file] { return OutputResult::failed(QStringLiteral("%1: %2").arg(file.fileName(), file.errorString())); };
    if (options.columnTitles && !writeLine(file, document.table.columnTitles)) return failed();

    const int total = static_cast<int>(document.table.rows.size());
    for (int done = 0; done < total; ++done) {
        if (done % kRowsPerProgressStep == 0) {
            if (progress.cancelled()) return OutputResult::cancelled();
            progress.report(done, total);
        }
        if (!writeLine(file, document.table.rows[done])) return failed();
    }
    progress.report(total, total);
    return OutputResult::done();
}

}  // namespace

OutputResult exportCsv(const ReportDocument& document, const QString& path, const CsvOptions& options,
                       const ExportProgress& progress)
{
    if (document.table.isEmpty()) return OutputResult::failed(QStringLiteral("This report has no rows to export."));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return OutputResult::failed(QStringLiteral("%1: %2").arg(path, file.errorString()));
    }
    const OutputResult written = writeRows(document, file, options, progress);
    if (!written.ok()) {
        file.cancelWriting();
        return written;
    }
    if (!file.commit()) return OutputResult::failed(QStringLiteral("%1: %2").arg(path, file.errorString()));
    return written;
}

}  // namespace orvant::report
