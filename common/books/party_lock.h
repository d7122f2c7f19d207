#pragma once
// The lock a posting holds on its party's record (a client or a supplier) while it writes:
// taken before the transaction opens, the record read again under it (that read decides), and
// given back once the transaction has ended, whatever happens.

#include <string>

#include "store/lock_retry.h"
#include "store/table.h"

namespace orvant {

// Puts the party's record into edit, waiting while another workstation holds it. A cursor
// still standing on the party, as the document's check left it, is locked where it stands
// rather than looked up again. False when the party is not in the books, or was deleted
// meanwhile; any other store error propagates.
bool LockParty(store::Table& parties, const std::string& code, const store::LockRetry& retry);

// Gives the party's lock back when it goes, unless the posting posted the record already.
class PartyLockRelease {
public:
    explicit PartyLockRelease(store::Table& parties) : parties_(parties) {}
    ~PartyLockRelease();
    PartyLockRelease(const PartyLockRelease&) = delete;
    PartyLockRelease& operator=(const PartyLockRelease&) = delete;

private:
    store::Table& parties_;
};

}  // namespace orvant
