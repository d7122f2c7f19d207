// The cheque list screen played by the screen driver against the real form, over the demo
// company with purchases owed: a new list exported as a PDF read back, and in French a list
// replaced and exported as a spreadsheet.

#include <QFile>
#include <QProcess>
#include <QStandardPaths>

#include "testing/scenario_player.h"

namespace orvant::vndcheqlist {
namespace {

class ChequeListScenarios : public ::testing::Test {
protected:
    void SetUp() override
    {
        books_.execute("INSERT INTO cap (cap_supplier, cap_invoice, cap_ref, cap_date, cap_type, cap_du_date, cap_amount, cap_seq) VALUES "
                       "('MAP300', 'M-1', '', '2026-03-01', '1', '2026-03-31', 3000000, 1), "
                       "('BUR100', 'B-1', '', '2026-03-02', '1', '2026-04-01', 1234500, 2), "
                       "('TEL400', 'T-1', '', '2026-03-03', '1', '2026-04-02', 450000, 3), "
                       "('HYD200', 'H-1', '', '2026-04-01', '1', '2026-05-31', 990000, 4)");
    }

    testing::ScenarioPlayer books_ = ORVANT_SCENARIO_PLAYER();
};

TEST_F(ChequeListScenarios, ANewListOfThePickedSuppliersExportedAsAPdf)
{
    QFile::remove("cheque-list-scenario.pdf");
    books_.play("vndcheqlist", "new_list");
    EXPECT_EQ(books_.value("SELECT COUNT(*) FROM apchqh").asInt(), 2);
    EXPECT_EQ(books_.money("SELECT SUM(apchqh_montant) FROM apchqh"), Money::fromCents(42345));

    ASSERT_TRUE(QFile::exists("cheque-list-scenario.pdf")) << "the export wrote no file";
    const QString reader = QStandardPaths::findExecutable("pdftotext");
    if (reader.isEmpty()) GTEST_SKIP() << "pdftotext is not installed";
    QProcess process;
    process.start(reader, {"-layout", "cheque-list-scenario.pdf", "-"});
    ASSERT_TRUE(process.waitForFinished(30000));
    const QString text = QString::fromUtf8(process.readAllStandardOutput());
    QFile::remove("cheque-list-scenario.pdf");
    for (const char* expected : {"Bureau Plus", "Maple Leaf Lumber", "$423.45", "Number of cheques issued: 2"})
        EXPECT_TRUE(text.contains(expected)) << expected << " in\n" << text.toStdString();
    EXPECT_FALSE(text.contains("TeleNorth")) << "the supplier removed from the list";
}

TEST_F(ChequeListScenarios, EnFrancaisUneListeRemplaceeExporteeEnCsv)
{
    books_.execute("INSERT INTO apchqh (apchqh_seq, apchqh_fou, apchqh_nom, apchqh_montant) VALUES (1, 'TEL400', 'Ancienne', 0)");
    QFile::remove("liste-cheques.csv");
    books_.play("vndcheqlist", "liste_existante", 2);

    QFile csv("liste-cheques.csv");
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly)) << "the export wrote no file";
    const QString rows = QString::fromUtf8(csv.readAll());
    csv.close();
    QFile::remove("liste-cheques.csv");
    EXPECT_TRUE(rows.contains("B-1") && rows.contains("M-1")) << rows.toStdString();
    EXPECT_FALSE(rows.contains("T-1")) << "TEL400 is past the last supplier";
    EXPECT_EQ(books_.value("SELECT COUNT(*) FROM apchqh WHERE apchqh_fou = 'TEL400'").asInt(), 0) << "the old list is gone";
}

TEST_F(ChequeListScenarios, ChecksWhereTheRegistrySaysSo)
{
    books_.registry().setValue(kSettingsSection, u"Intl", "y");
    books_.execute("INSERT INTO apchqh (apchqh_seq, apchqh_fou, apchqh_nom, apchqh_montant) VALUES (1, 'TEL400', 'Old', 0)");
    books_.play("vndcheqlist", "us_wording");
}

}  // namespace
}  // namespace orvant::vndcheqlist
