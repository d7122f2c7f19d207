#include "run_checks.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <set>
#include <tuple>

#include "books/open_items.h"
#include "cheque_rules.h"
#include "cheque_words.h"
#include "store/table.h"

namespace orvant::vndcheqprint {

namespace {

using cheques::Cheque;

class Chart {
public:
    explicit Chart(store::Database& books) : glm_(books, "glm") { glm_.open(); }
    bool has(int account) { return account != 0 && glm_.findKey({account}); }

private:
    store::Table glm_;
};

void CheckAccounts(Chart& chart, const Cheque& cheque, std::vector<RunProblem>& problems)
{
    for (int slot = 0; slot < cheques::kChequeSlots; ++slot) {
        const int account = cheque.accounts[slot];
        if (cheque.slotAmounts[slot].isZero() || chart.has(account)) continue;
        problems.push_back({RunFault::AccountMissing, cheque.seq, std::to_string(account)});
    }
}

// What the run settles of each item, line after line: two cheques paying one invoice may not
// settle more than it owes between them.
class SettledItems {
public:
    explicit SettledItems(store::Database& books) : items_(books, Ledger::Payables) {}

    void check(const Cheque& cheque, std::vector<RunProblem>& problems)
    {
        if (cheque.supplier.empty()) return;
        for (const cheques::ChequeLine& line : cheque.lines) {
            const Money open = items_.openAmount(cheque.supplier, line.invoice, line.holdback);
            Money& settled = settled_[{cheque.supplier, line.invoice, line.holdback}];
            settled += line.amount;
            if (cheques::CheckLine(line, open) || settled.abs() > open.abs())
                problems.push_back({RunFault::ItemNotOpen, cheque.seq, line.invoice});
        }
    }

private:
    OpenItemReader items_;
    std::map<std::tuple<std::string, std::string, bool>, Money> settled_;
};

// The totals of the first stub print on a row of their own below the form's lines.
bool FirstStubHasTotals(const cheques::ChequeLayout& layout)
{
    const int stub = cheques::FirstStubPart(layout) + 1;
    return std::any_of(layout.items.begin(), layout.items.end(), [stub](const cheques::LayoutItem& item) {
        const auto code = cheques::FieldCode(item.field);
        return item.part == stub && code && *code >= cheques::kFirstTotalCode;
    });
}

}  // namespace

std::vector<Cheque> ChequesOfBank(store::Database& books, int bankAccount)
{
    cheques::ChequeStore list(books, cheques::ChequeSet::List);
    std::vector<Cheque> run;
    for (int seq : list.sequences())
        if (auto cheque = list.read(seq); cheque && cheque->bankAccount() == bankAccount) run.push_back(std::move(*cheque));
    return run;
}

int InvoiceLinesPerForm(const cheques::ChequeLayout& layout)
{
    const bool chequeOnTop = layout.partRoles[0] == 0;
    double shortest = -1;
    for (int part = 0; part < 3; ++part) {
        if (layout.partRoles[part] == 0) continue;
        // Without a third part, a form with the cheque on top has one stub only.
        if (part == 2 && chequeOnTop && layout.partHeights[2] <= 0) continue;
        const double height = layout.partHeights[part];
        shortest = shortest < 0 ? height : std::min(shortest, height);
    }
    if (shortest <= 0) return 0;
    const int lines = static_cast<int>(std::floor(shortest / cheques::kStubLineHeight + 1e-9));
    return std::max(0, lines - std::max(0, layout.headingLines) - (FirstStubHasTotals(layout) ? 1 : 0));
}

std::vector<RunProblem> CheckRun(store::Database& books, const cheques::ChequeLayout& layout, const std::vector<Cheque>& run,
                                 cheques::ChequePeriods& periods)
{
    std::vector<RunProblem> problems;
    for (const cheques::LayoutProblem& problem : cheques::CheckLayout(layout)) {
        const bool onItem = problem.item >= 0 && problem.item < static_cast<int>(layout.items.size());
        problems.push_back({RunFault::Layout, 0, onItem ? layout.items[problem.item].field : std::string(), problem});
    }
    if (problems.empty() && InvoiceLinesPerForm(layout) == 0) problems.push_back({RunFault::StubTooShort, 0, {}});

    Chart chart(books);
    SettledItems items(books);
    std::set<int> datesWithoutPeriod;
    std::optional<int> currency;
    for (const Cheque& cheque : run) {
        CheckAccounts(chart, cheque, problems);
        if (!periods.asksUser() && !datesWithoutPeriod.count(cheque.date.days()) && !periods.periodOf(cheque.date)) {
            datesWithoutPeriod.insert(cheque.date.days());
            problems.push_back({RunFault::NoPeriod, cheque.seq, cheque.date.toIso()});
        }
        items.check(cheque, problems);
        const int own = cheques::ChequeCurrency(books, cheque.supplier, cheque.bankAccount());
        if (!currency) currency = own;
        else if (own != *currency) problems.push_back({RunFault::MixedCurrencies, cheque.seq, {}});
    }
    return problems;
}

}  // namespace orvant::vndcheqprint
