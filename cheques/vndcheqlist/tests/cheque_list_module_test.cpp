// The cheque list module run as the launcher runs it: its language tables match its form, its
// messages and its report, and each Alt+letter of the form belongs to one caption, in both
// languages.

#include <gtest/gtest.h>

#include "testing/closed_form.h"
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
        QStringList clashes;
        testing::ClosedForm form = testing::LaunchAndClose(home.session(row.language), "vndcheqlist", "Tvndcheqlist_frm",
                                                           testing::MessageNumbers(0, 47), {},
                                                           [&](QWidget& shown) { clashes = testing::ShortcutClashes(shown); });
        EXPECT_EQ(form.returned, -1);
        EXPECT_EQ(form.caption, QString::fromUtf8(row.caption));
        EXPECT_EQ(clashes.join("; ").toStdString(), "");
        form.uses.push_back({"Tvndcheqlist_qrfrm",
                        {"DateLabel", "PageLabel", "DiscountDateLabel", "ColumnTitles", "ChequeLabel", "ChequeDateLabel",
                         "ChequeAmountLabel", "ChequeTotalLabel", "TotalLabel", "CountLabel", "HoldbackLabel"},
                        {}});
        EXPECT_EQ(lang::CheckModuleLanguages(ORVANT_TEST_LANGUAGES, "vndcheqlist", form.uses), QStringList());
        EXPECT_TRUE(messages.shown().empty());
    }
}

}  // namespace
}  // namespace orvant
