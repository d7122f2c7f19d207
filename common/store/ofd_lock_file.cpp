#include "store/ofd_lock_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace orvant::store {
namespace {

// The file's first bytes hold one holder record per name slot; the locks themselves lie far
// beyond, so a lock never covers a record and records can be written while locks are held.
constexpr std::uint64_t kHolderSlots = 65536;
constexpr off_t kLockBase = off_t(1) << 24;
constexpr std::uint64_t kSlotMask = (std::uint64_t(1) << 61) - 1;

struct HolderRecord {
    std::uint64_t slot;
    std::int32_t session;
    std::int32_t pid;
    char user[48];
};
static_assert(sizeof(HolderRecord) == 64);

off_t lockOffset(std::uint64_t slot) { return kLockBase + static_cast<off_t>(slot & kSlotMask); }
off_t recordOffset(std::uint64_t slot) { return static_cast<off_t>((slot % kHolderSlots) * sizeof(HolderRecord)); }

bool setLock(int fd, short type, off_t offset)
{
    struct flock fl {};
    fl.l_type = type;
    fl.l_whence = SEEK_SET;
    fl.l_start = offset;
    fl.l_len = 1;
    return fcntl(fd, F_OFD_SETLK, &fl) == 0;
}

class OfdLock final : public LockHandle {
public:
    explicit OfdLock(int fd) : fd_(fd) {}
    ~OfdLock() override { ::close(fd_); }  // closing the only descriptor frees the lock

private:
    int fd_;
};

}  // namespace

OfdLockFile::OfdLockFile(std::string path) : path_(std::move(path)) {}

std::unique_ptr<LockHandle> OfdLockFile::tryLock(std::uint64_t slot, const LockHolder& me)
{
    const int fd = ::open(path_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0)
        throw StoreError(errc::kEngine, "Cannot open the lock file " + path_ + ": " + std::strerror(errno));
    if (!setLock(fd, F_WRLCK, lockOffset(slot))) {
        const int err = errno;
        ::close(fd);
        if (err == EAGAIN || err == EACCES) return nullptr;
        throw StoreError(errc::kEngine, "Cannot lock in " + path_ + ": " + std::strerror(err));
    }
    HolderRecord record{};
    record.slot = slot;
    record.session = me.session;
    record.pid = static_cast<std::int32_t>(::getpid());
    std::strncpy(record.user, me.user.c_str(), sizeof record.user - 1);
    // The name is a courtesy for the refused caller; failing to write it does not undo the lock.
    // A workstation taking the lock it took last finds its own name there: writing it again
    // would only dirty the file.
    HolderRecord stored{};
    if (::pread(fd, &stored, sizeof stored, recordOffset(slot)) != sizeof stored || std::memcmp(&stored, &record, sizeof record) != 0) {
        [[maybe_unused]] auto written = ::pwrite(fd, &record, sizeof record, recordOffset(slot));
    }
    return std::make_unique<OfdLock>(fd);
}

std::optional<LockHolder> OfdLockFile::holder(std::uint64_t slot) const
{
    const int fd = ::open(path_.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    HolderRecord record{};
    const auto got = ::pread(fd, &record, sizeof record, recordOffset(slot));
    ::close(fd);
    if (got != sizeof record || record.slot != slot) return std::nullopt;
    record.user[sizeof record.user - 1] = '\0';
    return LockHolder{record.user, record.session};
}

}  // namespace orvant::store
