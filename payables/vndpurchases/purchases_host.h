#pragma once
// What the purchases screen's logic asks of its form: the screen's messages, the focus, the
// pickers and the side dialogs, and showing what changed. The form implements it over its
// widgets; tests implement it with scripted answers.

#include <optional>
#include <string>
#include <vector>

#include "books/holdback.h"
#include "purchase_check.h"
#include "sidedialogs/project_transactions.h"
#include "sidedialogs/tax_per_rate.h"
#include "ui/message_service.h"

namespace orvant::purchases {

class PurchasesHost {
public:
    virtual ~PurchasesHost() = default;

    // Message `number` of the screen.
    virtual ui::Answer message(int number, ui::MessageKind kind) = 0;
    // Puts the focus on a field (a row's field for the row fields), its text selected.
    virtual void focus(PurchaseField field, int row = -1) = 0;
    // Shows the state of the screen again.
    virtual void refresh() = 0;
    // While the posting waits for the supplier's record, held on another workstation: says who
    // holds it (each time the record is refused), asks whether the user gave up, and ends.
    virtual void waiting(const std::string& text) = 0;
    virtual bool waitCancelled() = 0;
    virtual void waitOver() = 0;

    // The pickers: a supplier code or "", an account or 0.
    virtual std::string pickSupplier() = 0;
    virtual int pickAccount() = 0;

    // The side dialogs; nothing when the user cancels. The holdback dialog has no Cancel: it
    // holds nothing back when its amount is 0.
    virtual std::optional<std::vector<sidedialogs::TaxPerRateLine>> askTaxes(const std::vector<sidedialogs::TaxPerRateLine>& lines) = 0;
    virtual HoldbackAnswer askHoldback(Money base) = 0;
    virtual std::optional<std::vector<sidedialogs::ProjectLine>> askProjects(Money toDistribute) = 0;
    virtual std::optional<int> askPeriod(int period) = 0;
};

}  // namespace orvant::purchases
