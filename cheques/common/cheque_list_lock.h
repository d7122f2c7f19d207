#pragma once
// The company's cheque list in use. The editor and the printing hold it shared, side by side;
// a build or rebuild of the list holds it alone. A refusal is the store's locked error naming
// a holder (user and session), so a screen shows who to wait for, as with record locks.

#include <memory>
#include <vector>

#include "store/database.h"
#include "store/lock_retry.h"

namespace orvant::cheques {

enum class ChequeListUse { Shared, Exclusive };

class ChequeListLock {
public:
    // Shared holders that may work on the list at once.
    static constexpr int kSharedSlots = 16;

    // Another opener's check holds the rebuild key for a moment: a shared opener that meets it
    // looks again, for as long as `probe` lets it (half a second by default), before it is refused.
    static store::LockRetry briefProbe();

    // Takes the lock at once, or throws the locked error.
    static ChequeListLock take(store::Database& books, ChequeListUse use, const store::LockRetry& probe = briefProbe());
    // Takes the lock, waiting while others hold it; take it before any write transaction.
    static ChequeListLock takeWaiting(store::Database& books, ChequeListUse use, const store::LockRetry& retry = {});

    ChequeListLock(ChequeListLock&&) noexcept = default;
    ChequeListLock& operator=(ChequeListLock&&) noexcept = default;

    ChequeListUse use() const { return use_; }

private:
    ChequeListLock(ChequeListUse use, std::unique_ptr<store::LockHandle> held) : use_(use), held_(std::move(held)) {}

    ChequeListUse use_;
    std::unique_ptr<store::LockHandle> held_;
};

}  // namespace orvant::cheques
