// The cheque list module run as the launcher runs it: its language tables match its form, its
// messages and its report, in both languages.

#include <gtest/gtest.h>

#include <QDialog>
#include <QPushButton>

#include "lang/table_check.h"
#include "session/module_launch.h"
#include "testing/module_test_home.h"
#include "ui/recording_messages.h"

namespace orvant {
namespace {

TEST(ChequeListModule, TheLanguageTablesNameTheFormsControlsMessagesAndReport)
{
    testing::ModuleTestHome home{ORVANT_TEST_LANGUAGES};
    ui::RecordingMessages messages;
    ui::MessageServiceScope scope{messages};
    std::vector<lang::FormUse> uses;
    QString caption;
    testing::WhenShown act("Tvndcheqlist_frm", [&](QWidget& form) {
        QList<int> numbers;
        for (int n = 0; n <= 46; ++n) numbers << n;
        uses.push_back(lang::FormUseOf(form, numbers));
        caption = form.windowTitle();
        form.findChild<QPushButton*>("Exit_btn")->click();
    });
    EXPECT_EQ(LaunchModule(ORVANT_TEST_MODULES, "vndcheqlist", home.session(2), false).returned, -1);
    EXPECT_EQ(caption, "Liste des chèques à émettre");
    uses.push_back({"Tvndcheqlist_qrfrm",
                    {"DateLabel", "PageLabel", "DiscountDateLabel", "ColumnTitles", "ChequeLabel", "ChequeDateLabel", "ChequeAmountLabel",
                     "ChequeTotalLabel", "TotalLabel", "CountLabel"},
                    {}});
    EXPECT_EQ(lang::CheckModuleLanguages(ORVANT_TEST_LANGUAGES, "vndcheqlist", uses), QStringList());
    EXPECT_TRUE(messages.shown().empty());
}

}  // namespace
}  // namespace orvant
