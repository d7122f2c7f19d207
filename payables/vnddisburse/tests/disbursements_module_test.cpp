// The cash disbursements module run as the launcher runs it, twice in one process: its language
// tables match its form and its dialogs, in both languages, and the library is unloaded after
// each run.

#include <dlfcn.h>
#include <gtest/gtest.h>

#include <QDialog>
#include <QPushButton>

#include "disbursement_messages.h"
#include "lang/table_check.h"
#include "session/module_launch.h"
#include "testing/module_test_home.h"
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
        std::vector<lang::FormUse> uses;
        QString caption;
        testing::WhenShown act("Tvnddisburse_frm", [&](QWidget& form) {
            QList<int> numbers;
            for (int n = disbursements::kNoSuchAccountTyped; n <= disbursements::kNoSuchItem; ++n)
                if (n != 9 && n != 13) numbers << n;
            uses.push_back(lang::FormUseOf(form, numbers));
            for (const char* dialog : {"Ttaxperrate_dlg", "Tperiod_dlg"}) uses.push_back(lang::FormUseOf(*form.findChild<QDialog*>(dialog)));
            caption = form.windowTitle();
            form.findChild<QPushButton*>("Exit_btn")->click();
        });
        EXPECT_EQ(LaunchModule(ORVANT_TEST_MODULES, "vnddisburse", home.session(c.language), false).returned, -1);
        EXPECT_EQ(dlopen(ModuleFile(ORVANT_TEST_MODULES, "vnddisburse").toUtf8().constData(), RTLD_NOW | RTLD_NOLOAD), nullptr)
            << "the library is unloaded once the screen closed, to be loaded afresh the next time";
        EXPECT_TRUE(caption.startsWith(c.caption)) << caption.toStdString();
        EXPECT_EQ(lang::CheckModuleLanguages(ORVANT_TEST_LANGUAGES, "vnddisburse", uses), QStringList());
        EXPECT_TRUE(messages.shown().empty());
    }
}

}  // namespace
}  // namespace orvant
