#pragma once
// What each step needs from the screen and what it does to it. A step is tried again and again
// (each time the player's timer goes off) until it is done, its action is ready to be sent, or
// it is known to fail; a step that finds the screen not yet as it needs says what it saw, for
// the failure message when its time runs out.

#include <QList>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>

#include "script.h"

namespace orvant::screendriver {

class ScriptedMessages;

struct Attempt {
    enum class Kind { Done, Act, Wait, Fail };
    Kind kind = Kind::Done;
    QString seen;                  // Wait, Fail: what the screen showed instead
    std::function<void()> action;  // Act: the user's action, sent from the event loop
    bool checkAgain = false;       // Act: the step is tried again once its action has run

    static Attempt done() { return {}; }
    static Attempt act(std::function<void()> action, bool checkAgain = false) { return {Kind::Act, {}, std::move(action), checkAgain}; }
    static Attempt wait(QString seen) { return {Kind::Wait, std::move(seen), {}, false}; }
    static Attempt fail(QString seen) { return {Kind::Fail, std::move(seen), {}, false}; }
};

class StepAttempts {
public:
    explicit StepAttempts(ScriptedMessages& messages) : messages_(messages) {}

    // The script plays in the launcher: modules open and close under it, and `expect closed`
    // means the module's screen has gone and the launcher's window is back.
    void playInLauncher() { inLauncher_ = true; }

    // `acted`: the step's action has run already (for a step that checks its outcome).
    Attempt attempt(const StepAction& action, bool acted);
    // The module has returned; nothing on the screen will change any more.
    void screenReturned() { returned_ = true; }

private:
    Attempt attempt(const step::Form& s);
    Attempt attempt(const step::Type& s);
    Attempt attempt(const step::Key& s);
    Attempt attempt(const step::Click& s);
    Attempt attempt(const step::Check& s);
    Attempt attempt(const step::Choose& s);
    Attempt attempt(const step::Cell& s);
    Attempt attempt(const step::Answer& s);
    Attempt attempt(const step::Pick& s, bool acted);
    Attempt attempt(const step::Menu& s);
    Attempt attempt(const step::Snapshot& s);
    Attempt attempt(const step::ExpectMessage& s);
    Attempt attempt(const step::ExpectErrorForm& s);
    Attempt attempt(const step::ExpectCaption& s);
    Attempt attempt(const step::ExpectText& s);
    Attempt attempt(const step::ExpectFocus& s);
    Attempt attempt(const step::ExpectEnabled& s);
    Attempt attempt(const step::ExpectClosed& s);

    // A control of the current form, or what stands in the way of using it.
    struct Lookup {
        QWidget* control = nullptr;
        QString problem;
    };
    Lookup existing(const QString& name) const;
    Lookup usable(const QString& name) const;
    QString formProblem() const;

    // The first message at or after the cursor that `fits`; the cursor moves past it.
    template <class Fits>
    bool consume(Fits fits);
    QString shownSinceCursor(bool errorForms) const;

    ScriptedMessages& messages_;
    QString formName_;
    QPointer<QWidget> form_;
    QList<QPointer<QWidget>> moduleForms_;  // the windows there were when the screen had started
    QPointer<QWidget> picker_;
    std::size_t cursor_ = 0;  // messages before it were matched by an expectation or passed over
    bool returned_ = false;
    bool inLauncher_ = false;
};

}  // namespace orvant::screendriver
