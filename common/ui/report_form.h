#pragma once
// The frame of a report's options screen: the options above; the report buttons, the status bar
// and the screen's hidden message list below. The options and their texts are the form's, every
// rule its screen logic's, reached through act().

#include <QDialog>
#include <QHash>
#include <QString>
#include <functional>

#include "report/report_output.h"
#include "session/session.h"

class QLineEdit;

namespace orvant::ui {

class ReportForm : public QDialog {
public:
    ReportForm(Session& session, QString helpFile, const char* objectName, const char* title);

protected:
    // Lays the options out over the rest, once, from the form's constructor. `run` makes the
    // report for the output chosen and says whether the screen closes (the export dialog
    // exported it).
    void frame(QWidget* options, int helpContext, std::function<bool(report::ReportOutput)> run);
    // Runs a rule of the screen's logic, guarded, the options read into its choices first.
    void act(const std::function<void()>& call);
    // The options as the screen's choices; false while the screen has not started.
    virtual bool readChoices() = 0;
    // The report buttons, shut while the report runs.
    void setReportButtonsEnabled(bool on);
    // F2 in `field` runs `lookUp`; leaving it runs `leave`, unless the widgets are being filled.
    void onF2(QLineEdit* field, std::function<void()> lookUp);
    void onLeave(QLineEdit* field, std::function<void()> leave);
    bool eventFilter(QObject* watched, QEvent* event) override;

    Session& session_;
    QString helpFile_;
    bool filling_ = false;  // widgets being set from the screen's state: their signals are not user changes

private:
    QWidget* reportButtons_ = nullptr;
    QHash<QObject*, std::function<void()>> lookUps_;
    QHash<QObject*, std::function<void()>> leaves_;
};

// Sends the focus to `field` once the event under way is over, its text selected.
void FocusLater(QLineEdit* field);

}  // namespace orvant::ui
