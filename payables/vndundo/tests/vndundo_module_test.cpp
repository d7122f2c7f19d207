// The undo module run as the launcher runs it: its language tables match its form, its messages
// and its report, and each Alt+letter of the form, its tabs included, belongs to one caption, in
// both languages.

#include <gtest/gtest.h>

#include <QDialog>
#include <QPushButton>
#include <QTabWidget>

#include "lang/table_check.h"
#include "session/module_launch.h"
#include "testing/module_test_home.h"
#include "testing/shortcut_clashes.h"
#include "ui/recording_messages.h"

namespace orvant {
namespace {

// The letters of the tabs, which the buttons and labels of the form must leave free.
QStringList TabClashes(const QWidget& form)
{
    QStringList captions, clashes;
    for (const QAbstractButton* button : form.findChildren<QAbstractButton*>())
        if (button->isVisible()) captions << button->text();
    for (const QTabWidget* tabs : form.findChildren<QTabWidget*>())
        for (int t = 0; t < tabs->count(); ++t) {
            const QChar letter = testing::ShortcutOf(tabs->tabText(t));
            for (const QString& caption : captions)
                if (!letter.isNull() && testing::ShortcutOf(caption) == letter) clashes << tabs->tabText(t) + " / " + caption;
            captions << tabs->tabText(t);
        }
    return clashes;
}

TEST(UndoModule, TheLanguageTablesNameTheFormsControlsMessagesAndReport)
{
    struct Row {
        int language;
        const char* caption;
        const char* undoButton;
    };
    for (const Row& row : {Row{1, "Undo A/P transactions", "&Delete"}, Row{2, "Annulation de transactions fournisseurs", "&Détruire"}}) {
        SCOPED_TRACE(row.language);
        testing::ModuleTestHome home{ORVANT_TEST_LANGUAGES};
        ui::RecordingMessages messages;
        ui::MessageServiceScope scope{messages};
        std::vector<lang::FormUse> uses;
        QString caption, undoButton;
        QStringList clashes;
        testing::WhenShown act("Tvndundo_frm", [&](QWidget& form) {
            QList<int> numbers;
            for (int n = 0; n <= 26; ++n) numbers << n;
            uses.push_back(lang::FormUseOf(form, numbers));
            caption = form.windowTitle();
            undoButton = form.findChild<QPushButton*>("DeleteBtn")->text();
            clashes = testing::ShortcutClashes(form) + TabClashes(form);
            form.findChild<QPushButton*>("Exit_btn")->click();
        });
        EXPECT_EQ(LaunchModule(ORVANT_TEST_MODULES, "vndundo", home.session(row.language), false).returned, -1);
        EXPECT_EQ(caption, QString::fromUtf8(row.caption));
        EXPECT_EQ(undoButton, QString::fromUtf8(row.undoButton));
        EXPECT_EQ(clashes.join("; ").toStdString(), "");
        uses.push_back({"Tvndundo_qrfrm",
                        {"DateLabel", "PageLabel", "UserLabel", "ColumnTitles", "TaxTitles", "IntlTaxTitles", "LineLabel", "DebitLabel",
                         "CreditLabel", "CountLabel"},
                        {}});
        EXPECT_EQ(lang::CheckModuleLanguages(ORVANT_TEST_LANGUAGES, "vndundo", uses), QStringList());
        EXPECT_TRUE(messages.shown().empty());
    }
}

}  // namespace
}  // namespace orvant
