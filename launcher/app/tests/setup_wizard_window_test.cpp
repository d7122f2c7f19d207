// The launcher's first start on books without a company: the company creation, then the setup
// wizard on the company it added, and the presentation it saved applied at once; a creation
// cancelled runs no wizard, and a wizard closed before its last page writes nothing. Then the
// welcome, whose box asks not to be shown again.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

#include "company/company_creation.h"
#include "company/data_root_setup.h"
#include "dates/date_format.h"
#include "lang/form_strings.h"
#include "main_window.h"
#include "setup_wizard.h"
#include "start_dialogs.h"
#include "store/query.h"
#include "testing/module_test_home.h"
#include "ui/recording_messages.h"

namespace orvant::launcher {
namespace {

using orvant::testing::WhenShown;

class SetupWizardWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        setenv("ORVANT_REGISTRY", registryFile_.toLocal8Bit().constData(), 1);
        setenv("ORVANT_MODULES", ORVANT_TEST_MODULES, 1);
        setenv("ORVANT_LANGUAGES", ORVANT_TEST_LANGUAGES, 1);
        registry().setValue(kProductSection, u"datadrive", home_.path());
        registry().setValue(kProductSection, u"pgmdrive", home_.path());
        registry().setValue(kProductSection, u"ShowWelcome", "N");
        registry().setValue(kSettingsSection, u"DateFmt", "YYYY-MM-DD");
        company::SetupDataRoot(installation_);
    }
    void TearDown() override
    {
        for (const char* name : {"ORVANT_REGISTRY", "ORVANT_MODULES", "ORVANT_LANGUAGES"}) unsetenv(name);
    }

    Registry registry() const { return Registry(registryFile_); }

    // Starts the launcher and waits until it is in, or closed.
    void start(MainWindow& window)
    {
        window.show();
        QElapsedTimer clock;
        clock.start();
        while (!window.loggedIn() && window.isVisible() && clock.elapsed() < 20000) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }

    static void click(QWidget& form, const char* button) { form.findChild<QAbstractButton*>(button)->click(); }
    static QString text(QWidget& form, const char* box) { return form.findChild<QLineEdit*>(box)->text(); }

    static WhenShown creates(const char* name)
    {
        return WhenShown("Tcmpcreate_frm", [name](QWidget& form) {
            form.findChild<QLineEdit*>("CompanyName")->setText(name);
            click(form, "CreateButton");
        });
    }

    store::Value control(const std::string& field)
    {
        const auto books = company::OpenCompany(installation_, 1);
        store::Query query(*books, "SELECT " + field + " FROM ctrl");
        query.open();
        return query.value(0);
    }

    QTemporaryDir home_;
    const QString registryFile_ = home_.filePath("registry.ini");
    const company::Installation installation_{home_.filePath("Orvant/data").toStdString(), {}};
    ui::RecordingMessages messages_;
    ui::MessageServiceScope scope_{messages_};
};

TEST_F(SetupWizardWindowTest, nova_scotia_back_ontario_saves_its_rates_and_the_date_format_applies_at_once)
{
    const WhenShown creation = creates("New Books");
    QStringList seen;
    const WhenShown wizard("SetupWizardDlg", [&](QWidget& form) {
        click(form, "InCanada");
        click(form, "NextBtn");
        click(form, "Province5");
        click(form, "NextBtn");
        seen << text(form, "Rate1") + ' ' + text(form, "Rate2") + ' ' + text(form, "Rate3");
        click(form, "BackBtn");
        click(form, "Province8");
        click(form, "NextBtn");
        seen << text(form, "Rate1") + ' ' + text(form, "Rate2") + ' ' + text(form, "Rate3");
        seen << form.findChild<QComboBox*>("DateFormat")->currentText();
        seen << QString::number(form.findChild<QLineEdit*>("Rate3")->isVisible());
        for (int page = 3; page < 5; ++page) click(form, "NextBtn");
        click(form, "CloseBtn");
    });
    MainWindow window;
    start(window);
    ASSERT_TRUE(wizard.acted());
    EXPECT_THAT(seen, ::testing::ElementsAre("0 0 15", "7  ", "mm/dd/yyyy", "0"));
    EXPECT_TRUE(window.loggedIn());
    EXPECT_EQ(control("ctrl_fed_rate").asFloat(), 7.0);
    EXPECT_EQ(control("ctrl_pro_rate1").asFloat(), 0.0);
    EXPECT_EQ(control("ctrl_pro_rate2").asFloat(), 0.0);
    EXPECT_EQ(registry().value(kSettingsSection, u"DateFmt"), "mm/dd/yyyy");
    EXPECT_EQ(FormatDate(*Date::fromYmd(2024, 3, 15), ShortDateFormat()), "03/15/2024") << "the launcher applied the new format";
    window.close();
}

TEST_F(SetupWizardWindowTest, a_cancelled_creation_or_a_wizard_left_early_writes_nothing)
{
    const struct {
        const char* what;
        bool created;
    } cases[] = {{"creation cancelled", false}, {"wizard closed on its rates", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const WhenShown creation("Tcmpcreate_frm", [&c](QWidget& form) {
            if (c.created) form.findChild<QLineEdit*>("CompanyName")->setText("New Books");
            click(form, c.created ? "CreateButton" : "CancelButton");
        });
        const WhenShown wizard("SetupWizardDlg", [](QWidget& form) {
            click(form, "NextBtn");
            form.findChild<QLineEdit*>("Rate1")->setText("20");
            static_cast<QDialog&>(form).reject();
        });
        MainWindow window;
        start(window);
        EXPECT_EQ(wizard.acted(), c.created);
        EXPECT_EQ(registry().value(kSettingsSection, u"DateFmt"), "YYYY-MM-DD");
        if (c.created) {
            EXPECT_EQ(control("ctrl_taxsystem").asInt(), 0);
            EXPECT_NE(control("ctrl_fed_rate").asFloat(), 20.0);
        } else {
            EXPECT_FALSE(company::CompanyExists(installation_, 1));
        }
        window.close();
    }
}

TEST_F(SetupWizardWindowTest, quebec_in_french_is_worded_in_french_and_saves_its_currency_aligned_right)
{
    company::CreateCompany(installation_, 1, "Livres");
    const auto books = company::OpenCompany(installation_, 1);
    Registry settings = registry();
    SetupWizard wizard(*books, settings, 2, false);
    lang::LoadFormStrings(wizard, QStringLiteral("MainMenufr"), QStringLiteral(ORVANT_TEST_LANGUAGES));
    QStringList seen;
    const WhenShown walk("SetupWizardDlg", [&](QWidget& form) {
        click(form, "InCanada");
        click(form, "NextBtn");
        seen << form.findChild<QRadioButton*>("Province5")->text();
        click(form, "Province7");
        click(form, "NextBtn");
        seen << form.findChild<QLabel*>("Rate2Label")->text() + ' ' + text(form, "Rate2");
        click(form, "NextBtn");
        seen << QString::number(form.findChild<QRadioButton*>("AlignRight")->isChecked());
        click(form, "NextBtn");
        click(form, "CloseBtn");
    });
    EXPECT_EQ(wizard.exec(), QDialog::Accepted);
    EXPECT_THAT(seen, ::testing::ElementsAre("Nouvelle-Écosse", "Taux de TVQ 7,5", "1"));
    EXPECT_EQ(registry().value(kSettingsSection, u"CurrAlign"), "R");
    EXPECT_EQ(registry().value(kSettingsSection, u"DateFmt"), "dd/mm/yyyy");
    EXPECT_EQ(control("ctrl_pro_rate1").asFloat(), 7.5);
}

TEST_F(SetupWizardWindowTest, the_welcome_box_asks_not_to_show_it_again_and_its_help_opens_at_the_introduction)
{
    company::CreateCompany(installation_, 1, "Books");
    registry().setValue(kProductSection, u"ShowWelcome", "Y");
    const WhenShown welcome("WelcomeDlg", [](QWidget& form) {
        form.findChild<QCheckBox*>("NotAgain")->setChecked(true);
        click(form, "NoBtn");
    });
    MainWindow window;
    start(window);
    QElapsedTimer clock;
    clock.start();
    while (!welcome.acted() && clock.elapsed() < 10000) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    EXPECT_EQ(registry().value(kProductSection, u"ShowWelcome"), "N");
    window.close();

    Session session;
    session.programDir = "/opt/Orvant/bin";
    for (const auto& [language, code, url] : {std::tuple{1, "en", "file:///opt/Orvant/help/Help.html#Introduction"},
                                              std::tuple{2, "fr", "file:///opt/Orvant/help/Helpfr.html#Introduction"}}) {
        session.language = language;
        session.langCode = code;
        EXPECT_EQ(IntroductionHelpUrl(session).toString().toStdString(), url);
    }
}

}  // namespace
}  // namespace orvant::launcher
