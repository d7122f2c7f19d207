#pragma once
// The two store helpers every module shares: open a table or close the screen, and put a
// record into edit, waiting while another workstation holds it.

#include <chrono>
#include <functional>
#include <string>

#include "store/table.h"

namespace orvant::store {

struct LockRetry {
    std::chrono::milliseconds firstWait{1};
    std::chrono::milliseconds longestWait{400};
    // Asked before each wait; true gives up with the store error kCancelled.
    std::function<bool()> cancelled;
    // Told of each refusal, so a screen can show who or what it waits for.
    std::function<void(const StoreError&)> waiting;
};

// Puts the current record into edit. While another user holds its lock it waits, with a
// growing pause between tries, and tries again; any other failure propagates. Call it before
// the posting's transaction opens: nobody must wait for a lock inside a write transaction.
void EditWithLockRetry(Table& table, const LockRetry& retry = {});

// Table::holdKey, waiting as above while another workstation holds the key.
std::unique_ptr<LockHandle> HoldKeyWithLockRetry(Table& table, const std::vector<Value>& key, const LockRetry& retry = {});

// Runs `attempt` until it no longer fails with a record lock, waiting between tries as above.
void RunWithLockRetry(const std::function<void()>& attempt, const LockRetry& retry = {});

// Opens the table. On failure it shows "Error opening table " + name (in French for
// language 2) through `showError`, then calls `closeMainForm`; returns whether it opened.
bool OpenTableOrClose(Table& table, int language, const std::function<void(const std::string&)>& showError,
                      const std::function<void()>& closeMainForm);

std::string openTableErrorText(const std::string& tableName, int language);

}  // namespace orvant::store
