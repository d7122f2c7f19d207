#pragma once
// The two dialogs the launcher may show once the user is in: the setup reminders (payroll or job
// cost installed but not yet set up) and the welcome, which offers the introduction help.

#include <QDialog>
#include <QString>
#include <QUrl>

#include "session/session.h"

class QCheckBox;

namespace orvant::launcher {

class SetupReminders : public QDialog {
    Q_OBJECT
public:
    SetupReminders(bool payroll, bool jobCost, int printerIndex, QWidget* parent = nullptr);
};

class WelcomeDialog : public QDialog {
    Q_OBJECT
public:
    explicit WelcomeDialog(QWidget* parent = nullptr);
    // Whether "Do not show when entering into Orvant" was ticked.
    bool notAgain() const;

private:
    QCheckBox* notAgain_;
};

// The help page of the session's language at its introduction, which the welcome offers.
QUrl IntroductionHelpUrl(const Session& session);
bool OpenIntroductionHelp(const Session& session);

}  // namespace orvant::launcher
