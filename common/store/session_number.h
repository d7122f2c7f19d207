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

    // Makes sure the number is still this launcher's. A lock held on a server connection is
    // lost with it (a server restart, an idle timeout); the number is then taken again on a new
    // connection when it is free. Throws the store error kSessionLost when another workstation
    // has taken it meanwhile, and a connection error when the server cannot be reached.
    void confirm();

private:
    SessionLease() = default;
    std::string dataRoot_;
    StoreConfig config_;
    std::unique_ptr<Database> db_;
    std::unique_ptr<LockHandle> lock_;
    int number_ = 0;
};

}  // namespace orvant::store
