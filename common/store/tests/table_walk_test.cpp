// Walking, finding and restricting tables: the same answers on both engines.

#include <cctype>

#include "store_fixture.h"

namespace orvant::store::test {
namespace {

using WalkTest = StoreTest;
ORVANT_ON_EVERY_ENGINE(WalkTest);

std::vector<std::string> codes(Table& t, const char* field = "Code")
{
    std::vector<std::string> out;
    for (t.first(); !t.eof(); t.next()) out.push_back(t.field(field).asString());
    return out;
}

TEST_P(WalkTest, keys_order_by_bytes_and_walk_both_ways)
{
    Table t(*db_, clientsTable());
    t.open();
    EXPECT_TRUE(t.eof());
    EXPECT_TRUE(t.bof());
    for (const char* code : {"b", "a", "Z", "B", "é", "a1"}) addClient(t, code, "");
    EXPECT_EQ(codes(t), (std::vector<std::string>{"B", "Z", "a", "a1", "b", "é"}));

    std::vector<std::string> backwards;
    for (t.last(); !t.bof(); t.prior()) backwards.push_back(t.field("Code").asString());
    EXPECT_EQ(backwards, (std::vector<std::string>{"é", "b", "a1", "a", "Z", "B"}));

    t.last();
    t.next();
    EXPECT_TRUE(t.eof());
    EXPECT_EQ(t.field("Code").asString(), "é") << "next at the end stays on the last record";
}

TEST_P(WalkTest, a_page_read_over_an_earlier_one_keeps_none_of_its_values)
{
    // Every fifth record leaves its fields empty and every fifth has a long name; pages of 32, 64,
    // 128 ... records put each kind where another kind lay on the page read before.
    Table t(*db_, clientsTable());
    t.open();
    const auto nameOf = [](int i) { return i % 5 == 1 ? std::string(50, static_cast<char>('a' + i % 26)) : "n" + std::to_string(i); };
    constexpr int kRecords = 500;
    {
        Transaction tx(*db_);
        for (int i = 0; i < kRecords; ++i) {
            t.insert();
            t.field("Code") = "K" + std::to_string(1000 + i);
            if (i % 5 != 0) {
                t.field("Name") = nameOf(i);
                t.field("Balance") = Money::fromCents(i);
                t.field("Created") = day(2026, 1, 1 + i % 28);
            }
            t.post();
        }
        tx.commit();
    }
    const auto expectRecord = [&](int i) {
        SCOPED_TRACE("record " + std::to_string(i));
        EXPECT_EQ(t.field("Code").asString(), "K" + std::to_string(1000 + i));
        const bool empty = i % 5 == 0;
        EXPECT_EQ(t.field("Name").isNull(), empty);
        EXPECT_EQ(t.field("Balance").isNull(), empty);
        EXPECT_EQ(t.field("Created").isNull(), empty);
        if (empty) return;
        EXPECT_EQ(t.field("Name").asString(), nameOf(i));
        EXPECT_EQ(t.field("Balance").asMoney(), Money::fromCents(i));
        EXPECT_EQ(t.field("Created").asDate(), day(2026, 1, 1 + i % 28));
    };
    int i = 0;
    for (t.first(); !t.eof(); t.next()) expectRecord(i++);
    EXPECT_EQ(i, kRecords);
    for (t.last(); !t.bof(); t.prior()) expectRecord(--i);
    EXPECT_EQ(i, 0);
}

TEST_P(WalkTest, secondary_index_ranges_and_empty_values)
{
    Table t(*db_, ledgerTable());
    t.open();
    addEntry(t, "C1", "I1", day(2026, 3, 1), Money::fromUnits(1));
    addEntry(t, "C1", "I2", Date(), Money::fromUnits(2));  // no due date: sorts first
    addEntry(t, "C2", "I3", day(2026, 1, 15), Money::fromUnits(3));
    addEntry(t, "C3", "I4", day(2026, 2, 10), Money::fromUnits(4));

    t.setIndex("ByDue");
    EXPECT_EQ(codes(t, "Invoice"), (std::vector<std::string>{"I2", "I3", "I4", "I1"}));
    std::vector<std::string> back;
    for (t.last(); !t.bof(); t.prior()) back.push_back(t.field("Invoice").asString());
    EXPECT_EQ(back, (std::vector<std::string>{"I1", "I4", "I3", "I2"}));

    t.setRange({day(2026, 1, 1)}, {day(2026, 2, 28)});
    EXPECT_EQ(codes(t, "Invoice"), (std::vector<std::string>{"I3", "I4"}));
    t.setRange({}, {day(2026, 1, 31)});
    EXPECT_EQ(codes(t, "Invoice"), (std::vector<std::string>{"I2", "I3"})) << "an open low end keeps the empty date";
    t.cancelRange();
    ASSERT_TRUE(t.findKey({Value()}));
    EXPECT_EQ(t.field("Invoice").asString(), "I2") << "an empty value finds the record with the empty field";

    t.setIndex("ByClientDue");
    t.setRange({"C1"}, {"C1"});
    EXPECT_EQ(codes(t, "Invoice"), (std::vector<std::string>{"I2", "I1"}));
    EXPECT_THROW(t.setIndex("NoSuchIndex"), StoreError);
    EXPECT_EQ(codeOf([&] { t.findKey({"C1", Date(), "extra"}); }), errc::kBadValue) << "more values than the index has fields";
}

TEST_P(WalkTest, filters_restrict_the_walk_and_can_be_switched_off)
{
    Table t(*db_, ledgerTable());
    t.open();
    for (int i = 0; i < 6; ++i) addEntry(t, "C" + std::to_string(i % 2), "I" + std::to_string(i), day(2026, 1, 1 + i), Money::fromUnits(i));
    t.setFilter({{"Client", Condition::Eq, "C1"}, {"Amount", Condition::Ge, Money::fromUnits(3)}});
    EXPECT_EQ(codes(t, "Invoice").size(), 6u) << "a filter acts only once switched on";
    t.setFiltered(true);
    EXPECT_EQ(codes(t, "Invoice"), (std::vector<std::string>{"I3", "I5"}));
    t.setFilter({{"Type", Condition::Eq, Value()}});
    EXPECT_EQ(t.recordCount(), 6) << "all types are empty";
    t.setFiltered(false);
    EXPECT_EQ(t.recordCount(), 6);
    EXPECT_THROW(t.setFilter({{"Nope", Condition::Eq, 1}}), StoreError);
}

TEST_P(WalkTest, a_detail_table_follows_its_master)
{
    Table clients(*db_, clientsTable());
    Table ledger(*db_, ledgerTable());
    clients.open();
    ledger.open();
    addClient(clients, "C1", "One");
    addClient(clients, "C2", "Two");
    addClient(clients, "C3", "Three");
    addEntry(ledger, "C1", "I1", day(2026, 1, 1), Money::fromUnits(1));
    addEntry(ledger, "C1", "I2", day(2026, 1, 2), Money::fromUnits(2));
    addEntry(ledger, "C2", "I3", day(2026, 1, 3), Money::fromUnits(3));

    ledger.setMasterLink(clients, {"Code"}, {"Client"});
    std::vector<std::size_t> counts;
    for (clients.first(); !clients.eof(); clients.next()) counts.push_back(codes(ledger, "Invoice").size());
    EXPECT_EQ(counts, (std::vector<std::size_t>{2, 1, 0}));
    ledger.clearMasterLink();
    ledger.first();
    EXPECT_EQ(ledger.recordCount(), 3);
}

TEST_P(WalkTest, empty_fields_are_distinct_from_zero_and_blank)
{
    Table t(*db_, clientsTable());
    t.open();
    addClient(t, "E", "");
    t.insert();
    t.field("Code") = "N";
    t.post();

    ASSERT_TRUE(t.findKey({"E"}));
    EXPECT_FALSE(t.field("Name").isNull());
    EXPECT_EQ(t.field("Balance").asMoney(), Money());
    EXPECT_FALSE(t.field("Balance").isNull());
    ASSERT_TRUE(t.findKey({"N"}));
    EXPECT_TRUE(t.field("Name").isNull());
    EXPECT_TRUE(t.field("Balance").isNull());
    EXPECT_TRUE(t.field("Created").isNull());
    EXPECT_EQ(t.field("Terms").asInt(), 0) << "an empty field reads as 0";

    t.edit();
    t.field("Terms") = 0;
    t.post();
    EXPECT_FALSE(t.field("Terms").isNull());
    t.edit();
    t.field("Terms").clear();
    t.post();
    t.refresh();
    EXPECT_TRUE(t.field("Terms").isNull());
}

TEST_P(WalkTest, typed_values_survive_the_round_trip)
{
    Table t(*db_, clientsTable());
    t.open();
    const auto stamp = *DateTime::fromIso("2026-12-07 14:05:09.250");
    t.insert();
    t.field("Code") = "T";
    t.field("Name") = "Café Ünïcode";
    t.field("Terms") = 30;
    t.field("Balance") = *Money::parse("-1234.5678");
    t.field("Created") = day(2024, 2, 29);
    t.field("Hold") = true;
    t.field("Discount") = 2.5;
    t.field("Stamp") = stamp;
    t.field("Notes") = std::string(500, 'n');
    t.post();
    t.close();
    t.open();
    ASSERT_TRUE(t.findKey({"T"}));
    EXPECT_EQ(t.field("Name").asString(), "Café Ünïcode");
    EXPECT_EQ(t.field("Terms").asInt(), 30);
    EXPECT_EQ(t.field("Balance").asMoney(), *Money::parse("-1234.5678"));
    EXPECT_EQ(t.field("Created").asDate(), day(2024, 2, 29));
    EXPECT_TRUE(t.field("Hold").asBool());
    EXPECT_DOUBLE_EQ(t.field("Discount").asFloat(), 2.5);
    EXPECT_EQ(t.field("Stamp").asDateTime(), stamp);
    EXPECT_EQ(t.field("Notes").asString().size(), 500u);
    EXPECT_EQ(t.fieldCount(), 10);
    EXPECT_EQ(t.field(1).name(), "Name");
    EXPECT_THROW(t.field("Missing"), StoreError);
    // Every field by its name in any case, and no near miss.
    for (const auto& def : {clientsTable(), ledgerTable(), journalTable(), scratchTable()}) {
        Table any(*db_, def);
        any.open();
        for (int i = 0; i < any.fieldCount(); ++i) {
            std::string name = any.field(i).name(), upper = name, lower = name;
            for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
            for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            for (const std::string& asked : {name, upper, lower}) EXPECT_EQ(any.fieldIndex(asked), i) << asked;
            for (const std::string& miss : {name + "x", name.substr(1), "_" + name, name + " "}) EXPECT_EQ(any.fieldIndex(miss), -1) << miss;
        }
    }
}

TEST_P(WalkTest, string_widths_count_characters)
{
    Table t(*db_, clientsTable());
    t.open();
    t.insert();
    t.field("Code") = "éééééééééé";  // ten characters, twenty bytes
    t.field("Tag") = std::string(20, 'x');  // a field declared without a width holds twenty
    EXPECT_EQ(codeOf([&] { t.field("Code") = "ééééééééééé"; }), errc::kValueTooLong);
    EXPECT_EQ(codeOf([&] { t.field("Tag") = std::string(21, 'x'); }), errc::kValueTooLong);
    for (const char* field : {"Code", "Notes"})  // one engine would keep "N", the other all three
        EXPECT_EQ(codeOf([&] { t.field(field) = std::string("N\0A", 3); }), errc::kBadValue) << field;
    t.post();
    ASSERT_TRUE(t.findKey({"éééééééééé"}));
    EXPECT_EQ(t.field("Tag").asString().size(), 20u);
}

TEST_P(WalkTest, auto_increment_and_keyless_tables)
{
    Table ledger(*db_, ledgerTable());
    ledger.open();
    addEntry(ledger, "C", "I", day(2026, 1, 1), Money::fromUnits(1));
    const auto first = ledger.field("Seq").asInt();
    addEntry(ledger, "C", "I", day(2026, 1, 1), Money::fromUnits(2));
    EXPECT_GT(ledger.field("Seq").asInt(), first) << "the same client and invoice twice: the entry number tells them apart";
    EXPECT_EQ(ledger.recordCount(), 2);

    Table scratch(*db_, scratchTable());
    scratch.open();
    for (int i = 0; i < 3; ++i) {
        scratch.insert();
        scratch.field("Description") = "same";
        scratch.post();
    }
    EXPECT_EQ(scratch.recordCount(), 3);
    scratch.first();
    scratch.next();
    scratch.edit();
    scratch.field("Rate") = 7.5;
    scratch.post();
    scratch.deleteRecord();
    EXPECT_EQ(scratch.recordCount(), 2);
    int rated = 0;
    for (scratch.first(); !scratch.eof(); scratch.next()) rated += scratch.field("Rate").isNull() ? 0 : 1;
    EXPECT_EQ(rated, 0) << "the edited row was the deleted one";
}

TEST_P(WalkTest, delete_moves_to_the_next_record)
{
    Table t(*db_, clientsTable());
    t.open();
    for (const char* code : {"A", "B", "C"}) addClient(t, code, "");
    ASSERT_TRUE(t.findKey({"B"}));
    t.deleteRecord();
    EXPECT_EQ(t.field("Code").asString(), "C");
    t.deleteRecord();
    EXPECT_EQ(t.field("Code").asString(), "A");
    t.deleteRecord();
    EXPECT_FALSE(t.hasRecord());
    EXPECT_TRUE(t.isEmpty());
}

// Dates and timestamps come back from the engine as text; a blank text is an empty field.
TEST(DateTextTest, text_reads_as_a_date_a_timestamp_an_empty_field_or_an_error)
{
    const auto stamp = *DateTime::fromIso("2026-03-10 09:00:00.250");
    const struct {
        const char* text;
        std::optional<Date> date;      // none: not a date
        std::optional<DateTime> time;  // none: not a timestamp
    } rows[] = {
        {"2026-03-10", *Date::fromYmd(2026, 3, 10), DateTime(*Date::fromYmd(2026, 3, 10), 0)},
        {"2026-03-10 09:00:00.250", *Date::fromYmd(2026, 3, 10), stamp},
        {"", Date(), DateTime()},
        {"          ", Date(), DateTime()},
        {"2026-02-30", std::nullopt, std::nullopt},
        {"10/03/2026", std::nullopt, std::nullopt},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        if (row.date) EXPECT_EQ(Value::dateFromText(row.text).asDate(), *row.date);
        else EXPECT_EQ(codeOf([&] { Value::dateFromText(row.text); }), errc::kBadValue);
        if (row.time) EXPECT_EQ(Value::timestampFromText(row.text).asDateTime(), *row.time);
        else EXPECT_EQ(codeOf([&] { Value::timestampFromText(row.text); }), errc::kBadValue);
    }
}

}  // namespace
}  // namespace orvant::store::test
