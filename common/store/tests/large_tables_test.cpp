// Finding and walking on tables of a few hundred thousand rows: the cursor gives exactly what a
// plain SQL query over the same rows gives, on both engines. The rows are made by the engine
// itself so the test spends its time on the walks, not on filling.

#include <algorithm>
#include <map>
#include <random>
#include <tuple>

#include "store/query.h"
#include "store_fixture.h"

namespace orvant::store::test {
namespace {

constexpr int kEntries = 300000;
constexpr int kClients = 3000;

using Key = std::tuple<std::string, std::string, std::int64_t>;  // client, invoice, seq

// The rows are made once per engine and shared by the tests of the suite, which only read them.
class LargeTablesTest : public ::testing::TestWithParam<testing::Engine> {
protected:
    struct Books {
        std::unique_ptr<testing::TempDataRoot> root;
        std::unique_ptr<Database> db;
    };

    static void TearDownTestSuite() { books().clear(); }

    void SetUp() override
    {
        Books& mine = books()[GetParam()];
        if (!mine.root) {
            mine.root = std::make_unique<testing::TempDataRoot>(GetParam());
            if (mine.root->unavailable().empty()) fill(mine);
        }
        ORVANT_REQUIRE_ENGINE(*mine.root);
        db_ = mine.db.get();
    }

    static std::map<testing::Engine, Books>& books()
    {
        static std::map<testing::Engine, Books> made;
        return made;
    }

    static void fill(Books& books)
    {
        books.db = std::make_unique<Database>("company", books.root->companyDir(1), books.root->config(), true);
        Database& db = *books.db;
        db.createTable(clientsTable());
        db.createTable(ledgerTable());
        Transaction tx(db);
        Query(db, books.root->config().isPostgres() ? postgresFill() : sqliteFill()).execute();
        Query(db, "INSERT INTO tcli (code, name) SELECT DISTINCT client, 'Client ' || client FROM tled").execute();
        // Codes whose byte order differs from a case-blind or accent-aware order.
        Table clients(db, clientsTable());
        Table ledger(db, ledgerTable());
        clients.open();
        ledger.open();
        for (const char* code : {"a0001", "Été", "_odd", "C00010x"}) {
            clients.insert();
            clients.field("Code") = code;
            clients.post();
            ledger.insert();
            ledger.field("Client") = code;
            ledger.field("Invoice") = "I000001";
            ledger.field("Due") = day(2026, 1, 5);
            ledger.field("Amount") = Money::fromUnits(1);
            ledger.post();
        }
        tx.commit();
    }

    static std::string sqliteFill()
    {
        return "WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < " + std::to_string(kEntries - 1) + ") "
               "INSERT INTO tled (client, invoice, seq, due, amount, type) "
               "SELECT printf('C%05d', (i * 7) % " + std::to_string(kClients) + "), printf('I%06d', i / 5), i, "
               "date('2020-01-01', '+' || (i % 2000) || ' days'), ((i * 7919) % 1000000) - 500000, "
               "CASE WHEN i % 3 = 0 THEN 'R' ELSE 'S' END FROM n";
    }

    static std::string postgresFill()
    {
        return "INSERT INTO tled (client, invoice, seq, due, amount, type) "
               "SELECT 'C' || lpad(((i * 7) % " + std::to_string(kClients) + ")::text, 5, '0'), 'I' || lpad((i / 5)::text, 6, '0'), i, "
               "DATE '2020-01-01' + (i % 2000), ((i::bigint * 7919) % 1000000) - 500000, "
               "CASE WHEN i % 3 = 0 THEN 'R' ELSE 'S' END FROM generate_series(0, " + std::to_string(kEntries - 1) + ") AS i";
    }

    static Key keyOf(Table& t) { return {t.field("Client").asString(), t.field("Invoice").asString(), t.field("Seq").asInt()}; }

    // The ledger keys a query returns, in its order.
    std::vector<Key> keysOf(const std::string& sql, const std::vector<Value>& binds)
    {
        Query q(*db_, sql);
        for (std::size_t i = 0; i < binds.size(); ++i) q.bind(static_cast<int>(i), binds[i]);
        std::vector<Key> out;
        for (q.open(); !q.eof(); q.next()) out.emplace_back(q.value(0).asString(), q.value(1).asString(), q.value(2).asInt());
        return out;
    }

    std::optional<Key> firstOf(const std::string& where, const std::vector<Value>& binds)
    {
        const auto rows = keysOf("SELECT client, invoice, seq FROM tled WHERE " + where + " ORDER BY client, invoice, seq LIMIT 1", binds);
        if (rows.empty()) return std::nullopt;
        return rows.front();
    }

    static Date day(int y, int m, int d) { return *Date::fromYmd(y, m, d); }

    Database* db_ = nullptr;
    std::mt19937 random_{20261207};
};
ORVANT_ON_EVERY_ENGINE(LargeTablesTest);

std::string padded(const char* prefix, int n, int width)
{
    std::string digits = std::to_string(n);
    return prefix + std::string(static_cast<std::size_t>(width) - digits.size(), '0') + digits;
}

TEST_P(LargeTablesTest, a_full_walk_meets_every_row_once_in_key_order)
{
    Table t(*db_, ledgerTable());
    t.open();
    std::int64_t rows = 0, amounts = 0;
    Key previous;
    for (t.first(); !t.eof(); t.next()) {
        const Key key = keyOf(t);
        if (rows > 0) {
            ASSERT_LT(previous, key);
        }
        previous = key;
        amounts += t.field("Amount").asMoney().raw();
        ++rows;
    }
    Query total(*db_, "SELECT count(*), sum(amount) FROM tled");
    total.open();
    EXPECT_EQ(rows, total.value(0).asInt());
    EXPECT_EQ(amounts, total.value(1).asInt());
    EXPECT_EQ(rows, t.recordCount());
}

TEST_P(LargeTablesTest, findkey_with_partial_and_whole_keys_lands_where_sql_does)
{
    Table t(*db_, ledgerTable());
    t.open();
    for (int probe = 0; probe < 300; ++probe) {
        const std::string client = probe % 50 == 0 ? "a0001" : padded("C", static_cast<int>(random_() % (kClients + 20)), 5);
        SCOPED_TRACE(client);
        const auto expected = firstOf("client = ?", {client});
        ASSERT_EQ(t.findKey({client}), expected.has_value());
        if (expected) {
            EXPECT_EQ(keyOf(t), *expected);
        }

        const std::string invoice = padded("I", static_cast<int>(random_() % (kEntries / 5 + 10)), 6);
        const auto exactTwo = firstOf("client = ? AND invoice = ?", {client, invoice});
        const Key before = keyOf(t);
        ASSERT_EQ(t.findKey({client, invoice}), exactTwo.has_value());
        EXPECT_EQ(keyOf(t), exactTwo ? *exactTwo : before) << "a missed key keeps the position";
    }
}

TEST_P(LargeTablesTest, findnearest_lands_where_sql_does_and_past_the_end_is_eof)
{
    Table t(*db_, ledgerTable());
    t.open();
    std::vector<std::vector<Value>> probes = {{"C"}, {"C00010"}, {"C00010", "I999999"}, {"C02999", "I999999"},
                                              {"_"}, {"a"}, {"É"}, {"Z"}, {"é"}};
    for (int i = 0; i < 200; ++i) probes.push_back({padded("C", static_cast<int>(random_() % kClients), 5), padded("I", static_cast<int>(random_() % 60010), 6)});
    for (const auto& probe : probes) {
        const std::string client = probe[0].asString();
        const std::string invoice = probe.size() > 1 ? probe[1].asString() : "";
        SCOPED_TRACE(client + "/" + invoice);
        const auto expected = probe.size() > 1 ? firstOf("client >= ? AND (client > ? OR invoice >= ?)", {client, client, invoice})
                                               : firstOf("client >= ?", {client});
        t.findNearest(probe);
        ASSERT_EQ(!t.eof(), expected.has_value());
        if (expected) {
            EXPECT_EQ(keyOf(t), *expected);
        }
    }
}

TEST_P(LargeTablesTest, ranges_on_a_secondary_index_walk_both_ways_as_sql_orders)
{
    Table t(*db_, ledgerTable());
    t.open();
    t.setIndex("ByDue");
    const std::vector<std::pair<Date, Date>> ranges = {
        {day(2020, 3, 1), day(2020, 3, 31)}, {day(2021, 12, 31), day(2022, 1, 1)}, {day(2019, 1, 1), day(2020, 1, 2)}, {day(2030, 1, 1), day(2030, 2, 1)}};
    for (const auto& [low, high] : ranges) {
        SCOPED_TRACE(low.toIso() + ".." + high.toIso());
        const auto expected = keysOf("SELECT client, invoice, seq FROM tled WHERE due BETWEEN ? AND ? ORDER BY due, client, invoice, seq", {low, high});
        t.setRange({low}, {high});
        std::vector<Key> forward, backward;
        for (t.first(); !t.eof(); t.next()) forward.push_back(keyOf(t));
        for (t.last(); !t.bof(); t.prior()) backward.push_back(keyOf(t));
        std::reverse(backward.begin(), backward.end());
        EXPECT_EQ(forward, expected);
        EXPECT_EQ(backward, expected);
    }
    t.cancelRange();
    t.setIndex("ByClientDue");
    t.setRange({"C00042", day(2020, 1, 1)}, {"C00042", day(2022, 12, 31)});
    std::vector<Key> walked;
    for (t.first(); !t.eof(); t.next()) walked.push_back(keyOf(t));
    EXPECT_EQ(walked, keysOf("SELECT client, invoice, seq FROM tled WHERE client = ? AND due BETWEEN ? AND ? ORDER BY client, due, invoice, seq",
                             {"C00042", day(2020, 1, 1), day(2022, 12, 31)}));
    EXPECT_FALSE(walked.empty());
}

TEST_P(LargeTablesTest, a_detail_follows_its_master_across_the_whole_file)
{
    Table clients(*db_, clientsTable());
    Table ledger(*db_, ledgerTable());
    clients.open();
    ledger.open();
    ledger.setMasterLink(clients, {"Code"}, {"Client"});

    std::map<std::string, std::pair<std::int64_t, std::int64_t>> expected;  // client -> rows, amount
    Query sums(*db_, "SELECT client, count(*), sum(amount) FROM tled GROUP BY client");
    for (sums.open(); !sums.eof(); sums.next()) expected[sums.value(0).asString()] = {sums.value(1).asInt(), sums.value(2).asInt()};

    std::size_t masters = 0;
    for (clients.first(); !clients.eof(); clients.next(), ++masters) {
        const std::string code = clients.field("Code").asString();
        std::int64_t rows = 0, amount = 0;
        for (ledger.first(); !ledger.eof(); ledger.next()) {
            ASSERT_EQ(ledger.field("Client").asString(), code);
            ++rows;
            amount += ledger.field("Amount").asMoney().raw();
        }
        EXPECT_EQ(std::make_pair(rows, amount), expected[code]) << code;
    }
    EXPECT_EQ(masters, expected.size());
}

}  // namespace
}  // namespace orvant::store::test
