#include "sidedialogs/tax_per_rate.h"

namespace orvant::sidedialogs {

std::vector<TaxPerRateLine> TaxLinesFor(const Distribution& rows, const TaxRates& rates, bool creditNote,
                                        const TaxReportTypes& types)
{
    std::vector<TaxPerRateLine> lines;
    for (const DistributionRow& row : rows.rows()) {
        const TaxRate* rate = row.account == 0 ? nullptr : rates.forAccount(row.account);
        if (!rate) continue;
        const Money amount = row.debit + row.credit;
        if (amount > Money())
            lines.push_back({rate->code, rate->description, rate->rate, amount, Money(),
                             row.debit > Money() ? types.debited : types.credited});
        else if (amount.isZero() && rate->rate == 0)
            lines.push_back({rate->code, rate->description, rate->rate, Money(), Money(), creditNote ? types.creditNote : types.ordinary()});
    }
    return lines;
}

void SignDebitedLines(std::vector<TaxPerRateLine>& lines, const TaxReportTypes& types)
{
    for (TaxPerRateLine& line : lines) {
        if (line.type != types.creditNote) continue;
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
