// The payables aging module run as the launcher runs it: its language tables match its form and
// its two report layouts, in both languages, and its form has none of the client choices.

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
    if (detailed) use.controlNames.insert("CodeLabel");
    return use;
}

TEST(VndagingModule, TheLanguageTablesNameTheFormsControlsAndMessages)
{
    for (const int language : {1, 2}) {
        testing::ModuleTestHome home{ORVANT_TEST_LANGUAGES};
        ui::RecordingMessages messages;
        ui::MessageServiceScope scope{messages};
        std::vector<lang::FormUse> uses;
        QString caption;
        bool supplierControls = false, clientChoices = true;
        testing::WhenShown act("Tvndaging_frm", [&](QWidget& form) {
            uses.push_back(lang::FormUseOf(form, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
            caption = form.windowTitle();
            supplierControls = form.findChild<QWidget*>("FromSupplier") && form.findChild<QWidget*>("SupplierComments");
            clientChoices = form.findChild<QWidget*>("Terr_sele") || form.findChild<QWidget*>("PrintAddress");
            form.findChild<QPushButton*>("Exit_btn")->click();
        });
        EXPECT_EQ(LaunchModule(ORVANT_TEST_MODULES, "vndaging", home.session(language), false).returned, -1);
        EXPECT_EQ(caption, language == 2 ? "Classement chronologique des comptes" : "Aging of accounts");
        EXPECT_TRUE(supplierControls);
        EXPECT_FALSE(clientChoices) << "suppliers have no territory, sales rep or address on this report";
        uses.push_back(layout("Tvndaging_QRFRM", true));
        uses.push_back(layout("Tvndaging_QRFRM2", false));
        EXPECT_EQ(lang::CheckModuleLanguages(ORVANT_TEST_LANGUAGES, "vndaging", uses), QStringList());
        EXPECT_TRUE(messages.shown().empty());
    }
}

}  // namespace
}  // namespace orvant
