// The cash receipts module run as the launcher runs it, twice in one process: its language tables
// match its form and its dialogs, in both languages, and the library is unloaded after each run.

#include <dlfcn.h>
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDialog>
#include <QPushButton>

#include "lang/table_check.h"
#include "receipt_messages.h"
#include "session/module_launch.h"
#include "settings/registry.h"
#include "testing/module_test_home.h"
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
        std::vector<lang::FormUse> uses;
        QString caption, nsfCaption;
        testing::WhenShown act("Trcvreceipts_frm", [&](QWidget& form) {
            QList<int> numbers;
            for (int n = receipts::kEnterReference; n <= receipts::kNsfCheckCaption; ++n)
                if (n != 12) numbers << n;
            uses.push_back(lang::FormUseOf(form, numbers));
            for (const char* dialog : {"Ttaxperrate_dlg", "Tperiod_dlg"}) uses.push_back(lang::FormUseOf(*form.findChild<QDialog*>(dialog)));
            caption = form.windowTitle();
            nsfCaption = form.findChild<QCheckBox*>("CheckBox1")->text();
            form.findChild<QPushButton*>("Exit_btn")->click();
        });
        EXPECT_EQ(LaunchModule(ORVANT_TEST_MODULES, "rcvreceipts", home.session(c.language), false).returned, -1);
        EXPECT_EQ(dlopen(ModuleFile(ORVANT_TEST_MODULES, "rcvreceipts").toUtf8().constData(), RTLD_NOW | RTLD_NOLOAD), nullptr)
            << "the library is unloaded once the screen closed, to be loaded afresh the next time";
        EXPECT_TRUE(caption.startsWith(c.caption)) << caption.toStdString();
        EXPECT_EQ(nsfCaption, c.nsfBox);
        EXPECT_EQ(lang::CheckModuleLanguages(ORVANT_TEST_LANGUAGES, "rcvreceipts", uses), QStringList());
        EXPECT_TRUE(messages.shown().empty());
    }
}

}  // namespace
}  // namespace orvant
