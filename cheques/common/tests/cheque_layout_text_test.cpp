// The cheque form as text, read back as written, and the company's form in its layout tables.

#include <gtest/gtest.h>

#include "cheque_layout_store.h"
#include "cheque_layout_text.h"
#include "default_cheque_layout.h"
#include "store/table.h"
#include "testing/books_fixture.h"

namespace orvant::cheques::test {
namespace {

void ExpectSameLayout(const ChequeLayout& a, const ChequeLayout& b)
{
    EXPECT_EQ(a.pageLength, b.pageLength);
    EXPECT_EQ(a.pageWidth, b.pageWidth);
    EXPECT_EQ(a.partHeights, b.partHeights);
    for (int p = 0; p < 3; ++p) EXPECT_EQ(a.partRoles[p] == 0, b.partRoles[p] == 0) << "part " << p + 1;
    EXPECT_EQ(a.headingLines, b.headingLines);
    EXPECT_EQ(a.chequeHeadingLine, b.chequeHeadingLine);
    ASSERT_EQ(a.items.size(), b.items.size());
    for (std::size_t i = 0; i < a.items.size(); ++i) {
        const LayoutItem &x = a.items[i], &y = b.items[i];
        EXPECT_EQ(std::tie(x.field, x.part, x.line, x.position, x.style, x.size, x.width, x.font),
                  std::tie(y.field, y.part, y.line, y.position, y.style, y.size, y.width, y.font))
            << "item " << i + 1;
    }
}

ChequeLayout OddLayout()
{
    ChequeLayout layout = DefaultChequeLayout();
    layout.partRoles = {4, 0, 7};  // the cheque in the middle
    layout.items.front().field = "Pay to the \"order\" of \\ x";
    layout.items.front().style = 2;
    layout.items.back().style = 1;
    layout.items.back().position = 0.1 + 0.2;  // a value without a short decimal form
    return layout;
}

TEST(ChequeLayoutText, ReadsBackWhatItWrites)
{
    for (const ChequeLayout& layout : {DefaultChequeLayout(), OddLayout()})
        ExpectSameLayout(LayoutFromText(LayoutToText(layout)), layout);
}

TEST(ChequeLayoutText, NamesTheLineAtFault)
{
    const std::string page = "page length=11 width=8.5\n";
    const struct {
        std::string text;
        int line;
        const char* says;
    } rows[] = {
        {"", 1, "page"},
        {page + "part 4 height=2 stub", 2, "1, 2 or 3"},
        {page + "part 1 height=2 cheque\npart 1 height=2 stub", 3, "twice"},
        {page + "part 1 height=two cheque", 2, "not a number"},
        {page + "part 1 height=inf cheque", 2, "not a number"},
        {page + "item part=1 line=nan position=1 field=x", 2, "not a number"},
        {page + "part 1 height=2 mirror", 2, "cheque or a stub"},
        {page + "# a comment\n\nitem part=1 line=0 position=1", 4, "field="},
        {page + "item part=1 line=0 position=1 field=\"open", 2, "not closed"},
        {page + "item part=1 line=0 position=1 field=x colour=red", 2, "colour="},
        {page + "item part=1 line=0 position=1 field=x style=italic", 2, "italic"},
        {page + "item part=1.5 line=0 position=1 field=x", 2, "whole number"},
        {page + "stub-headings lines=2 extra", 2, "extra"},
        {page + "watermark text=x", 2, "unknown statement"},
        {page + page, 2, "twice"},
    };
    for (const auto& row : rows) {
        try {
            LayoutFromText(row.text);
            ADD_FAILURE() << row.text << " was read";
        } catch (const LayoutTextError& error) {
            EXPECT_EQ(error.line(), row.line) << row.text;
            EXPECT_NE(std::string(error.what()).find(row.says), std::string::npos) << error.what();
        }
    }
}

class ChequeLayoutStoreTest : public testing::BooksTest {};
ORVANT_BOOKS_ON_EVERY_ENGINE(ChequeLayoutStoreTest);

TEST_P(ChequeLayoutStoreTest, ACompanyPrintsOnTheDefaultFormUntilItWritesItsOwn)
{
    EXPECT_FALSE(HasOwnChequeLayout(*books_));
    ExpectSameLayout(ReadChequeLayout(*books_), DefaultChequeLayout());

    WriteChequeLayout(*books_, OddLayout());
    EXPECT_TRUE(HasOwnChequeLayout(*books_));
    ExpectSameLayout(ReadChequeLayout(*books_), OddLayout());

    // A second form replaces the first whole.
    ChequeLayout shorter = DefaultChequeLayout();
    shorter.items.resize(3);
    WriteChequeLayout(*books_, shorter);
    ExpectSameLayout(ReadChequeLayout(*books_), shorter);
}

TEST_P(ChequeLayoutStoreTest, AFormThatCannotPrintAChequeLeavesTheFormInUse)
{
    WriteChequeLayout(*books_, OddLayout());
    ChequeLayout twoCheques = DefaultChequeLayout();
    twoCheques.partRoles = {0, 0, 1};
    EXPECT_THROW(WriteChequeLayout(*books_, twoCheques), std::invalid_argument);
    ExpectSameLayout(ReadChequeLayout(*books_), OddLayout());
}

}  // namespace
}  // namespace orvant::cheques::test
