// The aging options screen's rules over the client ledger, driven without widgets: the date and
// the client range checked before any report runs, the choices that go together, the currency lists carrying their
// currency, and a currency without rate named.

#include <gtest/gtest.h>

#include "aging_screen.h"
#include "company/company_creation.h"
#include "company/data_root_setup.h"
#include "company/demo_company.h"
#include "scripted_aging_host.h"
#include "store/query.h"
#include "testing/temp_data_root.h"

namespace orvant::aging {
namespace {

class AgingScreenTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const company::Installation installation{root_.path(), root_.config()};
        company::SetupDataRoot(installation);
        company::MakeDemoCompany(installation, 1);
        books_ = company::OpenCompany(installation, 1);
        // Currency 2 has no name: the lists skip it, and the yen keeps its own number.
        store::Query(*books_, "UPDATE ctrl SET ctrl_curr1_name = 'US dollar', ctrl_curr1_rate = 1.25, ctrl_curr2_name = '', "
                              "ctrl_curr3_name = 'Yen', ctrl_curr3_rate = 0")
            .execute();
        store::Query(*books_, "UPDATE cli SET cli_currency = 3 WHERE cli_code = 'BEL200'").execute();
        store::Query(*books_, "INSERT INTO car (car_client, car_invoice, car_ref, car_date, car_type, car_du_date, car_amount, car_seq) "
                              "VALUES ('BEL200', 'Y-1', '', '2026-06-01', '1', '2026-06-01', 100000, 1)")
            .execute();
        const auto& kind = AgingScreenLedger::receivables();
        AgingReportSetup setup;
        setup.dateText = [](Date d) { return QString::fromStdString(d.toIso()); };
        screen_ = std::make_unique<AgingScreen>(kind, host_, *books_, ReadAgingControl(*books_, kind.ledger, "$"), setup, "YYYY-MM-DD",
                                                *Date::fromYmd(2026, 6, 30), [](int n) { return QString("message %1").arg(n); });
    }

    testing::TempDataRoot root_{testing::Engine::Sqlite};
    std::unique_ptr<store::Database> books_;
    ScriptedAgingHost host_;
    std::unique_ptr<AgingScreen> screen_;
};

TEST_F(AgingScreenTest, a_backward_range_or_a_date_that_does_not_read_stops_every_output_at_its_field)
{
    struct Row {
        const char *date, *from, *to;
        std::optional<AgingField> sentTo;
    } rows[] = {{"2026-06-30", "BEL200", "ABC100", AgingField::FromParty},
                {"2026-02-31", "", "", AgingField::ReportDate},
                {"2026-06-30", "BEL200", "", std::nullopt}};  // no last client: no upper limit
    for (AgingOutput how : {AgingOutput::Print, AgingOutput::Preview, AgingOutput::Export}) {
        for (const Row& row : rows) {
            host_.focused.reset();
            host_.outputs.clear();
            auto& c = screen_->choices();
            c.reportDate = row.date;
            c.fromCode = row.from;
            c.toCode = row.to;
            screen_->run(how);
            EXPECT_EQ(host_.focused, row.sentTo) << row.date << " " << row.from << ".." << row.to;
            EXPECT_EQ(host_.outputs.size(), row.sentTo ? 0u : 1u);
            if (row.sentTo == AgingField::FromParty) {
                EXPECT_TRUE(c.fromCode.empty() && c.toCode.empty());
            }
        }
    }
}

TEST_F(AgingScreenTest, history_takes_the_zero_balance_choice_and_the_summary_the_address)
{
    auto& c = screen_->choices();
    c.zeroBalance = true;
    c.withAddress = true;
    screen_->historyChanged(true);
    screen_->detailedChanged(false);
    EXPECT_FALSE(c.zeroBalance);
    EXPECT_FALSE(screen_->zeroBalanceEnabled());
    EXPECT_FALSE(c.withAddress);
    EXPECT_FALSE(screen_->addressEnabled());
    screen_->historyChanged(false);
    EXPECT_TRUE(screen_->zeroBalanceEnabled());
    EXPECT_TRUE(screen_->options()->history == false);
}

TEST_F(AgingScreenTest, currency_lists_carry_their_currency_and_a_missing_rate_is_named)
{
    std::vector<QString> texts;
    std::vector<std::optional<int>> numbers;
    for (const CurrencyChoice& choice : screen_->conversionChoices()) {
        texts.push_back(choice.text);
        numbers.push_back(choice.currency);
    }
    EXPECT_EQ(texts, (std::vector<QString>{"message 8", "message 9", "US dollar", "Yen"}));
    EXPECT_EQ(numbers, (std::vector<std::optional<int>>{std::nullopt, 0, 1, 3}));

    auto& c = screen_->choices();
    c.printCurrency = 3;  // Yen
    c.convertTo = 0;
    EXPECT_FALSE(screen_->run(AgingOutput::Preview));
    ASSERT_EQ(host_.rows.size(), 1u) << "unconverted: the yen invoice as stored";
    EXPECT_EQ(host_.rows[0][7], "10.00");

    c.convertTo = 1;  // into the home currency
    host_.outputs.clear();
    EXPECT_FALSE(screen_->run(AgingOutput::Preview));
    EXPECT_TRUE(host_.outputs.empty());
    ASSERT_EQ(host_.messages.size(), 1u);
    EXPECT_EQ(host_.messages[0], std::make_pair(kZeroRateMessage, QString("Yen")));
    EXPECT_EQ(host_.busyChanges, (std::vector<bool>{true, false, true, false})) << "the buttons come back after a refusal";
}

TEST_F(AgingScreenTest, an_export_done_closes_the_screen)
{
    EXPECT_TRUE(screen_->run(AgingOutput::Export));
    EXPECT_FALSE(screen_->run(AgingOutput::Print));
    screen_->choices().fromCode = "ABC100";
    host_.picked = "";
    screen_->pickFromCode();
    EXPECT_EQ(screen_->choices().fromCode, "ABC100") << "a cancelled picker keeps the bound";
}

}  // namespace
}  // namespace orvant::aging
