#pragma once
// The button bar of a report's options screen: Print, Preview and Export run the report, Print
// screen prints the form as it stands, Help opens the screen's help page and Exit closes it.
// While the report runs the form disables the whole bar (setEnabled(false)).

#include <QString>
#include <QWidget>
#include <functional>

#include "report/report_output.h"
#include "session/session.h"

namespace orvant::ui {

class ReportButtons : public QWidget {
public:
    // `run` makes the report for the output chosen; every click is guarded. The session outlives
    // the form.
    ReportButtons(QWidget& form, const Session& session, QString helpFile, int helpContext,
                  std::function<void(report::ReportOutput)> run);
};

}  // namespace orvant::ui
