#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "lang/table_check.h"
#include "lang/tests/lang_test_support.h"

namespace orvant::lang {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::StartsWith;
using testing::TempLanguages;

const QByteArray kEnglish = "[frmSales]\ncaption: Sales\n"
                            "[frmSales.btnPost]\ncaption: Post\n"
                            "[frmSales.IntlStrings1]\nkind: memo\n| Not found.\n| Posted.\n| Locked.\n"
                            "[dlgFind]\ncaption: Find\n";
const QByteArray kFrench = "[frmSales]\ncaption: Ventes\n"
                           "[frmSales.btnPost]\ncaption: Reporter\n"
                           "[frmSales.IntlStrings1]\nkind: memo\n| Introuvable.\n| Reporté.\n| Verrouillé.\n"
                           "[dlgFind]\ncaption: Chercher\n";

class TableCheck : public ::testing::Test {
protected:
    TableCheck()
    {
        form.setObjectName("frmSales");
        new QPlainTextEdit(&form);
        form.findChild<QPlainTextEdit*>()->setObjectName("IntlStrings1");
        (new QPushButton(&form))->setObjectName("btnPost");
        (new QLabel(&form))->setObjectName("lblUnused");  // controls may go without a row
    }

    QStringList check(const QByteArray& english, const QByteArray& french, QList<int> messages = {0, 2})
    {
        languages.write("rcvsalesen.lang", english);
        languages.write("rcvsalesfr.lang", french);
        return CheckModuleLanguages(languages.dir(), "rcvsales", forms(messages));
    }

    std::vector<FormUse> forms(QList<int> messages = {0, 2}) const
    {
        return {FormUseOf(form, messages), {"dlgFind", {}, {}}};
    }

    QString english() const { return languages.path("rcvsalesen.lang"); }
    QString french() const { return languages.path("rcvsalesfr.lang"); }

    QWidget form;
    TempLanguages languages;
};

TEST_F(TableCheck, MatchingTablesHaveNoFaults) { EXPECT_THAT(check(kEnglish, kFrench), IsEmpty()); }

TEST_F(TableCheck, MissingOrMalformedTable)
{
    languages.write("rcvsalesen.lang", kEnglish);
    const QStringList missing = CheckModuleLanguages(languages.dir(), "rcvsales", forms());
    ASSERT_EQ(missing.size(), 1);
    EXPECT_THAT(missing[0].toStdString(), StartsWith("Error opening table rcvsalesfr"));

    const QStringList malformed = check(kEnglish, kFrench + "[dlgFind]\n");
    ASSERT_EQ(malformed.size(), 1);
    EXPECT_THAT(malformed[0].toStdString(), StartsWith(french().toStdString() + ":12: "));
}

TEST_F(TableCheck, RowsNamingNothingThatExists)
{
    const QStringList faults = check(kEnglish + "[frmSales.btnGone]\ncaption: Gone\n[frmGone]\ncaption: Gone\n",
                                     kFrench);
    EXPECT_THAT(faults, ElementsAre(english() + ":12: form frmSales has no control btnGone",
                                    english() + ":14: the module has no form frmGone"));
}

TEST_F(TableCheck, MessagesTheCodeShowsInBothLanguages)
{
    const QByteArray shortFrench = QByteArray(kFrench).replace("| Verrouillé.\n", "");
    EXPECT_THAT(check(kEnglish, shortFrench), ElementsAre(french() + ":5: form frmSales has no message 2"));
    EXPECT_THAT(check(kEnglish, kFrench, {3}), ElementsAre(english() + ":5: form frmSales has no message 3",
                                                           french() + ":5: form frmSales has no message 3"));

    const QByteArray plainList = QByteArray(kEnglish).replace("kind: memo\n", "");
    const QStringList notMemo = check(plainList, kFrench);
    ASSERT_EQ(notMemo.size(), 1);
    EXPECT_THAT(notMemo[0].toStdString(), HasSubstr("a message list is of kind memo"));

    const QByteArray noList = "[frmSales]\ncaption: Ventes\n";
    EXPECT_THAT(check(kEnglish, noList), ElementsAre(french() + ": form frmSales has no message list"));
}

}  // namespace
}  // namespace orvant::lang
