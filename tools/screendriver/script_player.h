#pragma once
// Plays a script against a running screen. The module's own modal loops run the show: the
// player works from a timer inside them, trying the current step each time it goes off. A
// user's action is sent as an event of its own rather than run from the timer, because it may
// open a modal window and not return until that window closes; the timer keeps going inside
// that window's loop, so the script goes on there.
//
// When the script is done, or a step fails, the player closes the screen (modal windows first,
// questions answered to leave) so that the module returns.

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <chrono>
#include <functional>
#include <optional>
#include <ostream>
#include <vector>

#include "script.h"
#include "step_attempts.h"

namespace orvant::screendriver {

class ScriptedMessages;
class Transcript;

struct StepFailure {
    int line = 0;
    QString step;  // as written
    QString seen;  // what the screen showed instead
};

class ScriptPlayer : public QObject {
public:
    ScriptPlayer(std::vector<Step> steps, ScriptedMessages& messages, Transcript& transcript, std::chrono::milliseconds timeout);

    // Starts playing within whatever event loop runs next.
    void start();
    // The script plays in the launcher, where modules open and close under it.
    void playInLauncher() { attempts_.playInLauncher(); }
    // The module has returned: the steps left are judged on what was recorded, without waiting.
    void screenReturned();
    // Called when the screen does not close; it must not return (the module cannot return either).
    void onScreenStuck(std::function<void()> handler) { onStuck_ = std::move(handler); }

    const std::optional<StepFailure>& failure() const { return failure_; }

private:
    enum class Phase { Playing, Closing, Finished };

    void tick();
    // Tries the current step; true when the player may go straight on to the next one.
    bool playStep();
    void stepDone();
    void fail(const Step& step, const QString& seen);
    void beginClosing(const QString& reason);
    void closeNext();
    void dispatch(std::function<void()> action);

    std::vector<Step> steps_;
    ScriptedMessages& messages_;
    Transcript& transcript_;
    std::chrono::milliseconds timeout_;
    StepAttempts attempts_;
    QTimer ticker_;
    Phase phase_ = Phase::Playing;
    std::size_t current_ = 0;
    bool begun_ = false;          // the current step is in the transcript and its clock runs
    bool acted_ = false;          // the current step's action has been sent
    bool actionPending_ = false;  // an action was sent and has not started yet
    bool returned_ = false;
    QElapsedTimer stepClock_, closeClock_;
    std::optional<StepFailure> failure_;
    std::function<void()> onStuck_;
};

// Exit statuses of a run.
inline constexpr int kPassed = 0, kFailed = 1, kRefused = 2;

// Once the screen has returned: the failure on `err` (script line, step, what was seen) or the
// last line of the transcript; the run's exit status.
int ReportOutcome(const ScriptPlayer& player, const QString& scriptFile, Transcript& transcript, std::ostream& err);

}  // namespace orvant::screendriver
