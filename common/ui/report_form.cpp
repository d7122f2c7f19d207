#include "ui/report_form.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>

#include "ui/error_reporting.h"
#include "ui/report_buttons.h"

namespace orvant::ui {

ReportForm::ReportForm(Session& session, QString helpFile, const char* objectName, const char* title)
    : session_(session), helpFile_(std::move(helpFile))
{
    setObjectName(QLatin1String(objectName));
    setWindowTitle(QString::fromUtf8(title));
}

void ReportForm::frame(QWidget* options, int helpContext, std::function<bool(report::ReportOutput)> run)
{
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(options, 1);
    reportButtons_ = new ReportButtons(*this, session_, helpFile_, helpContext, [this, run = std::move(run)](report::ReportOutput how) {
        act([&] {
            if (run(how)) close();
        });
    });
    layout->addWidget(reportButtons_);
    auto* statusBar = new QStatusBar(this);
    statusBar->setObjectName("StatusBar");
    for (const char* name : {"CompanyPanel", "UserPanel", "VersionPanel"}) {
        auto* panel = new QLabel(statusBar);
        panel->setObjectName(QLatin1String(name));
        statusBar->addPermanentWidget(panel);
    }
    layout->addWidget(statusBar);
    auto* messages = new QPlainTextEdit(this);
    messages->setObjectName("IntlStrings1");
    messages->hide();
}

void ReportForm::act(const std::function<void()>& call)
{
    Guarded([this, &call] {
        if (readChoices()) call();
    })();
}

void ReportForm::setReportButtonsEnabled(bool on) { reportButtons_->setEnabled(on); }

void ReportForm::onF2(QLineEdit* field, std::function<void()> lookUp)
{
    lookUps_.insert(field, std::move(lookUp));
    field->installEventFilter(this);
}

void ReportForm::onLeave(QLineEdit* field, std::function<void()> leave)
{
    leaves_.insert(field, std::move(leave));
    field->installEventFilter(this);
}

bool ReportForm::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_F2 && lookUps_.contains(watched)) {
        act(lookUps_.value(watched));
        return true;
    }
    if (event->type() == QEvent::FocusOut && !filling_ && isVisible() && leaves_.contains(watched)) act(leaves_.value(watched));
    return QDialog::eventFilter(watched, event);
}

void FocusLater(QLineEdit* field)
{
    QTimer::singleShot(0, field, [field] {
        field->setFocus(Qt::OtherFocusReason);
        field->selectAll();
    });
}

}  // namespace orvant::ui
