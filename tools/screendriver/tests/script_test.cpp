// Reading scripts: each step with its arguments, the quoting of texts, key names, and the
// errors a mistyped script gets, each with its line.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "script.h"
#include "script_tokens.h"

namespace orvant::screendriver {
namespace {

using ::testing::HasSubstr;

StepAction only(const QString& line)
{
    const ParsedScript parsed = ParseScript("form Tsales_frm\n" + line);
    EXPECT_FALSE(parsed.error) << parsed.error->message.toStdString();
    return parsed.steps.size() == 2 ? parsed.steps[1].action : StepAction{};
}

ScriptError errorOf(const QString& script)
{
    const ParsedScript parsed = ParseScript(script);
    EXPECT_TRUE(parsed.steps.empty()) << "a script with an error plays nothing";
    return parsed.error.value_or(ScriptError{0, "no error"});
}

TEST(ScriptTest, every_step_reads_into_its_action)
{
    using namespace step;
    const std::pair<const char*, StepAction> cases[] = {
        {"form Tsales_dlg", Form{"Tsales_dlg"}},
        {"type DateBox \"2026-12-07\"", Type{"DateBox", "2026-12-07"}},
        {"type CodeBox ABC100", Type{"CodeBox", "ABC100"}},
        {"key CodeBox F2", Key{"CodeBox", {Qt::Key_F2, {}}}},
        {"key Shift+Tab", Key{"", {Qt::Key_Tab, Qt::ShiftModifier}}},
        {"click PostButton", Click{"PostButton"}},
        {"check ActiveBox on", Check{"ActiveBox", true}},
        {"check ActiveBox OFF", Check{"ActiveBox", false}},
        {"choose TermsBox \"Net 30 days\"", Choose{"TermsBox", "Net 30 days"}},
        {"cell LinesGrid 2 3 \"12.50\"", Cell{"LinesGrid", 2, 3, "12.50"}},
        {"answer yes", Answer{Reply::Yes}},
        {"answer Cancel", Answer{Reply::Cancel}},
        {"pick \"ABC100\"", Pick{"ABC100"}},
        {"menu rcvsales", Menu{"rcvsales"}},
        {"menu \"Sales and adjustments\"", Menu{"Sales and adjustments"}},
        {"snapshot \"docs/receipts.png\"", Snapshot{"docs/receipts.png"}},
        {"expect message 12", ExpectMessage{12}},
        {"expect error-form", ExpectErrorForm{}},
        {"expect error-form xxxxx \"xxxxx\"", ExpectErrorForm{"xxxxx", "xxxxx"}},
        {"expect caption \"Sales entry\"", ExpectCaption{{"Sales entry", false}}},
        {"expect caption ~\" : December\"", ExpectCaption{{" : December", true}}},
        {"expect text TotalLabel ~\"12\"", ExpectText{"TotalLabel", {"12", true}}},
        {"expect focus CodeBox", ExpectFocus{"CodeBox"}},
        {"expect enabled PostButton", ExpectEnabled{"PostButton", true}},
        {"expect disabled PostButton", ExpectEnabled{"PostButton", false}},
        {"expect closed", ExpectClosed{}},
    };
    for (const auto& [line, action] : cases) EXPECT_EQ(only(line), action) << line;
}

TEST(ScriptTest, steps_keep_their_line_and_text_and_skip_comments_and_blank_lines)
{
    const ParsedScript parsed = ParseScript(
        "# Sales entry, one invoice\n"
        "\n"
        "form Tsales_frm   # the main form\n"
        "  type   ClientBox \"Le # du client\"  \n");
    ASSERT_FALSE(parsed.error);
    ASSERT_EQ(parsed.steps.size(), 2u);
    EXPECT_EQ(parsed.steps[0].line, 3);
    EXPECT_EQ(parsed.steps[0].text, "form Tsales_frm");
    EXPECT_EQ(parsed.steps[1].line, 4);
    EXPECT_EQ(parsed.steps[1].text, "type ClientBox \"Le # du client\"");
    EXPECT_EQ(parsed.steps[1].action, StepAction(step::Type{"ClientBox", "Le # du client"}));
}

TEST(ScriptTest, quoted_texts_take_escaped_quotes_and_backslashes)
{
    const TokenizedLine line = TokenizeLine(uR"(type Memo "say \"hi\" \\ bye" ~"" plain)");
    ASSERT_TRUE(line.error.isEmpty());
    ASSERT_EQ(line.tokens.size(), 5u);
    EXPECT_EQ(line.tokens[2], (Token{R"(say "hi" \ bye)", true, false}));
    EXPECT_EQ(line.tokens[3], (Token{"", true, true}));
    EXPECT_EQ(line.tokens[4], (Token{"plain", false, false}));
    EXPECT_EQ(line.tokens[2].written(), R"("say \"hi\" \\ bye")") << "written back as read";
}

TEST(ScriptTest, key_names_ignore_case_and_take_modifiers)
{
    EXPECT_EQ(ParseKeyName(u"enter"), (KeyChord{Qt::Key_Return, {}}));
    EXPECT_EQ(ParseKeyName(u"Esc"), (KeyChord{Qt::Key_Escape, {}}));
    EXPECT_EQ(ParseKeyName(u"f12"), (KeyChord{Qt::Key_F12, {}}));
    EXPECT_EQ(ParseKeyName(u"Ctrl+Shift+s"), (KeyChord{Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier}));
    EXPECT_EQ(ParseKeyName(u"Ctrl++"), (KeyChord{Qt::Key_Plus, Qt::ControlModifier}));
    for (const char* bad : {"F13", "F0", "Hyper+Tab", "Ctrl+", "Tabb", ""}) EXPECT_FALSE(ParseKeyName(QString(bad))) << bad;
}

TEST(ScriptTest, errors_name_their_line_and_what_is_wrong)
{
    struct Case {
        const char* script;
        int line;
        const char* says;
    };
    const Case cases[] = {
        {"form F\nfrobnicate X", 2, "there is no step \"frobnicate\""},
        {"form F\n\nexpect sunshine", 3, "there is no step \"expect sunshine\""},
        {"form F\nexpect", 2, "expect what?"},
        {"form F\nclick", 2, "an argument is missing; usage: click CONTROL"},
        {"form F\nclick A B", 2, "too many arguments"},
        {"form F\ntype Box \"open", 2, "the quote opened at column 10 is not closed"},
        {"form F\ntype Box \"a\"b", 2, "a blank must follow the closing quote"},
        {"form F\ncheck Box maybe", 2, "maybe is none of off|on"},
        {"form F\nanswer Perhaps", 2, "none of Yes|No|Cancel|Ok"},
        {"form F\nexpect message two", 2, "two is not a number"},
        {"form F\ncell Grid -1 0 x", 2, "-1 is not a number of 0 or more"},
        {"form F\nkey Box F13", 2, "F13 is not a key"},
        {"form F\nclick ~\"Button\"", 2, "only an expected text can be a ~fragment"},
        {"form F\nexpect error-form xxxxx", 2, "usage: expect error-form [CATEGORY CODE]"},
        {"# no form yet\nclick OkButton", 2, "a form step must come first"},
    };
    for (const Case& c : cases) {
        const ScriptError error = errorOf(c.script);
        EXPECT_EQ(error.line, c.line) << c.script;
        EXPECT_THAT(error.message.toStdString(), HasSubstr(c.says)) << c.script;
    }
}

TEST(ScriptTest, steps_that_need_no_form_may_come_before_one)
{
    const ParsedScript parsed = ParseScript("answer Yes\npick ABC100\nexpect message 1\nexpect error-form\nkey Escape\nexpect closed\n");
    EXPECT_FALSE(parsed.error);
    EXPECT_EQ(parsed.steps.size(), 6u);
}

}  // namespace
}  // namespace orvant::screendriver
