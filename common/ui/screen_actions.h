#pragma once
// Two mechanics every entry form shares with its screen's logic.

#include <QString>
#include <functional>
#include <memory>

class QObject;
class QProgressDialog;
class QWidget;

namespace orvant::ui {

// Runs the calls of a screen's logic one at a time, each guarded: a call made while another
// still runs (a message box of the first runs its own event loop) runs once that one returned.
class SerialActions {
public:
    explicit SerialActions(QObject& context) : context_(context) {}
    void run(std::function<void()> call);

private:
    QObject& context_;
    bool running_ = false;
};

// The box shown while a save or posting waits for a record another workstation holds: it says
// who or what is waited for, stays painted while the wait goes on, and has Cancel.
class RecordWaitBox {
public:
    explicit RecordWaitBox(QWidget& parent);
    ~RecordWaitBox();
    void show(const QString& text);
    bool cancelled();
    void close();

private:
    QWidget& parent_;
    std::unique_ptr<QProgressDialog> box_;
};

// The tag of the controls towards which leaving a field skips its exit checks (Cancel, Exit,
// Help, the code of the client or supplier and its list), on every entry screen.
inline constexpr int kLeavingSkipsChecks = 13;
// Whether a focus moving to `widget` skips the exit checks of the field left.
bool SkipsFieldChecks(const QWidget* widget);

}  // namespace orvant::ui
