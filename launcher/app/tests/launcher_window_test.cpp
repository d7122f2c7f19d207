// The real launcher window, on the offscreen platform: it logs the only user in without a
// question, launches a module library from its menu and gets its window back; two launchers on
// one data root hold different session numbers.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QPushButton>

#include "company/company_creation.h"
#include "main_window.h"
#include "store/table.h"
#include "testing/module_test_home.h"
#include "ui/recording_messages.h"

namespace orvant::launcher {
namespace {

// A modules folder where the frame's test module stands in for the client maintenance, and a
// languages folder with the launcher's tables and the test module's.
class LauncherWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QDir().mkpath(home_.path("modules")) && QDir().mkpath(home_.path("languages")));
        ASSERT_TRUE(QFile::copy(QStringLiteral(ORVANT_TEST_MODULES "/frametest.so"), home_.path("modules/rcvclients.so")));
        for (const char* table : {"MainMenuen", "MainMenufr"})
            QFile::copy(QStringLiteral(ORVANT_SOURCE "/languages/") + table + ".lang", home_.path("languages/") + table + ".lang");
        for (const char* table : {"frametesten", "frametestfr"})
            QFile::copy(QStringLiteral(ORVANT_SOURCE "/common/session/tests/languages/") + table + ".lang",
                        home_.path("languages/") + table + ".lang");
        setenv("ORVANT_MODULES", home_.path("modules").toLocal8Bit().constData(), 1);
        setenv("ORVANT_LANGUAGES", home_.path("languages").toLocal8Bit().constData(), 1);
        home_.registry().setValue(kProductSection, u"datadrive", home_.path(""));
        home_.registry().setValue(kProductSection, u"pgmdrive", QStringLiteral(ORVANT_BUILD));
        qApp->setProperty("frametest.log", QStringList());
    }
    void TearDown() override { unsetenv("ORVANT_MODULES"); }

    static bool waitFor(const std::function<bool()>& done)
    {
        QElapsedTimer clock;
        clock.start();
        while (!done() && clock.elapsed() < 10000) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        return done();
    }

    testing::ModuleTestHome home_{ORVANT_SOURCE "/languages"};
    ui::RecordingMessages messages_;
    ui::MessageServiceScope scope_{messages_};
};

TEST_F(LauncherWindowTest, logs_in_launches_a_module_from_the_menu_and_comes_back)
{
    MainWindow window;
    window.show();
    ASSERT_TRUE(waitFor([&] { return window.loggedIn(); })) << "one user: no password asked";
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
    EXPECT_FALSE(window.loggedIn());
    EXPECT_EQ(window.findChild<QAction*>("rcvclients"), nullptr) << "the window is empty again";
    window.findChild<QAction*>("Login")->trigger();
    EXPECT_TRUE(window.loggedIn());
    EXPECT_NE(window.findChild<QAction*>("rcvclients"), nullptr);
    window.close();
}

TEST_F(LauncherWindowTest, a_missing_wallpaper_is_said_and_the_start_goes_on)
{
    home_.registry().setValue(kProductSection, u"pgmdrive", home_.path("nowhere"));
    MainWindow window;
    window.show();
    ASSERT_TRUE(waitFor([&] { return window.loggedIn(); }));
    ASSERT_EQ(messages_.shown().size(), 1u);
    EXPECT_EQ(messages_.shown()[0].message.number, 0);
    EXPECT_EQ(messages_.shown()[0].message.text, "The wallpaper picture could not be loaded.");
}

TEST_F(LauncherWindowTest, tracker_options_work_in_the_tracker_database_chosen)
{
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
    window.show();
    ASSERT_TRUE(waitFor([&] { return window.loggedIn(); }));
    EXPECT_TRUE(window.selectedTrackerDatabase().isEmpty());
    QAction* calls = window.findChild<QAction*>("Tracker7");
    ASSERT_NE(calls, nullptr);
    EXPECT_EQ(calls->text(), "Customer calls");
    calls->trigger();
    EXPECT_EQ(window.selectedTrackerDatabase(), "7");
    EXPECT_TRUE(calls->isChecked());
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
