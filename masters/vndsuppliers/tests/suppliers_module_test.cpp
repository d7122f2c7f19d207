// The supplier maintenance module run as the launcher runs it: its language tables match its
// form, and it refuses to start without a company.

#include <gtest/gtest.h>

#include "testing/closed_form.h"
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
    QString name;
    const testing::ClosedForm form = testing::LaunchAndClose(home_.session(), "vndsuppliers", "Tvndsuppliers_frm", testing::MessageNumbers(0, 11), {},
                                                             [&](QWidget& shown) { name = shown.findChild<QWidget*>("Sup_name")->property("text").toString(); });
    EXPECT_EQ(form.returned, -1);
    EXPECT_EQ(name, "Bureau Plus") << "the first supplier is shown";
    EXPECT_EQ(lang::CheckModuleLanguages(ORVANT_TEST_LANGUAGES, "vndsuppliers", form.uses), QStringList());
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
