// The aging screen over the supplier ledger, driven without widgets: what sets it apart from the
// clients' aging. An item is kept by "older than" only past the limit, a holdback ages from its
// own dates, an empty last supplier sets no upper limit, and the summary names no telephone.

#include <gtest/gtest.h>

#include "aging_screen.h"
#include "company/company_creation.h"
#include "company/data_root_setup.h"
#include "scripted_aging_host.h"
#include "store/query.h"
#include "testing/temp_data_root.h"

namespace orvant::aging {
namespace {

class PayablesAgingScreenTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const company::Installation installation{root_.path(), root_.config()};
        company::SetupDataRoot(installation);
        company::CreateCompany(installation, 1, "Aging Books");
        books_ = company::OpenCompany(installation, 1);
        // Limits 30/60/90/120/150; the euro, currency 2, is worth 1.25.
        sql("UPDATE ctrl SET ctrl_curr2_name = 'Euro', ctrl_curr2_rate = 1.25");
        sql("INSERT INTO sup (sup_code, sup_name, sup_tel, sup_currency, sup_current_bal) VALUES "
            "('ACME', 'Acme Lumber', '514-555-0100', 0, 0), ('EURO', 'Euro Bois', '', 2, 100), ('ZERO', 'Zero Paper', '', 0, 0)");
        sql("INSERT INTO cap (cap_supplier, cap_invoice, cap_ref, cap_date, cap_type, cap_du_date, cap_amount, cap_holdback, cap_seq) VALUES "
            "('ACME', 'A-58', '', '2026-02-01', '1', '2026-03-03', 1000000, FALSE, 1), "
            "('ACME', 'A-0', '', '2026-03-31', '1', '2026-04-30', 1000000, FALSE, 2), "
            "('ACME', 'A-LATER', '', '2026-04-05', '1', '2026-05-05', 1000000, FALSE, 3), "
            "('ACME', 'A-150', '', '2025-11-01', '1', '2025-12-01', 1000000, FALSE, 4), "
            "('ACME', 'A-90', '', '2025-12-31', '1', '2026-01-30', 1000000, FALSE, 5), "
            "('ACME', 'A-89', '', '2026-01-01', '1', '2026-01-31', 3000000, FALSE, 6), "
            "('ACME', 'A-89', 'CHQ-1', '2026-03-25', '2', '2026-03-25', -1000000, FALSE, 7), "
            "('ACME', 'A-HB', '', '2026-01-15', '1', '2026-02-14', 900000, FALSE, 8), "
            "('ACME', 'A-HB', '', '2026-01-15', '6', '2026-06-30', 100000, TRUE, 9), "
            "('EURO', 'E-1', '', '2026-03-20', '1', '2026-04-19', 1000000, FALSE, 10), "
            "('ZERO', 'Z-1', '', '2026-03-01', '1', '2026-03-31', 500000, FALSE, 11), "
            "('ZERO', 'Z-1', 'CHQ-2', '2026-03-10', '2', '2026-03-10', -500000, FALSE, 12)");
        sql("INSERT INTO caph SELECT * FROM cap WHERE cap_supplier = 'ZERO'");
        AgingReportSetup setup;
        setup.dateText = [](Date d) { return QString::fromStdString(d.toIso()); };
        const AgingScreenLedger& kind = AgingScreenLedger::payables();
        screen_ = std::make_unique<AgingScreen>(kind, host_, *books_, ReadAgingControl(*books_, kind.ledger, "$"), setup, "YYYY-MM-DD",
                                                *Date::fromYmd(2026, 3, 31), [](int n) { return QString("message %1").arg(n); });
    }

    void sql(const std::string& text) { store::Query(*books_, text).execute(); }

    // Each detailed line as "supplier invoice type days bucket amount".
    QStringList detailLines() const
    {
        QStringList lines;
        for (const QStringList& row : host_.rows) {
            int bucket = 0;
            for (int b = 1; b <= kBuckets; ++b)
                if (!row.value(7 + b).isEmpty()) bucket = b;
            lines << QStringList{row[0], row[1], row[5], row[6], QString::number(bucket), row[7]}.join(' ');
        }
        return lines;
    }

    testing::TempDataRoot root_{testing::Engine::Sqlite};
    std::unique_ptr<store::Database> books_;
    ScriptedAgingHost host_;
    std::unique_ptr<AgingScreen> screen_;
};

TEST_F(PayablesAgingScreenTest, each_item_ages_into_its_column_with_what_it_pays)
{
    const QStringList every{"ACME A-0 Pur 0 1 100.00",       "ACME A-150 Pur 150 5 100.00", "ACME A-58 Pur 58 2 100.00",
                            "ACME A-89 Pur 89 3 300.00",     "ACME A-89 Pmt 89 3 -100.00",  "ACME A-90 Pur 90 3 100.00",
                            "ACME A-HB Pur 75 3 90.00",      "ACME A-HB Hold 75 3 10.00",   "EURO E-1 Pur 11 1 100.00"};
    QStringList withLater = every;
    withLater.insert(8, "ACME A-LATER Pur -5 1 100.00");
    struct Row {
        const char* what;
        std::function<void(AgingChoices&)> choose;
        QStringList lines;
    } rows[] = {
        {"every item at its age; the payment with its invoice", [](AgingChoices&) {}, every},
        {"only past the third limit: 90 days is not older than 90", [](AgingChoices& c) { c.olderThan = 2; },
         {"ACME A-150 Pur 150 5 100.00"}},
        {"a later item with its negative age in the first column", [](AgingChoices& c) { c.includeSubsequent = true; }, withLater},
        {"from the due dates: the holdback from its own",
         [](AgingChoices& c) {
             c.fromDueDate = true;
             c.fromCode = c.toCode = "ACME";
         },
         {"ACME A-0 Pur -30 1 100.00", "ACME A-150 Pur 120 4 100.00", "ACME A-58 Pur 28 1 100.00", "ACME A-89 Pur 59 2 300.00",
          "ACME A-89 Pmt 59 2 -100.00", "ACME A-90 Pur 60 2 100.00", "ACME A-HB Pur 45 2 90.00", "ACME A-HB Hold -91 1 10.00"}},
        {"no last supplier: no upper limit; the euro converted at 1.25",
         [](AgingChoices& c) { c.fromCode = "B"; c.convertTo = 1; }, {"EURO E-1 Pur 11 1 125.00"}},
        {"zero balances asked for", [](AgingChoices& c) { c.fromCode = "Z"; c.zeroBalance = true; },
         {"ZERO Z-1 Pur 30 1 50.00", "ZERO Z-1 Pmt 30 1 -50.00"}},
        {"the history lists a supplier whose balance is 0", [](AgingChoices& c) { c.history = true; },
         {"ZERO Z-1 Pur 30 1 50.00", "ZERO Z-1 Pmt 30 1 -50.00"}},
    };
    for (const Row& row : rows) {
        screen_->choices() = AgingChoices{};
        screen_->choices().reportDate = "2026-03-31";
        row.choose(screen_->choices());
        host_.rows.clear();
        EXPECT_FALSE(screen_->run(AgingOutput::Preview)) << row.what;
        EXPECT_EQ(detailLines(), row.lines) << row.what;
    }
    EXPECT_TRUE(host_.messages.empty());
}

TEST_F(PayablesAgingScreenTest, the_summary_has_a_line_per_supplier_without_telephone_and_history_takes_zero_balance)
{
    auto& c = screen_->choices();
    c.detailed = false;
    c.withAddress = true;
    c.zeroBalance = true;
    screen_->historyChanged(true);
    EXPECT_FALSE(c.zeroBalance);
    EXPECT_FALSE(screen_->zeroBalanceEnabled());
    EXPECT_FALSE(screen_->addressEnabled()) << "the suppliers' aging prints no address";
    screen_->historyChanged(false);
    ASSERT_FALSE(screen_->run(AgingOutput::Print));
    ASSERT_EQ(host_.rows.size(), 2u);
    EXPECT_EQ(host_.rows[0], (QStringList{"ACME", "Acme Lumber", "700.00", "100.00", "100.00", "400.00", "0.00", "100.00"}));
    EXPECT_EQ(host_.rows[1], (QStringList{"EURO", "Euro Bois", "100.00", "100.00", "0.00", "0.00", "0.00", "0.00"}));
}

}  // namespace
}  // namespace orvant::aging
