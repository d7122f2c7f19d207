// A workstation killed at random points of a ten-cheque update, round after round: each cheque
// is posted and off the list, or untouched and still numbered; the books check clean; posting
// what is left as printed posts each remaining cheque once.

#include <signal.h>

#include <chrono>
#include <random>
#include <thread>

#include "child_workstation.h"
#include "cheque_writer.h"
#include "testing/processes.h"
#include "update_fixture.h"

namespace orvant::cheques::test {
namespace {

const char* const kSuppliers[] = {"BUR100", "HYD200", "MAP300", "TEL400"};
constexpr int kCheques = 10;

class ChequeUpdateProcesses : public ChequeUpdateTest {
protected:
    // Ten cheques of the round: eight to suppliers, each paying an invoice of its own with a
    // discount, and two to a payee.
    std::vector<PrintedCheque> printRun(int round)
    {
        std::vector<PrintedCheque> run;
        for (int k = 0; k < kCheques; ++k) {
            const std::string number = std::to_string(1000 + round * kCheques + k);
            const char* supplier = kSuppliers[k % 4];
            if (k % 5 == 4) {
                run.push_back(printed(payeeCheque(number, "75.00")));
                continue;
            }
            purchase(supplier, "I" + number, "120.00");
            run.push_back(printed(supplierCheque(supplier, number, {{"I" + number, "120.00", "2.40"}})));
        }
        return run;
    }

    // Starts the update on a workstation of its own; returns once its books are open and the
    // update begins.
    pid_t startUpdate(const std::vector<PrintedCheque>& run, int session)
    {
        Pipe started;
        const pid_t pid = StartWorkstation(installation_, "KILLED", session, [this, run, &started](store::Database& books) {
            started.send();
            ChequeUpdate(books, context).run(run);
            return 0;
        });
        started.receive();
        return pid;
    }

    // A killed workstation's server side finishes what it was sent before its locks go.
    void waitForWorkstationGone(const std::vector<PrintedCheque>& run)
    {
        orvant::testing::WaitForRecordsFree(*books_, "sup");
        store::Table headers(*books_, "apchqh");
        headers.open();
        for (const PrintedCheque& cheque : run) HoldChequeForChange(headers, cheque.seq);
    }

    void expectEachChequeWholeOrUntouched(const std::vector<PrintedCheque>& run)
    {
        for (const PrintedCheque& cheque : run) {
            const std::int64_t posted = count("SELECT COUNT(*) FROM cdorihdr WHERE reference = ?", {cheque.number});
            const std::int64_t listed = count("SELECT COUNT(*) FROM apchqh WHERE apchqh_seq = ? AND apchqh_cheque = ?", {cheque.seq, cheque.number});
            EXPECT_EQ(posted + listed, 1) << "cheque " << cheque.number;
        }
        expectBooksClean();
    }
};

TEST_P(ChequeUpdateProcesses, KilledAtRandomPointsLeavesEachChequePostedAndGoneOrUntouched)
{
    constexpr int kRounds = 8;
    // A round run to its end gives the span of an update, within which the kills fall.
    const std::vector<PrintedCheque> whole = printRun(0);
    const auto started = std::chrono::steady_clock::now();
    ASSERT_EQ(ExitStatusOf(startUpdate(whole, 40)), 0);
    const auto span = std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - started);
    expectEachChequeWholeOrUntouched(whole);
    EXPECT_EQ(count("SELECT COUNT(*) FROM apchqh"), 0);

    std::mt19937 random(20261208);
    std::uniform_int_distribution<long long> delay(0, span.count());
    std::int64_t left = 0;
    for (int round = 1; round <= kRounds; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        const std::vector<PrintedCheque> run = printRun(round);
        const pid_t pid = startUpdate(run, 40 + round);
        std::this_thread::sleep_for(std::chrono::microseconds(delay(random)));
        ::kill(pid, SIGKILL);
        ExitStatusOf(pid);
        waitForWorkstationGone(run);
        expectEachChequeWholeOrUntouched(run);
        left = count("SELECT COUNT(*) FROM apchqh");
        if (HasFailure()) return;
    }
    EXPECT_GT(left, 0) << "some kill fell before the end";

    const std::vector<PrintedCheque> remaining = ChequesLeftNumbered(*books_, kBank);
    EXPECT_EQ(static_cast<std::int64_t>(remaining.size()), left);
    for (const ChequeUpdateResult& result : update(remaining).cheques) EXPECT_EQ(result.outcome, UpdateOutcome::Posted) << result.number;
    EXPECT_EQ(count("SELECT COUNT(*) FROM apchqh"), 0);
    EXPECT_EQ(count("SELECT COUNT(*) FROM cdorihdr"), (kRounds + 1) * kCheques);
    EXPECT_EQ(money("SELECT SUM(sup_current_bal) FROM sup"), Money());
    expectBooksClean();
}

ORVANT_BOOKS_ON_EVERY_ENGINE(ChequeUpdateProcesses);

}  // namespace
}  // namespace orvant::cheques::test
