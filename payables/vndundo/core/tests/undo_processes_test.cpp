// An undo run by orvantctl and killed at a random moment: the purchase and its many payments
// are either all still in the books or all gone with their audit copies, and the books agree.

#include <gmock/gmock.h>
#include <signal.h>

#include <filesystem>
#include <random>
#include <thread>

#include "company/users.h"
#include "settings/registry.h"
#include "testing/processes.h"
#include "undo_fixture.h"

namespace orvant::vndundo::testing {
namespace {

namespace fs = std::filesystem;

constexpr int kPayments = 30;

class UndoProcesses : public UndoTest {
protected:
    void SetUp() override
    {
        UndoTest::SetUp();
        if (HasFatalFailure() || IsSkipped()) return;
        work_ = root_->path() + "-work";
        fs::create_directories(work_);
        registry_ = work_ + "/registry.ini";
        Registry(QString::fromStdString(registry_)).setValue(kProductSection, u"store", QString::fromStdString(root_->config().postgres));
        company::AddUser(installation_, {"KILLED", "Clerk killed", 1, 1, 0, {}, {}}, "pwKILLED");
    }

    void TearDown() override
    {
        if (!work_.empty()) fs::remove_all(work_);
        UndoTest::TearDown();
    }

    pid_t startUndo(const UndoSelection& selection)
    {
        const std::string output = work_ + "/undo.out";
        const pid_t pid = orvant::testing::StartProgram(
            ORVANT_CTL, {"--data-root", root_->path(), "undo", std::to_string(selection.seq), "--supplier", selection.supplier, "--user", "KILLED", "--yes"},
            {"ORVANT_REGISTRY=" + registry_, "HOME=" + work_, "QT_QPA_PLATFORM=offscreen"}, output);
        EXPECT_GT(pid, 0) << "cannot start " << ORVANT_CTL;
        return pid;
    }

    std::string work_, registry_;
};

TEST_P(UndoProcesses, AnUndoKilledMidwayLeavesAllOrNothing)
{
    std::mt19937 random(20261207);
    std::uniform_int_distribution<int> delay(30, 600);
    for (int round = 0; round < 4; ++round) {
        const std::string invoice = "K" + std::to_string(round);
        purchase("BUR100", invoice, "100.00");
        for (int k = 0; k < kPayments; ++k)
            disbursement("BUR100", "D" + std::to_string(round) + "-" + std::to_string(k), R"({"invoice": ")" + invoice + R"(", "amount": "1.00"})",
                         "1.00");
        const pid_t pid = startUndo(item("BUR100", invoice, "", kPurchaseType));
        std::this_thread::sleep_for(std::chrono::milliseconds(delay(random)));
        kill(pid, SIGKILL);
        orvant::testing::ExitStatus(pid);
        orvant::testing::WaitForRecordsFree(*books_, "sup");

        const std::int64_t left = count("SELECT COUNT(*) FROM cap WHERE cap_invoice = ?", {invoice});
        const std::int64_t copied = count("SELECT COUNT(*) FROM cvndundo WHERE cap_invoice = ?", {invoice});
        EXPECT_TRUE((left == kPayments + 1 && copied == 0) || (left == 0 && copied == kPayments + 1)) << left << " left, " << copied << " copied";
        const std::int64_t bankLines = count("SELECT COUNT(*) FROM concil WHERE concil_reference LIKE ?", {"D" + std::to_string(round) + "-%"});
        EXPECT_EQ(bankLines, left == 0 ? 0 : kPayments);
        EXPECT_EQ(count("SELECT COUNT(*) FROM glundoap WHERE gla_reference LIKE ?", {"D" + std::to_string(round) + "-%"}), left == 0 ? 2 * kPayments : 0);
        expectBooksClean();
        if (HasFailure()) break;
    }
    // Left to finish, the same command undoes the purchase whole.
    purchase("BUR100", "KLAST", "100.00");
    const pid_t pid = startUndo(item("BUR100", "KLAST", "", kPurchaseType));
    EXPECT_EQ(orvant::testing::ExitStatus(pid), 0) << orvant::testing::FileContents(work_ + "/undo.out");
    EXPECT_EQ(count("SELECT COUNT(*) FROM cvndundo WHERE cap_invoice = 'KLAST' AND cap_user = 'Clerk killed'"), 1) << "kept by the user's name";
}

ORVANT_BOOKS_ON_EVERY_ENGINE(UndoProcesses);

}  // namespace
}  // namespace orvant::vndundo::testing
