// The cheque list module run as the launcher runs it: its language tables match its form, its
// messages and its report, and each Alt+letter of the form belongs to one caption, in both
// languages.

#include <gtest/gtest.h>

#include <QDialog>
#include <QPushButton>

#include "lang/table_check.h"
#include "session/module_launch.h"
#include "testing/module_test_home.h"
#include "testing/shortcut_clashes.h"
#include "ui/recording_messages.h"

namespace orvant {
namespace {

TEST(ChequeListModule, TheLanguageTablesNameTheFormsControlsMessagesAndReport)
{
    struct Row {
        int language;
        const char* caption;
    };
    for (const Row& row : {Row{1, "List of cheques to be issued"}, Row{2, "Liste des chèques à émettre"}}) {
        SCOPED_TRACE(row.language);
        testing::ModuleTestHome home{ORVANT_TEST_LANGUAGES};
        ui::RecordingMessages messages;
        ui::MessageServiceScope scope{messages};
        std::vector<lang::FormUse> uses;
        QString caption;
        QStringList clashes;
        testing::WhenShown act("Tvndcheqlist_frm", [&](QWidget& form) {
            QList<int> numbers;
            for (int n = 0; n <= 47; ++n) numbers << n;
            uses.push_back(lang::FormUseOf(form, numbers));
            caption = form.windowTitle();
            clashes = testing::ShortcutClashes(form);
            form.findChild<QPushButton*>("Exit_btn")->click();
        });
        EXPECT_EQ(LaunchModule(ORVANT_TEST_MODULES, "vndcheqlist", home.session(row.language), false).returned, -1);
        EXPECT_EQ(caption, QString::fromUtf8(row.caption));
        EXPECT_EQ(clashes.join("; ").toStdString(), "");
        uses.push_back({"Tvndcheqlist_qrfrm",
                        {"DateLabel", "PageLabel", "DiscountDateLabel", "ColumnTitles", "ChequeLabel", "ChequeDateLabel",
                         "ChequeAmountLabel", "ChequeTotalLabel", "TotalLabel", "CountLabel", "HoldbackLabel"},
                        {}});
        EXPECT_EQ(lang::CheckModuleLanguages(ORVANT_TEST_LANGUAGES, "vndcheqlist", uses), QStringList());
        EXPECT_TRUE(messages.shown().empty());
    }
}

}  // namespace
}  // namespace orvant
