#pragma once
// The loop of every import of documents from JSON lines: one document a line, blank lines passed
// over, each posted or refused with its reason. A store that can take no more (a full disk, a
// lost connection) stops the import at that line: that document and the ones after it are not
// written, so the same file posted again later posts them once.

#include <functional>
#include <istream>
#include <optional>
#include <string>

#include "store/lock_retry.h"

namespace orvant {

struct ImportTotals {
    int posted = 0;
    int refused = 0;
    int stoppedAt = 0;  // the line at which the store stopped the import; 0 when all was read
};

using ImportRefused = std::function<void(int line, const std::string& why)>;
using ImportWaiting = std::function<void(int line, const std::string& holder)>;
// One line: nothing when it is posted, else why not; a store error propagates.
using ImportPost = std::function<std::optional<std::string>(const std::string& line)>;

// While `retry` waits for a record another workstation holds, `waiting` (when given) is told
// once a line who holds it.
ImportTotals RunImport(std::istream& in, const ImportPost& post, const ImportRefused& refused, store::LockRetry& retry,
                       const ImportWaiting& waiting = {});

// How an import reports a store error: "store error: " and its text.
std::string StoreErrorText(const store::StoreError& error);

}  // namespace orvant
