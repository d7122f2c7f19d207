#include "report/pdf_export.h"

#include <QPdfWriter>
#include <QSaveFile>

#include "report/paged_output.h"

namespace orvant::report {
namespace {

// The writer is gone before the file is committed, so everything it holds has reached the file.
OutputResult writePdf(const ReportDocument& document, QIODevice& file, const ExportProgress& progress)
{
    QPdfWriter writer(&file);
    writer.setTitle(document.title);
    writer.setCreator(QStringLiteral("Orvant"));
    return paintDocument(document, writer, progress);
}

}  // namespace

OutputResult exportPdf(const ReportDocument& document, const QString& path, const ExportProgress& progress)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return OutputResult::failed(QStringLiteral("%1: %2").arg(path, file.errorString()));
    }
    const OutputResult written = writePdf(document, file, progress);
    if (!written.ok()) {
        file.cancelWriting();
        return written;
    }
    if (!file.commit()) return OutputResult::failed(QStringLiteral("%1: %2").arg(path, file.errorString()));
    return written;
}

}  // namespace orvant::report
