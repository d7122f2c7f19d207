// A file of sales imported into a store that fills up: each document is in the books whole or
// not at all, the import stops and says why, no lock is kept, and once there is room again the
// same file posts the rest exactly once.

#include <gmock/gmock.h>

#include <chrono>
#include <sstream>

#include "sales_fixture.h"
#include "sales_import.h"
#include "store/query.h"

namespace orvant::sales::testing {
namespace {

const char* const kClients[] = {"ABC100", "BEL200", "HAR300", "NOR400", "WES500"};
constexpr int kDocuments = 300;

class SalesFullStoreTest : public SalesTest {
protected:
    static std::string file()
    {
        std::string out;
        for (int i = 0; i < kDocuments; ++i) {
            const std::string amount = std::to_string(100 + i) + ".00";
            out += R"({"client": ")" + std::string(kClients[i % 5]) + R"(", "invoice": "DF)" + std::to_string(1000 + i) +
                   R"(", "date": "2026-03-10", "comment": ")" + std::string(150, 'c') + R"(", "rows": [{"account": 1100, "debit": ")" +
                   amount + R"("}, {"account": 4000, "credit": ")" + amount + R"("}]})" + "\n";
        }
        return out;
    }

    struct Run {
        ImportTotals totals;
        std::vector<std::string> refusals;
    };

    // Imports the file; a lock waited for longer than a few seconds is a lock nobody will give back.
    Run import()
    {
        PostingContext bounded = context;
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        bounded.lockRetry.cancelled = [deadline] { return std::chrono::steady_clock::now() > deadline; };
        SalesImport sales(books(), bounded, [](int number) { return "(message " + std::to_string(number) + ")"; });
        std::istringstream in(file());
        Run run;
        run.totals = sales.run(in, [&](int, const std::string& why) { run.refusals.push_back(why); });
        return run;
    }

    std::int64_t imported() { return count("SELECT COUNT(*) FROM arori WHERE reference LIKE 'DF%'"); }

    void expectBooksWhole()
    {
        expectBooksClean();
        EXPECT_EQ(count("SELECT COUNT(*) FROM car WHERE car_invoice LIKE 'DF%'"), imported());
        EXPECT_EQ(count("SELECT COUNT(*) FROM tjld WHERE tjld_reference LIKE 'DF%'"), 2 * imported());
    }
};

TEST_P(SalesFullStoreTest, AFullStoreStopsTheImportWithWholeDocumentsAndTheSameFileThenPostsTheRestOnce)
{
    if (books_->config().isPostgres()) GTEST_SKIP() << "the server's disk cannot be filled from a test";
    const std::int64_t pages = scalar("PRAGMA page_count").asInt();
    books_->connection().execute("PRAGMA max_page_count = " + std::to_string(pages + 40));

    const Run full = import();
    EXPECT_GT(full.totals.posted, 0);
    EXPECT_GT(full.totals.stoppedAt, 0) << "the store filled up";
    EXPECT_EQ(full.totals.refused, 1) << "the first refusal stops the import";
    ASSERT_EQ(full.refusals.size(), 1u);
    EXPECT_THAT(full.refusals[0], ::testing::HasSubstr("full"));
    EXPECT_FALSE(books_->inTransaction());
    EXPECT_EQ(imported(), full.totals.posted);
    expectBooksWhole();

    auto other = company::OpenCompany(installation_, 1);
    store::Table clients(*other, "cli");
    clients.open();
    for (const char* client : kClients) {
        ASSERT_TRUE(clients.findKey({client}));
        EXPECT_NO_THROW(clients.edit()) << client << " is not kept locked";
        clients.cancel();
    }

    books_->connection().execute("PRAGMA max_page_count = 1073741823");
    const Run again = import();
    EXPECT_EQ(again.totals.stoppedAt, 0);
    EXPECT_EQ(again.totals.posted, kDocuments - full.totals.posted);
    EXPECT_EQ(again.totals.refused, full.totals.posted) << "the documents posted before are repeats";
    EXPECT_EQ(imported(), kDocuments);
    expectBooksWhole();
}

ORVANT_BOOKS_ON_EVERY_ENGINE(SalesFullStoreTest);

}  // namespace
}  // namespace orvant::sales::testing
