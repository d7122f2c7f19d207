#include "inquiry/party_filter.h"

#include <gtest/gtest.h>

#include <set>

#include "dates/date_format.h"
#include "inquiry_books.h"
#include "store/tables/catalog.h"

namespace orvant::inquiry {
namespace {

using Codes = std::vector<std::string>;
constexpr auto kNone = std::nullopt;  // the filter is refused: message 5

enum Op { Eq, Gt, Lt, Ne, Containing };

struct FilterCase {
    const char* what;
    PartyKind kind;
    int field;
    Op op;
    const char* parameter;
    std::optional<Codes> expected;
    AmountLanguage language = AmountLanguage::English;
};

// Client entries: 1 name, 4 city, 20 terms, 22 date created, 32 current balance, 39 stamp,
// 41 credit hold. Supplier entries: 4 city, 15 date created, 29 stamp, 30 currency.
const FilterCase kCases[] = {
    {"a quote in the name", PartyKind::Client, 1, Eq, "O'Brien", Codes{"C100"}},
    {"SQL in the parameter is text", PartyKind::Client, 1, Eq, "x' OR '1'='1", Codes{}},
    {"SQL in a containing parameter", PartyKind::Client, 1, Containing, "x' OR '1'='1", Codes{}},
    {"percent is a character", PartyKind::Client, 1, Containing, "50%", Codes{"C200"}},
    {"underscore is a character", PartyKind::Client, 1, Containing, "a_b", Codes{"C500"}},
    {"accented capitals fold", PartyKind::Client, 1, Containing, "côté", Codes{"C300"}},
    {"accented small letters fold", PartyKind::Client, 1, Containing, "ÉMIL", Codes{"C300", "C600"}},
    {"an accent is not its bare letter", PartyKind::Client, 4, Containing, "MONTRÉAL", Codes{"C100"}},
    {"money compares as money", PartyKind::Client, 32, Gt, "100", Codes{"C100", "C200", "C400"}},
    {"an empty balance owes nothing", PartyKind::Client, 32, Lt, "100", Codes{"C500", "C600"}},
    {"money in French", PartyKind::Client, 32, Gt, "1 000,00", Codes{"C200"}, AmountLanguage::French},
    {"earlier date", PartyKind::Client, 22, Lt, "15/03/2024", Codes{"C100", "C200", "C500"}},
    {"any other date", PartyKind::Client, 22, Ne, "15/03/2024", Codes{"C100", "C200", "C400", "C500"}},
    {"same date", PartyKind::Client, 22, Eq, "15/03/2024", Codes{"C300"}},
    {"stamp on its date", PartyKind::Client, 39, Eq, "15/03/2024", Codes{"C100"}},
    {"stamp after a date", PartyKind::Client, 39, Gt, "14/03/2024", Codes{"C100", "C300"}},
    {"stamp not on a date", PartyKind::Client, 39, Ne, "15/03/2024", Codes{"C200", "C300"}},
    {"yes", PartyKind::Client, 41, Eq, "yes", Codes{"C200", "C400"}},
    {"TRUE", PartyKind::Client, 41, Eq, "TRUE", Codes{"C200", "C400"}},
    {"non, empty included", PartyKind::Client, 41, Eq, "non", Codes{"C100", "C300", "C500", "C600"}},
    {"0", PartyKind::Client, 41, Eq, "0", Codes{"C100", "C300", "C500", "C600"}},
    {"blank lists all in code order", PartyKind::Client, 22, Containing, "  ",
     Codes{"C100", "C200", "C300", "C400", "C500", "C600"}},
    {"unreadable amount", PartyKind::Client, 32, Eq, "abc", kNone},
    {"day the month lacks", PartyKind::Client, 22, Eq, "31/02/2024", kNone},
    {"unreadable boolean", PartyKind::Client, 41, Eq, "maybe", kNone},
    {"fraction for a whole number", PartyKind::Client, 20, Eq, "2.5", kNone},
    {"containing on a date", PartyKind::Client, 22, Containing, "2024", kNone},
    {"containing on money", PartyKind::Client, 32, Containing, "100", kNone},
    {"entry out of the list", PartyKind::Client, 43, Eq, "x", kNone},
    {"suppliers' city containing", PartyKind::Supplier, 4, Containing, "mont", Codes{"S100", "S200", "S300"}},
    {"suppliers created before", PartyKind::Supplier, 15, Lt, "15/03/2002", Codes{"S100", "S200", "S300"}},
    {"supplier entry 29 is the stamp", PartyKind::Supplier, 29, Eq, "0", kNone},
    {"supplier entry 30 is the currency", PartyKind::Supplier, 30, Eq, "0",
     Codes{"S100", "S200", "S300", "S400", "S500"}},
};

class PartyFilterTest : public testing::InquiryBooksTest {};

TEST_P(PartyFilterTest, GivesTheSamePartiesOnEveryEngine)
{
    for (const FilterCase& c : kCases) {
        SCOPED_TRACE(c.what);
        const ParameterNotation notation{c.language, "DD/MM/YYYY"};
        const auto rows = FilteredParties(*books_, c.kind, {c.field, c.op, c.parameter}, notation);
        ASSERT_EQ(rows.has_value(), c.expected.has_value());
        if (!rows) continue;
        Codes codes;
        for (const PartyListRow& row : *rows) codes.push_back(row.code);
        EXPECT_EQ(codes, *c.expected);
    }
}

TEST_P(PartyFilterTest, ListsNameAndTelephone)
{
    const auto rows = FilteredParties(*books_, PartyKind::Client, {1, Eq, "O'Brien"}, {});
    ASSERT_TRUE(rows && rows->size() == 1);
    EXPECT_EQ(rows->front().name, "O'Brien");
    EXPECT_EQ(rows->front().telephone, "514-555-0100");
}

TEST_P(PartyFilterTest, ReadsDatesInTheSessionFormat)
{
    const std::string saved = ShortDateFormat();
    SetShortDateFormat("YYYY-MM-DD");
    const auto rows = FilteredParties(*books_, PartyKind::Client, {22, Eq, "2024-03-15"}, ParameterNotation::ofSession(2));
    SetShortDateFormat(saved);
    ASSERT_TRUE(rows && rows->size() == 1);
    EXPECT_EQ(rows->front().code, "C300");
}

ORVANT_BOOKS_ON_EVERY_ENGINE(PartyFilterTest);

// Each entry names a field of its table whose stored type reads its parameter, and is shown by a
// caption of its own, never by the field's name.
TEST(FilterFields, NameFieldsOfTheirTableOfAMatchingType)
{
    auto matches = [](FilterFieldType entry, store::FieldType stored) {
        switch (entry) {
        case FilterFieldType::Text: return stored == store::FieldType::String || stored == store::FieldType::Memo;
        case FilterFieldType::Integer: return stored == store::FieldType::Integer;
        case FilterFieldType::Decimal: return stored == store::FieldType::Float;
        case FilterFieldType::Money: return stored == store::FieldType::Money;
        case FilterFieldType::Boolean: return stored == store::FieldType::Boolean;
        case FilterFieldType::Date: return stored == store::FieldType::Date;
        case FilterFieldType::Stamp: return stored == store::FieldType::Timestamp;
        }
        return false;
    };
    for (const auto& [kind, table] : {std::pair{PartyKind::Client, "cli"}, std::pair{PartyKind::Supplier, "sup"}}) {
        const store::TableDef def = *store::findTable(table);
        std::set<std::string> captions;
        for (const FilterField& entry : FilterFields(kind)) {
            const int index = def.fieldIndex(entry.field);
            ASSERT_GE(index, 0) << entry.field;
            EXPECT_TRUE(matches(entry.type, def.fields[static_cast<std::size_t>(index)].type)) << entry.field;
            EXPECT_STRNE(entry.caption, entry.field);
            EXPECT_TRUE(captions.insert(entry.caption).second) << "two entries read " << entry.caption;
        }
    }
}

}  // namespace
}  // namespace orvant::inquiry
