// The open items read from a client's ledger: entries net into their invoice's item, a
// holdback into an item of its own after the invoice, and each item shows the type and dates of
// its own entry whatever order the entries were written in.

#include <gtest/gtest.h>

#include "books/open_items.h"
#include "testing/books_fixture.h"

namespace orvant {
namespace {

// A ledger entry of client ABC100, written with its entry number.
struct Entry {
    int seq;
    const char* invoice;
    const char* type;  // "1" sale, "2" payment, "3" credit note, "6" holdback
    const char* date;
    long long cents;
    bool holdback = false;
};

// What one item reads as.
struct Expected {
    const char* invoice;
    bool holdback;
    const char* type;
    const char* date;
    long long cents;
};

struct ReaderCase {
    const char* name;
    std::vector<Entry> entries;
    std::vector<Expected> items;
};

class OpenItemsTest : public testing::BooksTest {
protected:
    void write(const Entry& e)
    {
        store::Table ledger(*books_, "car");
        ledger.open();
        ledger.insert();
        ledger.field("Car_client") = "ABC100";
        ledger.field("Car_invoice") = e.invoice;
        ledger.field("Car_seq") = e.seq;
        ledger.field("Car_type") = e.type;
        ledger.field("Car_date") = *Date::fromIso(e.date);
        ledger.field("Car_du_date") = *Date::fromIso(e.date);
        ledger.field("Car_amount") = Money::fromCents(e.cents);
        ledger.field("Car_holdback") = e.holdback;
        ledger.post();
    }
};
ORVANT_BOOKS_ON_EVERY_ENGINE(OpenItemsTest);

const ReaderCase kCases[] = {
    {"a credit note written before its sale leaves the sale's dates",
     {{1, "A1", "3", "2026-01-05", -2000}, {2, "A1", "1", "2026-02-10", 10000}},
     {{"A1", false, "1", "2026-02-10", 8000}}},
    {"an item without its own entry takes its earliest",
     {{1, "B1", "2", "2026-03-20", -500}, {2, "B1", "3", "2026-03-02", -700}, {3, "B1", "2", "2026-03-02", -100}},
     {{"B1", false, "3", "2026-03-02", -1300}}},
    {"of two own entries the earlier dated one counts",
     {{1, "C1", "1", "2026-04-09", 300}, {2, "C1", "1", "2026-04-01", 200}},
     {{"C1", false, "1", "2026-04-01", 500}}},
    {"a holdback written first still follows its invoice",
     {{1, "D1", "6", "2026-05-01", 1000, true}, {2, "D1", "1", "2026-05-01", 9000}, {3, "D1", "2", "2026-05-20", -1000, true}},
     {{"D1", false, "1", "2026-05-01", 9000}, {"D1", true, "6", "2026-05-01", 0}}},
    {"invoices by number, each once",
     {{1, "F2", "1", "2026-06-02", 100}, {2, "E1", "1", "2026-06-01", 200}, {3, "F2", "2", "2026-06-05", -100}},
     {{"E1", false, "1", "2026-06-01", 200}, {"F2", false, "1", "2026-06-02", 0}}},
};

TEST_P(OpenItemsTest, entries_gather_into_items_with_their_own_entrys_dates)
{
    for (const ReaderCase& c : kCases) {
        SCOPED_TRACE(c.name);
        store::Table ledger(*books_, "car");
        ledger.open();
        while (!ledger.isEmpty()) {
            ledger.first();
            ledger.deleteRecord();
        }
        for (const Entry& e : c.entries) write(e);
        OpenItemReader reader(*books_, Ledger::Receivables);
        std::vector<std::string> invoices;
        for (const Expected& x : c.items) invoices.push_back(x.invoice);
        for (const auto& items : {reader.items("ABC100"), reader.items("ABC100", invoices)}) {
            ASSERT_EQ(items.size(), c.items.size());
            for (std::size_t i = 0; i < items.size(); ++i) {
                EXPECT_EQ(items[i].invoice, c.items[i].invoice);
                EXPECT_EQ(items[i].holdback, c.items[i].holdback);
                EXPECT_EQ(items[i].type, c.items[i].type);
                EXPECT_EQ(items[i].date, *Date::fromIso(c.items[i].date));
                EXPECT_EQ(items[i].amount, Money::fromCents(c.items[i].cents));
            }
        }
    }
}

}  // namespace
}  // namespace orvant
