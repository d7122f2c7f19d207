// Several workstations posting into one company at once, and workstations killed while
// posting: every document is in the books whole or not at all, and nothing is lost or doubled.
// Each workstation is an orvantctl process posting a file of documents.

#include <gmock/gmock.h>
#include <signal.h>

#include <map>

#include "company/books_check.h"
#include "sales_fixture.h"
#include "testing/workstations.h"

namespace orvant::sales::testing {
namespace {

const char* const kClients[] = {"ABC100", "BEL200", "HAR300", "NOR400", "WES500"};

class SalesProcesses : public orvant::testing::WorkstationsTest<SalesTest> {
protected:
    // Each workstation posts on behalf of a user of its own.
    SalesProcesses() : WorkstationsTest(ORVANT_CTL, "sales", {"W0", "W1", "W2", "W3", "S0", "S1", "KILLED", "AFTER"}) {}

    static std::string record(const std::string& client, const char* type, const std::string& invoice, const std::string& reference,
                              Money amount)
    {
        const bool sale = std::string(type) == "sale";
        const std::string a = amount.toString(2);
        return R"({"client": ")" + client + R"(", "type": ")" + type + R"(", "invoice": ")" + invoice + R"(", "reference": ")" +
               reference + R"(", "date": "2026-03-10", "rows": [{"account": 1100, ")" + (sale ? "debit" : "credit") + R"(": ")" + a +
               R"("}, {"account": 4000, ")" + (sale ? "credit" : "debit") + R"(": ")" + a + R"("}]})" + "\n";
    }

    void expectBooksClean()
    {
        const company::BooksReport report = company::CheckBooks(installation_, 1);
        EXPECT_TRUE(report.clean()) << ::testing::PrintToString(report.problems);
    }
};

// Four workstations, 500 documents each: sales of their own numbers, and adjustments that
// share journal headers with the other workstations', on the same five clients.
TEST_P(SalesProcesses, FourWorkstationsPostingAtOnceLoseAndDoubleNothing)
{
    constexpr int kWorkstations = 4, kDocuments = 500;
    std::map<std::string, Money> owed;
    std::vector<std::string> files(kWorkstations);
    for (int w = 0; w < kWorkstations; ++w) {
        std::string& records = files[static_cast<std::size_t>(w)];
        for (int k = 0; k < kDocuments; ++k) {
            const std::string client = kClients[(k + w) % 5];
            const Money amount = Money::fromCents(1000 + (w * kDocuments + k) * 37 % 9000);
            const bool sale = k % 2 == 0;
            const std::string number = "W" + std::to_string(w) + "-" + std::to_string(k);
            records += sale ? record(client, "sale", number, "", amount)
                            : record(client, "adjustment", "SHARED" + std::to_string(k / 2 % 10), number, amount);
            owed[client] += sale ? amount : -amount;
        }
    }
    postAtOnce(files, "500 document(s) posted, 0 refused.");

    EXPECT_EQ(count("SELECT COUNT(*) FROM arori"), kWorkstations * kDocuments);
    EXPECT_EQ(count("SELECT COUNT(*) FROM car"), kWorkstations * kDocuments);
    EXPECT_EQ(count("SELECT COUNT(*) FROM tjld"), 2 * kWorkstations * kDocuments);
    EXPECT_EQ(count("SELECT COUNT(*) FROM tjlh WHERE tjlh_reference LIKE 'SHARED%'"), 10) << "one header per shared key";
    for (const auto& [client, amount] : owed) {
        EXPECT_EQ(money("SELECT cli_current_bal FROM cli WHERE cli_code = ?", {client}), amount) << client;
        EXPECT_EQ(money("SELECT SUM(car_amount) FROM car WHERE car_client = ?", {client}), amount) << client;
    }
    expectBooksClean();
}

// Two workstations posting the same sale numbers to the same clients: each number is posted
// once, by whichever comes first; the other is refused it.
TEST_P(SalesProcesses, TheSameSaleNumberFromTwoWorkstationsIsPostedOnce)
{
    std::string records;
    for (int k = 0; k < 150; ++k) records += record(kClients[k % 5], "sale", "SAME-" + std::to_string(k), "", Money::fromUnits(10));
    std::vector<pid_t> running;
    for (int w = 0; w < 2; ++w) running.push_back(startPosting("same" + std::to_string(w), records, "S" + std::to_string(w)));
    int posted = 0;
    for (int w = 0; w < 2; ++w) {
        exitStatus(running[static_cast<std::size_t>(w)]);
        const std::string out = output("same" + std::to_string(w));
        const auto at = out.rfind(" document(s) posted");
        ASSERT_NE(at, std::string::npos) << out;
        posted += std::stoi(out.substr(out.rfind('\n', at) == std::string::npos ? 0 : out.rfind('\n', at) + 1));
    }
    EXPECT_EQ(posted, 150);
    EXPECT_EQ(count("SELECT COUNT(*) FROM car"), 150);
    EXPECT_EQ(count("SELECT COUNT(DISTINCT car_invoice) FROM car"), 150);
    expectBooksClean();
}

// A workstation killed before each of its round trips to the store in turn, until one run
// posts the sale: every run killed leaves nothing of the sale, wherever the kill fell, and the
// run that ends posts it whole, with the books in order for it.
TEST_P(SalesProcesses, ASaleKilledBetweenAnyTwoOfItsStatementsLeavesNothing)
{
    const Money owedBefore = money("SELECT cli_current_bal FROM cli WHERE cli_code = 'ABC100'");
    const std::string sale = R"({"client": "ABC100", "type": "sale", "invoice": "TRIP", "date": "2026-03-10", "rows": [)"
                             R"({"account": 1100, "debit": "114.98"}, {"account": 4000, "credit": "100.00"},)"
                             R"({"account": 2200, "credit": "5.00"}, {"account": 2210, "credit": "9.98"}]})" "\n";
    int trip = 1;
    for (;; ++trip) {
        ASSERT_LT(trip, 1000) << "the posting never ends";
        const pid_t pid = startPosting("trip", sale, "KILLED", {"ORVANT_KILL_AT_TRIP=" + std::to_string(trip)});
        const int status = exitStatus(pid);
        if (status == 0) break;
        ASSERT_EQ(status, -SIGKILL) << output("trip");
        orvant::testing::WaitForRecordsFree(*books_, "cli");
        SCOPED_TRACE("killed before round trip " + std::to_string(trip));
        EXPECT_EQ(count("SELECT COUNT(*) FROM car WHERE car_invoice = 'TRIP'"), 0);
        EXPECT_EQ(count("SELECT COUNT(*) FROM arori"), 0);
        EXPECT_EQ(count("SELECT COUNT(*) FROM tjld"), 0);
        EXPECT_EQ(money("SELECT cli_current_bal FROM cli WHERE cli_code = 'ABC100'"), owedBefore);
        if (HasFailure()) return;
    }
    EXPECT_GT(trip, 10) << "the kills fell inside the posting";
    EXPECT_EQ(count("SELECT COUNT(*) FROM car WHERE car_invoice = 'TRIP'"), 1);
    EXPECT_EQ(count("SELECT COUNT(*) FROM tjld"), 4);
    EXPECT_EQ(money("SELECT cli_current_bal FROM cli WHERE cli_code = 'ABC100'"), owedBefore + Money::fromCents(11498));
    expectBooksClean();
}

ORVANT_BOOKS_ON_EVERY_ENGINE(SalesProcesses);

}  // namespace
}  // namespace orvant::sales::testing
