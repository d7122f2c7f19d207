#pragma once
// How a screen reports what went wrong, and the exception hook of a running module.
//
// Qt's event loop cannot carry an exception, so every event handler runs its work through
// Guarded(), which hands whatever escapes to the innermost reporter: the running module's, or
// the launcher's. Reporters nest as modules do: a module started from inside another one (the
// quick link) reports through its own, and when it returns the outer module's is in place again.
//
// What the hook does with an error:
//  - a store error: the error form with its category and sub-code, then the screen closes;
//  - a record locked by another workstation (10241): a message saying so, then the screen closes;
//  - the silent abort raised after an error was already shown: nothing;
//  - anything else: the error form with "xxxxx" for category and code, and the screen stays, the
//    action abandoned.

#include <QString>
#include <exception>
#include <functional>
#include <type_traits>

#include "store/error.h"
#include "store/lock_retry.h"

namespace orvant::ui {

class ErrorForm;

// Abandons the current action after its error was shown; the hook lets it pass in silence.
struct SilentAbort : std::exception {
    const char* what() const noexcept override { return "action abandoned"; }
};

enum class LockState { Locked = 1, Clear = 2 };

class ErrorReporter {
public:
    // closeScreen closes the module's main form (so that ShowDllForm returns).
    ErrorReporter(ErrorForm& form, int language, std::function<void()> closeScreen);
    ~ErrorReporter();
    ErrorReporter(const ErrorReporter&) = delete;
    ErrorReporter& operator=(const ErrorReporter&) = delete;

    static ErrorReporter* current();

    void showError(const QString& category, const QString& code, const QString& message);
    // A store error other than a lock: shown, then SilentAbort. A lock: the lock state becomes
    // Locked and it returns. Anything else: shown with "xxxxx", then SilentAbort.
    void showDbError(std::exception_ptr error);
    LockState lockState() const { return lockState_; }
    void clearLock() { lockState_ = LockState::Clear; }
    // Runs the operation again while another workstation holds what it needs; any other failure
    // goes through showDbError.
    void runWithLockRetry(const std::function<void()>& operation, const store::LockRetry& retry = {});

    void onAppException(std::exception_ptr error) noexcept;

private:
    ErrorForm& form_;
    int language_;
    std::function<void()> closeScreen_;
    LockState lockState_ = LockState::Clear;
    ErrorReporter* outer_;
};

// The innermost reporter's, as named above. Without a reporter (no module running) an error is
// shown as a plain error message.
void ShowError(const QString& category, const QString& code, const QString& message);
void ShowDbError(std::exception_ptr error);
LockState CurrentLockState();
void ClearLock();
void RunWithLockRetry(const std::function<void()>& operation, const store::LockRetry& retry = {});
void HandleException(std::exception_ptr error) noexcept;

// Whether the company's store can still be used after this error: not when the connection is
// lost or the database cannot be opened.
bool LeavesStoreUsable(const store::StoreError& error);

// Runs a posting whose writes are rolled back together when it fails. A store error it raises
// left the books as they were: it is shown in the error form and the action ends (SilentAbort),
// the screen staying open with the document as typed. An error after which the store cannot be
// used goes on to the hook, which closes the screen.
void RunPosting(const std::function<void()>& posting);

// What a lock conflict that closes the screen says, naming the holder where the store knows it.
QString LockConflictText(const store::StoreError& error, int language);

// Wraps an event handler so that nothing it throws reaches Qt's event loop. Signal arguments
// the handler does not take are dropped.
template <typename Handler>
auto Guarded(Handler handler)
{
    return [handler = std::move(handler)](auto&&... args) noexcept {
        try {
            if constexpr (std::is_invocable_v<const Handler&, decltype(args)...>) handler(std::forward<decltype(args)>(args)...);
            else handler();
        } catch (...) {
            HandleException(std::current_exception());
        }
    };
}

}  // namespace orvant::ui
