// The undo module run as the launcher runs it: its language tables match its form, its messages
// and its report, and each Alt+letter of the form, on every page and tab, belongs to one caption,
// in both languages.

#include <gtest/gtest.h>

#include <QLabel>
#include <QMap>
#include <QTabWidget>

#include "testing/closed_form.h"
#include "testing/shortcut_clashes.h"
#include "ui/recording_messages.h"

namespace orvant {
namespace {

// The Alt+letters of every caption of the form, those of the pages not shown and of the tabs
// included: each letter must belong to one caption.
QStringList AllPagesClashes(const QWidget& form)
{
    QStringList captions;
    for (const QAbstractButton* button : form.findChildren<QAbstractButton*>()) captions << button->text();
    for (const QLabel* label : form.findChildren<QLabel*>())
        if (label->buddy()) captions << label->text();
    for (const QTabWidget* tabs : form.findChildren<QTabWidget*>())
        for (int t = 0; t < tabs->count(); ++t) captions << tabs->tabText(t);
    QMap<QChar, QString> owners;
    QStringList clashes;
    for (const QString& caption : captions) {
        const QChar letter = testing::ShortcutOf(caption);
        if (letter.isNull()) continue;
        if (owners.contains(letter)) clashes << owners[letter] + " / " + caption;
        owners[letter] = caption;
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
    for (const Row& row : {Row{1, "Undo A/P transactions", "&Delete"}, Row{2, "Annulation de transactions fournisseurs", "Détr&uire"}}) {
        SCOPED_TRACE(row.language);
        testing::ModuleTestHome home{ORVANT_TEST_LANGUAGES};
        ui::RecordingMessages messages;
        ui::MessageServiceScope scope{messages};
        QString undoButton;
        QStringList clashes;
        testing::ClosedForm form = testing::LaunchAndClose(home.session(row.language), "vndundo", "Tvndundo_frm", testing::MessageNumbers(0, 26), {},
                                                           [&](QWidget& shown) {
                                                               undoButton = shown.findChild<QPushButton*>("DeleteBtn")->text();
                                                               clashes = AllPagesClashes(shown);
                                                           });
        EXPECT_EQ(form.returned, -1);
        EXPECT_EQ(form.caption, QString::fromUtf8(row.caption));
        EXPECT_EQ(undoButton, QString::fromUtf8(row.undoButton));
        EXPECT_EQ(clashes.join("; ").toStdString(), "");
        form.uses.push_back({"Tvndundo_qrfrm",
                        {"DateLabel", "PageLabel", "UserLabel", "ColumnTitles", "TaxTitles", "IntlTaxTitles", "LineLabel", "DebitLabel",
                         "CreditLabel", "CountLabel"},
                        {}});
        EXPECT_EQ(lang::CheckModuleLanguages(ORVANT_TEST_LANGUAGES, "vndundo", form.uses), QStringList());
        EXPECT_TRUE(messages.shown().empty());
    }
}

}  // namespace
}  // namespace orvant
