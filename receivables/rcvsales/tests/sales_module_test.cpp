// The sales module run as the launcher runs it: its language tables match its form and its
// dialogs, in both languages.

#include <gtest/gtest.h>

#include "testing/closed_form.h"
#include "ui/recording_messages.h"

namespace orvant {
namespace {

TEST(SalesModule, TheLanguageTablesNameTheFormsControlsAndMessages)
{
    testing::ModuleTestHome home{ORVANT_TEST_LANGUAGES};
    ui::RecordingMessages messages;
    ui::MessageServiceScope scope{messages};
    const testing::ClosedForm form = testing::LaunchAndClose(home.session(2), "rcvsales", "Trcvsales_frm", testing::MessageNumbers(0, 25, {14, 15}),
                                                             {"Ttaxperrate_dlg", "Tholdback_dlg", "Tproject_dlg", "Tperiod_dlg"});
    EXPECT_EQ(form.returned, -1);
    EXPECT_TRUE(form.caption.startsWith("Ventes et ajustements, période courante ")) << form.caption.toStdString();
    EXPECT_EQ(lang::CheckModuleLanguages(ORVANT_TEST_LANGUAGES, "rcvsales", form.uses), QStringList());
    EXPECT_TRUE(messages.shown().empty());
}

}  // namespace
}  // namespace orvant
