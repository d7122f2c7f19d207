// The payables aging screen played by the screen driver against the real form, in English and in
// French: aging runs of the demo's suppliers exported as spreadsheets, then read back.

#include <QFile>

#include "testing/scenario_player.h"

namespace orvant::vndaging {
namespace {

QStringList exportedLines(const QString& path)
{
    QFile csv(path);
    if (!csv.open(QIODevice::ReadOnly)) return {};
    const QStringList lines = QString::fromUtf8(csv.readAll()).split("\r\n", Qt::SkipEmptyParts);
    csv.close();
    QFile::remove(path);
    return lines;
}

class VndagingScenarios : public ::testing::Test {
protected:
    void SetUp() override
    {
        // 60 days old at 30 June; an invoice of January paid in part in June, with its holdback
        // due in July.
        books_.execute("INSERT INTO cap (cap_supplier, cap_invoice, cap_ref, cap_date, cap_type, cap_du_date, cap_amount, cap_holdback, cap_seq) "
                       "VALUES ('HYD200', 'H-1', '', '2026-05-01', '1', '2026-05-31', 1150000, FALSE, 1), "
                       "('MAP300', 'M-1', '', '2026-01-15', '1', '2026-02-14', 2500000, FALSE, 2), "
                       "('MAP300', 'M-1', 'CHQ-9', '2026-06-20', '2', '2026-06-20', -500000, FALSE, 3), "
                       "('MAP300', 'M-1', '', '2026-01-15', '6', '2026-07-15', 200000, TRUE, 4)");
    }

    testing::ScenarioPlayer books_ = ORVANT_SCENARIO_PLAYER();
};

TEST_F(VndagingScenarios, ASummaryOfTheOlderItemsExportedFromTheOptionsScreen)
{
    QFile::remove("vndaging-scenario.csv");
    books_.play("vndaging", "aging_run");
    const QStringList lines = exportedLines("vndaging-scenario.csv");
    ASSERT_EQ(lines.size(), 2) << "60 days is not older than 60: HYD200 has nothing left to show; " << lines.join('|').toStdString();
    EXPECT_TRUE(lines[0].startsWith("Supplier,Name,Amount,Current,")) << lines[0].toStdString();
    EXPECT_EQ(lines[1], "MAP300,Maple Leaf Lumber,220.00,0.00,0.00,0.00,0.00,220.00");
}

TEST_F(VndagingScenarios, UneListeDetailleeDepuisLesEcheancesExporteeEnFrancais)
{
    QFile::remove("vieillissement-fournisseurs.csv");
    books_.play("vndaging", "vieillissement", 2);
    const QStringList lines = exportedLines("vieillissement-fournisseurs.csv");
    ASSERT_EQ(lines.size(), 4) << lines.join('|').toStdString();
    EXPECT_TRUE(lines[0].startsWith("Code,Facture #,Date,Échéance,")) << lines[0].toStdString();
    EXPECT_EQ(lines.mid(1), (QStringList{"MAP300,M-1,2026-01-15,2026-02-14,,Achat,136,250.00,,,,,250.00",
                                         "MAP300,M-1,2026-06-20,2026-06-20,CHQ-9,Paie,136,-50.00,,,,,-50.00",
                                         "MAP300,M-1,2026-01-15,2026-07-15,,Retenue,-15,20.00,20.00,,,,"}))
        << "the payment ages with its invoice, the holdback from its own due date";
}

}  // namespace
}  // namespace orvant::vndaging
