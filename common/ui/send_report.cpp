#include "ui/send_report.h"

#include "export_dialog.h"
#include "report/printing.h"

namespace orvant::ui {

int PrinterIndex(const Session& session) { return QString::fromStdString(session.printerIndex).toInt(); }

bool SendReport(report::ReportOutput how, const report::ReportDocument& document, QWidget& parent, const Session& session,
                bool printDialog, const std::function<void(const QString& why)>& failed)
{
    report::OutputResult result;
    switch (how) {
    case report::ReportOutput::Print: result = report::printReport(document, &parent, PrinterIndex(session), printDialog); break;
    case report::ReportOutput::Preview: result = report::previewReport(document, &parent, PrinterIndex(session)); break;
    case report::ReportOutput::Export: {
        suite::TStatusBox status(session.language, &parent);
        suite::TExportDialog dialog(status, document, session.language, &parent);
        return dialog.exec() == 1;
    }
    }
    if (result.status == report::OutputResult::Status::Failed) failed(result.message);
    return false;
}

}  // namespace orvant::ui
