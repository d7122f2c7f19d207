// Records read from their JSON lines: amounts from the digits written, texts and dates as the
// books keep them, and each fault of form named.

#include <gtest/gtest.h>

#include "books/json_fields.h"

namespace orvant::json {
namespace {

struct Read {
    Money amount;
    std::string reference;
    Date date;
    std::vector<PaymentRecord> payments;
    int rows = 0;
};

Read readRecord(const QJsonObject& object)
{
    OnlyKnownFields(object, {"amount", "reference", "date", "payments", "rows"}, "a test ");
    Read read;
    read.amount = Amount(object, "amount");
    read.reference = Text(object, "reference", 10, true, &Trimmed);
    read.date = IsoDate(object, "date", false);
    read.payments = Payments(object);
    Distribution rows(2);
    read.rows = ReadRows(object, rows, {"a test", "line", 2, 60});
    return read;
}

std::variant<Read, std::string> read(const std::string& line)
{
    return ReadRecord(line, {"amount", "debit", "credit"}, "a test", &readRecord);
}

TEST(JsonFields, AmountsAreReadFromTheDigitsWrittenAndTextsAndDatesAsKept)
{
    const auto record = read(R"({"amount": 99999999999.99, "reference": " R1 ", "date": " 2026-03-20 ", )"
                             R"("payments": [{"invoice": " a1 ", "amount": -2.5}]})");
    ASSERT_TRUE(std::holds_alternative<Read>(record)) << std::get<std::string>(record);
    const Read& r = std::get<Read>(record);
    EXPECT_EQ(r.amount, kBooksLimit) << "a double would not hold it to the cent";
    EXPECT_EQ(r.reference, "R1");
    EXPECT_EQ(r.date, *Date::fromYmd(2026, 3, 20));
    ASSERT_EQ(r.payments.size(), 1u);
    EXPECT_EQ(r.payments[0].invoice, "A1");
    EXPECT_EQ(r.payments[0].amount, -*Money::parse("2.50")) << "a payment may be negative";
}

TEST(JsonFields, FaultsOfFormAreNamed)
{
    const struct {
        const char* line;
        const char* why;
    } cases[] = {
        {R"({"reference": "R1", "amount": 1.00001})", "\"amount\" is not an amount of at most four decimals"},
        {R"({"reference": "R1", "amount": -1})", "\"amount\" is negative"},
        {R"({"reference": "  "})", "\"reference\" is empty"},
        {R"({"amount": 1})", "\"reference\" is missing"},
        {R"({"reference": "R1", "date": "2026-13-01"})", "\"date\" is not a date (YYYY-MM-DD): 2026-13-01"},
        {R"({"reference": "R1", "rows": [{}, {}, {}]})", "a test has at most 2 lines"},
        {R"({"reference": "R1", "rows": [{"account": 1, "debit": 1, "credit": 1}]})", "line 1 has both a debit and a credit"},
        {R"({"reference": "R1", "payments": [{"invoice": "A1", "paid": 1}]})", "payment 1 has no field \"paid\""},
        {R"({"reference": "R1", "extra": 1})", "a test has no field \"extra\""},
        {R"([1])", "a test is a JSON object"},
        {R"({"reference": )", "not JSON: "},
    };
    for (const auto& c : cases) {
        const auto record = read(c.line);
        ASSERT_TRUE(std::holds_alternative<std::string>(record)) << c.line;
        EXPECT_EQ(std::get<std::string>(record).rfind(c.why, 0), 0u) << c.line << " gave " << std::get<std::string>(record);
    }
}

}  // namespace
}  // namespace orvant::json
