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

#include "store/error.h"
#include "store/lock_retry.h"

namespace orvant::masters {

// Why a save is refused: the screen's message (none: the save is abandoned in silence), the
// field the user is sent to and its page. Found while the record is locked, shown once the lock
// is given back: nobody waits for a record while a message waits for a click.
struct SaveRefusal {
    int message = -1;
    std::string field;
    int page = 0;
};

inline void ShowRefusal(MasterHost& host, const SaveRefusal& refusal)
{
    if (refusal.message >= 0) host.message(refusal.message, ui::MessageKind::Information);
    host.showPage(refusal.page);
    host.focus(refusal.field);
}

// Runs a save or delete that may wait for its record, held on another workstation: the host
// shows the wait, and a wait the user gave up leaves the screen as it was.
template <class Run>
void WhileWaitingForRecord(MasterHost& host, Run run)
{
    struct EndWait {
        MasterHost& host;
        ~EndWait() { host.waitOver(); }
    } endWait{host};
    store::LockRetry retry;
    retry.waiting = [&host](const store::StoreError&) { host.waiting(); };
    retry.cancelled = [&host] { return host.waitCancelled(); };
    try {
        run(retry);
    } catch (const store::StoreError& error) {
        if (error.code() != store::errc::kCancelled) throw;
        host.focus(kNavigator);
    }
}

}  // namespace orvant::masters
