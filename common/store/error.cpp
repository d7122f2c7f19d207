#include "store/error.h"

namespace orvant::store {

StoreError::StoreError(int code, std::string message) : entries_{{code, std::move(message)}} { refreshWhat(); }

StoreError::StoreError(std::vector<ErrorEntry> entries) : entries_(std::move(entries))
{
    if (entries_.empty()) entries_.push_back({errc::kEngine, describeErrorCode(errc::kEngine)});
    refreshWhat();
}

StoreError& StoreError::addContext(int code, std::string message)
{
    entries_.insert(entries_.end() - 1, ErrorEntry{code, std::move(message)});
    refreshWhat();
    return *this;
}

StoreError& StoreError::setHolder(LockHolder holder)
{
    holder_ = std::move(holder);
    return *this;
}

void StoreError::refreshWhat()
{
    what_.clear();
    for (const auto& e : entries_) {
        if (!what_.empty()) what_ += "; ";
        what_ += e.message;
    }
}

std::string describeErrorCode(int code)
{
    switch (code) {
    case errc::kTableNotFound: return "Table does not exist.";
    case errc::kFieldNotFound: return "Field not found.";
    case errc::kIndexNotFound: return "Index not found.";
    case errc::kDirectoryNotFound: return "Directory not found.";
    case errc::kNoCurrentRecord: return "No current record.";
    case errc::kNotEditing: return "Table is not in insert or edit mode.";
    case errc::kRecordGone: return "The record was deleted by another user.";
    case errc::kTableClosed: return "Table is not open.";
    case errc::kKeyViolation: return "Key violation.";
    case errc::kRequiredField: return "Field value required.";
    case errc::kValueTooLong: return "Value too long for field.";
    case errc::kBadValue: return "Invalid field value.";
    case errc::kRecordLocked: return "Record locked by another user.";
    case errc::kBusy: return "The database stayed busy too long.";
    case errc::kCancelled: return "The wait was cancelled.";
    case errc::kNoSessionNumber: return "No free session number.";
    case errc::kSessionLost: return "The session number is held by another workstation.";
    case errc::kTransactionState: return "Invalid transaction state.";
    case errc::kTransactionAborted: return "The transaction was rolled back; nothing of it was kept.";
    case errc::kConnection: return "Cannot connect to the database.";
    case errc::kDiskFull: return "The database or the disk is full.";
    default: return "Database engine error.";
    }
}

}  // namespace orvant::store
