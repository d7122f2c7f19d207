#pragma once
// What a maintenance screen's logic asks of its form: its messages, the focus on a field
// (named by its table field, or "navigator"), the page shown, showing the record again, and the
// wait for a record another workstation holds.

#include <string>

#include "ui/message_service.h"

namespace orvant::masters {

inline constexpr const char* kNavigator = "navigator";

class MasterHost {
public:
    virtual ~MasterHost() = default;
    virtual ui::Answer message(int number, ui::MessageKind kind) = 0;
    virtual void focus(const std::string& field) = 0;
    virtual void showPage(int page) = 0;
    // The record, the state (fields enabled or not, the code box) and the lists shown again.
    virtual void refresh() = 0;
    // While a save or delete waits for the record: each refusal, whether the user gave up.
    virtual void waiting() = 0;
    virtual bool waitCancelled() = 0;
    virtual void waitOver() = 0;
};

}  // namespace orvant::masters

#include "store/lock_retry.h"

namespace orvant::masters {

// The retry of a save or delete, told to the host: who is waited for, and whether the user
// gave up.
inline store::LockRetry RetryThrough(MasterHost& host)
{
    store::LockRetry retry;
    retry.waiting = [&host](const store::StoreError&) { host.waiting(); };
    retry.cancelled = [&host] { return host.waitCancelled(); };
    return retry;
}

}  // namespace orvant::masters
