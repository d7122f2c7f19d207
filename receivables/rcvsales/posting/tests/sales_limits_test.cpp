// Amounts past what the books hold: refused before anything is written, whether the rows carry
// them or a client's balance would reach them; imported amounts read from the digits written.

#include "sales_fixture.h"
#include "sales_record.h"

namespace orvant::sales::testing {
namespace {

class SalesLimitsTest : public SalesTest {
protected:
    SalesDocument sale(const std::string& invoice, const char* amount)
    {
        SalesDocument document = this->document("ABC100", SalesType::Sale, invoice);
        SetLine(document, 0, {kReceivable, amount, nullptr});
        SetLine(document, 1, {kSales, nullptr, amount});
        return document;
    }
    std::int64_t written() { return count("SELECT COUNT(*) FROM tjlh") + count("SELECT COUNT(*) FROM car") + count("SELECT COUNT(*) FROM arori"); }
};

TEST_P(SalesLimitsTest, RowsWhoseTotalsPassTheLimitAreRefused)
{
    SalesDocument document = this->document("ABC100", SalesType::Sale, "BIG1");
    SetLine(document, 0, {kReceivable, "60000000000.00", nullptr});
    SetLine(document, 1, {kBank, "60000000000.00", nullptr});
    SetLine(document, 2, {kSales, nullptr, "60000000000.00"});
    SetLine(document, 3, {kServices, nullptr, "60000000000.00"});
    EXPECT_EQ(post(document), (Refusal{kBeyondBooksLimit, SalesField::Totals}));
    EXPECT_EQ(written(), 0);
}

TEST_P(SalesLimitsTest, ASaleThatWouldCarryTheClientPastTheLimitWritesNothing)
{
    struct Row {
        const char* field;
        const char* before;
        bool posts;
    };
    const Row rows[] = {
        {"cli_current_bal", "99999999884.99", true},  // reaches the limit exactly
        {"cli_current_bal", "99999999885.00", false},
        {"cli_sales_mth", "99999999900.00", false},
        {"cli_sales_ytd", "99999999900.00", false},
        {"cli_current_bal", "-99999999999.99", true},
    };
    int invoice = 0;
    for (const Row& row : rows) {
        execute("UPDATE cli SET cli_current_bal = 0, cli_sales_mth = 0, cli_sales_ytd = 0");
        execute(std::string("UPDATE cli SET ") + row.field + " = ? WHERE cli_code = 'ABC100'", {Amount(row.before)});
        const std::int64_t before = written();
        const auto refusal = post(sale("L" + std::to_string(++invoice), "115.00"));
        EXPECT_EQ(refusal, row.posts ? std::nullopt : std::optional(Refusal{kBeyondBooksLimit, SalesField::Totals})) << row.field;
        EXPECT_EQ(written() > before, row.posts) << row.field;
        const Money after = money(std::string("SELECT ") + row.field + " FROM cli WHERE cli_code = 'ABC100'");
        EXPECT_EQ(after, row.posts ? Amount(row.before) + Amount("115.00") : Amount(row.before)) << row.field;
    }
}

INSTANTIATE_TEST_SUITE_P(Engines, SalesLimitsTest, ::testing::ValuesIn(orvant::testing::allEngines()), orvant::testing::engineName);

TEST(SalesRecordAmounts, JsonNumbersAreReadFromTheirDigits)
{
    struct Row {
        const char* debit;  // as written in the JSON
        std::optional<std::int64_t> raw;
    };
    const Row rows[] = {
        {R"("debit": 115.005)", 1150050},
        {R"("debit": "115.005")", 1150050},
        {R"("debit": 99999999999.99)", 999999999999900},
        {R"("debit": 115.00001)", std::nullopt},            // refused, not rounded
        {R"("debit": 1.00000000000000001)", std::nullopt},  // a double would make it 1
        {R"("d\u0065bit": 2.00001)", std::nullopt},
        {R"("debit": 1e2)", std::nullopt},
        {R"("debit": 100000000000)", std::nullopt},  // past the books' limit
        {R"("debit": "1,2,3")", std::nullopt},
    };
    for (const Row& row : rows) {
        const std::string line = std::string(R"({"client": "ABC100", "invoice": "A1", "date": "2026-03-10", "rows": [{"account": 1100, )") +
                                 row.debit + R"(}, {"account": 4000, "credit": 1}]})";
        const auto read = ReadSalesRecord(line);
        if (!row.raw) {
            EXPECT_TRUE(std::holds_alternative<std::string>(read)) << row.debit;
            continue;
        }
        ASSERT_TRUE(std::holds_alternative<SalesRecord>(read)) << row.debit << ": " << std::get<std::string>(read);
        EXPECT_EQ(std::get<SalesRecord>(read).document.rows.row(0).debit, Money::fromRaw(*row.raw)) << row.debit;
        EXPECT_EQ(std::get<SalesRecord>(read).document.rows.row(1).credit, Money::fromUnits(1)) << row.debit;
    }
}

}  // namespace
}  // namespace orvant::sales::testing
