// The aging screen played by the screen driver against the real form: an aging run of the
// demo's clients exported as a spreadsheet, then read back.

#include <QFile>

#include "testing/scenario_player.h"

namespace orvant::rcvaging {
namespace {

TEST(AgingScenarios, AnAgingRunExportedFromTheOptionsScreen)
{
    testing::ScenarioPlayer books = ORVANT_SCENARIO_PLAYER();
    books.execute("INSERT INTO carh (car_client, car_invoice, car_ref, car_date, car_type, car_du_date, car_amount, car_seq) VALUES "
                  "('ABC100', 'H-1', '', '2026-05-01', '1', '2026-05-31', 1150000, 1), "
                  "('BEL200', 'H-2', '', '2026-01-15', '1', '2026-02-14', 2500000, 2), "
                  "('BEL200', 'H-2', 'R-9', '2026-06-20', '2', '2026-06-20', -500000, 3)");
    QFile::remove("aging-scenario.csv");
    books.play("rcvaging", "aging_run");

    QFile csv("aging-scenario.csv");
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly)) << "the export wrote no file";
    const QStringList lines = QString::fromUtf8(csv.readAll()).split("\r\n", Qt::SkipEmptyParts);
    csv.close();
    QFile::remove("aging-scenario.csv");
    ASSERT_EQ(lines.size(), 3) << lines.join('|').toStdString();
    EXPECT_TRUE(lines[1].startsWith("ABC100,")) << lines[1].toStdString();
    EXPECT_TRUE(lines[1].endsWith(",115.00,0.00,115.00,0.00,0.00,0.00")) << "60 days old: second bucket; " << lines[1].toStdString();
    EXPECT_TRUE(lines[2].endsWith(",200.00,0.00,0.00,0.00,0.00,200.00")) << "the payment ages with its invoice; " << lines[2].toStdString();
}

}  // namespace
}  // namespace orvant::rcvaging
