// Workstations posting cash disbursements into one company at once, and a workstation killed
// while posting: every disbursement is in the books whole or not at all, no invoice is paid
// twice, and the books check clean. Each workstation is an orvantctl process posting a file of
// disbursements.

#include <gmock/gmock.h>

#include <chrono>
#include <map>
#include <random>
#include <thread>

#include "disbursement_fixture.h"
#include "store/table.h"
#include "testing/workstations.h"

namespace orvant::disbursements::testing {
namespace {

using ::testing::HasSubstr;

const char* const kSuppliers[] = {"BUR100", "HYD200", "MAP300", "TEL400"};

class DisbursementProcesses : public orvant::testing::WorkstationsTest<DisbursementTest> {
protected:
    DisbursementProcesses() : WorkstationsTest(ORVANT_CTL, "disbursements", {"W0", "W1", "W2", "W3", "KILLED", "AFTER"},
                                               {"ORVANT_LANGUAGES=" ORVANT_SOURCE_LANGUAGES}) {}

    // A disbursement paying one invoice, its distribution the screen's: the payable debited,
    // the bank credited.
    static std::string payment(const std::string& supplier, const std::string& reference, const std::string& invoice, Money amount,
                               const std::string& date = "2026-03-20")
    {
        return R"({"supplier": ")" + supplier + R"(", "reference": ")" + reference + R"(", "date": ")" + date + R"(", "payments": [{"invoice": ")" +
               invoice + R"(", "amount": ")" + amount.toString(2) + R"("}]})" + "\n";
    }

    // Every disbursement posted is whole: one history, one bank line, one payment entry and two
    // journal lines each.
    void expectWholeDisbursements(std::int64_t disbursements)
    {
        EXPECT_EQ(count("SELECT COUNT(*) FROM concil"), disbursements);
        EXPECT_EQ(count("SELECT COUNT(*) FROM cdoridet"), disbursements);
        EXPECT_EQ(count("SELECT COUNT(*) FROM cap WHERE cap_type = '2'"), disbursements);
        EXPECT_EQ(count("SELECT COUNT(*) FROM tjld WHERE tjld_journal = 4"), 2 * disbursements);
        expectBooksClean();
    }
};

// The supplier held on another workstation while two workstations read the same invoice and
// wait for it: once it is given back, one pays the invoice, the other is refused it.
TEST_P(DisbursementProcesses, TwoWorkstationsPayingTheSameInvoicePayItOnce)
{
    purchase("BUR100", "A1", "600.00");
    store::Table held(*books_, "sup");
    held.open();
    ASSERT_TRUE(held.findKey({std::string("BUR100")}));
    held.edit();
    const pid_t first = startPosting("p0", payment("BUR100", "CHQ1", "A1", Amount("600.00")), "W0");
    const pid_t second = startPosting("p1", payment("BUR100", "CHQ2", "A1", Amount("600.00")), "W1");
    // Each tells whom it waits for before it gets the supplier.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while ((output("p0").empty() || output("p1").empty()) && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_THAT(output("p0") + output("p1"), HasSubstr(".jsonl:1: "));
    held.cancel();

    const int statuses = exitStatus(first) + exitStatus(second);
    EXPECT_EQ(statuses, 2) << "one posted (0), one refused (2)\n" << output("p0") << output("p1");
    EXPECT_THAT(output("p0") + output("p1"), HasSubstr(":1: payment (A1): "));
    EXPECT_EQ(count("SELECT COUNT(*) FROM cdorihdr"), 1);
    EXPECT_EQ(money("SELECT SUM(cap_amount) FROM cap WHERE cap_invoice = 'A1'"), Money());
    EXPECT_EQ(balance("BUR100"), Money());
    expectWholeDisbursements(1);
}

// Four workstations, each paying invoices of its own on the four suppliers they share, in full or
// in part; disbursements to different suppliers with the same reference and date share their
// journal header.
TEST_P(DisbursementProcesses, FourWorkstationsPostingAtOnceLoseAndDoubleNothing)
{
    constexpr int kWorkstations = 4, kDisbursements = 120;
    std::map<std::string, Money> owed;
    std::vector<std::string> files(kWorkstations);
    for (int w = 0; w < kWorkstations; ++w)
        for (int k = 0; k < kDisbursements; ++k) {
            const std::string supplier = kSuppliers[(k + w) % 4], invoice = "W" + std::to_string(w) + "-" + std::to_string(k);
            const Money bought = Money::fromCents(20000 + (w * kDisbursements + k) * 37 % 9000);
            const Money paid = k % 3 == 0 ? bought : bought.percent(50);
            purchase(supplier, invoice, bought.toString(2).c_str());
            const Date date = Date::fromYmd(2026, 3, 20)->addDays(k / 10);
            files[static_cast<std::size_t>(w)] += payment(supplier, "SH" + std::to_string(k % 10), invoice, paid, date.toIso());
            owed[supplier] += bought - paid;
        }
    postAtOnce(files, "120 disbursement(s) posted, 0 refused.");

    EXPECT_EQ(count("SELECT COUNT(*) FROM cdorihdr"), kWorkstations * kDisbursements);
    EXPECT_EQ(count("SELECT COUNT(*) FROM tjlh WHERE tjlh_journal = 4"), 10 * (kDisbursements / 10)) << "one header per reference and date";
    for (const auto& [supplier, amount] : owed) {
        EXPECT_EQ(balance(supplier), amount) << supplier;
        EXPECT_EQ(money("SELECT SUM(cap_amount) FROM cap WHERE cap_supplier = ?", {supplier}), amount) << supplier;
    }
    expectWholeDisbursements(kWorkstations * kDisbursements);
}

// A workstation killed at a random moment of its posting, again and again: the disbursements it
// had committed are whole, the one it was writing is not there at all, and the next posts fine.
TEST_P(DisbursementProcesses, AWorkstationKilledWhilePostingLeavesWholeDisbursementsOnly)
{
    constexpr int kInvoices = 20, kRounds = 6, kDisbursements = 300;
    for (int i = 0; i < kInvoices; ++i) purchase(kSuppliers[i % 4], "K" + std::to_string(i), "100000.00");
    std::mt19937 random(20261207);
    std::uniform_int_distribution<int> delay(40, 400);
    for (int round = 0; round < kRounds; ++round) {
        std::string records;
        for (int k = 0; k < kDisbursements; ++k)
            records += payment(kSuppliers[k % 4], "R" + std::to_string(round) + "-" + std::to_string(k), "K" + std::to_string(k % kInvoices),
                               Money::fromCents(100 + k));
        orvant::testing::Workstations::KillAfter(startPosting("kill" + std::to_string(round), records, "KILLED"),
                                                 std::chrono::milliseconds(delay(random)), *books_, "sup");

        SCOPED_TRACE("round " + std::to_string(round));
        expectWholeDisbursements(count("SELECT COUNT(*) FROM cdorihdr"));
        if (HasFailure()) break;
    }
    const std::int64_t posted = count("SELECT COUNT(*) FROM cdorihdr");
    EXPECT_GT(posted, 0);
    EXPECT_LT(posted, kRounds * kDisbursements);

    const pid_t after = startPosting("after", payment("BUR100", "AFTER", "K0", Amount("1.00")), "AFTER");
    EXPECT_EQ(exitStatus(after), 0) << output("after");
    expectWholeDisbursements(posted + 1);
}

ORVANT_BOOKS_ON_EVERY_ENGINE(DisbursementProcesses);

}  // namespace
}  // namespace orvant::disbursements::testing
