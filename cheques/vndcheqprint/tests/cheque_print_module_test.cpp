// Print and update cheques run as the launcher runs it: its language tables match its forms and
// every message it shows, in both languages, and each Alt+letter belongs to one caption.

#include <gtest/gtest.h>

#include "cheque_print_screen.h"
#include "testing/closed_form.h"
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
        QStringList clashes;
        const testing::ClosedForm form = testing::LaunchAndClose(
            home.session(language), "vndcheqprint", "Tvndcheqprint_frm", testing::MessageNumbers(0, vndcheqprint::kChequeLineMessage, {12}),
            {"TUpdate_dlg"}, [&](QWidget& shown) { clashes = testing::ShortcutClashes(shown); });
        EXPECT_EQ(form.returned, -1);
        EXPECT_EQ(form.uses.size(), 2u) << "the form and End of printing";
        EXPECT_TRUE(clashes.isEmpty()) << clashes.join(" | ").toStdString();
        EXPECT_EQ(lang::CheckModuleLanguages(ORVANT_TEST_LANGUAGES, "vndcheqprint", form.uses), QStringList());
    }
}

}  // namespace
}  // namespace orvant
