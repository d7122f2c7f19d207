#pragma once
// What the cash disbursements screen's logic asks of its form: the screen's messages, the
// focus, the pickers and the side dialogs, and showing what changed. The form implements it over
// its widgets; tests implement it with scripted answers.

#include <optional>
#include <string>
#include <vector>

#include "disbursement_check.h"
#include "sidedialogs/tax_per_rate.h"
#include "ui/message_service.h"

namespace orvant::disbursements {

class DisbursementsHost {
public:
    virtual ~DisbursementsHost() = default;

    // Message `number` of the screen.
    virtual ui::Answer message(int number, ui::MessageKind kind) = 0;
    // Puts the focus on a field (a grid's row for an open item or a row); Totals sends it nowhere.
    virtual void focus(DisbursementField field, int row = -1) = 0;
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

    // The side dialogs; nothing when the user cancels.
    virtual std::optional<std::vector<sidedialogs::TaxPerRateLine>> askTaxes(const std::vector<sidedialogs::TaxPerRateLine>& lines) = 0;
    virtual std::optional<int> askPeriod(int period) = 0;
};

}  // namespace orvant::disbursements
