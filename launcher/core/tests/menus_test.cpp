// The menus' own rules without a window: every entry of a menu reached by its own Alt+letter,
// the North-American captions in English only, the title joining the loaded caption to the date
// in the language's order, and a language refused unless every one of its tables can be loaded
// in full.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "core/accelerators.h"
#include "core/captions.h"
#include "core/languages.h"
#include "options/option_registry.h"
#include "qstring_printing.h"

namespace orvant::launcher {
namespace {

using ::testing::HasSubstr;

struct AcceleratorRow {
    QStringList captions, expected;
};

TEST(Accelerators, each_entry_of_a_menu_gets_its_own_letter)
{
    const AcceleratorRow rows[] = {
        {{"Edit", "Transactions", "Reports", "Procedures"}, {"&Edit", "&Transactions", "&Reports", "&Procedures"}},
        // Taken initials give way to the next word's, then to any free letter.
        {{"Comptes clients", "Comptes fournisseurs", "Coût de revient"}, {"&Comptes clients", "Comptes &fournisseurs", "Coût &de revient"}},
        {{"Aging of accounts", "Aging of accounts"}, {"&Aging of accounts", "Aging &of accounts"}},
        // A letter already marked is kept, and not given to an earlier entry.
        {{"Exit", "E&xit"}, {"&Exit", "E&xit"}},
        {{"Edit", "&Edit"}, {"E&dit", "&Edit"}},
        // Shown ampersands are no marks and never marked; accents and digits serve.
        {{"Twin && Co", "Twin && Co", "&& 2"}, {"&Twin && Co", "Twin && &Co", "&& &2"}},
        {{"Édition", "Étiquettes"}, {"&Édition", "É&tiquettes"}},
        {{"A", "a", "--"}, {"&A", "a", "--"}},
    };
    for (const AcceleratorRow& row : rows) EXPECT_EQ(WithAccelerators(row.captions), row.expected) << row.captions.join('|').toStdString();
}

TEST(Accelerators, a_mark_is_read_and_taken_off_as_the_menus_show_it)
{
    const struct {
        QString caption, plain;
        std::optional<QChar> mark;
    } rows[] = {{"E&xit", "Exit", u'x'}, {"&&Co &Ltd", "&&Co Ltd", u'l'}, {"Twin && Co", "Twin && Co", std::nullopt}, {"End&", "End&", std::nullopt}};
    for (const auto& row : rows) {
        EXPECT_EQ(WithoutAccelerator(row.caption), row.plain) << row.caption.toStdString();
        EXPECT_EQ(AcceleratorOf(row.caption), row.mark) << row.caption.toStdString();
    }
}

TEST(Captions, the_north_american_spelling_is_for_english_under_intl_only)
{
    const struct {
        const char* code;
        int language;
        bool international;
        QString caption;
    } rows[] = {
        {"vndcheqprint", 1, true, "Print and update checks"},
        {"vndcheqprint", 1, false, "Print and update cheques"},
        {"vndcheqprint", 2, true, "Impression et mise à jour des chèques"},
        {"vndrecurlist", 1, true, "List of recurring checks"},
        {"syscheqform", 1, true, "Maintenance of check format"},
        {"vndpurchases", 1, true, "Purchases"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(OptionCaption(*FindOption(QString::fromLatin1(row.code)), row.language, row.international), row.caption) << row.code;
}

TEST(Captions, the_title_is_the_loaded_caption_then_the_date_in_the_languages_order)
{
    const QDate day(2026, 12, 7);
    const struct {
        QString caption;
        int language;
        QString title;
    } rows[] = {
        {"Welcome to Orvant", 1, "Welcome to Orvant  Monday, December 7, 2026 "},
        {"Bienvenue à Orvant", 2, "Bienvenue à Orvant  lundi, 7 décembre 2026 "},
        // Quotes and pattern letters of a caption are shown as typed.
        {"Bienvenue \"d'Orvant\" yyyy", 2, "Bienvenue \"d'Orvant\" yyyy  lundi, 7 décembre 2026 "},
    };
    for (const auto& row : rows) EXPECT_EQ(LauncherTitle(row.caption, row.language, day), row.title);
}

class LanguageTexts : public ::testing::Test {
protected:
    void write(const QString& table, const QByteArray& text)
    {
        QFile file(dir_.filePath(table + ".lang"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
    QTemporaryDir dir_;
};

TEST_F(LanguageTexts, a_language_is_complete_only_with_every_row_and_line_any_other_language_has)
{
    const QByteArray full = "[MainForm]\ncaption: Welcome\n[MainForm.Error_Messages]\nkind: memo\n| one\n| two\n";
    write("rcvsalesen", "[Tfrm]\ncaption: Sales\n");
    write("rcvsalesfr", "[Tfrm]\ncaption: Ventes\n");
    const struct {
        QByteArray english, french;
        const char* target;
        const char* fault;
    } rows[] = {
        {full, "[MainForm]\ncaption: Bienvenue\n[MainForm.Error_Messages]\nkind: memo\n| un\n| deux\n", "fr", ""},
        {full, "[MainForm]\ncaption: Bienvenue\n", "fr", "MainForm.Error_Messages is missing"},
        {full, "[MainForm]\ncaption: Bienvenue\n[MainForm.Error_Messages]\nkind: memo\n| un\n", "fr", "has too few lines"},
        {full, "[MainForm\n", "fr", "MainMenufr"},
        {full, "[MainForm\n", "en", ""},
        {"[MainForm]\ncaption: Welcome\n", full, "en", "MainMenuen.lang: MainForm.Error_Messages is missing"},
        {full, full + "[WelcomeDlg]\ncaption: Bienvenue\n", "en", "MainMenuen.lang: WelcomeDlg.WelcomeDlg is missing"},
    };
    for (const auto& row : rows) {
        write("MainMenuen", row.english);
        write("MainMenufr", row.french);
        const QString fault = MissingLanguageTexts(dir_.path(), row.target);
        const std::string context = row.target + (": " + row.french.toStdString());
        if (*row.fault) EXPECT_THAT(fault.toStdString(), HasSubstr(row.fault)) << context;
        else EXPECT_TRUE(fault.isEmpty()) << fault.toStdString() << " / " << context;
    }
    EXPECT_THAT(MissingLanguageTexts(dir_.path(), "es").toStdString(), HasSubstr("MainMenues")) << "a language without its tables";
}

TEST(LanguageTables, the_installations_languages_are_complete)
{
    for (const char* code : {"en", "fr"})
        EXPECT_EQ(MissingLanguageTexts(QStringLiteral(ORVANT_SOURCE_LANGUAGES), code), QString()) << code;
}

}  // namespace
}  // namespace orvant::launcher
