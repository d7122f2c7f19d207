#include "start_dialogs.h"

#include <QCheckBox>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "report/printing.h"
#include "settings/paths.h"
#include "session/help.h"
#include "report/screen_print.h"
#include "ui/error_reporting.h"

namespace orvant::launcher {

namespace {

const char* const kPayrollReminder =
    "The system has detected that the payroll setup has not been performed.\n\n"
    "1. In the users option, give yourself the rights to the payroll options.\n"
    "2. Run \"Create payroll files\" once, from the Payroll menu.";

const char* const kJobCostReminder =
    "The system has detected that the job cost setup has not been performed.\n\n"
    "1. In the users option, give yourself the rights to the job cost options.\n"
    "2. Run \"Create job cost files\" once, from the Job cost menu.";

QLabel* paragraph(const char* name, const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setWordWrap(true);
    return label;
}

}  // namespace

SetupReminders::SetupReminders(bool payroll, bool jobCost, int printerIndex, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("SetupRemindersDlg"));
    setWindowTitle(QStringLiteral("Setup reminders"));
    auto* layout = new QVBoxLayout(this);
    if (payroll) layout->addWidget(paragraph("PayrollText", QString::fromUtf8(kPayrollReminder), this));
    if (jobCost) layout->addWidget(paragraph("JobCostText", QString::fromUtf8(kJobCostReminder), this));
    auto* print = new QPushButton(QStringLiteral("Print Screen"), this);
    print->setObjectName(QStringLiteral("PrintScreen"));
    connect(print, &QPushButton::clicked, this,
            ui::Guarded([this, printerIndex] { report::printReport(report::documentFromWidget(this), this, printerIndex, true); }));
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OKBtn"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(print);
    buttons->addStretch();
    buttons->addWidget(ok);
    layout->addLayout(buttons);
}

WelcomeDialog::WelcomeDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("WelcomeDlg"));
    setWindowTitle(QStringLiteral("Welcome"));
    auto* layout = new QVBoxLayout(this);
    // Three lines that read as one sentence: each kept whole rather than wrapped.
    for (const auto& [name, line] : {std::pair{"Line1", "Welcome to Orvant.  Would you like to view the "},
                                     std::pair{"Line2", "Introduction help file that explains how Orvant "},
                                     std::pair{"Line3", "functions?"}}) {
        QLabel* label = paragraph(name, QString::fromUtf8(line), this);
        label->setWordWrap(false);
        layout->addWidget(label);
    }
    layout->setSpacing(2);
    notAgain_ = new QCheckBox(QStringLiteral("Do not show when entering into Orvant"), this);
    notAgain_->setObjectName(QStringLiteral("NotAgain"));
    layout->addWidget(notAgain_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Yes | QDialogButtonBox::No, this);
    buttons->button(QDialogButtonBox::Yes)->setObjectName(QStringLiteral("YesBtn"));
    buttons->button(QDialogButtonBox::No)->setObjectName(QStringLiteral("NoBtn"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

bool WelcomeDialog::notAgain() const { return notAgain_->isChecked(); }

QUrl IntroductionHelpUrl(const Session& session)
{
    QUrl url = HelpUrl(HelpFile(QString::fromStdString(session.programDir), session.language, QString::fromStdString(session.langCode)), 0);
    url.setFragment(QStringLiteral("Introduction"));
    return url;
}

bool OpenIntroductionHelp(const Session& session)
{
    const QUrl url = IntroductionHelpUrl(session);
    return QFileInfo::exists(url.toLocalFile()) && QDesktopServices::openUrl(url);
}

}  // namespace orvant::launcher
