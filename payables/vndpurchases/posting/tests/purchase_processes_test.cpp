// Several workstations posting purchases into one company at once, and workstations killed
// while posting: every document is in the books whole or not at all, and nothing is lost or
// doubled. Each workstation is an orvantctl process posting a file of documents.

#include <gmock/gmock.h>
#include <signal.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <thread>

#include "company/users.h"
#include "purchase_fixture.h"
#include "settings/registry.h"
#include "testing/processes.h"

namespace orvant::purchases::testing {
namespace {

namespace fs = std::filesystem;

const char* const kSuppliers[] = {"BUR100", "HYD200", "MAP300", "TEL400"};

class PurchaseProcesses : public PurchaseTest {
protected:
    void SetUp() override
    {
        PurchaseTest::SetUp();
        if (HasFatalFailure() || IsSkipped()) return;
        work_ = root_->path() + "-work";
        fs::create_directories(work_);
        registry_ = work_ + "/registry.ini";
        Registry(QString::fromStdString(registry_)).setValue(kProductSection, u"store", QString::fromStdString(root_->config().postgres));
        for (const char* code : {"W0", "W1", "W2", "W3", "KILLED"})
            company::AddUser(installation_, {code, std::string("Clerk ") + code, 1, 1, 0, {}, {}}, std::string("pw") + code);
    }

    void TearDown() override
    {
        if (!work_.empty()) fs::remove_all(work_);
        PurchaseTest::TearDown();
    }

    pid_t startPosting(const std::string& file, const std::string& user)
    {
        const pid_t pid = orvant::testing::StartProgram(
            ORVANT_CTL, {"--data-root", root_->path(), "post", "purchases", file, "--user", user},
            {"ORVANT_REGISTRY=" + registry_, "HOME=" + work_, "QT_QPA_PLATFORM=offscreen"}, file + ".out");
        EXPECT_GT(pid, 0) << "cannot start " << ORVANT_CTL;
        return pid;
    }

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

    std::string work_, registry_;
};

// Four workstations, 500 documents each: purchases of their own numbers, and adjustments that
// share journal headers with the other workstations', on the same four suppliers.
TEST_P(PurchaseProcesses, FourWorkstationsPostingAtOnceLoseAndDoubleNothing)
{
    constexpr int kWorkstations = 4, kDocuments = 500;
    std::map<std::string, Money> owed;
    std::vector<std::string> files;
    for (int w = 0; w < kWorkstations; ++w) {
        std::string records;
        for (int k = 0; k < kDocuments; ++k) {
            const std::string supplier = kSuppliers[(k + w) % 4];
            const Money amount = Money::fromCents(1000 + (w * kDocuments + k) * 37 % 9000);
            const bool purchase = k % 2 == 0;
            const std::string number = "W" + std::to_string(w) + "-" + std::to_string(k);
            records += purchase ? record(supplier, true, number, "", amount)
                                : record(supplier, false, "SHARED" + std::to_string(k / 2 % 10), number, amount);
            owed[supplier] += purchase ? amount : -amount;
        }
        files.push_back(work_ + "/w" + std::to_string(w) + ".jsonl");
        std::ofstream(files.back()) << records;
    }
    std::vector<pid_t> running;
    for (int w = 0; w < kWorkstations; ++w) running.push_back(startPosting(files[static_cast<std::size_t>(w)], "W" + std::to_string(w)));
    for (int w = 0; w < kWorkstations; ++w) {
        const std::string& file = files[static_cast<std::size_t>(w)];
        EXPECT_EQ(orvant::testing::ExitStatus(running[static_cast<std::size_t>(w)]), 0) << orvant::testing::FileContents(file + ".out");
    }
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
        const std::string file = work_ + "/kill" + std::to_string(round) + ".jsonl";
        std::ofstream(file) << records;
        const pid_t pid = startPosting(file, "KILLED");
        std::this_thread::sleep_for(std::chrono::milliseconds(delay(random)));
        kill(pid, SIGKILL);
        orvant::testing::ExitStatus(pid);
        orvant::testing::WaitForRecordsFree(*books_, "sup");

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
