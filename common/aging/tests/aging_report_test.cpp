// The aging listings as printed: what each layout shows of a party and its entries, the sign of
// the amounts, one total per currency when nothing is converted, and a PDF whose text a reader
// gets back with the totals.

#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "aging/aging_report.h"
#include "company/company_creation.h"
#include "company/data_root_setup.h"
#include "report/pdf_export.h"
#include "store/query.h"
#include "testing/temp_data_root.h"

namespace orvant::aging {
namespace {

class AgingReportTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const company::Installation installation{root_.path(), root_.config()};
        company::SetupDataRoot(installation);
        company::CreateCompany(installation, 1, "Quincaillerie Bélanger");
        books_ = company::OpenCompany(installation, 1);
        run("UPDATE ctrl SET ctrl_curr1_name = 'US dollar', ctrl_curr1_rate = 1.25, ctrl_curr1_sign = 'US$', "
            "ctrl_curr2_name = 'Euro', ctrl_curr2_rate = 1.3, ctrl_curr2_sign = 'EUR'");
        run("INSERT INTO cli (cli_code, cli_name, cli_tel, cli_adr1, cli_currency) VALUES "
            "('DOL', 'Dollar Hardware', '514-555-0101', '12 Main St', 1), ('EUR', 'Euro Outils', '', '', 2)");
        run("INSERT INTO car (car_client, car_invoice, car_ref, car_date, car_type, car_du_date, car_amount, car_seq) VALUES "
            "('DOL', '100', '', '2026-03-01', '1', '2026-03-31', 10000000000, 1), "
            "('EUR', '100', '', '2026-06-20', '1', '2026-07-20', 10000000000, 2), "
            "('EUR', '100', 'R-1', '2026-06-25', '2', '2026-06-25', -1000000, 3)");
        setup_.companyName = "Quincaillerie Bélanger";
        setup_.userName = "Marie";
        setup_.printedAt = DateTime(*Date::fromYmd(2026, 7, 1), 9 * 3600000);
        setup_.dateText = [](Date d) { return QString::fromStdString(d.toIso()); };
        setup_.typeNames = {"Sale", "Pmt", "Adj", "Dr", "Cr", "Hold"};
    }

    void run(const std::string& sql) { store::Query(*books_, sql).execute(); }

    report::ReportDocument build(AgingOptions options, bool detailed)
    {
        options.reportDate = *Date::fromYmd(2026, 6, 30);
        setup_.detailed = detailed;
        setup_.withAddress = true;
        const auto& ledger = AgingLedger::receivables();
        AgingRun agingRun(*books_, ledger, ReadAgingControl(*books_, ledger, "$"), options);
        const auto texts = AgingLayoutTexts::fromTable(lang::LanguageTable("none"), "none", detailed);
        return BuildAgingReport(agingRun, texts, setup_);
    }

    testing::TempDataRoot root_{testing::Engine::Sqlite};
    std::unique_ptr<store::Database> books_;
    AgingReportSetup setup_;
};

QStringList allTexts(const report::ReportDocument& document)
{
    QStringList texts;
    for (const report::ReportPage& page : document.pages) texts << page.texts();
    return texts;
}

TEST_F(AgingReportTest, the_detailed_listing_shows_each_entry_under_its_client_and_a_total_per_currency)
{
    const report::ReportDocument document = build({}, true);
    ASSERT_EQ(document.table.rows.size(), 3u);
    // An exported row starts with its client's code, which the printed page shows in the heading.
    EXPECT_EQ(document.table.rows[0], (QStringList{"DOL", "100", "2026-03-01", "2026-03-31", "", "Sale", "121", "1000000.00", "", "", "",
                                                    "", "1000000.00"}));
    EXPECT_EQ(document.table.rows[2][5], "Pmt");
    EXPECT_EQ(document.table.rows[2][6], "10") << "the payment ages with its invoice";
    const QStringList texts = allTexts(document);
    EXPECT_TRUE(texts.contains("12 Main St")) << "the address under the client";
    EXPECT_TRUE(texts.contains("DOL   Dollar Hardware   Telephone: 514-555-0101"));
    EXPECT_TRUE(texts.contains("TOTAL US dollar"));
    EXPECT_TRUE(texts.contains("TOTAL Euro"));
    EXPECT_TRUE(texts.contains("999,900.00")) << "euro total, without a sign: no sum of two currencies";
    EXPECT_FALSE(texts.contains("TOTAL"));
}

TEST_F(AgingReportTest, a_converted_summary_as_a_pdf_reads_back_with_its_totals)
{
    const QString reader = QStandardPaths::findExecutable("pdftotext");
    if (reader.isEmpty()) GTEST_SKIP() << "pdftotext is not installed (scripts/install-deps.sh installs it)";
    AgingOptions options;
    options.convertTo = 0;
    const report::ReportDocument document = build(options, false);
    ASSERT_EQ(document.table.rows.size(), 2u);
    EXPECT_EQ(document.table.rows[0].mid(3, 2), (QStringList{"1250000.00", "0.00"}));
    EXPECT_EQ(document.table.rows[1].mid(3, 2), (QStringList{"1299870.00", "1299870.00"}));

    QTemporaryDir dir;
    const QString pdf = dir.filePath("aging.pdf");
    ASSERT_TRUE(report::exportPdf(document, pdf).ok());
    QProcess process;
    process.start(reader, {"-layout", pdf, "-"});
    ASSERT_TRUE(process.waitForFinished(30000));
    const QString text = QString::fromUtf8(process.readAllStandardOutput());
    EXPECT_TRUE(text.contains("Summary Listing"));
    EXPECT_TRUE(text.contains("Quincaillerie Bélanger"));
    EXPECT_TRUE(text.contains("$1,250,000.00"));
    EXPECT_TRUE(text.contains(QRegularExpression("TOTAL\\s+\\$2,549,870.00\\s+\\$1,299,870.00"))) << text.toStdString();
}

}  // namespace
}  // namespace orvant::aging
