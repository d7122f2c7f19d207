#pragma once
// The cheques of one print run and what is checked before any of them gets a number: the run
// prints the cheques of the list drawn on one bank account, in list order, and only when the
// form can print them, every account they post to is in the chart, every cheque date falls in a
// period of the books, every invoice still owes what its line settles and all share one currency.
// A run that fails a check numbers nothing.

#include <string>
#include <vector>

#include "cheque_layout.h"
#include "cheque_period.h"
#include "cheque_record.h"
#include "store/database.h"

namespace orvant::vndcheqprint {

// The cheques of the list drawn on the bank account, in the order of the list.
std::vector<cheques::Cheque> ChequesOfBank(store::Database& books, int bankAccount);

enum class RunFault {
    Layout,           // the form cannot print a cheque (`layout` says why, `detail` the item's text)
    StubTooShort,     // a stub holds no invoice line below its heading lines
    AccountMissing,   // a slot posts to an account missing from the chart (`detail` the account)
    NoPeriod,         // no period of the books is named for the cheque date's month (`detail` the date)
    ItemNotOpen,      // an invoice no longer owes what the line settles (`detail` the invoice)
    MixedCurrencies,  // the cheque is in another currency than the run's first cheque
};

struct RunProblem {
    RunFault fault;
    int seq = 0;  // the cheque at fault; 0 for the form
    std::string detail;
    cheques::LayoutProblem layout{};  // Layout only
};

// The invoice lines a stub holds below its heading lines, 0 when none fits.
int InvoiceLinesPerForm(const cheques::ChequeLayout& layout);

// Every reason the run cannot be numbered; empty when it can. A year of thirteen periods has its
// periods asked by the update, which no month names.
std::vector<RunProblem> CheckRun(store::Database& books, const cheques::ChequeLayout& layout, const std::vector<cheques::Cheque>& run,
                                 cheques::ChequePeriods& periods);

}  // namespace orvant::vndcheqprint
