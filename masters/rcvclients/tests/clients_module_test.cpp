// The client maintenance module run as the launcher runs it: its language tables match its
// form, and it refuses to start without a company.

#include <gtest/gtest.h>

#include "settings/registry.h"
#include "testing/closed_form.h"
#include "ui/recording_messages.h"

namespace orvant {
namespace {

class ClientsModuleTest : public ::testing::Test {
protected:
    testing::ModuleTestHome home_{ORVANT_TEST_LANGUAGES};
    ui::RecordingMessages messages_;
    ui::MessageServiceScope scope_{messages_};
};

TEST_F(ClientsModuleTest, TheLanguageTablesNameTheFormsControlsAndMessages)
{
    QString name;
    const testing::ClosedForm form = testing::LaunchAndClose(home_.session(), "rcvclients", "Trcvclients_frm", testing::MessageNumbers(0, 17), {},
                                                             [&](QWidget& shown) { name = shown.findChild<QWidget*>("Edit_desc")->property("text").toString(); });
    EXPECT_EQ(form.returned, -1);
    EXPECT_EQ(name, "ABC Construction Ltd.") << "the first client is shown";
    EXPECT_EQ(lang::CheckModuleLanguages(ORVANT_TEST_LANGUAGES, "rcvclients", form.uses), QStringList());
}

TEST_F(ClientsModuleTest, InternationalSettingsNameStatesZipCodesAndNumberedTaxes)
{
    home_.registry().setValue(kSettingsSection, u"Intl", "Y");
    QStringList texts;
    testing::WhenShown act("Trcvclients_frm", [&](QWidget& form) {
        for (const char* name : {"Cli_provLabel", "Cli_postal_codeLabel", "Cli_tax_fed", "Cli_tax_pro", "Cli_nsf_dateLabel"})
            texts << form.findChild<QWidget*>(name)->property("text").toString();
        form.findChild<QPushButton*>("Exit_btn")->click();
    });
    EXPECT_EQ(LaunchModule(ORVANT_TEST_MODULES, "rcvclients", home_.session(), false).returned, -1);
    EXPECT_EQ(texts, QStringList({"State", "Zip code", "Charge tax 1", "Charge tax 2", "Date last NSF check"}));
}

TEST_F(ClientsModuleTest, WithoutACompanyTheScreenSaysSoAndCloses)
{
    Session session = home_.session(2);
    session.companyCode.clear();
    EXPECT_EQ(LaunchModule(ORVANT_TEST_MODULES, "rcvclients", session, false).returned, -1);
    ASSERT_FALSE(messages_.shown().empty());
    EXPECT_EQ(messages_.shown().back().message.number, 17);
    EXPECT_EQ(messages_.shown().back().message.text.toStdString(), "Aucune compagnie n'est choisie : choisissez-en une dans le lanceur.");
}

}  // namespace
}  // namespace orvant
