// Print and update cheques played by the screen driver against the real form, over the demo
// company whose list holds two cheques, the cheque printer being the run's PDF.

#include <QDirIterator>
#include <QFile>

#include "cheque_list_build.h"
#include "testing/scenario_player.h"

namespace orvant::vndcheqprint {
namespace {

class ChequePrintScenarios : public ::testing::Test {
protected:
    void SetUp() override
    {
        books_.registry().setValue(kSettingsSection, u"APChequePrinter", "(PDF file)");
        books_.execute("INSERT INTO cap (cap_supplier, cap_invoice, cap_ref, cap_date, cap_type, cap_du_date, cap_amount, cap_seq) VALUES "
                       "('MAP300', 'M-1', '', '2026-03-01', '1', '2026-03-31', 3000000, 1), "
                       "('BUR100', 'B-1', '', '2026-03-02', '1', '2026-04-01', 1234500, 2)");
        cheques::ChequeListRequest request;
        request.chequeDate = request.dueBefore = *Date::fromYmd(2026, 4, 15);
        request.bankAccount = 1000;
        request.user = "Lead";
        cheques::BuildChequeList(*books_.books(), request);
    }

    int count(const std::string& sql) const { return static_cast<int>(books_.value(sql).asInt()); }

    // The PDFs the runs kept beside the books.
    QStringList pdfsKept() const
    {
        QStringList found;
        const QString books = QString::fromStdString(books_.installation().companyDir(1));
        for (QDirIterator it(books, {"*.pdf"}, QDir::Files, QDirIterator::Subdirectories); it.hasNext();) found << it.next();
        return found;
    }

    testing::ScenarioPlayer books_ = ORVANT_SCENARIO_PLAYER();
};

TEST_F(ChequePrintScenarios, TwoChequesPrintedToTheirPdfOneSpoiledAndTheOtherPosted)
{
    books_.play("vndcheqprint", "print_run");
    EXPECT_EQ(count("SELECT COUNT(*) FROM apchqh"), 1) << "the spoiled cheque stays on the list";
    EXPECT_EQ(count("SELECT COUNT(*) FROM apchqh WHERE apchqh_cheque = ''"), 1) << "without its number";
    EXPECT_EQ(count("SELECT COUNT(*) FROM cdorihdr WHERE reference = '101'"), 1);
    EXPECT_EQ(books_.value("SELECT apchqno_state FROM apchqno WHERE apchqno_number = 102").asString(), "V");
    const QStringList pdfs = pdfsKept();
    ASSERT_EQ(pdfs.size(), 1);
    EXPECT_TRUE(pdfs.front().endsWith("1000-101.pdf")) << pdfs.front().toStdString();
}

TEST_F(ChequePrintScenarios, EnFrancaisUneImpressionAnnuleeEstReporteeAuDemarrageSuivant)
{
    books_.play("vndcheqprint", "impression_annulee", 2);
    EXPECT_EQ(count("SELECT COUNT(*) FROM apchqh WHERE apchqh_cheque IN ('200', '201')"), 2);
    EXPECT_EQ(count("SELECT COUNT(*) FROM cdorihdr"), 0);

    books_.play("vndcheqprint", "reprise", 2);
    EXPECT_EQ(count("SELECT COUNT(*) FROM apchqh"), 0);
    EXPECT_EQ(count("SELECT COUNT(*) FROM cdorihdr WHERE reference IN ('200', '201')"), 2);
}

}  // namespace
}  // namespace orvant::vndcheqprint
