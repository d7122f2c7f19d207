// Several workstations posting into one company at once, and workstations killed while
// posting: every document is in the books whole or not at all, and nothing is lost or doubled.
// Each workstation is an orvantctl process posting a file of documents.

#include <gmock/gmock.h>
#include <signal.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <thread>

#include "company/books_check.h"
#include "company/users.h"
#include "sales_fixture.h"
#include "settings/registry.h"
#include "testing/processes.h"

namespace orvant::sales::testing {
namespace {

namespace fs = std::filesystem;

const char* const kClients[] = {"ABC100", "BEL200", "HAR300", "NOR400", "WES500"};

class SalesProcesses : public SalesTest {
protected:
    void SetUp() override
    {
        SalesTest::SetUp();
        if (HasFatalFailure() || IsSkipped()) return;
        work_ = root_->path() + "-work";
        fs::create_directories(work_);
        registry_ = work_ + "/registry.ini";
        Registry(QString::fromStdString(registry_)).setValue(kProductSection, u"store", QString::fromStdString(root_->config().postgres));
        // Each workstation posts on behalf of a user of its own.
        for (const char* code : {"W0", "W1", "W2", "W3", "S0", "S1", "KILLED", "AFTER"})
            company::AddUser(installation_, {code, std::string("Clerk ") + code, 1, 1, 0, {}, {}}, std::string("pw") + code);
    }

    void TearDown() override
    {
        if (!work_.empty()) fs::remove_all(work_);
        SalesTest::TearDown();
    }

    // Starts orvantctl posting the file on behalf of the user of that code; its process id.
    pid_t startPosting(const std::string& file, const std::string& user)
    {
        const pid_t pid = orvant::testing::StartProgram(
            ORVANT_CTL, {"--data-root", root_->path(), "post", "sales", file, "--user", user},
            {"ORVANT_REGISTRY=" + registry_, "HOME=" + work_, "QT_QPA_PLATFORM=offscreen"}, file + ".out");
        EXPECT_GT(pid, 0) << "cannot start " << ORVANT_CTL;
        return pid;
    }

    static int exitStatus(pid_t pid) { return orvant::testing::ExitStatus(pid); }
    static std::string contents(const std::string& file) { return orvant::testing::FileContents(file); }

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

    std::string work_, registry_;
};

// Four workstations, 500 documents each: sales of their own numbers, and adjustments that
// share journal headers with the other workstations', on the same five clients.
TEST_P(SalesProcesses, FourWorkstationsPostingAtOnceLoseAndDoubleNothing)
{
    constexpr int kWorkstations = 4, kDocuments = 500;
    std::map<std::string, Money> owed;
    std::vector<std::string> files;
    for (int w = 0; w < kWorkstations; ++w) {
        std::string records;
        for (int k = 0; k < kDocuments; ++k) {
            const std::string client = kClients[(k + w) % 5];
            const Money amount = Money::fromCents(1000 + (w * kDocuments + k) * 37 % 9000);
            const bool sale = k % 2 == 0;
            const std::string number = "W" + std::to_string(w) + "-" + std::to_string(k);
            records += sale ? record(client, "sale", number, "", amount)
                            : record(client, "adjustment", "SHARED" + std::to_string(k / 2 % 10), number, amount);
            owed[client] += sale ? amount : -amount;
        }
        files.push_back(work_ + "/w" + std::to_string(w) + ".jsonl");
        std::ofstream(files.back()) << records;
    }
    std::vector<pid_t> running;
    for (int w = 0; w < kWorkstations; ++w) running.push_back(startPosting(files[static_cast<std::size_t>(w)], "W" + std::to_string(w)));
    for (int w = 0; w < kWorkstations; ++w) {
        const std::string& file = files[static_cast<std::size_t>(w)];
        EXPECT_EQ(exitStatus(running[static_cast<std::size_t>(w)]), 0) << contents(file + ".out");
        EXPECT_THAT(contents(file + ".out"), ::testing::HasSubstr("500 document(s) posted, 0 refused."));
    }

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
    std::vector<std::string> files;
    std::vector<pid_t> running;
    for (int w = 0; w < 2; ++w) {
        files.push_back(work_ + "/same" + std::to_string(w) + ".jsonl");
        std::ofstream(files.back()) << records;
    }
    for (int w = 0; w < 2; ++w) running.push_back(startPosting(files[static_cast<std::size_t>(w)], "S" + std::to_string(w)));
    int posted = 0;
    for (int w = 0; w < 2; ++w) {
        exitStatus(running[static_cast<std::size_t>(w)]);
        const std::string out = contents(files[static_cast<std::size_t>(w)] + ".out");
        const auto at = out.rfind(" document(s) posted");
        ASSERT_NE(at, std::string::npos) << out;
        posted += std::stoi(out.substr(out.rfind('\n', at) == std::string::npos ? 0 : out.rfind('\n', at) + 1));
    }
    EXPECT_EQ(posted, 150);
    EXPECT_EQ(count("SELECT COUNT(*) FROM car"), 150);
    EXPECT_EQ(count("SELECT COUNT(DISTINCT car_invoice) FROM car"), 150);
    expectBooksClean();
}

// A workstation killed at a random moment of its posting, again and again: whatever it had
// committed is whole, the document it was writing is not there at all.
TEST_P(SalesProcesses, AWorkstationKilledWhilePostingLeavesWholeDocumentsOnly)
{
    std::mt19937 random(20261207);
    std::uniform_int_distribution<int> delay(40, 400);
    for (int round = 0; round < 8; ++round) {
        std::string records;
        for (int k = 0; k < 400; ++k)
            records += record(kClients[k % 5], "sale", "K" + std::to_string(round) + "-" + std::to_string(k), "",
                              Money::fromCents(500 + k));
        const std::string file = work_ + "/kill" + std::to_string(round) + ".jsonl";
        std::ofstream(file) << records;
        const pid_t pid = startPosting(file, "KILLED");
        std::this_thread::sleep_for(std::chrono::milliseconds(delay(random)));
        kill(pid, SIGKILL);
        exitStatus(pid);
        orvant::testing::WaitForRecordsFree(*books_, "cli");

        const std::int64_t documents = count("SELECT COUNT(*) FROM arori");
        EXPECT_EQ(count("SELECT COUNT(*) FROM car"), documents) << "round " << round;
        EXPECT_EQ(count("SELECT COUNT(*) FROM tjld"), 2 * documents) << "round " << round;
        expectBooksClean();
        if (HasFailure()) break;
    }
    // The kills fell in the middle of the files, not before or after them.
    const std::int64_t posted = count("SELECT COUNT(*) FROM arori");
    EXPECT_GT(posted, 0);
    EXPECT_LT(posted, 8 * 400);
    // What was posted before the kills is still in order for the next workstation.
    const std::string file = work_ + "/after.jsonl";
    std::ofstream(file) << record("ABC100", "sale", "AFTER", "", Money::fromUnits(1));
    EXPECT_EQ(exitStatus(startPosting(file, "AFTER")), 0) << contents(file + ".out");
    expectBooksClean();
}

ORVANT_BOOKS_ON_EVERY_ENGINE(SalesProcesses);

}  // namespace
}  // namespace orvant::sales::testing
