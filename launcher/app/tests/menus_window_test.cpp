// The launcher's Options menu and the keyboard, in the real window on the offscreen platform:
// the language switch that every form, the Tools menu and the option captions follow (and the
// language that cannot be loaded in full, refused with nothing switched), the printer the next
// module is given, an Alt+letter of its own for every entry of every menu, and a menu bar that
// shows all its menus in a window 750 pixels wide.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>

#include "company/company_creation.h"
#include "company/users.h"
#include "core/accelerators.h"
#include "main_window.h"
#include "password_dialogs.h"
#include "store/query.h"
#include "store/table.h"
#include "launcher_home_test.h"

namespace orvant::launcher {
namespace {

using ::testing::StartsWith;

// The frame's test module stands in for the client maintenance, its tables beside the launcher's.
class MenusWindowTest : public LauncherHomeTest {
protected:
    void SetUp() override
    {
        LauncherHomeTest::SetUp();
        addTestModule();
    }

    // Every optional ledger shown: the most menus.
    void showEveryLedger()
    {
        for (const char16_t* ledger : {u"payroll", u"tracker", u"JobCost"}) home_.registry().setValue(kProductSection, ledger, "Y");
    }
    void addLanguage(int key, const char* code, const char* name)
    {
        const auto root = company::OpenDataRoot(home_.installation());
        store::Table languages(*root, "Languages");
        languages.open();
        languages.insert();
        languages.field("LangKey") = key;
        languages.field("LangCode") = code;
        languages.field("LangName") = name;
        languages.post();
    }

    static QString shown(QMainWindow& window, const char* entry)
    {
        QAction* action = window.findChild<QAction*>(entry);
        return action ? WithoutAccelerator(action->text()) : QStringLiteral("(no %1)").arg(entry);
    }
    // Chooses a language from the menu; the switch runs once the menu has delivered its click.
    static bool switchTo(MainWindow& window, const char* entry, int language)
    {
        window.findChild<QAction*>(entry)->trigger();
        return waitFor([&] { return window.session().language == language && window.findChild<QAction*>("rcvclients"); });
    }
};

TEST_F(MenusWindowTest, english_french_english_under_intl_every_form_the_tools_menu_and_the_options_follow)
{
    home_.registry().setValue(kSettingsSection, u"intl", "Y");
    MainWindow window;
    QSignalSpy switched(&window, &MainWindow::languageChanged);
    ASSERT_TRUE(shownAndLoggedIn(window));
    const struct {
        const char* entry;
        int language;
        std::string code, title, cheques, tools, passwordDialog, exit, panel, errorForm, errorClose, errorPrint;
    } steps[] = {
        {"MenuItemen", 1, "en", "Welcome to Orvant  ", "Print and update checks", "Maintenance of Tools menu", "Password Dialog", "Exit", "List of clients",
         "Error", "Close", "Print"},
        {"MenuItemfr", 2, "fr", "Bienvenue à Orvant  ", "Impression et mise à jour des chèques", "Maintenance du menu Outils", "Mot de passe", "Quitter",
         "Liste des clients", "Erreur", "Fermer", "Imprimer"},
        {"MenuItemen", 1, "en", "Welcome to Orvant  ", "Print and update checks", "Maintenance of Tools menu", "Password Dialog", "Exit", "List of clients",
         "Error", "Close", "Print"},
    };
    // The launcher's error form is a window of its own, not a child of the main window.
    const auto errorForm = [] {
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->objectName() == "TErrorForm") return top;
        return static_cast<QWidget*>(nullptr);
    }();
    ASSERT_NE(errorForm, nullptr);
    for (const auto& step : steps) {
        if (step.language != window.session().language) ASSERT_TRUE(switchTo(window, step.entry, step.language)) << step.entry;
        EXPECT_EQ(window.session().langCode, step.code);
        EXPECT_THAT(window.windowTitle().toStdString(), StartsWith(step.title));
        EXPECT_EQ(shown(window, "vndcheqprint").toStdString(), step.cheques);
        EXPECT_EQ(shown(window, "toolsmaint").toStdString(), step.tools);
        EXPECT_EQ(window.findChild<QDialog*>("PasswordDlg")->windowTitle().toStdString(), step.passwordDialog);
        EXPECT_EQ(shown(window, "Exit").toStdString(), step.exit);
        EXPECT_EQ(window.findChild<QLabel*>("ClientsTitle")->text().toStdString(), step.panel);
        EXPECT_EQ(errorForm->windowTitle().toStdString(), step.errorForm);
        EXPECT_EQ(errorForm->findChild<QPushButton*>("Close")->text().toStdString(), step.errorClose);
        EXPECT_EQ(errorForm->findChild<QPushButton*>("PrintButton")->text().toStdString(), step.errorPrint);
        EXPECT_TRUE(window.findChild<QAction*>(step.entry)->isChecked());
        EXPECT_EQ(window.findChild<QLabel*>("CompanyPanel")->text(), "Orvant Demo Inc.");
    }
    EXPECT_EQ(switched.count(), 2);

    // The next module opens in the language chosen last but one: French.
    ASSERT_TRUE(switchTo(window, "MenuItemfr", 2));
    QString caption;
    testing::WhenShown closer("Tframetest_frm", [&](QWidget& form) {
        caption = form.windowTitle();
        form.findChild<QPushButton*>("CloseButton")->click();
    });
    window.findChild<QAction*>("rcvclients")->trigger();
    EXPECT_TRUE(closer.acted());
    EXPECT_THAT(caption.toStdString(), StartsWith("Essai du cadre"));
    const auto root = company::OpenDataRoot(home_.installation());
    EXPECT_EQ(company::FindUserByCode(*root, "ADMIN")->language, 1)
        << "the user's record keeps its language";
}

TEST_F(MenusWindowTest, a_language_whose_tables_are_incomplete_is_refused_with_nothing_switched)
{
    addLanguage(3, "esp", "Español");
    QFile partial(home_.path("languages/MainMenues.lang"));
    ASSERT_TRUE(partial.open(QIODevice::WriteOnly));
    partial.write("[MainForm]\ncaption: Bienvenido a Orvant\n");
    partial.close();
    MainWindow window;
    QSignalSpy switched(&window, &MainWindow::languageChanged);
    ASSERT_TRUE(shownAndLoggedIn(window));
    const QString title = window.windowTitle();
    window.findChild<QAction*>("MenuItemes")->trigger();
    ASSERT_TRUE(waitFor([&] { return !messages_.shown().empty(); }));
    EXPECT_EQ(messages_.shown()[0].message.number, 15);
    EXPECT_THAT(messages_.shown()[0].message.text.toStdString(), ::testing::HasSubstr("MainForm.Error_Messages is missing"));
    EXPECT_EQ(window.session().language, 1);
    EXPECT_EQ(window.session().langCode, "en");
    EXPECT_EQ(window.windowTitle(), title);
    EXPECT_EQ(shown(window, "Exit"), "Exit");
    EXPECT_TRUE(window.findChild<QAction*>("MenuItemen")->isChecked());
    EXPECT_FALSE(window.findChild<QAction*>("MenuItemes")->isChecked());
    EXPECT_EQ(switched.count(), 0);
}

TEST_F(MenusWindowTest, the_second_printer_gives_printer_index_1_to_the_next_module)
{
    MainWindow window;
    window.setPrinters({"Laser", "Cheques & Co"}, "Laser");
    ASSERT_TRUE(shownAndLoggedIn(window));
    EXPECT_EQ(window.session().printerIndex, "0") << "the default printer, the user naming none";
    EXPECT_EQ(shown(window, "Printer1"), "Cheques && Co");
    window.findChild<QAction*>("Printer1")->trigger();
    EXPECT_EQ(window.session().printerIndex, "1");
    EXPECT_EQ(LinkFor(window.session()).PrinterIndex, std::string("1")) << "what the next module receives";
    EXPECT_EQ(window.findChild<QLabel*>("PrinterPanel")->text(), "Cheques & Co");
    EXPECT_FALSE(window.findChild<QAction*>("Printer0")->isChecked());
    EXPECT_TRUE(window.findChild<QAction*>("Printer1")->isChecked());
}

// Each menu's entries, and the menus of the bar, reached by letters of their own.
void expectOwnLetters(QWidget& menu, const std::string& where)
{
    QSet<QChar> letters;
    for (QAction* entry : menu.actions()) {
        if (entry->isSeparator()) continue;
        const auto letter = AcceleratorOf(entry->text());
        const std::string caption = where + " > " + entry->text().toStdString();
        ASSERT_TRUE(letter.has_value()) << caption;
        EXPECT_FALSE(letters.contains(*letter)) << caption;
        letters.insert(*letter);
        if (entry->menu()) expectOwnLetters(*entry->menu(), caption);
    }
}

TEST_F(MenusWindowTest, every_entry_of_every_menu_has_its_own_letter_in_both_languages)
{
    showEveryLedger();
    MainWindow window;
    ASSERT_TRUE(shownAndLoggedIn(window));
    expectOwnLetters(*window.menuBar(), "en");
    ASSERT_TRUE(switchTo(window, "MenuItemfr", 2));
    expectOwnLetters(*window.menuBar(), "fr");
}

TEST_F(MenusWindowTest, every_menu_shows_french_in_a_window_750_pixels_wide_and_none_ever_overflows)
{
    const struct {
        const char* language;
        bool everyLedger;
        bool fitsAt750;  // else the window widens as far as its menus need
    } rows[] = {{"2", false, true}, {"1", true, false}};
    for (const auto& row : rows) {
        const std::string name = std::string(row.language) + (row.everyLedger ? " with every ledger" : "");
        for (const char16_t* ledger : {u"payroll", u"tracker", u"JobCost"})
            home_.registry().setValue(kProductSection, ledger, row.everyLedger ? "Y" : "N");
        home_.registry().setValue(kProductSection, u"language", row.language);
        {
            const auto root = company::OpenDataRoot(home_.installation());
            store::Query(*root, "UPDATE \"user\" SET user_language = 0").execute();
        }
        MainWindow window;
        ASSERT_TRUE(shownAndLoggedIn(window));
        window.resize(750, 520);
        QCoreApplication::processEvents();
        QMenuBar* bar = window.menuBar();
        for (QAction* menu : bar->actions()) {
            if (!menu->isVisible()) continue;
            const QRect place = bar->actionGeometry(menu);
            EXPECT_TRUE(!place.isEmpty() && place.right() < bar->width()) << name << ": " << menu->text().toStdString();
        }
        const QWidget* overflow = bar->findChild<QWidget*>("qt_menubar_ext_button");
        EXPECT_TRUE(!overflow || !overflow->isVisible()) << name << ": the menus overflow";
        if (row.fitsAt750) EXPECT_EQ(window.width(), 750) << name;
    }
}

}  // namespace
}  // namespace orvant::launcher
