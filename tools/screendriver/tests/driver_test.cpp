// The driver as a scenario writer runs it: the screendriver program against the frame's test
// module and the driver's own test module, on a demo data root made for each test.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QDate>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "company/data_root_setup.h"
#include "company/demo_company.h"
#include "settings/registry.h"

namespace orvant::screendriver {
namespace {

using ::testing::AllOf;
using ::testing::HasSubstr;
using ::testing::Not;

struct DriverRun {
    int status = -1;
    std::string out, err;
};

class ScreenDriverTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(home_.isValid());
        Registry(registryFile()).setValue(kSettingsSection, u"DateFmt", "YYYY-MM-DD");
        const company::Installation installation{dataRoot().toStdString(), {}};
        company::SetupDataRoot(installation);
        company::MakeDemoCompany(installation, 1);
    }

    QString registryFile() const { return home_.filePath("registry.ini"); }
    QString dataRoot() const { return home_.filePath("Orvant/data"); }

    // Runs the driver on the module with the script; a short timeout for scripts that fail.
    DriverRun drive(const char* module, const QString& script, QStringList extra = {"--timeout", "0.5"})
    {
        const QString scriptFile = home_.filePath(QStringLiteral("%1.script").arg(++scripts_));
        QFile file(scriptFile);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(script.toUtf8());
        file.close();
        const bool frame = QString(module) == "frametest";
        QProcess driver;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("ORVANT_REGISTRY", registryFile());
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        driver.setProcessEnvironment(environment);
        driver.start(SCREENDRIVER_PROGRAM, QStringList{"--data-root", dataRoot(), "--modules", ORVANT_TEST_MODULES, "--languages",
                                                       frame ? FRAMETEST_LANGUAGES : DRIVERTEST_LANGUAGES}
                                               + extra + QStringList{module, scriptFile});
        EXPECT_TRUE(driver.waitForFinished(60000)) << "the driver hung";
        return {driver.exitStatus() == QProcess::NormalExit ? driver.exitCode() : -1, driver.readAllStandardOutput().toStdString(),
                driver.readAllStandardError().toStdString()};
    }

    std::string scriptName(int n) const { return home_.filePath(QStringLiteral("%1.script").arg(n)).toStdString(); }

    QTemporaryDir home_;
    int scripts_ = 0;
};

// "12 : December": the demo company's current period is this month.
QString currentPeriod()
{
    const int month = QDate::currentDate().month();
    return QStringLiteral("%1 : %2").arg(month).arg(QLocale(QLocale::English).monthName(month));
}

TEST_F(ScreenDriverTest, a_scenario_on_the_frame_module_passes_and_shows_what_happened)
{
    const DriverRun run = drive("frametest", "form Tframetest_frm\n"
                                       "expect caption ~\"" + currentPeriod() + "\"\n"
                                       "type DateBox \"2026-12-07\"\n"
                                       "expect text DateBox \"2026-12-07\"\n"
                                       "expect focus DateBox\n"
                                       "click OtherButton\n"
                                       "expect error-form xxxxx xxxxx\n"
                                       "click CloseButton\n"
                                       "expect closed\n");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_THAT(run.out, AllOf(HasSubstr("screendriver frametest: company 1 Orvant Demo Inc., user Administrator, language 1 (en)"),
                               HasSubstr("[1] form Tframetest_frm"),
                               HasSubstr("caption Tframetest_frm \"Frame test current period is " + currentPeriod().toStdString()),
                               HasSubstr("    focus DateBox\n"), HasSubstr("[6] click OtherButton\n    focus OtherButton\n"),
                               HasSubstr("error form: category \"xxxxx\", code \"xxxxx\", message \"Something unexpected\""),
                               HasSubstr("closed Tframetest_frm"), HasSubstr("module returned -1"),
                               HasSubstr("every expectation was met")));
    EXPECT_THAT(run.err, Not(HasSubstr("screendriver:")));
}

TEST_F(ScreenDriverTest, an_unmet_expectation_names_its_line_and_what_was_seen_then_closes_the_screen)
{
    const DriverRun run = drive("frametest", "form Tframetest_frm\n"
                                       "# the caption is the period's\n"
                                       "expect caption \"Frame test\"\n"
                                       "click CloseButton\n");
    EXPECT_EQ(run.status, 1);
    EXPECT_THAT(run.err, AllOf(HasSubstr(scriptName(1) + ":3: expect caption \"Frame test\""),
                               HasSubstr("saw: caption \"Frame test current period is " + currentPeriod().toStdString() + "\"")));
    EXPECT_THAT(run.out, AllOf(HasSubstr("FAILED at line 3"), HasSubstr("the script failed: closing the screen"),
                               HasSubstr("module returned -1"), Not(HasSubstr("[4]"))));
}

TEST_F(ScreenDriverTest, a_store_error_shows_the_error_form_and_the_screen_closes_by_itself)
{
    const DriverRun run = drive("frametest", "form Tframetest_frm\n"
                                       "click StoreErrorButton\n"
                                       "expect error-form\n"
                                       "expect closed\n");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_THAT(run.out, AllOf(HasSubstr("message \"Key violation on cli.\""), Not(HasSubstr("closing the screen"))));
}

TEST_F(ScreenDriverTest, every_kind_of_step_works_on_real_controls)
{
    const DriverRun run = drive("drivertest", "form Tdrivertest_frm\n"
                                        "expect caption \"Driver test\"\n"
                                        "expect disabled SaveButton\n"
                                        "check ActiveBox on\n"
                                        "expect enabled SaveButton\n"
                                        "click SaveButton\n"
                                        "expect message 2\n"
                                        "choose TermsBox \"Net 15 days\"\n"
                                        "expect text TermsLabel \"Net 15 days\"\n"
                                        "choose ClientList DEF200\n"
                                        "expect text CodeBox DEF200\n"
                                        "cell LinesGrid 1 1 \"12.50\"\n"
                                        "expect text TotalLabel \"12.50\"\n"
                                        "type CodeBox ZZ\n"
                                        "key Tab\n"
                                        "expect focus ActiveBox\n"
                                        "click DeleteButton\n"
                                        "expect message 0\n"
                                        "answer Yes\n"
                                        "expect message 1\n"
                                        "click FindButton\n"
                                        "pick \"GHI300\"\n"
                                        "expect text CodeBox GHI300\n"
                                        "click DialogButton\n"
                                        "form Tdrivertest_dlg\n"
                                        "type NoteBox \"Pays on time\"\n"
                                        "click OkButton\n"
                                        "form Tdrivertest_frm\n"
                                        "expect text NoteLabel \"Pays on time\"\n"
                                        "click CloseButton\n"
                                        "expect closed\n");
    EXPECT_EQ(run.status, 0) << run.err << run.out;
    EXPECT_THAT(run.out, AllOf(HasSubstr("message 2 (information): \"The client is saved.\""),
                               HasSubstr("question 0: \"Delete the client?\"\n"),
                               HasSubstr("[19] answer Yes\n    answered Yes\n"),
                               HasSubstr("message 1 (information): \"The client is deleted.\""), HasSubstr("shown TClientPicker"),
                               HasSubstr("closed TClientPicker"), HasSubstr("shown Tdrivertest_dlg \"Note\"")));
}

TEST_F(ScreenDriverTest, acting_while_a_question_waits_fails_and_the_question_is_answered_to_close)
{
    const DriverRun run = drive("drivertest", "form Tdrivertest_frm\n"
                                        "click DeleteButton\n"
                                        "click CloseButton\n");
    EXPECT_EQ(run.status, 1);
    EXPECT_THAT(run.err, AllOf(HasSubstr(":3: click CloseButton"), HasSubstr("must be answered first: question 0")));
    EXPECT_THAT(run.out, AllOf(HasSubstr("answered Yes"), HasSubstr("module returned -1")));
}

TEST_F(ScreenDriverTest, a_failure_inside_a_side_dialog_closes_the_dialog_then_the_screen)
{
    const DriverRun run = drive("drivertest", "form Tdrivertest_frm\n"
                                        "click DialogButton\n"
                                        "form Tdrivertest_dlg\n"
                                        "click NoSuchButton\n");
    EXPECT_EQ(run.status, 1);
    EXPECT_THAT(run.err, HasSubstr("saw: the form Tdrivertest_dlg has no control NoSuchButton"));
    EXPECT_THAT(run.out, AllOf(HasSubstr("closed Tdrivertest_dlg"), HasSubstr("closed Tdrivertest_frm"), HasSubstr("module returned -1")));
}

TEST_F(ScreenDriverTest, a_script_that_ends_with_the_screen_open_closes_it_and_passes)
{
    const DriverRun run = drive("drivertest", "form Tdrivertest_frm\nexpect caption \"Driver test\"\n");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_THAT(run.out, AllOf(HasSubstr("the script is done: closing the screen"), HasSubstr("module returned -1")));
}

TEST_F(ScreenDriverTest, a_bad_script_a_missing_module_or_a_missing_company_is_refused_before_anything_runs)
{
    const DriverRun badScript = drive("drivertest", "form Tdrivertest_frm\n\ncheck ActiveBox sideways\n");
    EXPECT_EQ(badScript.status, 2);
    EXPECT_THAT(badScript.err, HasSubstr(scriptName(1) + ":3: sideways is none of off|on"));
    EXPECT_EQ(badScript.out, "");

    const DriverRun noModule = drive("nosuchmodule", "form Tnosuch_frm\n");
    EXPECT_EQ(noModule.status, 2);
    EXPECT_THAT(noModule.err, HasSubstr("Library file not found"));

    const DriverRun noCompany = drive("drivertest", "form Tdrivertest_frm\n", {"--company", "9"});
    EXPECT_EQ(noCompany.status, 2);
    EXPECT_THAT(noCompany.err, HasSubstr("The data root has no company 9."));
}

}  // namespace
}  // namespace orvant::screendriver
