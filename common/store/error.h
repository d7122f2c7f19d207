#pragma once
// Store errors: a list of entries, the last of which says what finally went wrong. Every code
// the store raises is listed here once, with its category and sub-code (code = category * 256 +
// sub-code), so the error form and the tests read them from one place.

#include <cstdint>
#include <exception>
#include <optional>
#include <string>
#include <vector>

namespace orvant::store {

namespace errc {
// category 0x21: the request names something that is not there
constexpr int kTableNotFound = 0x2101;
constexpr int kFieldNotFound = 0x2102;
constexpr int kIndexNotFound = 0x2103;
constexpr int kDirectoryNotFound = 0x2104;
// category 0x22: the cursor is not where the request needs it
constexpr int kNoCurrentRecord = 0x2201;
constexpr int kNotEditing = 0x2202;
constexpr int kRecordGone = 0x2203;      // the record was deleted by another user
constexpr int kTableClosed = 0x2204;
// category 0x26: integrity
constexpr int kKeyViolation = 0x2601;
constexpr int kRequiredField = 0x2604;
constexpr int kValueTooLong = 0x2605;
constexpr int kBadValue = 0x2606;
// category 0x28: locking and concurrency
constexpr int kRecordLocked = 0x2801;    // 10241: the record is locked by another user
constexpr int kBusy = 0x2802;            // the database stayed busy beyond the wait
constexpr int kCancelled = 0x2803;       // a wait was cancelled by its caller
constexpr int kNoSessionNumber = 0x2804;
constexpr int kSessionLost = 0x2805;     // the session number was taken elsewhere while its holder was cut off
// category 0x2A: transactions
constexpr int kTransactionState = 0x2A01;
constexpr int kTransactionAborted = 0x2A02;  // the engine ended the transaction; nothing of it is kept
// category 0x33: the database engine itself
constexpr int kEngine = 0x3301;
constexpr int kConnection = 0x3302;
constexpr int kDiskFull = 0x3303;
}  // namespace errc

struct ErrorEntry {
    int code = 0;
    int category() const { return code >> 8; }
    int subCode() const { return code & 0xFF; }
    std::string message;
};

// Who holds a refused lock, where the store can tell.
struct LockHolder {
    std::string user;
    int session = 0;
};

class StoreError : public std::exception {
public:
    StoreError(int code, std::string message);
    StoreError(std::vector<ErrorEntry> entries);

    const std::vector<ErrorEntry>& entries() const { return entries_; }
    const ErrorEntry& last() const { return entries_.back(); }
    int code() const { return last().code; }
    bool isRecordLocked() const { return code() == errc::kRecordLocked; }
    const std::optional<LockHolder>& holder() const { return holder_; }

    // Puts an entry before the last one: context for the error form, keeping the final code.
    StoreError& addContext(int code, std::string message);
    StoreError& setHolder(LockHolder holder);

    const char* what() const noexcept override { return what_.c_str(); }

private:
    void refreshWhat();
    std::vector<ErrorEntry> entries_;
    std::optional<LockHolder> holder_;
    std::string what_;
};

// The text of a code, for messages built without more detail.
std::string describeErrorCode(int code);

}  // namespace orvant::store
