#include "store/lock_retry.h"

#include <algorithm>
#include <thread>

namespace orvant::store {

void RunWithLockRetry(const std::function<void()>& attempt, const LockRetry& retry)
{
    auto wait = retry.firstWait;
    for (;;) {
        try {
            attempt();
            return;
        } catch (const StoreError& e) {
            if (!e.isRecordLocked()) throw;
            if (retry.waiting) retry.waiting(e);
            if (retry.cancelled && retry.cancelled())
                throw StoreError({e.last(), {errc::kCancelled, describeErrorCode(errc::kCancelled)}});
        }
        std::this_thread::sleep_for(wait);
        wait = std::min(wait * 2, retry.longestWait);
    }
}

void EditWithLockRetry(Table& table, const LockRetry& retry)
{
    RunWithLockRetry([&] { table.edit(); }, retry);
}

std::unique_ptr<LockHandle> HoldKeyWithLockRetry(Table& table, const std::vector<Value>& key, const LockRetry& retry)
{
    std::unique_ptr<LockHandle> held;
    RunWithLockRetry([&] { held = table.holdKey(key); }, retry);
    return held;
}

std::string openTableErrorText(const std::string& tableName, int language)
{
    return (language == 2 ? "Erreur lors de l'ouverture de la table " : "Error opening table ") + tableName;
}

bool OpenTableOrClose(Table& table, int language, const std::function<void(const std::string&)>& showError,
                      const std::function<void()>& closeMainForm)
{
    try {
        table.open();
        return true;
    } catch (const std::exception&) {
        if (showError) showError(openTableErrorText(table.tableName(), language));
        if (closeMainForm) closeMainForm();
        return false;
    }
}

}  // namespace orvant::store
