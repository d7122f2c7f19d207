// Workstations posting cash receipts into one company at once, and workstations killed while
// posting: every receipt is in the books whole or not at all, no invoice is paid twice, and the
// books check clean. Each workstation is an orvantctl process posting a file of receipts.

#include <gmock/gmock.h>

#include <chrono>
#include <map>
#include <optional>
#include <random>
#include <thread>

#include "receipt_fixture.h"
#include "store/query.h"
#include "store/table.h"
#include "testing/workstations.h"

namespace orvant::receipts::testing {
namespace {

using ::testing::HasSubstr;

const char* const kClients[] = {"ABC100", "BEL200", "HAR300", "NOR400", "WES500"};

class ReceiptProcesses : public orvant::testing::WorkstationsTest<ReceiptTest> {
protected:
    ReceiptProcesses() : WorkstationsTest(ORVANT_CTL, "receipts", {"W0", "W1", "W2", "W3", "KILLED", "AFTER"},
                                          {"ORVANT_LANGUAGES=" ORVANT_SOURCE_LANGUAGES}) {}

    // A receipt paying one invoice, its distribution the screen's: the bank debited, the
    // client's receivable credited.
    static std::string payment(const std::string& client, const std::string& reference, const std::string& date,
                               const std::string& invoice, Money amount)
    {
        return R"({"client": ")" + client + R"(", "reference": ")" + reference + R"(", "date": ")" + date +
               R"(", "payments": [{"invoice": ")" + invoice + R"(", "amount": ")" + amount.toString(2) + R"("}]})" + "\n";
    }

    // Every receipt posted is whole: one history, one bank line, one payment entry and two
    // journal lines each. The tables are counted in one statement, so in one view of the books: a
    // workstation killed just after sending its commit may see the server finish it meanwhile.
    // Returns the number of receipts.
    std::int64_t expectWholeReceipts(std::optional<std::int64_t> expected = std::nullopt)
    {
        store::Query counts(*books_, "SELECT (SELECT COUNT(*) FROM crorihdr), (SELECT COUNT(*) FROM concil), "
                                     "(SELECT COUNT(*) FROM croridet), (SELECT COUNT(*) FROM car WHERE car_type = '2'), "
                                     "(SELECT COUNT(*) FROM tjld WHERE tjld_journal = 2)");
        counts.open();
        const std::int64_t receipts = counts.value(0).asInt();
        if (expected) {
            EXPECT_EQ(receipts, *expected);
        }
        EXPECT_EQ(counts.value(1).asInt(), receipts);
        EXPECT_EQ(counts.value(2).asInt(), receipts);
        EXPECT_EQ(counts.value(3).asInt(), receipts);
        EXPECT_EQ(counts.value(4).asInt(), 2 * receipts);
        expectBooksClean();
        return receipts;
    }
};

// The client held on another workstation while two workstations read the same invoice and wait
// for it: once it is given back, one pays the invoice, the other is refused it.
TEST_P(ReceiptProcesses, TwoWorkstationsPayingTheSameInvoicePayItOnce)
{
    sell("ABC100", "A100", "600.00");
    store::Table held(*books_, "cli");
    held.open();
    ASSERT_TRUE(held.findKey({std::string("ABC100")}));
    held.edit();
    const pid_t first = startPosting("p0", payment("ABC100", "CHQ1", "2026-03-20", "A100", Amount("600.00")), "W0");
    const pid_t second = startPosting("p1", payment("ABC100", "CHQ2", "2026-03-20", "A100", Amount("600.00")), "W1");
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while ((output("p0").find("Waiting") == std::string::npos || output("p1").find("Waiting") == std::string::npos) &&
           std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_THAT(output("p0") + output("p1"), HasSubstr(".jsonl:1: Waiting: this client is being changed by"));
    held.cancel();

    const int statuses = exitStatus(first) + exitStatus(second);
    EXPECT_EQ(statuses, 2) << "one posted (0), one refused (2)\n" << output("p0") << output("p1");
    EXPECT_THAT(output("p0") + output("p1"),
                HasSubstr(":1: invoice A100: This invoice was changed on another workstation since it was shown"));
    EXPECT_EQ(count("SELECT COUNT(*) FROM crorihdr"), 1);
    EXPECT_EQ(money("SELECT SUM(car_amount) FROM car WHERE car_invoice = 'A100'"), Money());
    EXPECT_EQ(balance("ABC100"), Money());
    expectWholeReceipts(1);
}

// Four workstations, each paying invoices of its own on the five clients they share; receipts of
// different clients with the same reference and date share their journal header.
TEST_P(ReceiptProcesses, FourWorkstationsPostingAtOnceLoseAndDoubleNothing)
{
    constexpr int kWorkstations = 4, kReceipts = 120;
    std::map<std::string, Money> owed;
    std::vector<std::string> files(kWorkstations);
    for (int w = 0; w < kWorkstations; ++w)
        for (int k = 0; k < kReceipts; ++k) {
            const std::string client = kClients[(k + w) % 5], invoice = "W" + std::to_string(w) + "-" + std::to_string(k);
            const Money sold = Money::fromCents(20000 + (w * kReceipts + k) * 37 % 9000);
            const Money paid = k % 3 == 0 ? sold : sold.percent(50);
            sell(client, invoice, sold.toString(2).c_str());
            const Date date = Date::fromYmd(2026, 3, 20)->addDays(k / 10);
            files[static_cast<std::size_t>(w)] += payment(client, "SH" + std::to_string(k % 10), date.toIso(), invoice, paid);
            owed[client] += sold - paid;
        }
    postAtOnce(files, "120 receipt(s) posted, 0 refused.");

    EXPECT_EQ(count("SELECT COUNT(*) FROM crorihdr"), kWorkstations * kReceipts);
    EXPECT_EQ(count("SELECT COUNT(*) FROM tjlh WHERE tjlh_journal = 2"), 10 * (kReceipts / 10)) << "one header per reference and date";
    for (const auto& [client, amount] : owed) {
        EXPECT_EQ(balance(client), amount) << client;
        EXPECT_EQ(money("SELECT SUM(car_amount) FROM car WHERE car_client = ?", {client}), amount) << client;
    }
    expectWholeReceipts(kWorkstations * kReceipts);
}

// A workstation killed at a random moment of its posting, again and again: the receipts it had
// committed are whole, the one it was writing is not there at all, and the next posts fine.
TEST_P(ReceiptProcesses, AWorkstationKilledWhilePostingLeavesWholeReceiptsOnly)
{
    constexpr int kInvoices = 50, kRounds = 8, kReceipts = 300;
    for (int i = 0; i < kInvoices; ++i) sell(kClients[i % 5], "K" + std::to_string(i), "100000.00");
    std::mt19937 random(20261207);
    std::uniform_int_distribution<int> delay(40, 400);
    for (int round = 0; round < kRounds; ++round) {
        std::string records;
        for (int k = 0; k < kReceipts; ++k)
            records += payment(kClients[k % 5], "R" + std::to_string(round) + "-" + std::to_string(k), "2026-03-20",
                               "K" + std::to_string(k % kInvoices), Money::fromCents(100 + k));
        orvant::testing::Workstations::KillAfter(startPosting("kill" + std::to_string(round), records, "KILLED"),
                                                 std::chrono::milliseconds(delay(random)), *books_, "cli");

        SCOPED_TRACE("round " + std::to_string(round));
        expectWholeReceipts();
        if (HasFailure()) break;
    }
    // The kills fell in the middle of the files, not before or after them.
    const std::int64_t posted = expectWholeReceipts();
    EXPECT_GT(posted, 0);
    EXPECT_LT(posted, kRounds * kReceipts);

    const pid_t after = startPosting("after", payment("ABC100", "AFTER", "2026-03-21", "K0", Amount("1.00")), "AFTER");
    EXPECT_EQ(exitStatus(after), 0) << output("after");
    expectWholeReceipts(posted + 1);
}

ORVANT_BOOKS_ON_EVERY_ENGINE(ReceiptProcesses);

}  // namespace
}  // namespace orvant::receipts::testing
