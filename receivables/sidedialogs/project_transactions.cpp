#include "sidedialogs/project_transactions.h"

#include "store/error.h"
#include "store/query.h"
#include "store/table.h"

namespace orvant::sidedialogs {

namespace {

constexpr int kSalesTransaction = 1;  // JcTrans_Type of a charge
constexpr int kFromReceivables = 3;   // JcTrans_Source

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

void WriteProjectTransactions(store::Database& company, const std::vector<ProjectLine>& lines, const ProjectPosting& posting)
{
    if (lines.empty()) return;
    store::Table transactions(company, "jcTrans");
    transactions.open();
    std::int64_t sequence = lastSequence(company);
    for (const ProjectLine& line : lines) {
        transactions.insert();
        transactions.field("JcTrans_Project") = line.project;
        transactions.field("JcTrans_Phase") = line.phase;
        transactions.field("JcTrans_Date") = posting.date;
        transactions.field("JcTrans_Period") = posting.period;
        transactions.field("JcTrans_Ref") = posting.reference;
        transactions.field("JcTrans_Type") = kSalesTransaction;
        transactions.field("JcTrans_Vol") = line.amount.toDouble();
        transactions.field("JcTrans_Taux") = Money::fromUnits(1);
        transactions.field("JcTrans_Tot") = line.amount;
        transactions.field("JcTrans_Desc") = posting.description;
        transactions.field("JcTrans_Source") = kFromReceivables;
        transactions.field("JcTrans_TypeDesc") = posting.typeDescription;
        transactions.field("JcTrans_Stamp") = DateTime::now();
        transactions.field("JcTrans_User") = posting.user;
        for (;;) {
            transactions.field("JcTrans_Seq") = ++sequence;
            try {
                transactions.post();
                break;
            } catch (const store::StoreError& error) {
                if (error.code() != store::errc::kKeyViolation) throw;
            }
        }
    }
}

}  // namespace orvant::sidedialogs
