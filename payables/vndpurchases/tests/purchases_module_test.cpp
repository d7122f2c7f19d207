// The purchases module run as the launcher runs it: its language tables match its form and its
// dialogs, in both languages.

#include <gtest/gtest.h>

#include <QDialog>
#include <QPushButton>

#include "lang/table_check.h"
#include "session/module_launch.h"
#include "testing/module_test_home.h"
#include "ui/recording_messages.h"

namespace orvant {
namespace {

TEST(PurchasesModule, TheLanguageTablesNameTheFormsControlsAndMessages)
{
    testing::ModuleTestHome home{ORVANT_TEST_LANGUAGES};
    ui::RecordingMessages messages;
    ui::MessageServiceScope scope{messages};
    std::vector<lang::FormUse> uses;
    QString caption;
    testing::WhenShown act("Tvndpurchases_frm", [&](QWidget& form) {
        QList<int> numbers;
        for (int n = 0; n <= 34; ++n)
            if (n != 11 && n != 14 && n != 15 && n != 18) numbers << n;
        uses.push_back(lang::FormUseOf(form, numbers));
        for (const char* dialog : {"Ttaxperrate_dlg", "Tholdback_dlg", "Tproject_dlg", "Tperiod_dlg"})
            uses.push_back(lang::FormUseOf(*form.findChild<QDialog*>(dialog)));
        caption = form.windowTitle();
        form.findChild<QPushButton*>("Exit_btn")->click();
    });
    EXPECT_EQ(LaunchModule(ORVANT_TEST_MODULES, "vndpurchases", home.session(2), false).returned, -1);
    EXPECT_TRUE(caption.startsWith("Achats, période courante ")) << caption.toStdString();
    EXPECT_EQ(lang::CheckModuleLanguages(ORVANT_TEST_LANGUAGES, "vndpurchases", uses), QStringList());
    EXPECT_TRUE(messages.shown().empty());
}

}  // namespace
}  // namespace orvant
