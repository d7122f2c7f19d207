#include "run_checks.h"

#include <algorithm>
#include <cmath>
#include <set>

#include "books/open_items.h"
#include "cheque_layout_text.h"
#include "cheque_rules.h"
#include "cheque_words.h"
#include "store/table.h"

namespace orvant::vndcheqprint {

namespace {

using cheques::Cheque;

constexpr double kStubLineHeight = 0.25;

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

// Each line of a supplier's cheque against what its invoice owes now.
void CheckItems(OpenItemReader& items, const Cheque& cheque, std::vector<RunProblem>& problems)
{
    if (cheque.supplier.empty()) return;
    for (const cheques::ChequeLine& line : cheque.lines) {
        const Money open = items.openAmount(cheque.supplier, line.invoice, line.holdback);
        if (cheques::CheckLine(line, open)) problems.push_back({RunFault::ItemNotOpen, cheque.seq, line.invoice});
    }
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
    const int lines = static_cast<int>(std::floor(shortest / kStubLineHeight + 1e-9));
    return std::max(0, lines - std::max(0, layout.headingLines));
}

std::vector<RunProblem> CheckRun(store::Database& books, const cheques::ChequeLayout& layout, const std::vector<Cheque>& run,
                                 cheques::ChequePeriods& periods)
{
    std::vector<RunProblem> problems;
    for (const cheques::LayoutProblem& problem : cheques::CheckLayout(layout))
        problems.push_back({RunFault::Layout, 0, cheques::DescribeLayoutProblem(layout, problem)});
    if (problems.empty() && InvoiceLinesPerForm(layout) == 0) problems.push_back({RunFault::StubTooShort, 0, {}});

    Chart chart(books);
    OpenItemReader items(books, Ledger::Payables);
    std::set<int> datesWithoutPeriod;
    std::optional<int> currency;
    for (const Cheque& cheque : run) {
        CheckAccounts(chart, cheque, problems);
        if (!periods.asksUser() && !datesWithoutPeriod.count(cheque.date.days()) && !periods.periodOf(cheque.date)) {
            datesWithoutPeriod.insert(cheque.date.days());
            problems.push_back({RunFault::NoPeriod, cheque.seq, cheque.date.toIso()});
        }
        CheckItems(items, cheque, problems);
        const int own = cheques::ChequeCurrency(books, cheque.supplier, cheque.bankAccount());
        if (!currency) currency = own;
        else if (own != *currency) problems.push_back({RunFault::MixedCurrencies, cheque.seq, {}});
    }
    return problems;
}

}  // namespace orvant::vndcheqprint
