// The real launcher window, on the offscreen platform: it logs the only user in without a
// question, launches a module library from its menu and gets its window back; two launchers on
// one data root hold different session numbers.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QTest>

#include "company/company_creation.h"
#include "company/users.h"
#include "core/accelerators.h"
#include "options/option_registry.h"
#include "main_window.h"
#include "store/table.h"
#include "launcher_home_test.h"

namespace orvant::launcher {
namespace {

// A modules folder where the frame's test module stands in for the client maintenance, and a
// languages folder with the launcher's tables and the test module's.
class LauncherWindowTest : public LauncherHomeTest {
protected:
    void SetUp() override
    {
        LauncherHomeTest::SetUp();
        addTestModule();
        qApp->setProperty("frametest.log", QStringList());
    }
};

TEST_F(LauncherWindowTest, logs_in_launches_a_module_from_the_menu_and_comes_back)
{
    MainWindow window;
    ASSERT_TRUE(shownAndLoggedIn(window)) << "one user: no password asked";
    EXPECT_THAT(window.windowTitle().toStdString(), ::testing::StartsWith("Welcome to Orvant  "));
    EXPECT_EQ(window.findChild<QLabel*>("CompanyPanel")->text(), "Orvant Demo Inc.");

    QAction* clients = window.findChild<QAction*>("rcvclients");
    ASSERT_NE(clients, nullptr);
    EXPECT_TRUE(clients->isEnabled()) << "the first user has every right";
    testing::WhenShown closer("Tframetest_frm", [](QWidget& form) { form.findChild<QPushButton*>("CloseButton")->click(); });
    clients->trigger();
    EXPECT_TRUE(closer.acted());
    EXPECT_THAT(qApp->property("frametest.log").toStringList().join(' ').toStdString(), ::testing::HasSubstr("started"));
    EXPECT_TRUE(window.isEnabled()) << "the launcher's window is back";
    EXPECT_TRUE(window.session().ledgerCode.empty());

    window.findChild<QAction*>("rcvsales")->trigger();
    ASSERT_EQ(messages_.shown().size(), 1u);
    EXPECT_THAT(messages_.shown()[0].message.text.toStdString(), ::testing::StartsWith("error loading option rcvsales  "));

    window.findChild<QAction*>("Logout")->trigger();
    ASSERT_TRUE(waitFor([&] { return !window.loggedIn(); }));
    EXPECT_EQ(window.findChild<QAction*>("rcvclients"), nullptr) << "the window is empty again";
    window.findChild<QAction*>("Login")->trigger();
    ASSERT_TRUE(waitFor([&] { return window.loggedIn(); }));
    EXPECT_EQ(window.findChildren<QAction*>("Login").size(), 0) << "nothing of the empty window is left";
    EXPECT_NE(window.findChild<QAction*>("rcvclients"), nullptr);
    window.close();
}

TEST_F(LauncherWindowTest, a_missing_wallpaper_is_said_and_the_tracker_options_work_in_the_database_chosen)
{
    home_.registry().setValue(kProductSection, u"pgmdrive", home_.path("nowhere"));
    home_.registry().setValue(kProductSection, u"tracker", "Y");
    {
        const auto books = company::OpenCompany(home_.installation(), 1);
        store::Table databases(*books, "trkdb");
        databases.open();
        databases.insert();
        databases.field("Trkdb_account") = 7;
        databases.field("Trkdb_name") = "Customer calls";
        databases.field("Trkdb_type") = 1;
        databases.post();
    }
    MainWindow window;
    ASSERT_TRUE(shownAndLoggedIn(window)) << "the start goes on";
    ASSERT_EQ(messages_.shown().size(), 1u);
    EXPECT_EQ(messages_.shown()[0].message.number, 0);
    EXPECT_EQ(messages_.shown()[0].message.text, "The wallpaper picture could not be loaded.");
    EXPECT_TRUE(window.selectedTrackerDatabase().isEmpty());
    QAction* calls = window.findChild<QAction*>("Tracker7");
    ASSERT_NE(calls, nullptr);
    EXPECT_EQ(WithoutAccelerator(calls->text()), "Customer calls");
    calls->trigger();
    EXPECT_EQ(window.selectedTrackerDatabase(), "7");
    EXPECT_TRUE(calls->isChecked());
}

TEST_F(LauncherWindowTest, without_any_user_the_launcher_says_so_and_closes)
{
    {
        const auto root = company::OpenDataRoot(home_.installation());
        store::Table users(*root, "user");
        users.open();
        users.first();
        users.deleteRecord();
    }
    MainWindow window;
    window.show();
    ASSERT_TRUE(waitFor([&] { return !window.isVisible(); }));
    EXPECT_FALSE(window.loggedIn());
    ASSERT_EQ(messages_.shown().size(), 1u);
    EXPECT_EQ(messages_.shown()[0].message.number, 1);
}

TEST_F(LauncherWindowTest, menus_follow_their_own_settings_and_companies_are_chosen_by_number)
{
    home_.registry().setValue(kProductSection, u"payroll", "Y");
    company::CreateCompany(home_.installation(), 2, "Twin & Co");
    company::CreateCompany(home_.installation(), 3, "Twin & Co");
    MainWindow window;
    ASSERT_TRUE(shownAndLoggedIn(window));
    const auto visibleMenu = [&](const char* option) {
        for (QAction* top : window.menuBar()->actions())
            if (top->menu() && top->menu()->findChild<QAction*>(option)) return top->isVisible();
        return false;
    };
    EXPECT_TRUE(visibleMenu("pacreate")) << "payroll is on";
    EXPECT_FALSE(visibleMenu("trknew")) << "the tracker keeps its own setting";

    QAction* third = window.findChild<QAction*>("Company3");
    ASSERT_NE(third, nullptr);
    EXPECT_EQ(WithoutAccelerator(third->text()), "Twin && Co") << "an ampersand shows as typed";
    third->trigger();
    ASSERT_TRUE(waitFor([&] { return window.session().companyCode == "3"; }));
    EXPECT_EQ(window.session().companyName, "Twin & Co");
    EXPECT_TRUE(window.findChild<QAction*>("Company3")->isChecked());
    EXPECT_FALSE(window.findChild<QAction*>("Company2")->isChecked());
}

TEST_F(LauncherWindowTest, a_user_without_rights_sees_every_controlled_option_disabled_and_the_position_is_kept)
{
    company::User clerk;
    clerk.code = "PAUL";
    clerk.name = "Paul";
    clerk.rights = company::NoRights();
    company::AddUser(home_.installation(), clerk, "paul1");
    int widest = 0;
    testing::WhenShown password("PasswordDlg", [&](QWidget& dialog) {
        auto* box = dialog.findChild<QLineEdit*>("Password");
        widest = box->maxLength();
        QTest::keyClicks(box, "paul1");  // typed in small letters, shown and compared in capitals
        EXPECT_EQ(box->text(), "PAUL1");
        dialog.findChild<QPushButton*>("OKBtn")->click();
    });
    {
        MainWindow window;
        ASSERT_TRUE(shownAndLoggedIn(window)) << "two users: the password is asked";
        EXPECT_EQ(widest, 10);
        EXPECT_EQ(window.session().userName, "Paul");
        for (const MenuOption& option : MenuOptions()) {
            QAction* entry = window.findChild<QAction*>(option.code);
            ASSERT_NE(entry, nullptr) << option.code.toStdString();
            EXPECT_FALSE(entry->isEnabled()) << option.code.toStdString();
        }
        window.setGeometry(40, 50, 800, 480);
        window.close();
    }
    const QStringList form = home_.registry().value(kProductSection, u"Form").split(u',');
    ASSERT_EQ(form.size(), 5);
    EXPECT_EQ(form[0].toInt(), 480);
    EXPECT_EQ(form[3].toInt(), 800);
    EXPECT_EQ(form[4], "Y");
}

TEST_F(LauncherWindowTest, the_program_starts_logs_in_and_leaves_cleanly)
{
    // The program's documentation hook logs in, opens a menu, saves the screen and quits.
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("ORVANT_SCREENSHOT", home_.path("shot.png"));
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(ORVANT_LAUNCHER), {});
    ASSERT_TRUE(program.waitForFinished(30000)) << "the launcher did not quit";
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0) << program.readAllStandardError().toStdString();
    EXPECT_TRUE(QFile::exists(home_.path("shot.png")));
}

TEST_F(LauncherWindowTest, the_welcome_and_the_payroll_reminder_show_until_told_not_to)
{
    home_.registry().setValue(kProductSection, u"ShowWelcome", "Y");
    home_.registry().setValue(kProductSection, u"payroll", "Y");
    {
        const auto root = company::OpenDataRoot(home_.installation());
        store::Table users(*root, "user");
        users.open();
        users.first();
        users.edit();
        users.field("User_security") = company::NoRights();
        users.post();
    }
    bool payrollText = false, jobCostText = true;
    testing::WhenShown reminder("SetupRemindersDlg", [&](QWidget& dialog) {
        payrollText = dialog.findChild<QLabel*>("PayrollText") != nullptr;
        jobCostText = dialog.findChild<QLabel*>("JobCostText") != nullptr;
        dialog.findChild<QPushButton*>("OKBtn")->click();
    });
    testing::WhenShown welcome("WelcomeDlg", [](QWidget& dialog) {
        dialog.findChild<QCheckBox*>("NotAgain")->setChecked(true);
        dialog.findChild<QPushButton*>("NoBtn")->click();
    });
    MainWindow window;
    window.show();
    ASSERT_TRUE(waitFor([&] { return welcome.acted(); }));
    EXPECT_TRUE(reminder.acted());
    EXPECT_TRUE(payrollText) << "payroll on, no payroll right, no payroll files";
    EXPECT_FALSE(jobCostText) << "job cost is off";
    EXPECT_TRUE(waitFor([&] { return home_.registry().value(kProductSection, u"ShowWelcome") == "N"; }));
}

TEST_F(LauncherWindowTest, a_registry_that_cannot_be_written_and_a_help_that_cannot_be_opened_are_said)
{
    home_.registry().setValue(kProductSection, u"ShowWelcome", "Y");
    const QString registryFile = home_.registry().path();
    testing::WhenShown welcome("WelcomeDlg", [&](QWidget& dialog) {
        // A folder where the registry's file was: nothing more can be saved there.
        QFile::remove(registryFile);
        QDir().mkpath(registryFile);
        dialog.findChild<QCheckBox*>("NotAgain")->setChecked(true);
        dialog.findChild<QPushButton*>("YesBtn")->click();
    });
    MainWindow window;
    window.show();
    ASSERT_TRUE(waitFor([&] { return welcome.acted() && messages_.shown().size() >= 2; }));
    window.close();
    ASSERT_EQ(messages_.shown().size(), 3u);
    const std::string said[] = {"The help could not be opened:\n", "The launcher's settings could not be saved in the registry:\n" + registryFile.toStdString(),
                                "The launcher's settings could not be saved in the registry:\n" + registryFile.toStdString()};
    for (std::size_t i = 0; i < 3; ++i) EXPECT_THAT(messages_.shown()[i].message.text.toStdString(), ::testing::StartsWith(said[i])) << i;
    QDir(registryFile).removeRecursively();
}

TEST_F(LauncherWindowTest, two_launchers_on_one_data_root_hold_different_session_numbers)
{
    MainWindow first, second;
    first.show();
    second.show();
    ASSERT_TRUE(waitFor([&] { return first.loggedIn() && second.loggedIn(); }));
    EXPECT_NE(first.session().sessionNo, second.session().sessionNo);
    EXPECT_GT(first.session().sessionNo, 0);
}

}  // namespace
}  // namespace orvant::launcher
