// The undo screen played by the screen driver against the real form, over the demo company with
// a purchase of Bureau Plus and its credit note posted: the note refused alone, the purchase
// undone with it, the G/L lines removed shown and the report exported; in French the same
// purchase undone and its report exported as a spreadsheet.

#include <QFile>
#include <QProcess>
#include <QStandardPaths>

#include "company/books_check.h"
#include "purchase_import.h"
#include "testing/scenario_player.h"

namespace orvant::vndundo {
namespace {

using company::demo::kOfficeSupplies;
using company::demo::kPayable;

std::string row(int account, const char* side)
{
    return R"({"account": )" + std::to_string(account) + R"(, ")" + side + R"(": "AMOUNT"})";
}

class UndoScenarios : public ::testing::Test {
protected:
    void SetUp() override
    {
        post(R"({"supplier": "BUR100", "invoice": "B-7", "date": "2026-03-10", "rows": [)" + row(kPayable, "credit") + ", " +
             row(kOfficeSupplies, "debit") + "]}", "125.00");
        post(R"({"supplier": "BUR100", "type": "credit", "invoice": "B-7", "reference": "NC-1", "date": "2026-03-12", "rows": [)" +
             row(kPayable, "debit") + ", " + row(kOfficeSupplies, "credit") + "]}", "25.00");
    }

    void post(std::string record, const char* amount)
    {
        record.replace(record.find("AMOUNT"), 6, amount);
        record.replace(record.find("AMOUNT"), 6, amount);
        const auto books = books_.books();
        purchases::PurchaseBooks purchaseBooks(*books, false);
        purchases::PurchaseImport import(purchaseBooks, {4, "ADMIN", "Project purchase", {}}, [](int n) { return std::to_string(n); });
        const auto refused = import.post(record);
        ASSERT_FALSE(refused) << *refused;
    }

    void expectUndone()
    {
        EXPECT_EQ(books_.value("SELECT COUNT(*) FROM cap WHERE cap_supplier = 'BUR100'").asInt(), 0);
        EXPECT_EQ(books_.value("SELECT COUNT(*) FROM cvndundo").asInt(), 2);
        EXPECT_EQ(books_.value("SELECT cap_user FROM cvndundo WHERE cap_ref = 'NC-1'").asString(), "Administrator");
        EXPECT_EQ(books_.money("SELECT sup_current_bal FROM sup WHERE sup_code = 'BUR100'"), Money());
        EXPECT_TRUE(company::CheckBooks(books_.installation(), 1).clean());
    }

    testing::ScenarioPlayer books_ = ORVANT_SCENARIO_PLAYER();
};

TEST_F(UndoScenarios, APurchaseUndoneWithItsCreditNoteAndTheReportExportedAsAPdf)
{
    QFile::remove("undo-scenario.pdf");
    books_.play("vndundo", "undo_purchase");
    expectUndone();

    ASSERT_TRUE(QFile::exists("undo-scenario.pdf")) << "the export wrote no file";
    const QString reader = QStandardPaths::findExecutable("pdftotext");
    if (reader.isEmpty()) GTEST_SKIP() << "pdftotext is not installed";
    QProcess process;
    process.start(reader, {"-layout", "undo-scenario.pdf", "-"});
    ASSERT_TRUE(process.waitForFinished(30000));
    const QString text = QString::fromUtf8(process.readAllStandardOutput());
    QFile::remove("undo-scenario.pdf");
    for (const char* expected : {"Deleted transactions - accounts payable", "Bureau Plus", "B-7", "NC-1", "Credit note", "Deleted by",
                                 "Administrator", "Transactions deleted: 2"})
        EXPECT_TRUE(text.contains(expected)) << expected << " in\n" << text.toStdString();
}

TEST_F(UndoScenarios, EnFrancaisUnAchatAnnuleEtLeRapportExporteEnCsv)
{
    QFile::remove("annulation.csv");
    books_.play("vndundo", "annuler_achat", 2);
    expectUndone();

    QFile csv("annulation.csv");
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly)) << "the export wrote no file";
    const QString rows = QString::fromUtf8(csv.readAll());
    csv.close();
    QFile::remove("annulation.csv");
    for (const char* expected : {"Détruit par", "B-7", "NC-1", "Note de crédit", "Achat"})
        EXPECT_TRUE(rows.contains(QString::fromUtf8(expected))) << expected << " in\n" << rows.toStdString();
}

}  // namespace
}  // namespace orvant::vndundo
