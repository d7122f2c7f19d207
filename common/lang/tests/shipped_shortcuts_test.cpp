// Every window of the shipped language tables gives each Alt+letter to one caption, in every
// language, so a keyboard user never lands on the wrong button. The menu bar's letters are per
// menu and are checked with the menus.

#include <gtest/gtest.h>

#include <QDir>
#include <QMap>

#include "lang/table_files.h"
#include "testing/shortcut_clashes.h"

namespace orvant::lang {
namespace {

using testing::ShortcutOf;

TEST(ShippedLanguageTables, EachWindowGivesAnAltLetterToOneCaption)
{
    const QDir dir(QStringLiteral(ORVANT_SOURCE_LANGUAGES));
    const QStringList files = dir.entryList({QStringLiteral("*.lang")}, QDir::Files);
    ASSERT_FALSE(files.isEmpty()) << dir.path().toStdString();
    for (const QString& file : files) {
        if (file.startsWith(u"MainMenu")) continue;
        const LanguageTable table = OpenLanguageTable(dir.path(), file.chopped(5));
        QMap<QString, QMap<QChar, QString>> owners;  // form -> letter -> caption
        for (const LanguageRow& row : table.rows()) {
            const QChar letter = row.kind == ControlKind::Plain ? ShortcutOf(row.caption) : QChar();
            if (letter.isNull()) continue;
            QString& owner = owners[row.formName][letter];
            EXPECT_TRUE(owner.isEmpty()) << file.toStdString() << " " << row.formName.toStdString() << ": \""
                                         << owner.toStdString() << "\" and \"" << row.caption.toStdString() << "\" both take Alt+"
                                         << QString(letter).toStdString();
            owner = row.caption;
        }
    }
}

}  // namespace
}  // namespace orvant::lang
