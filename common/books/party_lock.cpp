#include "books/party_lock.h"

#include "store/error.h"

namespace orvant {

namespace {

// Whether the cursor stands on the record of this code, compared as stored: a code found
// through a looser comparison is looked up again.
bool standsOn(store::Table& parties, const std::string& code)
{
    const auto& key = parties.definition().primaryKey;
    return parties.hasRecord() && key.size() == 1 && parties.field(key.front()).asString() == code;
}

}  // namespace

bool LockParty(store::Table& parties, const std::string& code, const store::LockRetry& retry)
{
    if (code.empty()) return false;
    if (!standsOn(parties, code) && !parties.findKey({code})) return false;
    try {
        store::EditWithLockRetry(parties, retry);
    } catch (const store::StoreError& error) {
        if (error.code() != store::errc::kRecordGone) throw;
        return false;
    }
    return true;
}

PartyLockRelease::~PartyLockRelease()
{
    if (parties_.state() == store::TableState::Edit) parties_.cancel();
}

}  // namespace orvant
