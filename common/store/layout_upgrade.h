#pragma once
// Stored tables follow their declarations: books made by an earlier version of the suite get the
// fields declared since (empty in the rows already there), where the engine keeps widths, text
// fields widened to their declared width, and the company tables declared since. Run once per
// directory and version, under the directory's write lock, when a database is opened.

#include "store/backend.h"

namespace orvant::store {

// The layout version of the declarations: one more each time a declaration gains a field or a
// wider text field, or the company directory a table.
inline constexpr int kLayoutVersion = 6;

void UpgradeStoredLayout(Connection& connection);

}  // namespace orvant::store
