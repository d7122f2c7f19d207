#include <gtest/gtest.h>

#include "company/record.h"
#include "inquiry/aging_graph.h"
#include "inquiry/statement.h"
#include "inquiry_books.h"
#include "store/table.h"

namespace orvant::inquiry {
namespace {

using testing::InquiryBooksTest;

class StatementGraphTest : public InquiryBooksTest {};
ORVANT_BOOKS_ON_EVERY_ENGINE(StatementGraphTest);

Money units(double amount) { return Money::fromCents(static_cast<std::int64_t>(amount * 100)); }

struct StatementCase {
    const char* party;
    bool client;
    bool history;
    std::vector<const char*> references;
    std::vector<double> balances;
    std::vector<int> typeMessages;
};

TEST_P(StatementGraphTest, statements_run_their_balance_in_statement_order)
{
    const StatementCase cases[] = {
        {"C100", true, false, {"", "R1", "R2"}, {500, 300, 250}, {0, 4, 2}},
        {"S100", false, false, {"", "1001", ""}, {100, 50, 60}, {0, 4, 0}},
        {"C100", true, true, {"", "P0900"}, {120, 0}, {0, 4}},
        {"S100", false, true, {"", "9001"}, {75, 0}, {0, 4}},
        {"C999", true, false, {}, {}, {}},
    };
    for (const StatementCase& c : cases) {
        const InquiryLedger& ledger = c.client ? InquiryLedger::receivables() : InquiryLedger::payables();
        const auto lines = ReadStatement(*books_, ledger, c.party, c.history);
        SCOPED_TRACE(std::string(c.party) + (c.history ? " history" : " ledger"));
        ASSERT_EQ(lines.size(), c.balances.size());
        for (std::size_t i = 0; i < lines.size(); ++i) {
            EXPECT_EQ(lines[i].party, c.party);
            EXPECT_EQ(lines[i].reference, c.references[i]);
            EXPECT_EQ(lines[i].balance, units(c.balances[i])) << "line " << i;
            EXPECT_EQ(TypeMessage(lines[i].type, ledger), c.typeMessages[i]);
        }
    }
}

// Entries dated after the graph's day: an invoice and a payment on it, and a payment dated
// later on an invoice already aged.
void addFutureEntries(store::Database& books, Date today)
{
    store::Table car(books, "car");
    car.open();
    company::addRecord(car, {{"Car_client", "C100"}, {"Car_invoice", "7001"}, {"Car_ref", ""}, {"Car_type", "1"},
                             {"Car_date", today.addDays(20)}, {"Car_amount", units(80)}});
    company::addRecord(car, {{"Car_client", "C100"}, {"Car_invoice", "7001"}, {"Car_ref", "R7"}, {"Car_type", "2"},
                             {"Car_date", today.addDays(40)}, {"Car_amount", units(-30)}});
}

TEST_P(StatementGraphTest, graph_total_is_the_last_balance_of_the_current_statement)
{
    const Date today = *Date::fromYmd(2026, 3, 1);  // invoice 1001 of 2026-01-10 is 50 days old
    addFutureEntries(*books_, today);
    const struct { const char* party; const InquiryLedger& ledger; std::array<double, 5> buckets; } cases[] = {
        {"C100", InquiryLedger::receivables(), {50, 250, 0, 0, 0}},
        {"S100", InquiryLedger::payables(), {0, 60, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.party);
        const AgingGraph graph = AgeForGraph(*books_, c.ledger, c.party, today);
        for (std::size_t b = 0; b < 5; ++b) EXPECT_EQ(graph.amounts[b], units(c.buckets[b])) << "bucket " << b + 1;
        EXPECT_EQ(graph.total, ReadStatement(*books_, c.ledger, c.party, false).back().balance);
        EXPECT_FALSE(graph.titles[0].isEmpty());
    }
}

TEST_P(StatementGraphTest, graph_print_names_the_party_and_every_amount)
{
    AgingGraph graph;
    graph.titles = {"Current", "31-60", "61-90", "91-120", "Over 120"};
    graph.amounts = {units(1234567.5), units(-20), Money(), units(0.05), units(300)};
    const struct {
        AmountLanguage language;
        QStringList amounts;
    } languages[] = {{AmountLanguage::English, {"1,234,567.50", "-20.00", "0.00", "0.05", "300.00"}},
                     {AmountLanguage::French, {"1 234 567,50", "-20,00", "0,00", "0,05", "300,00"}}};
    for (const auto& [language, amounts] : languages) {
        const auto document = BuildGraphPrint(graph, "Aging of accounts", "O'Brien", language);
        ASSERT_EQ(document.pageCount(), 1);
        const QStringList texts = document.pages[0].texts();
        EXPECT_TRUE(texts.contains("O'Brien - Aging of accounts"));
        for (const QString& amount : amounts) EXPECT_EQ(texts.count(amount), 2) << amount.toStdString();
        for (const QString& title : graph.titles) EXPECT_EQ(texts.count(title), 2) << title.toStdString();
    }
}

}  // namespace
}  // namespace orvant::inquiry
