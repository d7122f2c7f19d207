#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "lang/table_text.h"
#include "lang/tests/lang_test_support.h"

namespace orvant::lang {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::StartsWith;

LanguageTable parse(const QByteArray& text) { return ParseLanguageTable(text, QStringLiteral("sales.lang")); }

// A control's block, opening line 1, with one field on line 2.
QByteArray withField(const char* name, const QString& value)
{
    return "[frmSales.lblTotal]\n" + QByteArray(name) + ": " + value.toUtf8() + "\n";
}

TEST(TableText, BlocksBecomeRows)
{
    const LanguageTable table = parse(
        "# Sales entry, English\n"
        "[frmSales]\n"
        "caption:   Sales entry  \r\n"
        "\n"
        "  [frmSales.btnPost]\n"
        "  Caption: &Post\n"
        "  HINT: Post the invoice\n"
        "[frmSales.IntlStrings1]\n"
        "kind: Memo\n"
        "| Customer not found.\n"
        "|\n"
        "  # a comment among the lines\n"
        "|  two spaces kept, # and all   \n"
        "|no space\n");

    ASSERT_EQ(table.rows().size(), 3u);
    const LanguageRow* form = table.find("frmSales", "frmSales");
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(form->isForm());
    EXPECT_EQ(form->caption, "Sales entry");
    EXPECT_EQ(form->sourceLine, 2);

    const LanguageRow* post = table.find("frmSales", "btnPost");
    ASSERT_NE(post, nullptr);
    EXPECT_FALSE(post->isForm());
    EXPECT_EQ(post->kind, ControlKind::Plain);
    EXPECT_EQ(post->caption, "&Post");
    EXPECT_EQ(post->hint, "Post the invoice");
    EXPECT_EQ(post->sourceLine, 5);

    const LanguageRow* messages = table.find("frmSales", "IntlStrings1");
    ASSERT_NE(messages, nullptr);
    EXPECT_EQ(messages->kind, ControlKind::Memo);
    EXPECT_THAT(messages->lines, ElementsAre("Customer not found.", "", " two spaces kept, # and all   ", "no space"));
    EXPECT_TRUE(messages->caption.isEmpty());

    EXPECT_EQ(table.find("frmSales", "btnpost"), nullptr);  // names compare exactly
}

TEST(TableText, WidthsCountCharactersNotBytes)
{
    const QString e = QStringLiteral("é");  // two bytes in UTF-8
    EXPECT_EQ(parse(withField("caption", e.repeated(55))).rows().front().caption, e.repeated(55));
    EXPECT_EQ(parse(withField("hint", e.repeated(25))).rows().front().hint, e.repeated(25));
    EXPECT_EQ(parse("[" + e.repeated(20).toUtf8() + "." + e.repeated(35).toUtf8() + "]\n").rows().size(), 1u);

    struct TooLong {
        QByteArray text;
        int line;
        std::string fault;
    };
    const TooLong cases[] = {
        {withField("caption", e.repeated(56)), 2, "caption has 56 characters; at most 55"},
        {withField("hint", e.repeated(26)), 2, "hint has 26 characters; at most 25"},
        {"[" + e.repeated(21).toUtf8() + "]\n", 1, "form name \"" + e.repeated(21).toStdString() + "\" has 21 characters; at most 20"},
        {"[frmSales." + e.repeated(36).toUtf8() + "]\n", 1, "has 36 characters; at most 35"},
    };
    for (const TooLong& c : cases) {
        try {
            parse(c.text);
            ADD_FAILURE() << "accepted: " << c.text.toStdString();
        } catch (const TableSyntaxError& error) {
            EXPECT_THAT(error.what(), StartsWith("sales.lang:" + std::to_string(c.line) + ": "));
            EXPECT_THAT(error.what(), HasSubstr(c.fault));
        }
    }
}

TEST(TableText, FaultsNameTheFileAndLine)
{
    struct Case {
        QByteArray text;
        int line;
        const char* fault;
    };
    const Case cases[] = {
        {"[frmSales.btnPost]\ncaption: Post\n\n[frmSales.btnPost]\n", 4, "given twice; first at line 1"},
        {"[frmSales.cboTerms]\nkind: dropdown\n", 2, "unknown kind \"dropdown\""},
        {"[frmSales.cboTerms]\ncolour: red\n", 2, "unknown field \"colour\""},
        {"[frmSales.btnPost]\nhint: a\nHint: b\n", 3, "hint is given twice"},
        {"# texts\ncaption: Post\n", 2, "text before the first block"},
        {"[frmSales.btnPost\n", 1, "must end with \"]\""},
        {"[frm Sales]\n", 1, "\"frm Sales\" is not a form name"},
        {"[.btnPost]\n", 1, "the form name is missing"},
        {"[frmSales]\nkind: memo\n", 2, "a form's own block has no kind"},
        {"[frmSales.btnPost]\ncaption Post\n", 2, "expected a field"},
        {"[frmSales]\ncaption: Caf\xe9\n", 2, "not valid UTF-8"},
    };
    for (const Case& c : cases) {
        try {
            parse(c.text);
            ADD_FAILURE() << "accepted: " << c.text.toStdString();
        } catch (const TableSyntaxError& error) {
            EXPECT_THAT(error.what(), StartsWith("sales.lang:" + std::to_string(c.line) + ": ")) << c.fault;
            EXPECT_THAT(error.what(), HasSubstr(c.fault));
            EXPECT_EQ(error.line(), c.line) << error.what();
        }
    }
}

}  // namespace
}  // namespace orvant::lang
