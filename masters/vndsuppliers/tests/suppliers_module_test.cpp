// The supplier maintenance module run as the launcher runs it: its language tables match its
// form, and it refuses to start without a company.

#include <gtest/gtest.h>

#include <QPushButton>

#include "lang/table_check.h"
#include "session/module_launch.h"
#include "testing/module_test_home.h"
#include "ui/recording_messages.h"

namespace orvant {
namespace {

class SuppliersModuleTest : public ::testing::Test {
protected:
    testing::ModuleTestHome home_{ORVANT_TEST_LANGUAGES};
    ui::RecordingMessages messages_;
    ui::MessageServiceScope scope_{messages_};
};

TEST_F(SuppliersModuleTest, TheLanguageTablesNameTheFormsControlsAndMessages)
{
    lang::FormUse use;
    QString name;
    testing::WhenShown act("Tvndsuppliers_frm", [&](QWidget& form) {
        QList<int> messages;
        for (int n = 0; n <= 11; ++n) messages << n;
        use = lang::FormUseOf(form, messages);
        name = form.findChild<QWidget*>("Sup_name")->property("text").toString();
        form.findChild<QPushButton*>("Exit_btn")->click();
    });
    EXPECT_EQ(LaunchModule(ORVANT_TEST_MODULES, "vndsuppliers", home_.session(), false).returned, -1);
    EXPECT_EQ(name, "Bureau Plus") << "the first supplier is shown";
    EXPECT_EQ(lang::CheckModuleLanguages(ORVANT_TEST_LANGUAGES, "vndsuppliers", {use}), QStringList());
}

TEST_F(SuppliersModuleTest, WithoutACompanyTheScreenSaysSoAndCloses)
{
    Session session = home_.session();
    session.companyCode.clear();
    EXPECT_EQ(LaunchModule(ORVANT_TEST_MODULES, "vndsuppliers", session, false).returned, -1);
    ASSERT_FALSE(messages_.shown().empty());
    EXPECT_EQ(messages_.shown().back().message.number, 11);
}

}  // namespace
}  // namespace orvant
