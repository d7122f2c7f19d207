// The journal of postings: rows add into their header, and several workstations posting under
// one header's key never lose each other's amounts.

#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "books/journal_writer.h"
#include "company/company_creation.h"
#include "company/data_root_setup.h"
#include "company/books_check.h"
#include "testing/books_fixture.h"

namespace orvant {
namespace {

class JournalWriterTest : public testing::BooksTest {
protected:
    // Sale 1001: receivable 115.00 against sales 100.00 and tax 15.00.
    static void postSale(JournalWriter& journal, const JournalKey& key)
    {
        const JournalHeaderText text{"ABC Construction\rMarch delivery", "Marie"};
        journal.addRow(key, text, 1100, "Receivable", Money::fromUnits(115), Money());
        journal.addRow(key, text, 4000, "Sales", Money(), Money::fromUnits(100));
        journal.addRow(key, text, 2200, "Tax", Money(), Money::fromUnits(15));
        journal.addRow(key, text, 0, "No account", Money::fromUnits(5), Money());
        journal.addRow(key, text, 5000, "No amount", Money(), Money());
    }

    // Each header's totals agree with its lines, and every line has its header; the chart,
    // documents and ledger entries that these bare rows come without are not the writer's.
    void expectJournalAgrees()
    {
        for (const std::string& problem : company::CheckBooks(installation_, 1).problems)
            for (const char* own : {"but its lines", "its lines debit", "without their header"})
                EXPECT_EQ(problem.find(own), std::string::npos) << problem;
    }

    JournalKey key_{3, 1, "1001", *Date::fromYmd(2026, 3, 14)};
};
ORVANT_BOOKS_ON_EVERY_ENGINE(JournalWriterTest);

TEST_P(JournalWriterTest, rows_make_their_header_once_and_add_into_it)
{
    store::Database* db = books_.get();
    {
        store::Transaction posting(*db, store::OnRefusedWrite::SpoilTransaction);
        JournalWriter journal(*db);
        postSale(journal, key_);
        postSale(journal, key_);  // a second document of the same reference and date
        posting.commit();
    }
    store::Table headers(*db, "tjlh"), lines(*db, "tjld");
    headers.open();
    lines.open();
    ASSERT_EQ(headers.recordCount(), 1);
    headers.first();
    EXPECT_EQ(headers.field("Tjlh_tot_debit").asMoney(), Money::fromUnits(230));
    EXPECT_EQ(headers.field("Tjlh_tot_credit").asMoney(), Money::fromUnits(230));
    EXPECT_EQ(headers.field("Tjlh_memo").asString(), "ABC Construction\rMarch delivery");
    EXPECT_EQ(headers.field("Tjlh_user").asString(), "Marie");
    EXPECT_EQ(lines.recordCount(), 6) << "rows without an account or an amount write nothing";
    expectJournalAgrees();
}

TEST_P(JournalWriterTest, a_posting_rolled_back_leaves_no_header_and_no_line)
{
    store::Database* db = books_.get();
    {
        store::Transaction posting(*db, store::OnRefusedWrite::SpoilTransaction);
        JournalWriter journal(*db);
        postSale(journal, key_);
    }  // no commit: the posting failed
    store::Table headers(*db, "tjlh"), lines(*db, "tjld");
    headers.open();
    lines.open();
    EXPECT_TRUE(headers.isEmpty());
    EXPECT_TRUE(lines.isEmpty());
}

TEST_P(JournalWriterTest, four_workstations_posting_under_one_header_lose_nothing)
{
    constexpr int kWorkstations = 4, kDocuments = 40;
    std::vector<pid_t> children;
    for (int w = 0; w < kWorkstations; ++w) {
        const pid_t pid = fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            int status = 0;
            try {
                store::Database db("company", root_->companyDir(1), root_->config());
                for (int d = 0; d < kDocuments; ++d) {
                    store::Transaction posting(db, store::OnRefusedWrite::SpoilTransaction);
                    JournalWriter journal(db);
                    postSale(journal, key_);
                    posting.commit();
                }
            } catch (const std::exception& e) {
                std::fprintf(stderr, "workstation %d: %s\n", w, e.what());
                status = 1;
            }
            _exit(status);
        }
        children.push_back(pid);
    }
    for (pid_t pid : children) {
        int status = 0;
        waitpid(pid, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    store::Database* db = books_.get();
    store::Table headers(*db, "tjlh");
    headers.open();
    ASSERT_EQ(headers.recordCount(), 1);
    headers.first();
    EXPECT_EQ(headers.field("Tjlh_tot_debit").asMoney(), Money::fromUnits(115 * kWorkstations * kDocuments));
    expectJournalAgrees();
}

}  // namespace
}  // namespace orvant
