#pragma once
// What the purchases screen's logic asks of its form: what every entry screen asks (EntryHost), and
// the supplier's picker and the holdback and project dialogs.

#include <string>

#include "books/holdback.h"
#include "purchase_check.h"
#include "sidedialogs/entry_host.h"
#include "sidedialogs/project_transactions.h"

namespace orvant::purchases {

class PurchasesHost : public sidedialogs::EntryHost<PurchaseField> {
public:
    // A supplier code, or "" when the user chose none.
    virtual std::string pickSupplier() = 0;

    // The holdback and project dialogs; nothing when the user cancels the projects. The holdback
    // dialog has no Cancel: it holds nothing back when its amount is 0.
    virtual HoldbackAnswer askHoldback(Money base) = 0;
    virtual std::optional<std::vector<sidedialogs::ProjectLine>> askProjects(Money toDistribute) = 0;
};

}  // namespace orvant::purchases
