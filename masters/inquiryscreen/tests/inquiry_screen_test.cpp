// The inquiry screen driven without its form, on the inquiries' books, on every engine.

#include <gtest/gtest.h>

#include "company/company_creation.h"
#include "inquiry/tests/inquiry_books.h"
#include "inquiryscreen/inquiry_screen.h"
#include "store/table.h"

namespace orvant::masters {
namespace {

class RecordingHost : public InquiryHost {
public:
    ui::Answer message(int number, ui::MessageKind) override
    {
        messages.push_back(number);
        return ui::Answer::Ok;
    }
    void refresh() override { ++refreshes; }
    void showParties() override { ++listings; }
    void showTab(InquiryTab tab) override { tabs.push_back(tab); }
    void send(report::ReportOutput how, const report::ReportDocument&, bool) override { sent.push_back(how); }

    std::vector<int> messages;
    std::vector<InquiryTab> tabs;
    std::vector<report::ReportOutput> sent;
    int refreshes = 0;
    int listings = 0;
};

class InquiryScreenTest : public inquiry::testing::InquiryBooksTest {
protected:
    InquiryScreen& open(const InquiryParty& party)
    {
        dataRoot_ = company::OpenDataRoot(installation_);
        InquirySetup setup;
        setup.notation.dateFormat = "YYYY-MM-DD";
        setup.texts = inquiry::PreviewTexts::defaults(party.client ? inquiry::InquiryLedger::receivables() : inquiry::InquiryLedger::payables());
        setup.preview.dateText = [](Date d) { return QString::fromStdString(d.toIso()); };
        setup.preview.amountText = [](Money m) { return QString::number(m.toDouble(), 'f', 2); };
        setup.preview.stampText = [](DateTime) { return QString(); };
        setup.today = [] { return *Date::fromYmd(2026, 2, 15); };
        screen_ = std::make_unique<InquiryScreen>(*books_, *dataRoot_, host_, party, std::move(setup));
        screen_->start();
        return *screen_;
    }
    std::vector<std::string> codes() const
    {
        std::vector<std::string> shown;
        for (const auto& row : screen_->parties()) shown.push_back(row.code);
        return shown;
    }
    std::vector<Money> balances() const
    {
        std::vector<Money> shown;
        for (const auto& line : screen_->statement()) shown.push_back(line.balance);
        return shown;
    }
    void choose(const std::string& code)
    {
        const auto& rows = screen_->parties();
        const auto found = std::find_if(rows.begin(), rows.end(), [&](const auto& row) { return row.code == code; });
        ASSERT_NE(found, rows.end()) << code;
        screen_->choose(static_cast<int>(found - rows.begin()));
    }

    std::unique_ptr<store::Database> dataRoot_;
    RecordingHost host_;
    std::unique_ptr<InquiryScreen> screen_;
};

TEST_P(InquiryScreenTest, StartsOnEveryClientInCodeOrderWithTheFirstChosen)
{
    InquiryScreen& s = open(ClientInquiry());
    EXPECT_EQ(codes(), (std::vector<std::string>{"C100", "C200", "C300", "C400", "C500", "C600"}));
    EXPECT_EQ(s.current(), 0);
    EXPECT_EQ(s.record().text("Cli_name"), "O'Brien");
    EXPECT_EQ(host_.tabs, std::vector<InquiryTab>{InquiryTab::List});
}

// A filter that reads replaces the list and shows it; one that does not says message 5 and
// keeps the list and the party chosen.
TEST_P(InquiryScreenTest, AFilterReplacesTheListOrSaysWhyAndKeepsIt)
{
    const std::vector<std::string> before{"C400", "C500", "C600"};
    struct Row {
        int field, op;
        const char* parameter;
        std::vector<std::string> kept;
        bool refused;
    };
    const Row rows[] = {
        {1, 0, "O'Brien", {"C100"}, false},
        {1, 0, "x' OR '1'='1", {}, false},
        {1, 4, "50%", {"C200"}, false},
        {22, 4, "2024", before, true},  // CONTAINING on a date
        {22, 0, "not a date", before, true},
        {4, 4, "", {"C100", "C200", "C300", "C400", "C500", "C600"}, false},
    };
    InquiryScreen& s = open(ClientInquiry());
    for (const Row& row : rows) {
        s.filter(0, 1, "C300");
        ASSERT_EQ(codes(), before);
        const int listed = host_.listings;
        s.choose(1);
        EXPECT_EQ(host_.listings, listed) << "a move keeps the list shown";
        host_.messages.clear();
        s.filter(row.field, row.op, row.parameter);
        EXPECT_EQ(host_.listings, listed + (row.refused ? 0 : 1)) << row.parameter;
        EXPECT_EQ(codes(), row.kept) << row.parameter;
        EXPECT_EQ(host_.messages, row.refused ? std::vector<int>{kInvalidStatement} : std::vector<int>{}) << row.parameter;
        EXPECT_EQ(s.current(), row.refused ? 1 : (row.kept.empty() ? -1 : 0)) << row.parameter;
        EXPECT_EQ(host_.tabs.back(), InquiryTab::List);
    }
}

TEST_P(InquiryScreenTest, TheStatementRunsItsBalanceAndTheGraphAgesToTheLastOne)
{
    InquiryScreen& s = open(ClientInquiry());
    s.tabChanged(InquiryTab::Statement);
    EXPECT_EQ(balances(), (std::vector<Money>{Money::fromUnits(500), Money::fromUnits(300), Money::fromUnits(250)}));
    s.tabChanged(InquiryTab::Graph);
    EXPECT_EQ(s.graph().total, Money::fromUnits(250));
    s.printGraph("Aging of accounts", false);
    EXPECT_EQ(host_.sent, std::vector<report::ReportOutput>{report::ReportOutput::Print});
}

// The history box: on the statement tab only, where the history is kept; unticked it shows the
// history, and any move to another party ticks it again.
TEST_P(InquiryScreenTest, TheHistoryShownUntilThePartyChanges)
{
    InquiryScreen& s = open(ClientInquiry());
    EXPECT_FALSE(s.historyBoxShown());
    s.tabChanged(InquiryTab::Statement);
    EXPECT_TRUE(s.historyBoxShown());
    s.showCurrent(false);
    ASSERT_EQ(s.statement().size(), 2u);
    EXPECT_EQ(s.statement()[0].invoice, "0900");
    EXPECT_EQ(s.statement().back().balance, Money());
    s.next();
    EXPECT_TRUE(s.currentShown());
    EXPECT_EQ(s.statement().at(0).party, "C200");
    s.choose(s.current());  // the same party: the box stays as it is
    s.showCurrent(false);
    s.choose(s.current());
    EXPECT_FALSE(s.currentShown());
}

TEST_P(InquiryScreenTest, ADocumentFoundIsPreviewedAndOneNotKeptSaysMessage6)
{
    InquiryScreen& s = open(ClientInquiry());
    s.tabChanged(InquiryTab::Statement);
    s.detail(0);  // the sale 1001
    s.detail(1);  // the receipt R1
    EXPECT_EQ(host_.sent, (std::vector<report::ReportOutput>{report::ReportOutput::Preview, report::ReportOutput::Preview}));
    s.showCurrent(false);
    s.detail(1);  // the history's payment P0900 has no receipt header
    EXPECT_EQ(host_.messages, std::vector<int>{kNoDetails});
    EXPECT_EQ(host_.sent.size(), 2u);
}

TEST_P(InquiryScreenTest, ASuppliersStatementAndControlInformation)
{
    InquiryScreen& s = open(SupplierInquiry());
    choose("S100");
    s.tabChanged(InquiryTab::Statement);
    EXPECT_EQ(balances(), (std::vector<Money>{Money::fromUnits(100), Money::fromUnits(50), Money::fromUnits(60)}));
    EXPECT_EQ(s.currencyIndex(), std::optional<int>(0));
    s.filter(4, 4, "mont");  // City CONTAINING
    EXPECT_EQ(codes(), (std::vector<std::string>{"S100", "S200", "S300"}));
}

// The party's language by its name in the data root; a key it does not know, as stored.
TEST_P(InquiryScreenTest, TheLanguageShownByItsName)
{
    const struct {
        const char* key;
        std::string shown;
    } rows[] = {{"1", "English"}, {"2", "Français"}, {"7", "7"}, {"", ""}};
    InquiryScreen& s = open(ClientInquiry());
    store::Table clients(*books_, "cli");
    clients.open();
    for (const auto& row : rows) {
        ASSERT_TRUE(clients.findKey({"C100"}));
        clients.edit();
        clients.field("Cli_language") = row.key;
        clients.post();
        s.first();  // C100, read again
        EXPECT_EQ(s.languageName(), row.shown) << row.key;
    }
}

ORVANT_BOOKS_ON_EVERY_ENGINE(InquiryScreenTest);

}  // namespace
}  // namespace orvant::masters
