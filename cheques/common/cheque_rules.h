#pragma once
// The amounts and checks of one cheque, the same for the list build and the editor. A line pays
// its amount less its discount; the cheque pays the sum of its lines. Slots 1 (the payable
// account: what the lines settle) and 2 (the bank: the cash paid) follow the lines and are never
// typed; slots 3 to 10 are proposed from the lines and may be changed; all ten balance.

#include <optional>
#include <vector>

#include "cheque_record.h"

namespace orvant::cheques {

// Each line's payment, the cheque's amount, slot 1 (0 without a supplier) and slot 2.
void ComputeFollowingSlots(Cheque& cheque);

// The distribution proposed from the lines: slots 3 to 10 emptied, slot 3 = minus the discounts,
// slot 4 = the amounts settled when the cheque has no supplier, then ComputeFollowingSlots.
void ProposeDistribution(Cheque& cheque);

enum class ChequeFault {
    LineSign,             // an amount settled against the sign of its item's open balance
    LineAboveOpen,        // an amount settled above its item's open balance
    DiscountRange,        // a discount below 0, above the amount settled, or on a negative line
    NegativeTotal,        // the cheque pays less than 0
    Unbalanced,           // the ten slots do not sum to 0
    SlotWithoutAccount,   // a slot with an amount has no account
    AmountTooLarge,       // the amount cannot be written in words
};

struct ChequeProblem {
    ChequeFault fault;
    int index = -1;  // the line (from 0) or slot (from 0) at fault; -1 for the cheque
};

// A line against its item's open balance (nothing known for a line of a payee who is not a
// supplier, or of a recurring cheque: its amount is then only checked against its discount).
std::optional<ChequeFault> CheckLine(const ChequeLine& line, std::optional<Money> openBalance);

// The cheque's own checks, lines' discounts included (not their open balances): every
// problem, in the order above; empty when it can be saved.
std::vector<ChequeProblem> CheckCheque(const Cheque& cheque);

}  // namespace orvant::cheques
