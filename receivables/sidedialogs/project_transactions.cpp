#include "sidedialogs/project_transactions.h"

#include <cmath>

#include "store/error.h"
#include "store/query.h"
#include "store/table.h"

namespace orvant::sidedialogs {

namespace {

constexpr int kSalesTransaction = 1;     // JcTrans_Type of a sale's charge
constexpr int kFromReceivables = 3;      // JcTrans_Source
constexpr int kPurchaseTransaction = 0;  // JcTrans_Type of a purchase's charge
constexpr int kFromPayables = 2;

std::int64_t lastSequence(store::Database& company)
{
    store::Query last(company, "SELECT MAX(jctrans_seq) FROM jctrans");
    last.open();
    return last.eof() || last.field(0).isNull() ? 0 : last.field(0).asInt();
}

}  // namespace

std::optional<ProjectRefusal> CheckProjectLines(store::Database& company, const std::vector<ProjectLine>& lines)
{
    store::Table projects(company, "jcProject");
    store::Table budgets(company, "jcBudgetHdr");
    projects.open();
    budgets.open();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const ProjectLine& line = lines[i];
        const int index = static_cast<int>(i);
        if (!projects.findKey({line.project})) return ProjectRefusal{ProjectRefusal::NoSuchProject, index};
        const bool budgetedOnly = projects.field("JcProject_Fact").asInt() == 0;
        if (budgetedOnly && !budgets.findKey({line.project, line.phase})) return ProjectRefusal{ProjectRefusal::NoBudget, index};
    }
    return std::nullopt;
}

std::optional<PurchaseProjectRefusal> CheckPurchaseProjectLines(store::Database& company, const std::vector<ProjectLine>& lines)
{
    store::Table projects(company, "jcProject");
    store::Table budgets(company, "jcBudgetHdr");
    projects.open();
    budgets.open();
    store::Query elementBudget(company,
                               "SELECT COUNT(*) FROM jcbudgetdet WHERE jcbuddet_project = ? AND jcbuddet_phase = ? AND jcbuddet_elem = ?");
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const ProjectLine& line = lines[i];
        const int index = static_cast<int>(i);
        if (!projects.findKey({line.project})) return PurchaseProjectRefusal{PurchaseProjectRefusal::NoSuchProject, index};
        if (!budgets.findKey({line.project, line.phase})) return PurchaseProjectRefusal{PurchaseProjectRefusal::NoBudget, index};
        elementBudget.close();
        elementBudget.clearBindings();
        elementBudget.bind(0, line.project);
        elementBudget.bind(1, line.phase);
        elementBudget.bind(2, line.element);
        elementBudget.open();
        const bool budgeted = !elementBudget.eof() && elementBudget.field(0).asInt() > 0;
        elementBudget.close();
        if (!budgeted) return PurchaseProjectRefusal{PurchaseProjectRefusal::NoElementBudget, index};
    }
    return std::nullopt;
}

std::optional<Money> ProjectLineAmount(double quantity, Money rate)
{
    const double amount = quantity * rate.toDouble();
    if (!(std::abs(amount) <= kBooksLimit.toDouble())) return std::nullopt;  // a NaN too
    const Money rounded = Money::fromDouble(amount);
    return WithinBooks(rounded) ? std::optional(rounded) : std::nullopt;
}

namespace {

std::string unitOf(store::Table& elements, const std::string& element)
{
    return elements.findKey({element}) ? elements.field("JcElem_UM").asString() : std::string();
}

}  // namespace

void WriteProjectTransactions(store::Database& company, const std::vector<ProjectLine>& lines, const ProjectPosting& posting)
{
    if (lines.empty()) return;
    store::Table transactions(company, "jcTrans");
    store::Table elements(company, "JcElem");
    transactions.open();
    elements.open();
    const bool purchase = posting.source == ProjectSource::Purchases;
    std::int64_t sequence = lastSequence(company);
    for (const ProjectLine& line : lines) {
        transactions.insert();
        transactions.field("JcTrans_Project") = line.project;
        transactions.field("JcTrans_Phase") = line.phase;
        transactions.field("JcTrans_Date") = posting.date;
        transactions.field("JcTrans_Period") = posting.period;
        transactions.field("JcTrans_Ref") = posting.reference;
        transactions.field("JcTrans_Tot") = line.amount;
        transactions.field("JcTrans_Desc") = posting.description;
        if (purchase) {
            transactions.field("JcTrans_Type") = kPurchaseTransaction;
            transactions.field("JcTrans_Source") = kFromPayables;
            transactions.field("JcTrans_Comp") = line.element;
            transactions.field("JcTrans_Vol") = line.quantity;
            transactions.field("JcTrans_Taux") = line.rate;
            transactions.field("JcTrans_UM") = unitOf(elements, line.element);
        } else {
            transactions.field("JcTrans_Type") = kSalesTransaction;
            transactions.field("JcTrans_Source") = kFromReceivables;
            transactions.field("JcTrans_Vol") = line.amount.toDouble();
            transactions.field("JcTrans_Taux") = Money::fromUnits(1);
        }
        transactions.field("JcTrans_TypeDesc") = posting.typeDescription;
        transactions.field("JcTrans_Stamp") = DateTime::now();
        transactions.field("JcTrans_User") = posting.user;
        // Another workstation may take the same number meanwhile: the next one is tried, in a
        // savepoint, so the refusal does not spoil the posting's transaction.
        company.allowingRetries([&] {
            for (;;) {
                transactions.field("JcTrans_Seq") = ++sequence;
                try {
                    transactions.post();
                    break;
                } catch (const store::StoreError& error) {
                    if (error.code() != store::errc::kKeyViolation) throw;
                }
            }
        });
    }
}

}  // namespace orvant::sidedialogs
