// The aging module run as the launcher runs it: its language tables match its form and its two
// report layouts, in both languages.

#include <gtest/gtest.h>

#include <QDialog>
#include <QPushButton>

#include "lang/table_check.h"
#include "session/module_launch.h"
#include "testing/module_test_home.h"
#include "ui/recording_messages.h"

namespace orvant {
namespace {

lang::FormUse layout(const char* form, bool detailed)
{
    lang::FormUse use{form, {"ListingLabel", "ColumnTitles", "TotalLabel", "PrintedLabel", "ReportDateLabel", "PageLabel"}, {}};
    if (detailed) use.controlNames.unite({"TelephoneLabel", "CodeLabel"});
    return use;
}

TEST(AgingModule, TheLanguageTablesNameTheFormsControlsAndMessages)
{
    testing::ModuleTestHome home{ORVANT_TEST_LANGUAGES};
    ui::RecordingMessages messages;
    ui::MessageServiceScope scope{messages};
    std::vector<lang::FormUse> uses;
    QString caption;
    testing::WhenShown act("Trcvaging_frm", [&](QWidget& form) {
        uses.push_back(lang::FormUseOf(form, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
        caption = form.windowTitle();
        form.findChild<QPushButton*>("Exit_btn")->click();
    });
    EXPECT_EQ(LaunchModule(ORVANT_TEST_MODULES, "rcvaging", home.session(2), false).returned, -1);
    EXPECT_EQ(caption, "Classement chronologique des comptes");
    uses.push_back(layout("Trcvaging_qrfrm", true));
    uses.push_back(layout("Trcvaging_qrfrm2", false));
    EXPECT_EQ(lang::CheckModuleLanguages(ORVANT_TEST_LANGUAGES, "rcvaging", uses), QStringList());
    EXPECT_TRUE(messages.shown().empty());
}

}  // namespace
}  // namespace orvant
