#include "ui/screen_actions.h"

#include <QCoreApplication>
#include <QProgressDialog>
#include <QTimer>
#include <QWidget>

#include "ui/error_reporting.h"

namespace orvant::ui {

void SerialActions::run(std::function<void()> call)
{
    if (running_) {
        QTimer::singleShot(0, &context_, Guarded([this, call] { run(call); }));
        return;
    }
    running_ = true;
    struct Done {
        bool& running;
        ~Done() { running = false; }
    } done{running_};
    Guarded(call)();
}

RecordWaitBox::RecordWaitBox(QWidget& parent) : parent_(parent) {}

RecordWaitBox::~RecordWaitBox() = default;

void RecordWaitBox::show(const QString& text)
{
    if (!box_) {
        box_ = std::make_unique<QProgressDialog>(&parent_);
        box_->setObjectName("WaitBox");
        box_->setRange(0, 0);
        box_->setMinimumDuration(0);
        box_->setWindowModality(Qt::WindowModal);
    }
    box_->setLabelText(text);
    box_->show();
    QCoreApplication::processEvents();
}

bool RecordWaitBox::cancelled()
{
    if (!box_) return false;
    QCoreApplication::processEvents();
    return box_->wasCanceled();
}

void RecordWaitBox::close() { box_.reset(); }

bool SkipsFieldChecks(const QWidget* widget) { return widget && widget->property("tag").toInt() == kLeavingSkipsChecks; }

}  // namespace orvant::ui
