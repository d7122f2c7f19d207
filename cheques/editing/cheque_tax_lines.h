#pragma once
// A cheque's taxes per rate: one line for each slot posted to a tax account, for the tax report
// of the update. The tax is the slot's debit; the user types the amount subject to it.

#include <vector>

#include "books/tax_rates.h"
#include "cheque_record.h"
#include "sidedialogs/tax_per_rate.h"

namespace orvant::cheques {

// Tax paid on a cheque is reported as tax debited on a purchase.
inline constexpr int kChequeTaxType = sidedialogs::kPurchaseTaxDebited;

// The lines to ask for: a slot of a rate's account with a debit gives its line; one without
// amount gives a line only for a rate of 0 (an exempt payment still reports its net amount); a
// credit gives none. The net amounts the cheque's former lines held for a rate are proposed again.
std::vector<sidedialogs::TaxPerRateLine> TaxLinesToAsk(const Cheque& cheque, const TaxRates& rates);

std::vector<ChequeTaxLine> ChequeTaxLines(const std::vector<sidedialogs::TaxPerRateLine>& lines);

}  // namespace orvant::cheques
