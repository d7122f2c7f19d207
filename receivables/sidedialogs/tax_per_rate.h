#pragma once
// Taxes per rate: under a tax-per-rate system the tax report needs, for each rate a document
// touches, the amount subject to the tax. The document's tax rows give the tax per rate; the
// user types the net amount of each in the tax-per-rate dialog, and the posting reports both.

#include <string>
#include <vector>

#include "books/distribution.h"
#include "books/tax_rates.h"
#include "books/tax_report_writer.h"

namespace orvant::sidedialogs {

// Type codes of the tax report.
inline constexpr int kTaxCredited = 3;  // tax credited: a sale, a debit note
inline constexpr int kTaxDebited = 5;   // tax debited: a credit note, a purchase

struct TaxPerRateLine {
    int code = 0;  // the rate's own code, carried from the rate matched
    std::string description;
    double rate = 0;
    Money tax;
    Money net;  // typed by the user
    int type = kTaxCredited;
};

// One line per distribution row posted to a rate's account: the row's amount as the tax, typed
// kTaxDebited when it is a debit. A row of such an account without amount gives a line only
// for a rate of 0 (an exempt sale still reports its net amount), typed kTaxDebited on a credit
// note.
std::vector<TaxPerRateLine> TaxLinesFor(const Distribution& rows, const TaxRates& rates, bool creditNote);

// Once the user has typed the net amounts: a debited line reports its amounts as negatives.
void SignDebitedLines(std::vector<TaxPerRateLine>& lines);

// Writes the lines with a net amount to the tax report, under the document's reference and date.
void ReportTaxes(TaxReportWriter& writer, const std::vector<TaxPerRateLine>& lines, const std::string& reference,
                 Date date);

}  // namespace orvant::sidedialogs
