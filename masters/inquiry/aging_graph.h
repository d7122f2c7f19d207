#pragma once
// The aging graph of one party: its current ledger aged as of today into the five buckets of the
// control record, whatever the aging report was last asked for (no report date, older-than
// choice or conversion). An entry dated after today is not left out: an item dated after today
// is in the first bucket, so the graph's total is always the party's balance, the last balance
// of its current statement. The chart's print is a report document like every other.

#include <QString>
#include <array>
#include <functional>
#include <string>

#include "aging/aging_rules.h"
#include "dates/date.h"
#include "inquiry_ledger.h"
#include "money/amount_text.h"
#include "money/money.h"
#include "report/report_document.h"
#include "store/database.h"

namespace orvant::inquiry {

struct AgingGraph {
    std::array<QString, aging::kBuckets> titles;  // the bucket names of the control record
    std::array<Money, aging::kBuckets> amounts{};
    Money total;
};

// The graph of party `code` on `today` (the screen passes Date::today()).
AgingGraph AgeForGraph(store::Database& books, const InquiryLedger& ledger, const std::string& code, Date today);

// The amount under a bar and on the print, in the session's language: "1,234.50", "1 234,50".
QString GraphAmountText(Money amount, AmountLanguage language);

// The chart printed: `title` ("Aging of accounts") after the party's name, five bars drawn to
// scale (a negative bucket below the base line), each labelled with its title and amount.
report::ReportDocument BuildGraphPrint(const AgingGraph& graph, const QString& title, const QString& partyName,
                                       AmountLanguage language);

}  // namespace orvant::inquiry
