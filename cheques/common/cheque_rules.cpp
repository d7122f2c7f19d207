#include "cheque_rules.h"

#include "amount_in_words.h"

namespace orvant::cheques {

namespace {

constexpr int kPayableSlot = 0;
constexpr int kBankSlot = 1;
constexpr int kDiscountSlot = 2;
constexpr int kFirstFreeSlot = 3;

}  // namespace

void ComputeFollowingSlots(Cheque& cheque)
{
    Money settled, paid;
    for (ChequeLine& line : cheque.lines) {
        line.payment = line.amount - line.discount;
        settled += line.amount;
        paid += line.payment;
    }
    cheque.amount = paid;
    cheque.slotAmounts[kPayableSlot] = cheque.supplier.empty() ? Money() : settled;
    cheque.slotAmounts[kBankSlot] = -paid;
}

void ProposeDistribution(Cheque& cheque)
{
    Money settled, discounts;
    for (const ChequeLine& line : cheque.lines) {
        settled += line.amount;
        discounts += line.discount;
    }
    for (int slot = kDiscountSlot; slot < kChequeSlots; ++slot) cheque.slotAmounts[slot] = Money();
    cheque.slotAmounts[kDiscountSlot] = -discounts;
    if (cheque.supplier.empty()) cheque.slotAmounts[kFirstFreeSlot] = settled;
    ComputeFollowingSlots(cheque);
}

std::optional<ChequeFault> CheckLine(const ChequeLine& line, std::optional<Money> openBalance)
{
    if (openBalance && !line.amount.isZero()) {
        if (line.amount.isNegative() != openBalance->isNegative() || openBalance->isZero()) return ChequeFault::LineSign;
        if (line.amount.abs() > openBalance->abs()) return ChequeFault::LineAboveOpen;
    }
    const bool discountFits = line.amount.isNegative() ? line.discount.isZero()
                                                       : !line.discount.isNegative() && line.discount <= line.amount;
    if (!discountFits) return ChequeFault::DiscountRange;
    return std::nullopt;
}

std::vector<ChequeProblem> CheckCheque(const Cheque& cheque)
{
    std::vector<ChequeProblem> problems;
    Money paid;
    for (std::size_t i = 0; i < cheque.lines.size(); ++i) {
        if (CheckLine(cheque.lines[i], std::nullopt)) problems.push_back({ChequeFault::DiscountRange, static_cast<int>(i)});
        paid += cheque.lines[i].amount - cheque.lines[i].discount;
    }
    if (paid.isNegative()) problems.push_back({ChequeFault::NegativeTotal});
    Money balance;
    for (const Money& slot : cheque.slotAmounts) balance += slot;
    if (!balance.isZero()) problems.push_back({ChequeFault::Unbalanced});
    for (int slot = 0; slot < kChequeSlots; ++slot)
        if (!cheque.slotAmounts[slot].isZero() && cheque.accounts[slot] == 0) problems.push_back({ChequeFault::SlotWithoutAccount, slot});
    if (RoundMoney(paid) > kLargestChequeAmount) problems.push_back({ChequeFault::AmountTooLarge});
    return problems;
}

}  // namespace orvant::cheques
