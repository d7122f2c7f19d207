// Reading the driver's arguments: defaults, each option in both spellings, and refusals.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "command_line.h"

namespace orvant::screendriver {
namespace {

using ::testing::HasSubstr;

TEST(CommandLineTest, the_data_root_module_and_script_are_enough)
{
    const ParsedArguments parsed = ParseArguments({"--data-root", "/x/Orvant/data", "rcvsales", "sale.script"});
    ASSERT_TRUE(parsed.options) << parsed.error;
    const Options& o = *parsed.options;
    EXPECT_EQ(o.dataRoot, "/x/Orvant/data");
    EXPECT_EQ(o.module, "rcvsales");
    EXPECT_EQ(o.scriptFile, "sale.script");
    EXPECT_FALSE(o.company) << "the user's own";
    EXPECT_EQ(o.user, "ADMIN");
    EXPECT_FALSE(o.language) << "the user's own";
    EXPECT_FALSE(o.launcher);
    EXPECT_TRUE(o.modulesDir.isEmpty());
    EXPECT_TRUE(o.languagesDir.isEmpty());
    EXPECT_EQ(o.timeout, std::chrono::milliseconds(5000));
}

TEST(CommandLineTest, options_take_their_value_after_a_blank_or_an_equals_sign)
{
    const ParsedArguments parsed = ParseArguments({"rcvsales", "--company=12", "--user", "MARIE", "--language=2", "--modules",
                                                   "/m", "--languages=/l", "--timeout", "0.25", "--data-root=/d", "s"});
    ASSERT_TRUE(parsed.options) << parsed.error;
    const Options& o = *parsed.options;
    EXPECT_EQ(o.company, 12);
    EXPECT_EQ(o.user, "MARIE");
    EXPECT_EQ(o.language, 2);
    EXPECT_EQ(o.modulesDir, "/m");
    EXPECT_EQ(o.languagesDir, "/l");
    EXPECT_EQ(o.timeout, std::chrono::milliseconds(250));
    EXPECT_EQ(o.module, "rcvsales");
    EXPECT_EQ(o.scriptFile, "s");
}

TEST(CommandLineTest, the_launcher_takes_only_a_script_and_signs_in_by_it)
{
    const ParsedArguments parsed = ParseArguments({"--launcher", "--data-root", "/x/Orvant/data", "--program", "/p/orvant", "day.script"});
    ASSERT_TRUE(parsed.options) << parsed.error;
    EXPECT_TRUE(parsed.options->launcher);
    EXPECT_EQ(parsed.options->program, "/p/orvant");
    EXPECT_EQ(parsed.options->scriptFile, "day.script");
    EXPECT_TRUE(parsed.options->module.isEmpty());
}

TEST(CommandLineTest, refusals_say_why)
{
    const std::pair<std::vector<std::string>, const char*> cases[] = {
        {{"rcvsales", "s"}, "--data-root is required"},
        {{"--data-root", "/d", "rcvsales"}, "give the module and the script"},
        {{"--data-root", "/d", "a", "b", "c"}, "give the module and the script"},
        {{"--data-root", "/d", "--company", "0", "a", "b"}, "company number from 1 to 32767"},
        {{"--data-root", "/d", "--language", "3", "a", "b"}, "1 (English) or 2 (French)"},
        {{"--data-root", "/d", "--timeout", "soon", "a", "b"}, "seconds above 0"},
        {{"--data-root", "/d", "--colour", "red", "a", "b"}, "there is no option --colour"},
        {{"a", "b", "--data-root"}, "--data-root needs a value"},
        {{"--launcher", "--data-root", "/d", "rcvsales", "s"}, "give the script, and nothing else"},
        {{"--launcher", "--data-root", "/d", "--password", "X", "s"}, "the script signs in"},
        {{"--data-root", "/d", "--program", "/p", "a", "b"}, "--program goes with --launcher"},
    };
    for (const auto& [arguments, says] : cases) {
        const ParsedArguments parsed = ParseArguments(arguments);
        EXPECT_FALSE(parsed.options);
        EXPECT_THAT(parsed.error, HasSubstr(says));
    }
    EXPECT_TRUE(ParseArguments({"--help"}).help);
}

}  // namespace
}  // namespace orvant::screendriver
