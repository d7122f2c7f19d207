// Company creation run as the launcher runs it: the next number, the books made whole, and a
// missing name asked for.

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>

#include "company/company_creation.h"
#include "lang/table_check.h"
#include "session/module_launch.h"
#include "testing/module_test_home.h"
#include "ui/recording_messages.h"

namespace orvant {
namespace {

class CompanyCreationTest : public ::testing::Test {
protected:
    LaunchResult launch(int language = 1) { return LaunchModule(ORVANT_TEST_MODULES, "cmpcreate", home_.session(language), false); }

    testing::ModuleTestHome home_{ORVANT_TEST_LANGUAGES};
    ui::RecordingMessages messages_;
    ui::MessageServiceScope scope_{messages_};
};

TEST_F(CompanyCreationTest, the_next_company_is_created_whole_and_listed)
{
    QString number;
    lang::FormUse use;
    testing::WhenShown act("Tcmpcreate_frm", [&](QWidget& form) {
        number = form.findChild<QWidget*>("CompanyNumber")->property("text").toString();
        use = lang::FormUseOf(form, {0, 1});
        form.findChild<QLineEdit*>("CompanyName")->setText("Bélanger & Fils");
        form.findChild<QPushButton*>("CreateButton")->click();
    });
    EXPECT_EQ(launch().returned, -1);

    EXPECT_EQ(number, "2") << "the demo company is 1";
    EXPECT_TRUE(company::CompanyExists(home_.installation(), 2));
    const auto books = company::OpenCompany(home_.installation(), 2);
    EXPECT_TRUE(books->tableExists("ctrl"));
    ASSERT_EQ(messages_.shown().size(), 1u);
    EXPECT_EQ(messages_.shown()[0].message.text, "The company is created.");
    EXPECT_TRUE(lang::CheckModuleLanguages(ORVANT_TEST_LANGUAGES, "cmpcreate", {use}).isEmpty());
}

TEST_F(CompanyCreationTest, a_missing_name_is_asked_for_and_cancel_creates_nothing)
{
    testing::WhenShown act("Tcmpcreate_frm", [&](QWidget& form) {
        form.findChild<QPushButton*>("CreateButton")->click();
        form.findChild<QPushButton*>("CancelButton")->click();
    });
    EXPECT_EQ(launch(2).returned, -1);
    ASSERT_EQ(messages_.shown().size(), 1u);
    EXPECT_EQ(messages_.shown()[0].message.number, 1);
    EXPECT_EQ(messages_.shown()[0].message.text.toStdString(), "Tapez le nom de la compagnie.");
    EXPECT_FALSE(company::CompanyExists(home_.installation(), 2));
}

}  // namespace
}  // namespace orvant
