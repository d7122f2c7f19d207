// Project lines: the check against the company's projects and budgets, the dialog's rules
// around it, and the transactions a posting writes.

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "company/record.h"
#include "sidedialogs/project_entry.h"
#include "sidedialogs/project_transactions.h"
#include "store/table.h"
#include "testing/books_fixture.h"

namespace orvant::sidedialogs {
namespace {

Money cents(std::int64_t c) { return Money::fromCents(c); }

class ProjectTransactionsTest : public testing::BooksTest {
protected:
    void SetUp() override
    {
        BooksTest::SetUp();
        if (IsSkipped()) return;
        store::Table projects(*books_, "jcProject"), budgets(*books_, "jcBudgetHdr"), phases(*books_, "jcPhase");
        projects.open();
        budgets.open();
        phases.open();
        company::addRecord(projects, {{"JcProject_No", "OPEN"}, {"JcProject_Fact", 1}});      // takes any phase
        company::addRecord(projects, {{"JcProject_No", "BUDGETED"}, {"JcProject_Fact", 0}});  // only its budget's
        company::addRecord(budgets, {{"JcBudHdr_Project", "BUDGETED"}, {"JcBudHdr_Phase", "FRAMING"}});
        company::addRecord(phases, {{"JcPhase_Code", "FRAMING"}});
        phases.last();
        framingNumber_ = static_cast<int>(phases.field("JcPhase_No").asInt());
    }

    std::optional<ProjectRefusal> check(const std::vector<ProjectLine>& lines) { return CheckProjectLines(*books_, lines); }

    int framingNumber_ = 0;
};
ORVANT_BOOKS_ON_EVERY_ENGINE(ProjectTransactionsTest);

TEST_P(ProjectTransactionsTest, a_project_open_to_any_phase_needs_no_budget_and_a_budgeted_one_needs_its_phase)
{
    EXPECT_FALSE(check({{"OPEN", "PAINTING", cents(100)}, {"BUDGETED", "FRAMING", cents(200)}}));
    EXPECT_FALSE(check({}));

    const auto noBudget = check({{"OPEN", "X", cents(100)}, {"BUDGETED", "PAINTING", cents(200)}});
    ASSERT_TRUE(noBudget);
    EXPECT_EQ(noBudget->message, ProjectRefusal::NoBudget);
    EXPECT_EQ(noBudget->line, 1);

    const auto unknown = check({{"NOSUCH", "FRAMING", cents(100)}, {"BUDGETED", "PAINTING", cents(200)}});
    ASSERT_TRUE(unknown);
    EXPECT_EQ(unknown->message, ProjectRefusal::NoSuchProject);
    EXPECT_EQ(unknown->line, 0);
}

TEST_P(ProjectTransactionsTest, the_entry_tracks_what_is_left_to_distribute_and_drops_blank_lines_at_ok)
{
    ProjectEntry entry(cents(11500));
    entry.appendLine();
    entry.appendLine();
    entry.appendLine();
    entry.setProject(0, "OPEN");
    entry.setAmount(0, cents(4000));
    entry.setProject(2, "BUDGETED");
    entry.setPhase(2, "FRAMING");
    entry.setAmount(2, cents(5000));
    EXPECT_EQ(entry.leftToDistribute(), cents(2500));
    entry.setAmount(0, cents(10000));
    EXPECT_EQ(entry.leftToDistribute(), cents(-3500));  // it need not come to 0
    entry.removeLine(0);
    EXPECT_EQ(entry.leftToDistribute(), cents(6500));

    const auto accepted = entry.accept(*books_);
    ASSERT_TRUE(std::holds_alternative<std::vector<ProjectLine>>(accepted));
    const auto& lines = std::get<std::vector<ProjectLine>>(accepted);
    ASSERT_EQ(lines.size(), 1u);  // the blank line is gone
    EXPECT_EQ(lines[0].project, "BUDGETED");

    entry.setPhase(1, "ROOF");  // the refusal names the line where the user sees it
    const auto refused = entry.accept(*books_);
    ASSERT_TRUE(std::holds_alternative<ProjectLineRefusal>(refused));
    EXPECT_EQ(std::get<ProjectLineRefusal>(refused).line, 1);
    EXPECT_EQ(std::get<ProjectLineRefusal>(refused).message, ProjectRefusal::NoBudget);
    EXPECT_THROW(entry.removeLine(5), std::out_of_range);
}

TEST_P(ProjectTransactionsTest, a_purchase_line_costs_its_quantity_at_its_rate_and_needs_its_elements_budget)
{
    store::Table elementBudgets(*books_, "jcBudgetDet");
    elementBudgets.open();
    company::addRecord(elementBudgets, {{"JcBudDet_Project", "BUDGETED"}, {"JcBudDet_Phase", "FRAMING"}, {"JcBudDet_Elem", "LUMBER"}});
    ProjectEntry entry(cents(10000), ProjectForm::Payables);
    entry.appendLine();
    entry.appendLine();
    entry.setProject(0, "BUDGETED");
    entry.setPhase(0, "FRAMING");
    entry.setElement(0, "NAILS");
    entry.setRate(0, cents(1250));
    entry.setQuantity(0, 2.5);
    EXPECT_EQ(entry.line(0).amount, cents(3125));
    EXPECT_EQ(entry.leftToDistribute(), cents(6875));

    // A sale's project would pass; a purchase's element must be budgeted under its phase.
    const auto refused = entry.accept(*books_);
    ASSERT_TRUE(std::holds_alternative<ProjectLineRefusal>(refused));
    EXPECT_EQ(std::get<ProjectLineRefusal>(refused).message, 22);
    entry.setElement(0, "LUMBER");
    const auto accepted = entry.accept(*books_);
    ASSERT_TRUE(std::holds_alternative<std::vector<ProjectLine>>(accepted));
    EXPECT_EQ(std::get<std::vector<ProjectLine>>(accepted).size(), 1u) << "the blank line is dropped";
}

TEST_P(ProjectTransactionsTest, a_phase_number_gives_its_code_and_0_or_an_unknown_number_nothing)
{
    EXPECT_EQ(PhaseCode(*books_, framingNumber_), "FRAMING");
    EXPECT_FALSE(PhaseCode(*books_, 0));
    EXPECT_FALSE(PhaseCode(*books_, framingNumber_ + 100));
}

TEST_P(ProjectTransactionsTest, transactions_are_numbered_on_from_the_last_and_carry_the_documents_values)
{
    {
        store::Table transactions(*books_, "jcTrans");
        transactions.open();
        company::addRecord(transactions, {{"JcTrans_Seq", 41}, {"JcTrans_Project", "OLD"}});
    }
    const ProjectPosting posting{*Date::fromYmd(2026, 3, 14), 3, "A12", "Harbour Builders", "Project sale", "Tester"};
    {
        store::Transaction writing(*books_);
        WriteProjectTransactions(*books_, {{"OPEN", "PAINTING", cents(4000)}, {"BUDGETED", "FRAMING", cents(7500)}}, posting);
        writing.commit();
    }
    store::Table transactions(*books_, "jcTrans");
    transactions.open();
    ASSERT_EQ(transactions.recordCount(), 3);
    ASSERT_TRUE(transactions.findKey({42}));
    EXPECT_EQ(transactions.field("JcTrans_Project").asString(), "OPEN");
    EXPECT_EQ(transactions.field("JcTrans_Phase").asString(), "PAINTING");
    EXPECT_EQ(transactions.field("JcTrans_Date").asDate(), posting.date);
    EXPECT_EQ(transactions.field("JcTrans_Period").asInt(), 3);
    EXPECT_EQ(transactions.field("JcTrans_Ref").asString(), "A12");
    EXPECT_EQ(transactions.field("JcTrans_Type").asInt(), 1);
    EXPECT_DOUBLE_EQ(transactions.field("JcTrans_Vol").asFloat(), 40.0);
    EXPECT_EQ(transactions.field("JcTrans_Taux").asMoney(), Money::fromUnits(1));
    EXPECT_EQ(transactions.field("JcTrans_Tot").asMoney(), cents(4000));
    EXPECT_EQ(transactions.field("JcTrans_Desc").asString(), "Harbour Builders");
    EXPECT_EQ(transactions.field("JcTrans_Source").asInt(), 3);
    EXPECT_EQ(transactions.field("JcTrans_TypeDesc").asString(), "Project sale");
    EXPECT_EQ(transactions.field("JcTrans_User").asString(), "Tester");
    EXPECT_TRUE(transactions.field("JcTrans_Stamp").asDateTime().isValid());
    ASSERT_TRUE(transactions.findKey({43}));
    EXPECT_EQ(transactions.field("JcTrans_Project").asString(), "BUDGETED");
    EXPECT_EQ(transactions.field("JcTrans_Tot").asMoney(), cents(7500));
}

// Another workstation takes the next number while this posting writes: the posting goes on to
// the number after and is kept whole.
TEST_P(ProjectTransactionsTest, a_number_taken_meanwhile_elsewhere_is_passed_over_and_the_posting_kept)
{
    if (!root_->config().isPostgres()) GTEST_SKIP() << "only a server lets two writers interleave";
    store::Database other("company", root_->companyDir(1), root_->config());
    store::Transaction theirs(other);
    store::Table taken(other, "jcTrans");
    taken.open();
    company::addRecord(taken, {{"JcTrans_Seq", 1}, {"JcTrans_Project", "THEIRS"}});
    // Their commit comes once this posting waits on the number they hold.
    std::jthread committer([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        theirs.commit();
    });
    const ProjectPosting posting{*Date::fromYmd(2026, 3, 14), 3, "A12", "Client", "Project sale", "Tester"};
    {
        store::Transaction mine(*books_, store::OnRefusedWrite::SpoilTransaction);
        WriteProjectTransactions(*books_, {{"OPEN", "", cents(100)}, {"OPEN", "", cents(200)}}, posting);
        committer.join();
        EXPECT_NO_THROW(mine.commit());
    }
    store::Table transactions(*books_, "jcTrans");
    transactions.open();
    EXPECT_EQ(transactions.recordCount(), 3);
    for (const auto& [seq, project] : {std::pair{1, "THEIRS"}, {2, "OPEN"}, {3, "OPEN"}}) {
        ASSERT_TRUE(transactions.findKey({seq}));
        EXPECT_EQ(transactions.field("JcTrans_Project").asString(), project);
    }
}

TEST_P(ProjectTransactionsTest, the_first_transactions_of_a_company_start_at_1_and_no_lines_write_nothing)
{
    const ProjectPosting posting{*Date::fromYmd(2026, 3, 14), 3, "A12", "Client", "Project sale", "Tester"};
    WriteProjectTransactions(*books_, {}, posting);
    WriteProjectTransactions(*books_, {{"OPEN", "", cents(100)}}, posting);
    store::Table transactions(*books_, "jcTrans");
    transactions.open();
    ASSERT_EQ(transactions.recordCount(), 1);
    transactions.first();
    EXPECT_EQ(transactions.field("JcTrans_Seq").asInt(), 1);
}

}  // namespace
}  // namespace orvant::sidedialogs
