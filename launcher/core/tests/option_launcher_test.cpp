// The launch rules, in their order, against the probe module copied under the codes of real
// options: suffixes, the desktop shortcut check, the tracker, payroll and job-cost checks, the
// ledger of the shared report modules, what a failure says and what the window is told after.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "launch_test_support.h"
#include "store/tables/catalog.h"

namespace orvant::launcher::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

const QStringList kAfterModule{"companies", "window", "title"};

class OptionLaunchTest : public LaunchTest {};

TEST_F(OptionLaunchTest, a_menu_shortcut_starts_its_option)
{
    installProbe({"rcvsales"});
    EXPECT_EQ(launcher_.launch(u"rcvsalesf"), LaunchOutcome::Ran);
    EXPECT_THAT(probeCalls(), ElementsAre("rcvsales ledger= session=1"));
    EXPECT_EQ(host_.events, kAfterModule);
    EXPECT_THAT(shownTexts(), IsEmpty());
}

TEST_F(OptionLaunchTest, marks_are_read_as_written_and_only_after_an_options_code)
{
    installProbe({"rcvsales", "vndcheqprint", "cmpmaint", "backup", "glrepdef"});
    EXPECT_EQ(launcher_.launch(u"rcvsales"), LaunchOutcome::Ran) << "a small s stays";
    EXPECT_EQ(launcher_.launch(u"vndcheqprintp"), LaunchOutcome::Ran);
    EXPECT_EQ(launcher_.launch(u"cmpmaintp"), LaunchOutcome::Ran);
    EXPECT_EQ(launcher_.launch(u"backup"), LaunchOutcome::Ran) << "a Tools module keeps the p of its name";
    EXPECT_EQ(launcher_.launch(u"glrepdef"), LaunchOutcome::Ran) << "the report maintenance keeps its f";
    EXPECT_EQ(launcher_.launch(u"glrepdeff"), LaunchOutcome::Ran) << "and its shortcut runs it";
    EXPECT_THAT(probeCalls(), ElementsAre("rcvsales ledger= session=1", "vndcheqprint ledger= session=1",
                                          "cmpmaint ledger= session=1", "backup ledger= session=1",
                                          "glrepdef ledger=gl session=1", "glrepdef ledger=gl session=1"));
    EXPECT_EQ(host_.events.count("company menu"), 1) << "rebuilt after the company maintenance";
    EXPECT_THAT(shownTexts(), IsEmpty());
}

TEST_F(OptionLaunchTest, a_desktop_shortcut_runs_only_a_whole_code_of_DllList)
{
    installProbe({"rcvsales"});
    host_.dllList = {"", "xrcvsales", "rcvsales2", "rcvsalesf", "rcvsales cash"};
    EXPECT_EQ(launcher_.launch(u"rcvsalesS"), LaunchOutcome::Stopped);
    ASSERT_EQ(messages_.shown().size(), 1u);
    EXPECT_EQ(messages_.shown()[0].message.number, 3);
    EXPECT_EQ(messages_.shown()[0].message.text, "Error_Messages 3");
    EXPECT_THAT(probeCalls(), IsEmpty());
    EXPECT_THAT(host_.events, IsEmpty()) << "a refusal before the load changes nothing";

    host_.dllList << "rcvsales";
    EXPECT_EQ(launcher_.launch(u"rcvsalesS"), LaunchOutcome::Ran);
    EXPECT_THAT(probeCalls(), ElementsAre("rcvsales ledger= session=1"));
}

TEST_F(OptionLaunchTest, a_ledger_report_option_runs_the_general_ledger_module_with_its_ledger_for_that_run_only)
{
    installProbe({"glrepprint", "glrepdef"});
    host_.session().ledgerCode = "N";
    EXPECT_EQ(launcher_.launch(u"aprepprint"), LaunchOutcome::Ran);
    EXPECT_TRUE(host_.session().ledgerCode.empty()) << "LedgerCode is empty again after the module returns";
    EXPECT_EQ(launcher_.launch(u"arrepdef"), LaunchOutcome::Ran);
    qApp->setProperty("launchprobe.refuse", true);
    EXPECT_EQ(launcher_.launch(u"parepprint"), LaunchOutcome::Denied);
    EXPECT_TRUE(host_.session().ledgerCode.empty());
    EXPECT_THAT(probeCalls(), ElementsAre("glrepprint ledger=ap session=1", "glrepdef ledger=ar session=1",
                                          "glrepprint ledger=pa session=1"));
    EXPECT_THAT(shownTexts(), ElementsAre("Access denied..."));
}

TEST_F(OptionLaunchTest, a_tracker_option_needs_a_chosen_tracker_database_which_becomes_its_ledger)
{
    installProbe({"trkentries", "trknew"});
    EXPECT_EQ(launcher_.launch(u"trkentries"), LaunchOutcome::Stopped);
    ASSERT_EQ(messages_.shown().size(), 1u);
    EXPECT_EQ(messages_.shown()[0].message.number, 11);
    EXPECT_THAT(probeCalls(), IsEmpty());

    EXPECT_EQ(launcher_.launch(u"trknew"), LaunchOutcome::Ran) << "creating the first database needs none";
    EXPECT_TRUE(host_.events.contains("tracker menu"));

    host_.trackerDatabase = "5";
    EXPECT_EQ(launcher_.launch(u"trkentriesf"), LaunchOutcome::Ran);
    EXPECT_THAT(probeCalls(), ElementsAre("trknew ledger= session=1", "trkentries ledger=5 session=1"));
    EXPECT_TRUE(host_.session().ledgerCode.empty());
}

TEST_F(OptionLaunchTest, payroll_options_need_the_payroll_tables_when_payroll_is_installed)
{
    installProbe({"paentry", "pacreate", "gljournals"});
    OptionLauncher payroll(host_, {modulesDir_, true});
    EXPECT_EQ(payroll.launch(u"paentry"), LaunchOutcome::Stopped);
    EXPECT_EQ(payroll.launch(u"gljournals"), LaunchOutcome::Stopped);
    ASSERT_EQ(messages_.shown().size(), 2u);
    for (const ui::ShownMessage& shown : messages_.shown()) {
        EXPECT_EQ(shown.message.number, 13);
        EXPECT_EQ(shown.message.kind, ui::MessageKind::Information);
    }
    EXPECT_EQ(payroll.launch(u"pacreate"), LaunchOutcome::Ran) << "the payroll files are created without them";

    store::TableDef departments;
    departments.name = "PNDEPT";
    departments.fields = {store::fields::Int("Pndept_code")};
    host_.companyDatabase().createTable(departments);
    EXPECT_EQ(payroll.launch(u"paentry"), LaunchOutcome::Ran) << "the table is found in any case";
    host_.companyDatabase().dropTable("pndept");
    EXPECT_EQ(launcher_.launch(u"paentry"), LaunchOutcome::Ran) << "without payroll installed nothing is checked";
    EXPECT_THAT(probeCalls(), ElementsAre("pacreate ledger= session=1", "paentry ledger= session=1", "paentry ledger= session=1"));
}

TEST_F(OptionLaunchTest, job_cost_options_need_the_job_cost_control_table_but_its_creation)
{
    installProbe({"jcdisplay", "jccreate"});
    host_.companyDatabase().dropTable("jcctrl");
    EXPECT_EQ(launcher_.launch(u"jcdisplay"), LaunchOutcome::Stopped);
    ASSERT_EQ(messages_.shown().size(), 1u);
    EXPECT_EQ(messages_.shown()[0].message.number, 14);
    EXPECT_EQ(messages_.shown()[0].message.kind, ui::MessageKind::Information);
    EXPECT_EQ(launcher_.launch(u"jccreate"), LaunchOutcome::Ran);

    host_.companyDatabase().createTable("JcCtrl");
    EXPECT_EQ(launcher_.launch(u"jcdisplayf"), LaunchOutcome::Ran);
    EXPECT_THAT(probeCalls(), ElementsAre("jccreate ledger= session=1", "jcdisplay ledger= session=1"));
}

TEST_F(OptionLaunchTest, a_missing_library_says_which_option_and_the_file_not_found_number)
{
    EXPECT_EQ(launcher_.launch(u"rcvagingf"), LaunchOutcome::NotLoaded);
    EXPECT_EQ(launcher_.launch(u"paentry"), LaunchOutcome::NotLoaded);
    ASSERT_EQ(messages_.shown().size(), 2u);
    EXPECT_EQ(messages_.shown()[0].message.text, "error loading option rcvaging  1157");
    EXPECT_EQ(messages_.shown()[1].message.number, 12) << "a payroll library has a message of its own";
    EXPECT_EQ(host_.events, QStringList({"title", "title"})) << "nothing was unloaded, so no refresh of the companies";
}

TEST_F(OptionLaunchTest, steps_after_the_run_follow_the_option)
{
    installProbe({"cmpcreate", "sysparams", "cmpmaint"});
    EXPECT_EQ(launcher_.launch(u"cmpcreate"), LaunchOutcome::Ran);
    EXPECT_EQ(host_.events, QStringList({"window", "title"})) << "no refresh of comp.db after its own creation";
    host_.events.clear();
    EXPECT_EQ(launcher_.launch(u"sysparams"), LaunchOutcome::Ran);
    EXPECT_EQ(host_.events, QStringList({"companies", "window", "intl", "title"}));
    host_.events.clear();
    QFile::remove(modulesDir_ + "/sysparams.so");
    EXPECT_EQ(launcher_.launch(u"sysparams"), LaunchOutcome::NotLoaded);
    EXPECT_EQ(launcher_.launch(u"trknew"), LaunchOutcome::NotLoaded);
    EXPECT_EQ(host_.events, QStringList({"intl", "title", "tracker menu", "title"})) << "done even when the load failed";
}

TEST_F(OptionLaunchTest, a_code_that_is_not_a_plain_name_is_refused_before_anything)
{
    installProbe({"rcvsales"});
    ASSERT_TRUE(QFile::copy(modulesDir_ + "/rcvsales.so", scratch_.filePath("outside.so")));
    for (const char16_t* code : {u"../outside", u"rcv/sales", u"..", u"", u"rcvsales.so", u"rcv sales", u"S"}) {
        messages_.clear();
        EXPECT_EQ(launcher_.launch(code), LaunchOutcome::Stopped) << QString::fromUtf16(code).toStdString();
        ASSERT_EQ(messages_.shown().size(), 1u);
        EXPECT_EQ(messages_.shown()[0].message.kind, ui::MessageKind::Warning);
    }
    EXPECT_THAT(probeCalls(), IsEmpty());
    EXPECT_THAT(host_.events, IsEmpty());
}

}  // namespace
}  // namespace orvant::launcher::testing
