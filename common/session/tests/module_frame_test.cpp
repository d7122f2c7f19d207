// A module library loaded with dlopen and run through ShowDllForm, as the launcher runs it:
// creation order, language strings, status bar, date masks, the period caption, and each way a
// module can fail; then twenty runs in one process.

#include <dlfcn.h>
#include <unistd.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <fstream>

#include "dates/date.h"
#include "session/module_launch.h"
#include "store/table.h"
#include "testing/module_test_home.h"
#include "ui/recording_messages.h"

namespace orvant {
namespace {

using ::testing::ElementsAre;

const QString kModules = QStringLiteral(ORVANT_TEST_MODULES);

bool moduleStarted() { return qApp->property("frametest.log").toStringList().join(' ').contains("started"); }

// The test module's main form, once the module has started.
struct WhenStarted : testing::WhenShown {
    explicit WhenStarted(std::function<void(QWidget&)> act) : WhenShown("Tframetest_frm", std::move(act), moduleStarted) {}
};

void click(QWidget& form, const char* button) { form.findChild<QPushButton*>(button)->click(); }

class ModuleFrameTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        qApp->setProperty("frametest.log", QStringList());
        qApp->setProperty("frametest.missingTable", false);
    }

    Session session(int language = 1) const { return home_.session(language); }
    LaunchResult launch(int language = 1) { return LaunchModule(kModules, "frametest", session(language), false); }
    QStringList log() const { return qApp->property("frametest.log").toStringList(); }

    testing::ModuleTestHome home_{ORVANT_TEST_LANGUAGES};
    ui::RecordingMessages messages_;
    ui::MessageServiceScope scope_{messages_};
};

QString thisMonth()
{
    static const char* const months[] = {"January", "February", "March",     "April",   "May",      "June",
                                         "July",    "August",   "September", "October", "November", "December"};
    const int m = Date::today().month();
    return QString::number(m) + " : " + months[m - 1];
}

TEST_F(ModuleFrameTest, a_run_makes_its_objects_in_order_and_dresses_the_screen_in_english)
{
    QString title, label, hint, datePlaceholder, phoneMask, dialogTitle;
    QStringList panels;
    WhenStarted act([&](QWidget& form) {
        title = form.windowTitle();
        label = form.findChild<QLabel*>("ClientLabel")->text();
        hint = form.findChild<QLabel*>("ClientLabel")->toolTip();
        for (QLabel* panel : form.findChild<QStatusBar*>()->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) panels << panel->text();
        datePlaceholder = form.findChild<QLineEdit*>("DateBox")->property("editMask").toString();
        phoneMask = form.findChild<QLineEdit*>("PhoneBox")->property("editMask").toString();
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == "Tframetest_dlg") dialogTitle = w->windowTitle();
        click(form, "CloseButton");
    });
    const LaunchResult result = launch();
    ASSERT_EQ(result.status, LaunchResult::Ran) << result.error.toStdString();
    EXPECT_EQ(result.returned, -1);

    EXPECT_THAT(log(), ElementsAre("data module", "main form", "dialogs", "started: error form made, control open, ledger N"));
    EXPECT_EQ(title, "Frame test current period is " + thisMonth());
    EXPECT_EQ(label, "Client");
    EXPECT_EQ(hint, "The client's code");
    EXPECT_THAT(panels, ElementsAre("Company: 1 - Orvant Demo Inc.", "User: Administrator", "Version: " ORVANT_VERSION_TEXT));
    EXPECT_EQ(datePlaceholder, "!9999-99-99;1; ") << "a date box takes the registry's date format";
    EXPECT_EQ(phoneMask, "!(999) 000-0000;1;_") << "a telephone box keeps its mask";
    EXPECT_EQ(dialogTitle, "Period");
    EXPECT_TRUE(messages_.shown().empty());
}

TEST_F(ModuleFrameTest, language_two_reads_the_french_table)
{
    QString title, hint;
    WhenStarted act([&](QWidget& form) {
        title = form.windowTitle();
        hint = form.findChild<QLabel*>("ClientLabel")->toolTip();
        click(form, "CloseButton");
    });
    EXPECT_EQ(launch(2).returned, -1);
    EXPECT_EQ(title, "Essai du cadre, période courante " + thisMonth());
    EXPECT_EQ(hint, "Le code du client");
}

TEST_F(ModuleFrameTest, a_table_that_cannot_be_opened_says_so_once_and_closes_the_screen)
{
    qApp->setProperty("frametest.missingTable", true);
    for (int language : {1, 2}) {
        messages_.clear();
        qApp->setProperty("frametest.log", QStringList());
        EXPECT_EQ(launch(language).returned, -1);
        ASSERT_EQ(messages_.shown().size(), 1u);
        EXPECT_EQ(messages_.shown()[0].message.text,
                  language == 1 ? "Error opening table VatTmp77" : "Erreur lors de l'ouverture de la table VatTmp77");
        EXPECT_THAT(log(), ElementsAre("data module", "main form", "dialogs")) << "the first activation went no further";
    }
}

TEST_F(ModuleFrameTest, a_missing_or_broken_language_table_closes_the_screen)
{
    QTemporaryDir languages;
    setenv("ORVANT_LANGUAGES", languages.path().toLocal8Bit().constData(), 1);
    EXPECT_EQ(launch().returned, -1);
    ASSERT_EQ(messages_.errorForms(), 1);
    EXPECT_TRUE(messages_.shown()[0].error.message.contains("frametesten"));

    QFile broken(languages.filePath("frametesten.lang"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("[Tframetest_frm]\nkind: sideways\n");
    broken.close();
    messages_.clear();
    qApp->setProperty("frametest.log", QStringList());
    EXPECT_EQ(launch().returned, -1) << "a screen left half set up would hang here";
    ASSERT_EQ(messages_.errorForms(), 1);
    EXPECT_TRUE(messages_.shown()[0].error.message.contains("frametesten.lang:2"));
    EXPECT_THAT(log(), ElementsAre("data module", "main form", "dialogs"));
}

TEST_F(ModuleFrameTest, a_store_error_shows_the_error_form_and_closes_the_screen)
{
    WhenStarted act([](QWidget& form) { click(form, "StoreErrorButton"); });
    EXPECT_EQ(launch().returned, -1);
    ASSERT_EQ(messages_.errorForms(), 1);
    EXPECT_TRUE(messages_.shown()[0].error.message.contains("Key violation on cli."));
    EXPECT_TRUE(act.acted());
}

TEST_F(ModuleFrameTest, a_record_held_elsewhere_closes_the_screen_with_a_message_and_no_error_form)
{
    store::Database other("other", home_.installation().companyDir(1), {});
    store::Table clients(other, "cli");
    clients.open();
    ASSERT_TRUE(clients.findKey({"ABC100"}));
    clients.edit();

    WhenStarted act([](QWidget& form) { click(form, "LockButton"); });
    EXPECT_EQ(launch().returned, -1);
    EXPECT_EQ(messages_.errorForms(), 0);
    ASSERT_EQ(messages_.shown().size(), 1u);
    EXPECT_TRUE(messages_.shown()[0].message.text.startsWith("This record is in use by another workstation"));
    clients.cancel();
}

TEST_F(ModuleFrameTest, an_ordinary_exception_is_shown_and_the_screen_stays)
{
    bool stillOpen = false;
    WhenStarted act([&](QWidget& form) {
        click(form, "OtherButton");
        stillOpen = form.isVisible();
        click(form, "CloseButton");
    });
    EXPECT_EQ(launch().returned, -1);
    EXPECT_TRUE(stillOpen);
    ASSERT_EQ(messages_.errorForms(), 1);
    EXPECT_EQ(messages_.shown()[0].error.code, "xxxxx");
    EXPECT_EQ(messages_.shown()[0].error.message, "Something unexpected");
}

long residentKilobytes()
{
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

TEST_F(ModuleFrameTest, twenty_runs_load_and_really_unload_the_library_without_growing)
{
    const QByteArray file = ModuleFile(kModules, "frametest").toLocal8Bit();
    long afterFifth = 0;
    for (int run = 1; run <= 20; ++run) {
        WhenStarted act([](QWidget& form) { click(form, "CloseButton"); });
        ASSERT_EQ(launch().returned, -1) << "run " << run;
        EXPECT_EQ(dlopen(file.constData(), RTLD_NOW | RTLD_NOLOAD), nullptr) << "run " << run << " left the library loaded";
        if (run == 5) afterFifth = residentKilobytes();
    }
    EXPECT_LT(residentKilobytes() - afterFifth, 8 * 1024) << "fifteen more runs kept memory";
}

TEST_F(ModuleFrameTest, a_running_module_is_not_started_again_inside_itself)
{
    LaunchResult again;
    bool runningSeen = false;
    WhenStarted act([&](QWidget& form) {
        runningSeen = ModuleRunning();
        again = LaunchModule(kModules, "frametest", session(), true);
        click(form, "CloseButton");
    });
    EXPECT_EQ(launch().returned, -1);
    EXPECT_TRUE(runningSeen);
    EXPECT_EQ(again.status, LaunchResult::AlreadyRunning);
    EXPECT_FALSE(ModuleRunning()) << "the mark goes with the module";
}

TEST_F(ModuleFrameTest, a_missing_library_is_the_file_not_found_case)
{
    const LaunchResult result = LaunchModule(kModules, "nosuchmodule", session(), false);
    EXPECT_EQ(result.status, LaunchResult::NotLoaded);
    EXPECT_EQ(result.errorNumber, kLibraryNotFound);
}

}  // namespace
}  // namespace orvant
