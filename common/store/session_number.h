#pragma once
// The session number of a running launcher: the lowest number that no other running launcher
// on the same data root holds. The number is held by a lock of its own lock space for as long
// as the lease lives, so a launcher that dies gives its number back at once.

#include <memory>
#include <string>

#include "store/database.h"

namespace orvant::store {

class SessionLease {
public:
    static constexpr int kHighest = 9999;

    // Takes the number and makes its `virmem` row when missing. The lease keeps its own
    // connection to the data root, apart from the one a module opens to edit that row.
    static std::unique_ptr<SessionLease> acquire(const std::string& dataRoot, const StoreConfig& config);

    int number() const { return number_; }

private:
    SessionLease() = default;
    std::unique_ptr<Database> db_;
    std::unique_ptr<LockHandle> lock_;
    int number_ = 0;
};

}  // namespace orvant::store
