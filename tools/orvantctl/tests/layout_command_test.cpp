// orvantctl layout: a company's cheque form exported as text, edited and imported back; a form
// that cannot print a cheque refused with its reasons, the form in use kept.

#include <gmock/gmock.h>

#include "ctl_books_fixture.h"

namespace orvant::ctl {
namespace {

using ::testing::HasSubstr;

class LayoutCommandTest : public CtlBooksTest {
protected:
    std::string exported()
    {
        EXPECT_EQ(run({"layout", "export", "-"}), 0) << err_;
        return out_;
    }

    int import(const std::string& text)
    {
        std::ofstream(file_) << text;
        return run({"layout", "import", file_});
    }
};
INSTANTIATE_TEST_SUITE_P(Engines, LayoutCommandTest, ::testing::ValuesIn(testing::allEngines()), testing::engineName);

TEST_P(LayoutCommandTest, a_form_goes_out_as_text_and_comes_back_edited)
{
    const std::string original = exported();
    ASSERT_THAT(original, HasSubstr("part 1 height=3.5 cheque"));
    ASSERT_EQ(run({"layout", "export", file_}), 0) << err_;
    EXPECT_THAT(out_, HasSubstr("(the default form)"));

    // The cheque moves to the bottom of the page, the stubs above it; a label starting with a number is added.
    std::string edited = fileContents(file_.c_str());
    for (const auto& [from, to] : {std::pair{"part 1 height=3.5 cheque", "part 1 height=3.5 stub"},
                                   std::pair{"part 3 height=3.75 stub", "part 3 height=3.75 cheque"}})
        edited.replace(edited.find(from), std::string(from).size(), to);
    edited += "item part=3 line=3 position=0.4 size=10 width=0 style=normal font=\"Sans Serif\" field=\"30 days net\"\n";
    ASSERT_EQ(import(edited), 0) << out_ << err_;
    EXPECT_EQ(exported(), edited);
}

TEST_P(LayoutCommandTest, a_form_that_cannot_print_a_cheque_is_refused_with_its_reasons)
{
    const std::string original = exported();
    const struct {
        std::string text;
        std::vector<std::string> says;
    } rows[] = {
        {"page length=11 width=8.5\npart 1 height=3 cheque\npart 2 height=3 cheque\nitem part=1 line=0 position=1 field=\"30\"\n"
         "item part=1 line=0 position=9 field=\"02 Payee\"",
         {"exactly one part", "names no field", "outside the page"}},
        {"page length=11 width=8.5\npart 1 height=3 cheque\nitem part=1 line=0 position=1 field=\"02 Payee\" style=wavy",
         {":3: a style is normal, bold or underlined"}},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(import(row.text), 2) << row.text;
        for (const std::string& reason : row.says) EXPECT_THAT(out_, HasSubstr(reason)) << row.text;
        EXPECT_THAT(out_, HasSubstr("is unchanged"));
    }
    EXPECT_EQ(exported(), original);
}

}  // namespace
}  // namespace orvant::ctl
