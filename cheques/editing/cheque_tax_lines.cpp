#include "cheque_tax_lines.h"

namespace orvant::cheques {

namespace {

// The net amount a former line of the rate held, each former line proposed once.
Money formerNet(std::vector<ChequeTaxLine>& former, const std::string& description)
{
    for (auto line = former.begin(); line != former.end(); ++line)
        if (line->description == description) {
            const Money net = line->totalAmount;
            former.erase(line);
            return net;
        }
    return Money();
}

}  // namespace

std::vector<sidedialogs::TaxPerRateLine> TaxLinesToAsk(const Cheque& cheque, const TaxRates& rates)
{
    std::vector<ChequeTaxLine> former = cheque.taxLines;
    std::vector<sidedialogs::TaxPerRateLine> lines;
    for (int slot = 0; slot < kChequeSlots; ++slot) {
        const int account = cheque.accounts[static_cast<std::size_t>(slot)];
        const TaxRate* rate = account != 0 ? rates.forAccount(account) : nullptr;
        const Money tax = cheque.slotAmounts[static_cast<std::size_t>(slot)];
        if (!rate || tax.isNegative() || (tax.isZero() && rate->rate != 0)) continue;
        lines.push_back({rate->code, rate->description, rate->rate, tax, formerNet(former, rate->description), kChequeTaxType});
    }
    return lines;
}

std::vector<ChequeTaxLine> ChequeTaxLines(const std::vector<sidedialogs::TaxPerRateLine>& lines)
{
    std::vector<ChequeTaxLine> taxLines;
    taxLines.reserve(lines.size());
    for (const auto& line : lines) taxLines.push_back({line.description, line.rate, line.tax, line.net, line.type});
    return taxLines;
}

}  // namespace orvant::cheques
