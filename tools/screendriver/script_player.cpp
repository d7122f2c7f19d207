#include "script_player.h"

#include <QApplication>
#include <QDialog>

#include "screen_lookup.h"
#include "scripted_messages.h"
#include "transcript.h"

namespace orvant::screendriver {

namespace {

constexpr std::chrono::milliseconds kTick{10};
// Closing takes a tick or two; this long means the screen refuses to go.
constexpr std::chrono::milliseconds kLeastCloseTime{5000};

}  // namespace

ScriptPlayer::ScriptPlayer(std::vector<Step> steps, ScriptedMessages& messages, Transcript& transcript,
                           std::chrono::milliseconds timeout)
    : steps_(std::move(steps)), messages_(messages), transcript_(transcript), timeout_(timeout), attempts_(messages)
{
    connect(&ticker_, &QTimer::timeout, this, [this] { tick(); });
}

void ScriptPlayer::start() { ticker_.start(kTick); }

void ScriptPlayer::screenReturned()
{
    ticker_.stop();
    QCoreApplication::removePostedEvents(this, QEvent::MetaCall);  // actions for widgets now gone
    actionPending_ = false;
    returned_ = true;
    attempts_.screenReturned();
    while (phase_ == Phase::Playing) playStep();
    phase_ = Phase::Finished;
}

void ScriptPlayer::tick()
{
    if (actionPending_) return;
    if (phase_ == Phase::Closing) return closeNext();
    while (phase_ == Phase::Playing && !actionPending_)
        if (!playStep()) return;
}

bool ScriptPlayer::playStep()
{
    if (current_ == steps_.size()) {
        beginClosing(QStringLiteral("the script is done"));
        return false;
    }
    const Step& step = steps_[current_];
    if (!begun_) {
        transcript_.step(step);
        stepClock_.start();
        begun_ = true;
    }
    const Attempt attempt = attempts_.attempt(step.action, acted_);
    switch (attempt.kind) {
    case Attempt::Kind::Done: stepDone(); return true;
    case Attempt::Kind::Act:
        dispatch(attempt.action);
        if (attempt.checkAgain) acted_ = true;
        else stepDone();
        return true;
    case Attempt::Kind::Wait:
        if (returned_) fail(step, QStringLiteral("the screen has closed; ") + attempt.seen);
        else if (std::chrono::milliseconds(stepClock_.elapsed()) >= timeout_) fail(step, attempt.seen);
        return false;
    case Attempt::Kind::Fail: fail(step, attempt.seen); return false;
    }
    return false;
}

void ScriptPlayer::stepDone()
{
    ++current_;
    begun_ = acted_ = false;
}

void ScriptPlayer::fail(const Step& step, const QString& seen)
{
    failure_ = StepFailure{step.line, step.text, seen};
    transcript_.note(QStringLiteral("FAILED at line %1: %2").arg(step.line).arg(seen));
    beginClosing(QStringLiteral("the script failed"));
}

void ScriptPlayer::beginClosing(const QString& reason)
{
    if (returned_) {
        phase_ = Phase::Finished;
        return;
    }
    transcript_.note(reason + QStringLiteral(": closing the screen"));
    messages_.answerEverythingToClose();
    phase_ = Phase::Closing;
    closeClock_.start();
}

// The topmost window goes first: a modal dialog holds the loops of those below it.
void ScriptPlayer::closeNext()
{
    if (std::chrono::milliseconds(closeClock_.elapsed()) > std::max(timeout_, kLeastCloseTime)) {
        transcript_.note(QStringLiteral("the screen would not close; windows shown: ") + ShownWindowNames().join(QStringLiteral(", ")));
        if (onStuck_) onStuck_();
    }
    QWidget* top = QApplication::activeModalWidget();
    if (!top) {
        const QWidgetList shown = ShownWindows();
        if (shown.isEmpty()) return;
        top = shown.front();
    }
    dispatch([top = QPointer<QWidget>(top)] {
        if (auto* dialog = qobject_cast<QDialog*>(top.data())) dialog->reject();
        else if (top) top->close();
    });
}

void ScriptPlayer::dispatch(std::function<void()> action)
{
    actionPending_ = true;
    QMetaObject::invokeMethod(
        this,
        [this, action = std::move(action)] {
            actionPending_ = false;
            action();
        },
        Qt::QueuedConnection);
}

int ReportOutcome(const ScriptPlayer& player, const QString& scriptFile, Transcript& transcript, std::ostream& err)
{
    if (const auto& failure = player.failure()) {
        err << "screendriver: " << scriptFile.toStdString() << ":" << failure->line << ": " << failure->step.toStdString()
            << "\n    saw: " << failure->seen.toStdString() << std::endl;
        return kFailed;
    }
    transcript.note(QStringLiteral("every expectation was met"));
    return kPassed;
}

}  // namespace orvant::screendriver
