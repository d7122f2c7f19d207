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
// The payables tax report's own codes.
inline constexpr int kPurchaseTaxDebited = 4;   // tax debited: a purchase, a debit note
inline constexpr int kPurchaseTaxCredited = 6;  // tax credited: a credit note

// The type codes a ledger's tax report uses. Its tax stands on one side in an ordinary document
// and on the other in a credit note, whose lines are reported as negatives.
struct TaxReportTypes {
    int debited = kTaxDebited;
    int credited = kTaxCredited;
    int creditNote = kTaxDebited;

    int ordinary() const { return creditNote == debited ? credited : debited; }
};
inline constexpr TaxReportTypes kSalesTaxTypes{kTaxDebited, kTaxCredited, kTaxDebited};
inline constexpr TaxReportTypes kPurchaseTaxTypes{kPurchaseTaxDebited, kPurchaseTaxCredited, kPurchaseTaxCredited};

struct TaxPerRateLine {
    int code = 0;  // the rate's own code, carried from the rate matched
    std::string description;
    double rate = 0;
    Money tax;
    Money net;  // typed by the user
    int type = kTaxCredited;
};

// One line per distribution row posted to a rate's account: the row's amount as the tax, typed
// `types.debited` when it is a debit, else `types.credited`. A row of such an account without
// amount gives a line only for a rate of 0 (an exempt document still reports its net amount),
// typed as a credit note's tax on a credit note and as an ordinary document's tax otherwise.
std::vector<TaxPerRateLine> TaxLinesFor(const Distribution& rows, const TaxRates& rates, bool creditNote,
                                        const TaxReportTypes& types = kSalesTaxTypes);

// Once the user has typed the net amounts: the lines on a credit note's side report their
// amounts as negatives (a sales line of tax debited, a purchase line of tax credited).
void SignDebitedLines(std::vector<TaxPerRateLine>& lines, const TaxReportTypes& types = kSalesTaxTypes);

// Writes the lines with a net amount to the tax report, under the document's reference and date.
void ReportTaxes(TaxReportWriter& writer, const std::vector<TaxPerRateLine>& lines, const std::string& reference,
                 Date date);

}  // namespace orvant::sidedialogs
