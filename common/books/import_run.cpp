#include "books/import_run.h"

namespace orvant {

namespace {

// Errors of the store itself rather than of a document.
bool storeCannotGoOn(const store::StoreError& error)
{
    return error.code() == store::errc::kDiskFull || error.code() == store::errc::kConnection;
}

}  // namespace

std::string StoreErrorText(const store::StoreError& error) { return std::string("store error: ") + error.what(); }

ImportTotals RunImport(std::istream& in, const ImportPost& post, const ImportRefused& refused, store::LockRetry& retry,
                       const ImportWaiting& waiting)
{
    ImportTotals totals;
    int number = 1;
    bool told = false;
    const auto before = retry.waiting;
    if (waiting)
        retry.waiting = [&](const store::StoreError& error) {
            if (!told) waiting(number, error.holder() ? error.holder()->user : std::string());
            told = true;
        };
    // The callback above lives on this frame only.
    struct Restore {
        store::LockRetry& retry;
        std::function<void(const store::StoreError&)> before;
        ~Restore() { retry.waiting = before; }
    } restore{retry, before};
    std::string line;
    for (; std::getline(in, line); ++number) {
        told = false;
        if (line.find_first_not_of(" \t\r") == std::string::npos) continue;
        std::optional<std::string> why;
        try {
            why = post(line);
        } catch (const store::StoreError& error) {
            why = StoreErrorText(error);
            if (storeCannotGoOn(error)) {
                ++totals.refused;
                refused(number, *why + "; the import stops here");
                totals.stoppedAt = number;
                break;
            }
        }
        if (why) {
            ++totals.refused;
            refused(number, *why);
        } else {
            ++totals.posted;
        }
    }
    return totals;
}

}  // namespace orvant
