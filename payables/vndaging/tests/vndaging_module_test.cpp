// The payables aging module run as the launcher runs it: its language tables match its form and
// its two report layouts, in both languages, and its form has none of the client choices.

#include <gtest/gtest.h>

#include "testing/closed_form.h"
#include "ui/recording_messages.h"

namespace orvant {
namespace {

lang::FormUse layout(const char* form, bool detailed)
{
    lang::FormUse use{form, {"ListingLabel", "ColumnTitles", "TotalLabel", "PrintedLabel", "ReportDateLabel", "PageLabel"}, {}};
    if (detailed) use.controlNames.insert("CodeLabel");
    return use;
}

TEST(VndagingModule, TheLanguageTablesNameTheFormsControlsAndMessages)
{
    for (const int language : {1, 2}) {
        testing::ModuleTestHome home{ORVANT_TEST_LANGUAGES};
        ui::RecordingMessages messages;
        ui::MessageServiceScope scope{messages};
        bool supplierControls = false, clientChoices = true;
        testing::ClosedForm form = testing::LaunchAndClose(home.session(language), "vndaging", "Tvndaging_frm", testing::MessageNumbers(0, 10), {},
                                                           [&](QWidget& shown) {
                                                               supplierControls = shown.findChild<QWidget*>("FromSupplier") &&
                                                                                  shown.findChild<QWidget*>("SupplierComments");
                                                               clientChoices = shown.findChild<QWidget*>("Terr_sele") || shown.findChild<QWidget*>("PrintAddress");
                                                           });
        EXPECT_EQ(form.returned, -1);
        EXPECT_EQ(form.caption, language == 2 ? "Classement chronologique des comptes" : "Aging of accounts");
        EXPECT_TRUE(supplierControls);
        EXPECT_FALSE(clientChoices) << "suppliers have no territory, sales rep or address on this report";
        form.uses.push_back(layout("Tvndaging_QRFRM", true));
        form.uses.push_back(layout("Tvndaging_QRFRM2", false));
        EXPECT_EQ(lang::CheckModuleLanguages(ORVANT_TEST_LANGUAGES, "vndaging", form.uses), QStringList());
        EXPECT_TRUE(messages.shown().empty());
    }
}

}  // namespace
}  // namespace orvant
