#include "store/session_number.h"

#include "store/table.h"

namespace orvant::store {
namespace {

void ensureVirmemRow(Database& db, int number)
{
    Table virmem(db, "virmem");
    virmem.open();
    if (virmem.findKey({number})) return;
    virmem.insert();
    virmem.field("Session_id").set(number);
    virmem.field("Session_lock").set(false);
    try {
        virmem.post();
    } catch (const StoreError& e) {
        if (e.code() != errc::kKeyViolation) throw;  // made meanwhile by a launcher that ran before
        virmem.cancel();
    }
}

}  // namespace

std::unique_ptr<SessionLease> SessionLease::acquire(const std::string& dataRoot, const StoreConfig& config)
{
    std::unique_ptr<SessionLease> lease(new SessionLease);
    lease->dataRoot_ = dataRoot;
    lease->config_ = config;
    lease->db_ = std::make_unique<Database>("sessions", dataRoot, config);
    const LockHolder me = workstationIdentity();
    for (int n = 1; n <= kHighest; ++n) {
        auto lock = lease->db_->connection().tryLockSession(n, me);
        if (!lock) continue;
        lease->lock_ = std::move(lock);
        lease->number_ = n;
        ensureVirmemRow(*lease->db_, n);
        return lease;
    }
    throw StoreError(errc::kNoSessionNumber, "Every session number of " + dataRoot + " is in use.");
}

void SessionLease::confirm()
{
    if (lock_ && lock_->stillHeld()) return;
    lock_.reset();
    db_.reset();
    db_ = std::make_unique<Database>("sessions", dataRoot_, config_);
    lock_ = db_->connection().tryLockSession(number_, workstationIdentity());
    if (!lock_)
        throw StoreError(errc::kSessionLost, "Session number " + std::to_string(number_) +
                                                 " was taken by another workstation while this one was cut off from " + dataRoot_ +
                                                 "; close this launcher and start it again.");
}

}  // namespace orvant::store
