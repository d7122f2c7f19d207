// The aging module run as the launcher runs it: its language tables match its form and its two
// report layouts, in both languages.

#include <gtest/gtest.h>

#include "testing/closed_form.h"
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
    testing::ClosedForm form = testing::LaunchAndClose(home.session(2), "rcvaging", "Trcvaging_frm", testing::MessageNumbers(0, 10));
    EXPECT_EQ(form.returned, -1);
    EXPECT_EQ(form.caption, "Classement chronologique des comptes");
    form.uses.push_back(layout("Trcvaging_qrfrm", true));
    form.uses.push_back(layout("Trcvaging_qrfrm2", false));
    EXPECT_EQ(lang::CheckModuleLanguages(ORVANT_TEST_LANGUAGES, "rcvaging", form.uses), QStringList());
    EXPECT_TRUE(messages.shown().empty());
}

}  // namespace
}  // namespace orvant
