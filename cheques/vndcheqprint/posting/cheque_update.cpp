#include "cheque_update.h"

#include "cheque_list_build.h"
#include "cheque_list_lock.h"
#include "cheque_period.h"
#include "cheque_posting.h"

namespace orvant::cheques {

namespace {

// The date of each cheque as stored now; nothing for a cheque gone from the list.
std::vector<std::optional<Date>> storedDates(store::Database& books, const std::vector<PrintedCheque>& cheques)
{
    ChequeStore list(books, ChequeSet::List);
    std::vector<std::optional<Date>> dates;
    for (const PrintedCheque& printed : cheques) {
        const std::optional<Cheque> stored = list.read(printed.seq);
        dates.push_back(stored ? std::optional<Date>(stored->date) : std::nullopt);
    }
    return dates;
}

}  // namespace

ChequeUpdate::ChequeUpdate(store::Database& books, ChequeUpdateContext context) : books_(books), context_(std::move(context)) {}

ChequeUpdateReport ChequeUpdate::run(const std::vector<PrintedCheque>& cheques)
{
    const ChequeListLock inUse = ChequeListLock::takeWaiting(books_, ChequeListUse::Shared, context_.lockRetry);
    const std::vector<std::optional<Date>> dates = storedDates(books_, cheques);
    ChequePeriods periods(books_, context_);
    ChequeUpdateReport report;
    // Every question is asked before the first cheque is posted, so a Cancel posts nothing.
    if (periods.asksUser())
        for (const std::optional<Date>& date : dates)
            if (date && !periods.periodOf(*date)) {
                report.cancelled = true;
                for (const PrintedCheque& printed : cheques) report.cheques.push_back(ChequeUpdateResult::of(printed, UpdateOutcome::NotReached));
                return report;
            }

    ChequePosting posting(books_, context_.user, context_.lockRetry);
    for (std::size_t i = 0; i < cheques.size(); ++i) {
        const PrintedCheque& printed = cheques[i];
        if (!dates[i]) {
            report.cheques.push_back(ChequeUpdateResult::of(printed, UpdateOutcome::Gone));
            continue;
        }
        const std::optional<int> period = periods.periodOf(*dates[i]);
        report.cheques.push_back(period ? posting.post(printed, *dates[i], *period) : ChequeUpdateResult::of(printed, UpdateOutcome::NoPeriod));
    }
    return report;
}

std::vector<PrintedCheque> ChequesLeftNumbered(store::Database& books, int bankAccount)
{
    std::vector<PrintedCheque> cheques;
    for (const NumberedCheque& numbered : NumberedCheques(books))
        if (numbered.bankAccount == bankAccount) cheques.push_back({numbered.seq, numbered.number, numbered.bankAccount, std::nullopt});
    return cheques;
}

}  // namespace orvant::cheques
