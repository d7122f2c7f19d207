// Workstations as separate processes: locks across processes, locks of a killed process, session
// numbers, and concurrent additions to one journal header.

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <thread>

#include "store/lock_retry.h"
#include "store/session_number.h"
#include "store/tables/catalog.h"
#include "store_fixture.h"

namespace orvant::store::test {
namespace {

// A one-way signal between the test and a child process.
struct Pipe {
    int fds[2];
    Pipe() { EXPECT_EQ(::pipe(fds), 0); }
    ~Pipe() { ::close(fds[0]); ::close(fds[1]); }
    void send() { EXPECT_EQ(::write(fds[1], "x", 1), 1); }
    bool receive() { char c; return ::read(fds[0], &c, 1) == 1; }
};

// Runs `work` in a child process that uses only connections of its own; its result is the
// exit status. The child leaves with _exit so it never closes the parent's connections.
pid_t spawn(const std::function<int()>& work)
{
    const pid_t pid = ::fork();
    if (pid == 0) {
        int status = 1;
        try {
            status = work();
        } catch (...) {
            status = 2;
        }
        ::_exit(status);
    }
    return pid;
}

int exitStatus(pid_t pid)
{
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

LockRetry giveUpAfter(std::chrono::milliseconds limit)
{
    const auto deadline = std::chrono::steady_clock::now() + limit;
    LockRetry retry;
    retry.cancelled = [deadline] { return std::chrono::steady_clock::now() > deadline; };
    return retry;
}

class ProcessTest : public StoreTest {
protected:
    // A child that puts client C into edit, says so, and waits for `release` before posting.
    pid_t holdClient(Pipe& locked, Pipe* release)
    {
        return spawn([&, release] {
            auto db = connect();
            Table t(*db, clientsTable());
            t.open();
            if (!t.findKey({"C"})) return 3;
            t.edit();
            t.field("Terms") = 99;
            locked.send();
            if (!release) for (;;) ::pause();
            release->receive();
            t.post();
            return 0;
        });
    }
};
ORVANT_ON_EVERY_ENGINE(ProcessTest);

TEST_P(ProcessTest, a_lock_held_by_another_process_is_refused_then_waited_for)
{
    Table t(*db_, clientsTable());
    t.open();
    addClient(t, "C", "");
    Pipe locked, release;
    const pid_t child = holdClient(locked, &release);
    ASSERT_TRUE(locked.receive());

    ASSERT_TRUE(t.findKey({"C"}));
    try {
        t.edit();
        FAIL() << "the other process holds the record";
    } catch (const StoreError& e) {
        EXPECT_EQ(e.code(), 10241);
    }
    std::thread releaser([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        release.send();
    });
    EditWithLockRetry(t, giveUpAfter(std::chrono::seconds(30)));
    releaser.join();
    EXPECT_EQ(t.field("Terms").asInt(), 99) << "the edit starts from what the other process posted";
    t.cancel();
    EXPECT_EQ(exitStatus(child), 0);
}

TEST_P(ProcessTest, a_killed_holder_leaves_no_lock_behind)
{
    Table t(*db_, clientsTable());
    t.open();
    addClient(t, "C", "");
    Pipe locked;
    const pid_t child = holdClient(locked, nullptr);
    ASSERT_TRUE(locked.receive());
    ASSERT_TRUE(t.findKey({"C"}));
    EXPECT_THROW(t.edit(), StoreError);

    ::kill(child, SIGKILL);
    EXPECT_EQ(exitStatus(child), -1);
    // The embedded engine frees the lock with the process; PostgreSQL as soon as the server
    // sees the connection drop, a few milliseconds later.
    EXPECT_NO_THROW(EditWithLockRetry(t, giveUpAfter(std::chrono::seconds(10))));
    EXPECT_TRUE(t.field("Terms").isNull()) << "the killed process never posted";
    t.cancel();
}

TEST_P(ProcessTest, session_numbers_are_unique_and_a_crashed_holder_frees_its_number)
{
    Database root("root", root_->path(), root_->config(), true);
    root.createTable("virmem");

    Pipe taken;
    const pid_t child = spawn([&] {
        auto lease = SessionLease::acquire(root_->path(), root_->config());
        if (lease->number() != 1) return 3;
        taken.send();
        for (;;) ::pause();
    });
    ASSERT_TRUE(taken.receive());
    auto second = SessionLease::acquire(root_->path(), root_->config());
    EXPECT_EQ(second->number(), 2);
    auto third = SessionLease::acquire(root_->path(), root_->config());
    EXPECT_EQ(third->number(), 3);
    third.reset();

    ::kill(child, SIGKILL);
    exitStatus(child);
    std::unique_ptr<SessionLease> again;
    for (int tries = 0; tries < 200; ++tries) {  // PostgreSQL lets go of a dead client in milliseconds
        again = SessionLease::acquire(root_->path(), root_->config());
        if (again->number() == 1) break;
        again.reset();
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    ASSERT_TRUE(again);
    EXPECT_EQ(again->number(), 1);

    Table virmem(root, "virmem.DB");
    virmem.open();
    EXPECT_EQ(virmem.recordCount(), 3) << "each number has its row";
    ASSERT_TRUE(virmem.findKey({2}));
    EXPECT_NO_THROW(virmem.edit()) << "the session's own lock is not the lock of its virmem row";
    virmem.cancel();
}

TEST_P(ProcessTest, two_processes_adding_to_one_journal_header_lose_nothing)
{
    constexpr int kAdditions = 1000;
    Table header(*db_, journalTable());
    header.open();
    addJournalHeader(header, "REF", day(2026, 1, 31));

    auto adder = [&] {
        auto db = connect();
        Table t(*db, journalTable());
        t.open();
        for (int i = 0; i < kAdditions; ++i) {
            if (!t.findKey({1, 1, "REF", day(2026, 1, 31)})) return 3;
            EditWithLockRetry(t, giveUpAfter(std::chrono::seconds(60)));
            t.field("TotDebit") = t.field("TotDebit").asMoney() + Money::fromCents(1);
            t.post();
        }
        return 0;
    };
    const pid_t a = spawn(adder);
    const pid_t b = spawn(adder);
    EXPECT_EQ(exitStatus(a), 0);
    EXPECT_EQ(exitStatus(b), 0);
    header.refresh();
    EXPECT_EQ(header.field("TotDebit").asMoney(), Money::fromCents(2 * kAdditions));
}

}  // namespace
}  // namespace orvant::store::test
