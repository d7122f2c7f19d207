// The cash receipts module run as the launcher runs it, twice in one process: its language tables
// match its form and its dialogs, in both languages, and the library is unloaded after each run.

#include <dlfcn.h>
#include <gtest/gtest.h>

#include <QCheckBox>

#include "receipt_messages.h"
#include "settings/registry.h"
#include "testing/closed_form.h"
#include "ui/recording_messages.h"

namespace orvant {
namespace {

TEST(ReceiptsModule, TheLanguageTablesNameTheFormsControlsAndMessages)
{
    testing::ModuleTestHome home{ORVANT_TEST_LANGUAGES};
    // Where cheques are checks (the registry's Intl), the NSF box says so, except in French.
    home.registry().setValue(kSettingsSection, u"Intl", "y");
    struct Case {
        int language;
        const char* caption;
        const char* nsfBox;
    } cases[] = {{2, "Encaissements, période courante ", "Chèque sans provision"}, {1, "Cash receipts current period is ", "NSF check"}};
    for (const Case& c : cases) {
        ui::RecordingMessages messages;
        ui::MessageServiceScope scope{messages};
        QString nsfCaption;
        const testing::ClosedForm form = testing::LaunchAndClose(
            home.session(c.language), "rcvreceipts", "Trcvreceipts_frm",
            testing::MessageNumbers(receipts::kEnterReference, receipts::kNsfCheckCaption, {12}), {"Ttaxperrate_dlg", "Tperiod_dlg"},
            [&](QWidget& shown) { nsfCaption = shown.findChild<QCheckBox*>("CheckBox1")->text(); });
        EXPECT_EQ(form.returned, -1);
        EXPECT_EQ(dlopen(ModuleFile(ORVANT_TEST_MODULES, "rcvreceipts").toUtf8().constData(), RTLD_NOW | RTLD_NOLOAD), nullptr)
            << "the library is unloaded once the screen closed, to be loaded afresh the next time";
        EXPECT_TRUE(form.caption.startsWith(c.caption)) << form.caption.toStdString();
        EXPECT_EQ(nsfCaption, c.nsfBox);
        EXPECT_EQ(lang::CheckModuleLanguages(ORVANT_TEST_LANGUAGES, "rcvreceipts", form.uses), QStringList());
        EXPECT_TRUE(messages.shown().empty());
    }
}

}  // namespace
}  // namespace orvant
