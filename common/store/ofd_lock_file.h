#pragma once
// Locks that work across processes on one machine and never outlive their holder: byte-range
// locks on a lock file, taken with open-file-description locks (F_OFD_SETLK). Every held lock has
// its own open file description, so two cursors of one process conflict exactly as two
// processes do, and the kernel frees a dead process's locks at once.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "store/backend.h"

namespace orvant::store {

class OfdLockFile {
public:
    explicit OfdLockFile(std::string path);

    // Takes the lock named by `slot` (0 to 2^61); nothing when another holder has it. The
    // holder's name is written beside it so a refused caller can say who holds it.
    std::unique_ptr<LockHandle> tryLock(std::uint64_t slot, const LockHolder& me);
    std::optional<LockHolder> holder(std::uint64_t slot) const;

    const std::string& path() const { return path_; }

private:
    std::string path_;
};

}  // namespace orvant::store
