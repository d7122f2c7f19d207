// Print and update cheques run as the launcher runs it: its language tables match its forms and
// every message it shows, in both languages, and each Alt+letter belongs to one caption.

#include <gtest/gtest.h>

#include <QDialog>
#include <QPushButton>

#include "cheque_print_screen.h"
#include "lang/table_check.h"
#include "session/module_launch.h"
#include "testing/module_test_home.h"
#include "testing/shortcut_clashes.h"
#include "ui/recording_messages.h"

namespace orvant {
namespace {

TEST(ChequePrintModule, TheLanguageTablesNameTheFormsControlsAndMessagesAndNoShortcutIsShared)
{
    for (int language : {1, 2}) {
        SCOPED_TRACE(language);
        testing::ModuleTestHome home{ORVANT_TEST_LANGUAGES};
        ui::RecordingMessages messages;
        ui::MessageServiceScope scope{messages};
        std::vector<lang::FormUse> uses;
        QStringList clashes;
        testing::WhenShown act("Tvndcheqprint_frm", [&](QWidget& form) {
            QList<int> numbers;
            for (int n = 0; n <= vndcheqprint::kChequeLineMessage; ++n)
                if (n != 12) numbers << n;
            uses.push_back(lang::FormUseOf(form, numbers));
            if (auto* dialog = form.findChild<QDialog*>("TUpdate_dlg")) uses.push_back(lang::FormUseOf(*dialog));
            clashes = testing::ShortcutClashes(form);
            form.findChild<QPushButton*>("Exit_btn")->click();
        });
        EXPECT_EQ(LaunchModule(ORVANT_TEST_MODULES, "vndcheqprint", home.session(language), false).returned, -1);
        EXPECT_EQ(uses.size(), 2u) << "the form and End of printing";
        EXPECT_TRUE(clashes.isEmpty()) << clashes.join(" | ").toStdString();
        EXPECT_EQ(lang::CheckModuleLanguages(ORVANT_TEST_LANGUAGES, "vndcheqprint", uses), QStringList());
    }
}

}  // namespace
}  // namespace orvant
