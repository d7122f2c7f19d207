#include "ui/report_buttons.h"

#include <QHBoxLayout>
#include <QPushButton>

#include "report/printing.h"
#include "report/screen_print.h"
#include "session/help.h"
#include "ui/error_reporting.h"
#include "ui/send_report.h"

namespace orvant::ui {

ReportButtons::ReportButtons(QWidget& form, const Session& session, QString helpFile, int helpContext,
                             std::function<void(report::ReportOutput)> run)
    : QWidget(&form)
{
    auto* layout = new QHBoxLayout(this);
    const auto button = [&](const char* name, const char* caption, std::function<void()> click) {
        auto* b = new QPushButton(QString::fromUtf8(caption), this);
        b->setObjectName(QLatin1String(name));
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, Guarded(std::move(click)));
        layout->addWidget(b);
    };
    using report::ReportOutput;
    button("Print_btn", "&Print", [run] { run(ReportOutput::Print); });
    button("Preview_btn", "Pre&view", [run] { run(ReportOutput::Preview); });
    button("Export_btn", "&Export", [run] { run(ReportOutput::Export); });
    layout->addStretch();
    button("PrintScreenBtn", "Print screen", [&form, &session] {
        report::printReport(report::documentFromWidget(&form), &form, PrinterIndex(session), false);
    });
    button("Help_btn", "&Help", [helpFile = std::move(helpFile), helpContext] { OpenHelp(helpFile, helpContext); });
    button("Exit_btn", "E&xit", [&form] { form.close(); });
}

}  // namespace orvant::ui
