// Several workstations posting purchases into one company at once, and workstations killed
// while posting: every document is in the books whole or not at all, and nothing is lost or
// doubled. Each workstation is an orvantctl process posting a file of documents.

#include <gmock/gmock.h>

#include <chrono>
#include <map>
#include <random>

#include "purchase_fixture.h"
#include "testing/workstations.h"

namespace orvant::purchases::testing {
namespace {

const char* const kSuppliers[] = {"BUR100", "HYD200", "MAP300", "TEL400"};

class PurchaseProcesses : public orvant::testing::WorkstationsTest<PurchaseTest> {
protected:
    PurchaseProcesses() : WorkstationsTest(ORVANT_CTL, "purchases", {"W0", "W1", "W2", "W3", "KILLED"}) {}

    // A purchase (payable credited) or an adjustment lowering what is owed (payable debited).
    static std::string record(const std::string& supplier, bool purchase, const std::string& invoice, const std::string& reference,
                              Money amount)
    {
        const std::string a = amount.toString(2);
        return R"({"supplier": ")" + supplier + R"(", "type": ")" + (purchase ? "purchase" : "adjustment") + R"(", "invoice": ")" +
               invoice + R"(", "reference": ")" + reference + R"(", "date": "2026-03-10", "rows": [{"account": 2100, ")" +
               (purchase ? "credit" : "debit") + R"(": ")" + a + R"("}, {"account": 5200, ")" + (purchase ? "debit" : "credit") +
               R"(": ")" + a + R"("}]})" + "\n";
    }
};

// Four workstations, 500 documents each: purchases of their own numbers, and adjustments that
// share journal headers with the other workstations', on the same four suppliers.
TEST_P(PurchaseProcesses, FourWorkstationsPostingAtOnceLoseAndDoubleNothing)
{
    constexpr int kWorkstations = 4, kDocuments = 500;
    std::map<std::string, Money> owed;
    std::vector<std::string> files(kWorkstations);
    for (int w = 0; w < kWorkstations; ++w) {
        std::string& records = files[static_cast<std::size_t>(w)];
        for (int k = 0; k < kDocuments; ++k) {
            const std::string supplier = kSuppliers[(k + w) % 4];
            const Money amount = Money::fromCents(1000 + (w * kDocuments + k) * 37 % 9000);
            const bool purchase = k % 2 == 0;
            const std::string number = "W" + std::to_string(w) + "-" + std::to_string(k);
            records += purchase ? record(supplier, true, number, "", amount)
                                : record(supplier, false, "SHARED" + std::to_string(k / 2 % 10), number, amount);
            owed[supplier] += purchase ? amount : -amount;
        }
    }
    postAtOnce(files, "500 document(s) posted, 0 refused.");
    EXPECT_EQ(count("SELECT COUNT(*) FROM apori"), kWorkstations * kDocuments);
    EXPECT_EQ(count("SELECT COUNT(*) FROM cap"), kWorkstations * kDocuments);
    EXPECT_EQ(count("SELECT COUNT(*) FROM tjlh WHERE tjlh_reference LIKE 'SHARED%'"), 10) << "one header per shared key";
    for (const auto& [supplier, amount] : owed) {
        EXPECT_EQ(balance(supplier.c_str()), amount) << supplier;
        EXPECT_EQ(ledgerSum(supplier.c_str()), amount) << supplier;
    }
    expectBooksClean();
}

// A workstation killed at a random moment of its posting, again and again: whatever it had
// committed is whole, the document it was writing is not there at all.
TEST_P(PurchaseProcesses, AWorkstationKilledWhilePostingLeavesWholeDocumentsOnly)
{
    std::mt19937 random(20261208);
    std::uniform_int_distribution<int> delay(40, 400);
    for (int round = 0; round < 6; ++round) {
        std::string records;
        for (int k = 0; k < 400; ++k)
            records += record(kSuppliers[k % 4], true, "K" + std::to_string(round) + "-" + std::to_string(k), "", Money::fromCents(500 + k));
        orvant::testing::Workstations::KillAfter(startPosting("kill" + std::to_string(round), records, "KILLED"),
                                                 std::chrono::milliseconds(delay(random)), *books_, "sup");

        const std::int64_t documents = count("SELECT COUNT(*) FROM apori");
        EXPECT_EQ(count("SELECT COUNT(*) FROM cap"), documents) << "round " << round;
        EXPECT_EQ(count("SELECT COUNT(*) FROM tjld"), 2 * documents) << "round " << round;
        expectBooksClean();
        if (HasFailure()) break;
    }
    const std::int64_t posted = count("SELECT COUNT(*) FROM apori");
    EXPECT_GT(posted, 0);
    EXPECT_LT(posted, 6 * 400);
}

ORVANT_BOOKS_ON_EVERY_ENGINE(PurchaseProcesses);

}  // namespace
}  // namespace orvant::purchases::testing
