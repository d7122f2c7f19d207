// What the engines do when things go wrong under the store: a commit refused, a transaction
// ended by the engine, a connection lost, a database missing; and what a PostgreSQL session and
// a data root's schemas must hold whatever the server's defaults.

#include <filesystem>
#include <thread>

#include "store/lock_retry.h"
#include "store/query.h"
#include "store/session_number.h"
#include "store_fixture.h"

namespace orvant::store::test {
namespace {

using testing::Engine;

bool isPostgres(const Database& db) { return db.config().isPostgres(); }

Value scalar(Database& db, const std::string& sql, std::vector<Value> binds = {})
{
    Query q(db, sql);
    for (std::size_t i = 0; i < binds.size(); ++i) q.bind(static_cast<int>(i), binds[i]);
    q.open();
    return q.eof() ? Value() : q.value(0);
}

// The pg_locks row of a session number's lock.
constexpr const char* kSessionLock = "locktype = 'advisory' AND classid = 20306 AND objsubid = 2 AND objid = ?";

class EngineFaultTest : public StoreTest {
public:
    using StoreTest::addClient;
    using StoreTest::connect;

    // Runs the statement on another connection of the same database: another workstation.
    Value elsewhere(const std::string& sql, std::vector<Value> binds = {})
    {
        auto other = connect();
        return scalar(*other, sql, std::move(binds));
    }

    std::int64_t backendPid() { return scalar(*db_, "SELECT pg_backend_pid()").asInt(); }

protected:
    void SetUp() override
    {
        StoreTest::SetUp();
        if (IsSkipped() || HasFatalFailure()) return;
        db_->connection().execute("CREATE TABLE tparent (id INTEGER PRIMARY KEY)");
        db_->connection().execute(
            "CREATE TABLE tchild (id INTEGER PRIMARY KEY, parent INTEGER REFERENCES tparent (id) DEFERRABLE INITIALLY DEFERRED)");
        if (!isPostgres(*db_)) db_->connection().execute("PRAGMA foreign_keys = ON");
    }

    // Ends the server connection that holds the session number, and waits until the server
    // has let go of its locks.
    void cutOff(int number)
    {
        elsewhere(std::string("SELECT pg_terminate_backend(pid) FROM pg_locks WHERE ") + kSessionLock, {number});
        auto other = connect();
        for (int tries = 0; tries < 500; ++tries) {
            if (scalar(*other, std::string("SELECT COUNT(*) FROM pg_locks WHERE ") + kSessionLock, {number}).asInt() == 0) return;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        FAIL() << "the server kept the ended connection's locks";
    }
};
ORVANT_ON_EVERY_ENGINE(EngineFaultTest);

struct CommitFault {
    const char* name;
    std::optional<Engine> only;  // where the engine can fail so
    // Spoils the open transaction, in which client LOST was just added.
    std::function<void(EngineFaultTest&, Database&)> spoil;
    int commitCode;      // what the commit reports; 0 for any store error
    bool connectionDies;
    OnRefusedWrite onRefusal = OnRefusedWrite::KeepTransaction;
};

// A transaction whose commit fails leaves nothing, gives back the locks taken in it, and the next
// transaction really begins and commits: it is not taken for one nested in the failed one.
TEST_P(EngineFaultTest, a_failed_commit_ends_the_transaction_and_the_next_one_commits)
{
    const CommitFault faults[] = {
        {"a deferred constraint refuses the commit", std::nullopt,
         [](EngineFaultTest&, Database& db) { Query(db, "INSERT INTO tchild VALUES (1, 99)").execute(); }, 0, false},
        {"a statement refused outside a savepoint aborts the transaction", Engine::Postgres,
         [](EngineFaultTest&, Database& db) { EXPECT_THROW(db.connection().execute("SELECT 1 / 0"), StoreError); },
         errc::kTransactionAborted, false},
        {"the engine ends the transaction after an error", Engine::Sqlite,
         [](EngineFaultTest& test, Database& db) {
             db.connection().execute("ROLLBACK");  // as SQLite does itself after a full disk or an I/O error
             Table t(db, clientsTable());
             EXPECT_EQ(codeOf([&] {
                           t.open();
                           test.addClient(t, "LOST2", "written alone");
                       }),
                       errc::kTransactionAborted);
         },
         errc::kTransactionAborted, false},
        {"a refused write spoils a transaction opened to be spoiled so, on either engine", std::nullopt,
         [](EngineFaultTest&, Database& db) {
             Query(db, "INSERT INTO tparent VALUES (1)").execute();
             EXPECT_THROW(Query(db, "INSERT INTO tparent VALUES (1)").execute(), StoreError);
         },
         errc::kTransactionAborted, false, OnRefusedWrite::SpoilTransaction},
        {"a record written later with a key already stored refuses the commit", std::nullopt,
         [](EngineFaultTest& test, Database& db) {
             Table t(db, clientsTable());
             t.open();
             codeOf([&] { test.addClient(t, "C", "a second time"); });  // refused now, or with the commit
         },
         0, false, OnRefusedWrite::SpoilTransaction},
        {"the connection is lost", Engine::Postgres,
         [](EngineFaultTest& test, Database&) { test.elsewhere("SELECT pg_terminate_backend(?)", {test.backendPid()}); },
         errc::kConnection, true},
    };
    {
        Table t(*db_, clientsTable());
        t.open();
        addClient(t, "C", "Locked in the transaction");
    }
    for (const CommitFault& fault : faults) {
        if (fault.only && *fault.only != GetParam()) continue;
        SCOPED_TRACE(fault.name);
        {
            Table t(*db_, clientsTable());
            t.open();
            ASSERT_TRUE(t.findKey({"C"}));
            t.edit();
            Transaction transaction(*db_, fault.onRefusal);
            t.field("Terms") = 99;
            t.post();
            addClient(t, "LOST", "");
            fault.spoil(*this, *db_);
            try {
                transaction.commit();
                ADD_FAILURE() << "the commit succeeded";
            } catch (const StoreError& e) {
                EXPECT_EQ(e.code(), fault.commitCode ? fault.commitCode : e.code()) << e.what();
            }
            EXPECT_FALSE(db_->inTransaction());
        }
        if (fault.connectionDies) db_ = connect();

        auto other = connect();
        Table theirs(*other, clientsTable());
        theirs.open();
        ASSERT_TRUE(theirs.findKey({"C"}));
        LockRetry briefly;
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        briefly.cancelled = [deadline] { return std::chrono::steady_clock::now() > deadline; };
        EXPECT_NO_THROW(EditWithLockRetry(theirs, briefly)) << "the lock taken for the transaction is given back";
        EXPECT_TRUE(theirs.field("Terms").isNull());
        theirs.cancel();

        Table t(*db_, clientsTable());
        t.open();
        {
            Transaction next(*db_);
            addClient(t, "KEPT", "");
            next.commit();
        }
        db_.reset();
        db_ = connect();  // what another program sees
        Table reopened(*db_, clientsTable());
        reopened.open();
        EXPECT_FALSE(reopened.findKey({"LOST"}));
        EXPECT_FALSE(reopened.findKey({"LOST2"}));
        ASSERT_TRUE(reopened.findKey({"KEPT"}));
        reopened.deleteRecord();
    }
}

TEST_P(EngineFaultTest, a_full_database_refuses_the_write_and_keeps_nothing_of_the_transaction)
{
    if (isPostgres(*db_)) GTEST_SKIP() << "the server's disk cannot be filled from a test";
    const std::int64_t pages = scalar(*db_, "PRAGMA page_count").asInt();
    db_->connection().execute("PRAGMA max_page_count = " + std::to_string(pages + 2));
    Table t(*db_, clientsTable());
    t.open();
    int code = 0;
    {
        Transaction transaction(*db_);
        for (int i = 0; i < 1000 && code == 0; ++i)
            code = codeOf([&] { addClient(t, "C" + std::to_string(i), std::string(60, 'x')); });
        t.cancel();  // the refused record is not posted again by the next insert
    }
    EXPECT_EQ(code, errc::kDiskFull);
    EXPECT_FALSE(db_->inTransaction());
    EXPECT_TRUE(t.isEmpty());

    db_->connection().execute("PRAGMA max_page_count = 1000000");
    Transaction transaction(*db_);
    addClient(t, "ROOM", "");
    transaction.commit();
    EXPECT_EQ(t.recordCount(), 1);
}

// Opening never makes a database: a wrong path is an error that names it, and leaves no file.
TEST_P(EngineFaultTest, opening_a_directory_without_a_database_names_it_and_creates_nothing)
{
    const std::string empty = root_->path() + "/empty";
    std::filesystem::create_directories(empty);
    for (const std::string& directory : {empty, root_->path() + "/nowhere"}) {
        try {
            Database("company", directory, root_->config());
            ADD_FAILURE() << directory << " was opened";
        } catch (const StoreError& e) {
            EXPECT_EQ(e.code(), errc::kDirectoryNotFound);
            EXPECT_NE(std::string(e.what()).find(directory), std::string::npos) << e.what();
        }
    }
    EXPECT_TRUE(std::filesystem::is_empty(empty));
    EXPECT_FALSE(std::filesystem::exists(root_->path() + "/nowhere"));
}

// Dates, accented text, backslashes, bytes and doubles come back as written, whatever the
// role or the server would otherwise use.
TEST_P(EngineFaultTest, a_session_reads_back_what_it_wrote_whatever_the_server_defaults)
{
    if (!isPostgres(*db_)) GTEST_SKIP() << "the embedded engine has no session settings";
    StoreConfig odd = root_->config();
    odd.postgres += " client_encoding=LATIN1 options='-c DateStyle=SQL,DMY -c standard_conforming_strings=off "
                    "-c bytea_output=escape -c extra_float_digits=-3'";
    Database db("company", root_->companyDir(2), odd, true);
    using namespace fields;
    TableDef def;
    def.name = "tsettings";
    def.fields = {Str("Code", 10, Req), Str("Name", 60), Day("Created"), Float("Rate"), Bytes("Raw", 8)};
    def.primaryKey = {"Code"};
    db.createTable(def);
    const std::pair<const char*, Value> written[] = {{"Name", "Société Générale C:\\new 'x'"},
                                                     {"Created", day(2026, 3, 10)},
                                                     {"Rate", 1.0 / 3.0},
                                                     {"Raw", std::string("\x00\\\xff\x01", 4)}};
    Table t(db, def);
    t.open();
    t.insert();
    t.field("Code") = "A";
    for (const auto& [field, value] : written) t.field(field) = value;
    t.post();

    Table back(db, def);
    back.open();
    ASSERT_TRUE(back.findKey({"A"}));
    for (const auto& [field, value] : written) EXPECT_EQ(back.field(field).value(), value) << field;
    EXPECT_EQ(scalar(db, R"(SELECT 'C:\new')").asString(), "C:\\new");
}

TEST(SchemaNames, two_data_roots_never_share_a_schema_and_companies_follow_their_root)
{
    const std::string a = schemaForDirectory("/a/Orvant/data");
    EXPECT_NE(a, schemaForDirectory("/b/Orvant/data"));
    EXPECT_EQ(a, schemaForDirectory("/a/Orvant//data/"));
    EXPECT_EQ(schemaForDirectory("/a/Orvant/data12").rfind(a, 0), 0u) << "the company's schema begins with its root's";
    EXPECT_LE(schemaForDirectory("/a/" + std::string(100, 'd')).size(), 63u);
}

TEST_P(EngineFaultTest, data_roots_with_the_same_directory_names_keep_their_own_tables)
{
    const std::string a = root_->path() + "-a/Orvant/data", b = root_->path() + "-b/Orvant/data";
    Database first("root", a, root_->config(), true);
    Database second("root", b, root_->config(), true);
    first.createTable(scratchTable());
    EXPECT_FALSE(second.tableExists(scratchTable().name));
    if (isPostgres(first))
        for (const std::string& directory : {a, b}) first.connection().execute("DROP SCHEMA " + quoteIdent(schemaForDirectory(directory)) + " CASCADE");
    std::filesystem::remove_all(root_->path() + "-a");
    std::filesystem::remove_all(root_->path() + "-b");
}

// A session number held on a connection that the server ended is taken again when it is free,
// and reported lost when another workstation took it meanwhile.
TEST_P(EngineFaultTest, a_session_number_cut_off_from_the_server_is_taken_again_or_reported_lost)
{
    Database root("root", root_->path(), root_->config(), true);
    root.createTable("virmem");
    auto lease = SessionLease::acquire(root_->path(), root_->config());
    const int number = lease->number();
    EXPECT_NO_THROW(lease->confirm()) << "a number still held";
    if (!isPostgres(root)) return;  // the embedded engine's lock lives as long as the process

    cutOff(number);
    EXPECT_NO_THROW(lease->confirm());
    EXPECT_EQ(lease->number(), number);
    EXPECT_EQ(scalar(root, std::string("SELECT COUNT(*) FROM pg_locks WHERE granted AND ") + kSessionLock, {number}).asInt(), 1)
        << "held again";

    cutOff(number);
    auto other = connect();
    ASSERT_TRUE(scalar(*other, "SELECT pg_try_advisory_lock(20306, ?)", {number}).asBool()) << "taken by another workstation";
    EXPECT_EQ(codeOf([&] { lease->confirm(); }), errc::kSessionLost);
    EXPECT_TRUE(scalar(*other, "SELECT pg_advisory_unlock(20306, ?)", {number}).asBool());
    EXPECT_NO_THROW(lease->confirm()) << "free again";
}

}  // namespace
}  // namespace orvant::store::test
