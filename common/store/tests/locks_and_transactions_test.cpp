// Record locks, re-reads under the lock and transactions, between two connections of one
// process: two workstations as far as the store can tell.

#include <atomic>
#include <chrono>
#include <functional>
#include <thread>

#include "store/lock_retry.h"
#include "store/query.h"
#include "store_fixture.h"

namespace orvant::store::test {
namespace {

using LockTest = StoreTest;
ORVANT_ON_EVERY_ENGINE(LockTest);

TEST_P(LockTest, a_record_in_edit_is_refused_to_others_with_its_holder)
{
    setWorkstationIdentity("alice", 7);
    Table mine(*db_, clientsTable());
    mine.open();
    addClient(mine, "C1", "One");
    addClient(mine, "C2", "Two");
    ASSERT_TRUE(mine.findKey({"C1"}));
    mine.edit();

    auto other = connect();
    Table theirs(*other, clientsTable());
    theirs.open();
    ASSERT_TRUE(theirs.findKey({"C1"}));
    try {
        theirs.edit();
        FAIL() << "the record is in edit elsewhere";
    } catch (const StoreError& e) {
        EXPECT_EQ(e.code(), 10241);
        ASSERT_TRUE(e.holder().has_value());
        EXPECT_EQ(e.holder()->user, "alice");
        EXPECT_EQ(e.holder()->session, 7);
        EXPECT_NE(e.last().message.find("alice"), std::string::npos);
    }
    EXPECT_EQ(codeOf([&] { theirs.deleteRecord(); }), errc::kRecordLocked);

    ASSERT_TRUE(theirs.findKey({"C2"}));
    EXPECT_NO_THROW(theirs.edit()) << "a lock on another record never interferes";
    theirs.cancel();

    Table sameProcess(*db_, clientsTable());
    sameProcess.open();
    ASSERT_TRUE(sameProcess.findKey({"C1"}));
    EXPECT_EQ(codeOf([&] { sameProcess.edit(); }), 10241) << "two cursors conflict as two workstations do";

    mine.post();
    ASSERT_TRUE(theirs.findKey({"C1"}));
    EXPECT_NO_THROW(theirs.edit());
    theirs.cancel();
    setWorkstationIdentity("", 0);
}

TEST_P(LockTest, edit_reads_the_record_again_under_its_lock)
{
    Table stale(*db_, clientsTable());
    stale.open();
    addClient(stale, "C", "Client", Money::fromUnits(100));
    ASSERT_TRUE(stale.findKey({"C"}));

    auto other = connect();
    Table theirs(*other, clientsTable());
    theirs.open();
    ASSERT_TRUE(theirs.findKey({"C"}));
    theirs.edit();
    theirs.field("Balance") = theirs.field("Balance").asMoney() + Money::fromUnits(50);
    theirs.post();

    EXPECT_EQ(stale.field("Balance").asMoney(), Money::fromUnits(100)) << "the browse copy is what was read";
    stale.edit();
    EXPECT_EQ(stale.field("Balance").asMoney(), Money::fromUnits(150)) << "the edit starts from the committed record";
    stale.field("Balance") = stale.field("Balance").asMoney() + Money::fromUnits(25);
    stale.post();
    theirs.refresh();
    EXPECT_EQ(theirs.field("Balance").asMoney(), Money::fromUnits(175));

    ASSERT_TRUE(theirs.findKey({"C"}));
    theirs.deleteRecord();
    EXPECT_EQ(codeOf([&] { stale.edit(); }), errc::kRecordGone);
    EXPECT_EQ(stale.state(), TableState::Browse);
}

TEST_P(LockTest, a_lock_taken_in_a_transaction_lasts_until_it_ends)
{
    Table mine(*db_, clientsTable());
    mine.open();
    addClient(mine, "C", "Name");
    auto other = connect();
    Table theirs(*other, clientsTable());
    theirs.open();

    for (bool commit : {true, false}) {
        ASSERT_TRUE(mine.findKey({"C"}));
        mine.edit();  // the lock first, then the transaction
        db_->startTransaction();
        mine.field("Terms") = commit ? 30 : 60;
        mine.post();
        ASSERT_TRUE(theirs.findKey({"C"}));
        EXPECT_EQ(codeOf([&] { theirs.edit(); }), 10241) << "posted but not committed";
        if (commit) db_->commit();
        else db_->rollback();
        ASSERT_TRUE(theirs.findKey({"C"}));
        EXPECT_NO_THROW(theirs.edit());
        EXPECT_EQ(theirs.field("Terms").asInt(), 30) << (commit ? "committed" : "rolled back");
        theirs.cancel();
    }
}

// A second record with a stored key is refused, never written over the first; it stays for
// correction, alone or within a transaction that goes on to commit.
TEST_P(LockTest, a_refused_key_stays_for_correction_and_leaves_the_transaction_usable)
{
    Table t(*db_, clientsTable());
    t.open();
    addClient(t, "A", "First");
    for (const bool inTransaction : {false, true}) {
        SCOPED_TRACE(inTransaction ? "within a transaction" : "alone");
        const std::string corrected = inTransaction ? "A2" : "A1";
        if (inTransaction) db_->startTransaction();
        addClient(t, "B" + corrected, "written before the refusal");
        t.insert();
        t.field("Code") = "A";
        t.field("Name") = "Second";
        EXPECT_EQ(codeOf([&] { t.post(); }), errc::kKeyViolation);
        EXPECT_EQ(t.state(), TableState::Insert);
        t.field("Code") = corrected;
        t.post();
        if (inTransaction) db_->commit();
    }
    EXPECT_EQ(t.recordCount(), 5);
    ASSERT_TRUE(t.findKey({"A"}));
    EXPECT_EQ(t.field("Name").asString(), "First");
}

// Where nothing is tried again a write may go with a later round trip: it is refused all the
// same, with the statement it goes with or with the commit, which then keeps nothing.
TEST_P(LockTest, a_write_sent_later_is_refused_as_one_sent_at_once)
{
    Table t(*db_, clientsTable());
    t.open();
    addClient(t, "A", "Stored");
    addClient(t, "G", "Deleted behind its lock");
    auto other = connect();
    struct Case {
        const char* name;
        std::function<void()> before;  // outside the transaction
        std::function<void()> write;
        int refusal;
        const char* field;  // what was typed stays for the user to see or change
        const char* typed;
    };
    const Case cases[] = {
        {"a key already stored", [] {},
         [&] {
             t.insert();
             t.field("Code") = "A";
             t.post();
         },
         errc::kKeyViolation, "Code", "A"},
        {"a record deleted behind its lock",
         [&] {
             ASSERT_TRUE(t.findKey({"G"}));
             t.edit();
             Query(*other, "DELETE FROM tcli WHERE code = 'G'").execute();
         },
         [&] {
             t.field("Name") = "Changed";
             t.post();
         },
         errc::kRecordGone, "Name", "Changed"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.before();
        Transaction transaction(*db_, OnRefusedWrite::SpoilTransaction);
        Table before(*db_, clientsTable());
        before.open();
        addClient(before, "LOST", "written before the refused write");
        const int atWrite = codeOf(c.write);
        EXPECT_EQ(t.field(c.field).asString(), c.typed);
        const int atCommit = codeOf([&] { transaction.commit(); });
        EXPECT_EQ(atWrite ? atWrite : atCommit, c.refusal);
        EXPECT_NE(atCommit, 0) << "the commit keeps nothing";
        t.cancel();
        EXPECT_FALSE(t.findKey({"LOST"}));
    }
}

// A write that waits for the next round trip goes ahead of it: whatever reads next, a walk or
// a record's lock and re-read, sees it.
TEST_P(LockTest, a_posting_reads_what_it_wrote_before_the_write_went)
{
    Table t(*db_, clientsTable());
    t.open();
    addClient(t, "W", "Written", Money::fromUnits(1));
    ASSERT_TRUE(t.findKey({"W"}));
    Transaction transaction(*db_, OnRefusedWrite::SpoilTransaction);
    Query change(*db_, "UPDATE tcli SET balance = ? WHERE code = 'W'");
    change.bind(0, Money::fromUnits(5));
    change.executeLater();
    t.edit();
    EXPECT_EQ(t.field("Balance").asMoney(), Money::fromUnits(5)) << "read again under the lock";
    t.cancel();
    Table other(*db_, clientsTable());
    other.open();
    addClient(other, "N", "New");
    EXPECT_TRUE(t.findKey({"N"})) << "found by a walk";
    transaction.commit();
}

// Writes that may be tried again start after the writes queued before them went: a refusal of
// those is never taken for one of theirs.
TEST_P(LockTest, writes_allowed_a_retry_begin_after_the_refusal_of_a_write_queued_before)
{
    Table t(*db_, clientsTable());
    t.open();
    addClient(t, "A", "Stored");
    Transaction transaction(*db_, OnRefusedWrite::SpoilTransaction);
    int tries = 0;
    const int refusal = codeOf([&] {
        addClient(t, "A", "a second time");
        db_->allowingRetries([&] { ++tries; });
    });
    EXPECT_EQ(refusal, errc::kKeyViolation);
    EXPECT_EQ(tries, 0);
    EXPECT_NE(codeOf([&] { transaction.commit(); }), 0);
}

// Records written together in a posting's transaction: all of them, numbered in their order,
// or, when one is refused, none, and the transaction with them.
TEST_P(LockTest, records_inserted_together_are_written_all_or_none)
{
    struct Case {
        const char* name;
        TableDef def;
        std::vector<std::string> codes;  // the Client (ledger) or Reference (journal) of each record
        bool refused;
    };
    std::vector<std::string> manyCodes;
    for (int i = 0; i < 300; ++i) manyCodes.push_back("M" + std::to_string(1000 + i));
    const Case cases[] = {
        {"numbered by the engine or the store", ledgerTable(), {"L1", "L2", "L3"}, false},
        {"one record, numbered after them", ledgerTable(), {"L4"}, false},
        {"more records than one statement binds", ledgerTable(), manyCodes, false},
        {"a key met twice among them", journalTable(), {"J1", "J2", "J1"}, true},
        {"a key already stored", journalTable(), {"J3", "STORED"}, true},
    };
    {
        Table journal(*db_, journalTable());
        journal.open();
        addJournalHeader(journal, "STORED", day(2026, 3, 10));
    }
    std::int64_t lastSeq = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const bool ledger = c.def.name == "tled";
        Table t(*db_, c.def);
        t.open();
        const std::int64_t before = t.recordCount();
        auto fill = [&](std::size_t i) {
            t.field(ledger ? "Client" : "Reference") = c.codes[i];
            t.field(ledger ? "Invoice" : "Journal") = ledger ? Value("INV") : Value(1);
            if (ledger) return;
            t.field("Period") = 1;
            t.field("Date") = *Date::fromYmd(2026, 3, 10);
        };
        EXPECT_EQ(codeOf([&] { t.insertRecords(c.codes.size(), fill); }), errc::kTransactionState) << "only in a posting's transaction";
        Transaction transaction(*db_, OnRefusedWrite::SpoilTransaction);
        // The write may go with the commit's round trip: its refusal then comes with the commit.
        const int atInsert = codeOf([&] { t.insertRecords(c.codes.size(), fill); });
        const int atCommit = codeOf([&] { transaction.commit(); });
        EXPECT_EQ(atInsert ? atInsert : atCommit, c.refused ? errc::kKeyViolation : 0);
        EXPECT_EQ(atCommit != 0, c.refused) << "a refused record keeps nothing of the transaction";
        EXPECT_EQ(t.recordCount(), before + (c.refused ? 0 : static_cast<std::int64_t>(c.codes.size())));
        if (!ledger || c.refused) continue;
        for (const std::string& code : c.codes) {
            Query seq(*db_, "SELECT seq FROM tled WHERE client = ?");
            seq.bind(0, code);
            seq.open();
            EXPECT_GT(seq.value(0).asInt(), lastSeq) << code << " is numbered after the record before it";
            lastSeq = seq.value(0).asInt();
        }
    }
}

TEST_P(LockTest, a_transaction_guard_rolls_back_unless_committed)
{
    Table t(*db_, clientsTable());
    t.open();
    {
        Transaction tx(*db_);
        addClient(t, "GONE", "");
        {
            Transaction inner(*db_);  // joins the outer one
            addClient(t, "GONE2", "");
            inner.commit();
        }
        EXPECT_TRUE(db_->inTransaction()) << "only the outermost guard commits";
    }
    EXPECT_FALSE(db_->inTransaction());
    EXPECT_TRUE(t.isEmpty());
    {
        Transaction tx(*db_);
        addClient(t, "KEPT", "");
        tx.commit();
    }
    EXPECT_EQ(t.recordCount(), 1);
    EXPECT_EQ(codeOf([&] { db_->commit(); }), errc::kTransactionState);
}

TEST_P(LockTest, a_second_writer_waits_for_the_first)
{
    Table t(*db_, clientsTable());
    t.open();
    addClient(t, "X", "");
    const std::string addOne = "UPDATE tcli SET terms = COALESCE(terms, 0) + 1 WHERE code = 'X'";
    db_->startTransaction();
    Query(*db_, addOne).execute();

    std::atomic<bool> secondDone{false};
    std::string failure;
    std::thread second([&] {
        try {
            auto other = connect();
            Transaction tx(*other);
            Query(*other, addOne).execute();
            tx.commit();
        } catch (const std::exception& e) {
            failure = e.what();
        }
        secondDone = true;
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_FALSE(secondDone) << "the second writer is still waiting";
    db_->commit();
    second.join();
    EXPECT_EQ(failure, "");
    t.refresh();
    EXPECT_EQ(t.field("Terms").asInt(), 2) << "neither change is lost";
}

TEST_P(LockTest, edit_with_lock_retry_can_be_cancelled_while_the_holder_keeps_the_lock)
{
    Table mine(*db_, clientsTable());
    mine.open();
    addClient(mine, "C", "");
    ASSERT_TRUE(mine.findKey({"C"}));
    mine.edit();

    auto other = connect();
    Table theirs(*other, clientsTable());
    theirs.open();
    ASSERT_TRUE(theirs.findKey({"C"}));
    int refusals = 0;
    LockRetry giveUp;
    giveUp.waiting = [&](const StoreError& e) { refusals += e.isRecordLocked(); };
    giveUp.cancelled = [&] { return refusals >= 3; };
    EXPECT_EQ(codeOf([&] { EditWithLockRetry(theirs, giveUp); }), errc::kCancelled);
    EXPECT_EQ(refusals, 3);
}

TEST_P(LockTest, open_table_or_close_reports_once_and_closes)
{
    Table missing(*db_, "cli");  // declared, but this directory holds only the test tables
    std::vector<std::string> shown;
    int closed = 0;
    EXPECT_FALSE(OpenTableOrClose(missing, 2, [&](const std::string& m) { shown.push_back(m); }, [&] { ++closed; }));
    EXPECT_EQ(shown, (std::vector<std::string>{"Erreur lors de l'ouverture de la table cli"}));
    EXPECT_EQ(closed, 1);

    Table present(*db_, clientsTable());
    EXPECT_TRUE(OpenTableOrClose(present, 1, [&](const std::string& m) { shown.push_back(m); }, [&] { ++closed; }));
    EXPECT_EQ(closed, 1);
}

TEST_P(LockTest, queries_bind_their_parameters)
{
    Table t(*db_, clientsTable());
    t.open();
    addClient(t, "A", "O'Brien", Money::fromCents(1050));
    addClient(t, "B", "x'); DROP TABLE tcli; --", Money::fromCents(-50));
    Query q(*db_, "SELECT code, name, balance FROM tcli WHERE name = ? OR balance < ? ORDER BY code");
    q.bind(0, "O'Brien");
    q.bind(1, Money());
    std::vector<std::string> found;
    for (q.open(); !q.eof(); q.next()) found.push_back(q.field("CODE").asString());
    EXPECT_EQ(found, (std::vector<std::string>{"A", "B"}));
    // Run again with the balance left unbound: it is null now, not the last run's 0.
    q.clearBindings();
    q.bind(0, "O'Brien");
    found.clear();
    for (q.open(); !q.eof(); q.next()) found.push_back(q.field("CODE").asString());
    EXPECT_EQ(found, (std::vector<std::string>{"A"}));

    Query sum(*db_, "SELECT SUM(balance) AS total, COUNT(*) AS n FROM tcli");
    sum.open();
    EXPECT_EQ(sum.field("total").asMoney(), Money::fromCents(1000)) << "money sums stay exact";
    EXPECT_EQ(sum.field("n").asInt(), 2);

    Query update(*db_, "UPDATE tcli SET terms = ? WHERE code = ?");
    update.bind(0, 45);
    update.bind(1, "A");
    EXPECT_EQ(update.execute(), 1);
    EXPECT_TRUE(db_->tableExists("TCLI.DB"));
}

TEST_P(LockTest, work_tables_are_created_emptied_and_dropped_by_name)
{
    TableDef def = scratchTable();
    def.name = "wrk12";
    db_->createTable(def);
    EXPECT_TRUE(db_->tableExists("Wrk12.db"));
    Table t(*db_, def);
    t.open();
    t.insert();
    t.field("Description") = "row";
    t.post();
    t.close();
    db_->emptyTable("WRK12");
    t.open();
    EXPECT_TRUE(t.isEmpty());
    t.close();
    db_->dropTable("wrk12.DB");
    EXPECT_FALSE(db_->tableExists("wrk12"));
    EXPECT_EQ(codeOf([&] { t.open(); }), errc::kTableNotFound);
}

}  // namespace
}  // namespace orvant::store::test
