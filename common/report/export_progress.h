#pragma once
// Lets a long export tell a dialog how far it has gone and stop when the user asks it to.
// Either function may be left empty.

#include <functional>

namespace orvant::report {

struct ExportProgress {
    std::function<void(int done, int total)> advanced;  // pages for PDF and printing, rows for CSV
    std::function<bool()> cancelRequested;

    void report(int done, int total) const
    {
        if (advanced) advanced(done, total);
    }
    bool cancelled() const { return cancelRequested && cancelRequested(); }
};

}  // namespace orvant::report
