#include "sidedialogs/tax_per_rate.h"

namespace orvant::sidedialogs {

std::vector<TaxPerRateLine> TaxLinesFor(const Distribution& rows, const TaxRates& rates, bool creditNote)
{
    std::vector<TaxPerRateLine> lines;
    for (const DistributionRow& row : rows.rows()) {
        const TaxRate* rate = row.account == 0 ? nullptr : rates.forAccount(row.account);
        if (!rate) continue;
        const Money amount = row.debit + row.credit;
        if (amount > Money())
            lines.push_back({rate->code, rate->description, rate->rate, amount, Money(),
                             row.debit > Money() ? kTaxDebited : kTaxCredited});
        else if (amount.isZero() && rate->rate == 0)
            lines.push_back({rate->code, rate->description, rate->rate, Money(), Money(), creditNote ? kTaxDebited : kTaxCredited});
    }
    return lines;
}

void SignDebitedLines(std::vector<TaxPerRateLine>& lines)
{
    for (TaxPerRateLine& line : lines) {
        if (line.type != kTaxDebited) continue;
        if (line.tax > Money()) line.tax = -line.tax;
        if (line.net > Money()) line.net = -line.net;
    }
}

void ReportTaxes(TaxReportWriter& writer, const std::vector<TaxPerRateLine>& lines, const std::string& reference, Date date)
{
    for (const TaxPerRateLine& line : lines)
        if (!line.net.isZero()) writer.add({line.code, line.type, reference, date, line.net, line.tax});
}

}  // namespace orvant::sidedialogs
