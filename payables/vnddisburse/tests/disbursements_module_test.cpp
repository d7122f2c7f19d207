// The cash disbursements module run as the launcher runs it, twice in one process: its language
// tables match its form and its dialogs, in both languages, and the library is unloaded after
// each run.

#include <dlfcn.h>
#include <gtest/gtest.h>

#include "disbursement_messages.h"
#include "testing/closed_form.h"
#include "ui/recording_messages.h"

namespace orvant {
namespace {

TEST(DisbursementsModule, TheLanguageTablesNameTheFormsControlsAndMessages)
{
    testing::ModuleTestHome home{ORVANT_TEST_LANGUAGES};
    struct Case {
        int language;
        const char* caption;
    } cases[] = {{2, "Déboursés, période courante "}, {1, "Cash disbursements current period is "}};
    for (const Case& c : cases) {
        ui::RecordingMessages messages;
        ui::MessageServiceScope scope{messages};
        const testing::ClosedForm form = testing::LaunchAndClose(
            home.session(c.language), "vnddisburse", "Tvnddisburse_frm",
            testing::MessageNumbers(disbursements::kNoSuchAccountTyped, disbursements::kNoSuchItem, {9, 13}), {"Ttaxperrate_dlg", "Tperiod_dlg"});
        EXPECT_EQ(form.returned, -1);
        EXPECT_EQ(dlopen(ModuleFile(ORVANT_TEST_MODULES, "vnddisburse").toUtf8().constData(), RTLD_NOW | RTLD_NOLOAD), nullptr)
            << "the library is unloaded once the screen closed, to be loaded afresh the next time";
        EXPECT_TRUE(form.caption.startsWith(c.caption)) << form.caption.toStdString();
        EXPECT_EQ(lang::CheckModuleLanguages(ORVANT_TEST_LANGUAGES, "vnddisburse", form.uses), QStringList());
        EXPECT_TRUE(messages.shown().empty());
    }
}

}  // namespace
}  // namespace orvant
