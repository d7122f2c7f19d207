// The cheque list lock between workstations as processes, on both engines.

#include <chrono>
#include <thread>

#include "cheque_list_lock.h"
#include "child_workstation.h"
#include "store/error.h"
#include "testing/books_fixture.h"

namespace orvant::cheques::test {
namespace {

using Use = ChequeListUse;

store::LockRetry giveUpAfter(std::chrono::seconds limit)
{
    const auto deadline = std::chrono::steady_clock::now() + limit;
    store::LockRetry retry;
    retry.cancelled = [deadline] { return std::chrono::steady_clock::now() > deadline; };
    return retry;
}

class ChequeListLockTest : public testing::BooksTest {
protected:
    void SetUp() override
    {
        store::setWorkstationIdentity("Lead", 3);
        BooksTest::SetUp();
    }

    // A workstation that takes the lock, says so, and keeps it until killed or told to leave.
    pid_t holder(const std::string& user, int session, Use use, Pipe& taken, Pipe* leave)
    {
        return StartWorkstation(installation_, user, session, [&, use, leave](store::Database& books) {
            auto lock = ChequeListLock::take(books, use);
            taken.send();
            if (!leave) for (;;) ::pause();
            leave->receive();
            return 0;
        });
    }

    // The holder named by a refusal; empty when the lock was given.
    std::string refusal(Use use)
    {
        try {
            ChequeListLock::take(*books_, use);
            return {};
        } catch (const store::StoreError& e) {
            EXPECT_TRUE(e.isRecordLocked());
            return e.holder() ? e.holder()->user + "/" + std::to_string(e.holder()->session) : "nobody named";
        }
    }
};
ORVANT_BOOKS_ON_EVERY_ENGINE(ChequeListLockTest);

TEST_P(ChequeListLockTest, a_held_list_refuses_what_it_cannot_share_naming_the_holder_until_the_holder_dies)
{
    struct Row {
        Use held, asked;
        bool shared;
    };
    const Row rows[] = {{Use::Shared, Use::Shared, true},
                        {Use::Shared, Use::Exclusive, false},
                        {Use::Exclusive, Use::Shared, false},
                        {Use::Exclusive, Use::Exclusive, false}};
    for (const Row& row : rows) {
        SCOPED_TRACE(::testing::Message() << "held " << int(row.held) << ", asked " << int(row.asked));
        Pipe taken;
        const pid_t child = holder("Marie", 7, row.held, taken, nullptr);
        ASSERT_EQ(taken.receive(), 'x');
        EXPECT_EQ(refusal(row.asked), row.shared ? "" : "Marie/7");

        ::kill(child, SIGKILL);
        EXPECT_EQ(ExitStatusOf(child), -1);
        // PostgreSQL frees a dead connection's locks as soon as the server sees it drop.
        EXPECT_NO_THROW(ChequeListLock::takeWaiting(*books_, row.asked, giveUpAfter(std::chrono::seconds(10))));
    }
}

TEST_P(ChequeListLockTest, a_rebuild_waits_for_the_editors_to_leave_then_keeps_them_out)
{
    Pipe firstTaken, secondTaken, leave, go;
    // Started before this process holds anything, so that it inherits none of its locks.
    const pid_t late = StartWorkstation(installation_, "Anne", 9, [&go](store::Database& books) {
        ::close(go.fds[1]);  // so that a test ended early ends the wait
        go.receive();
        try {
            ChequeListLock::take(books, Use::Shared);
            return 1;
        } catch (const store::StoreError& e) {
            return e.holder() && e.holder()->user == "Lead" && e.holder()->session == 3 ? 0 : 3;
        }
    });
    const pid_t editor = holder("Marie", 7, Use::Shared, firstTaken, &leave);
    const pid_t printing = holder("Paul", 8, Use::Shared, secondTaken, &leave);
    ASSERT_EQ(firstTaken.receive(), 'x');
    ASSERT_EQ(secondTaken.receive(), 'x');

    const std::string named = refusal(Use::Exclusive);
    EXPECT_TRUE(named == "Marie/7" || named == "Paul/8") << named;

    std::thread leaving([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        leave.send();
        leave.send();
    });
    std::vector<std::string> waitedFor;
    store::LockRetry retry = giveUpAfter(std::chrono::seconds(30));
    retry.waiting = [&](const store::StoreError& e) { waitedFor.push_back(e.holder() ? e.holder()->user : ""); };
    auto rebuild = ChequeListLock::takeWaiting(*books_, Use::Exclusive, retry);
    leaving.join();
    EXPECT_EQ(ExitStatusOf(editor), 0);
    EXPECT_EQ(ExitStatusOf(printing), 0);
    EXPECT_FALSE(waitedFor.empty()) << "the rebuild was told whom it waited for";

    // While the rebuild holds the list, another workstation's editor is refused naming it.
    go.send();
    EXPECT_EQ(ExitStatusOf(late), 0);
}

TEST_P(ChequeListLockTest, a_shared_opener_meeting_another_openers_look_at_the_list_looks_again_and_opens)
{
    const auto other = company::OpenCompany(installation_, 1);
    // The other workstation holds the rebuild key for a moment, as an opener looking at it does.
    std::optional<ChequeListLock> looking = ChequeListLock::take(*other, Use::Exclusive);
    store::LockRetry probe = giveUpAfter(std::chrono::seconds(10));
    int refusals = 0;
    probe.waiting = [&](const store::StoreError&) {
        ++refusals;
        looking.reset();
    };
    EXPECT_NO_THROW(ChequeListLock::take(*books_, Use::Shared, probe));
    EXPECT_EQ(refusals, 1);
}

}  // namespace
}  // namespace orvant::cheques::test
