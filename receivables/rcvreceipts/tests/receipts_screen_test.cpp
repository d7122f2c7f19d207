// The cash receipts screen's rules, driven as the form drives them, with the user's answers
// scripted, over invoices posted by the sales posting.

#include "money/currency_format.h"
#include "receipt_fixture.h"
#include "receipts_screen.h"
#include "testing/scripted_entry_host.h"

namespace orvant::receipts::testing {
namespace {

Date Ymd(int y, int m, int d) { return *Date::fromYmd(y, m, d); }

// The form, its client picker never used.
struct ScriptedHost : orvant::testing::ScriptedEntryHost<ReceiptsHost> {
    std::string pickClient() override { return {}; }
};

class ReceiptsScreenTest : public ReceiptTest {
protected:
    void SetUp() override
    {
        ReceiptTest::SetUp();
        if (IsSkipped()) return;
        // The bank then sales as the distribution's second and third lines.
        execute("UPDATE ctrl SET ctrl_cr_accnt1 = ?, ctrl_cr_accnt2 = ?", {static_cast<int>(kBank), static_cast<int>(kSales)});
    }

    ReceiptsScreen& screen()
    {
        if (!screen_) {
            ReceiptBooks& receiptBooks = books();
            ReceiptPosting& receipts = posting();
            screen_ = std::make_unique<ReceiptsScreen>(receiptBooks, receipts, host, session, [](int n) { return "M" + std::to_string(n); },
                                                       [this] { return today; });
            screen_->start();
        }
        return *screen_;
    }

    // The open item of an invoice, as listed.
    int item(const std::string& invoice)
    {
        for (int i = 0; i < screen().itemCount(); ++i)
            if (screen().itemShown(i).invoice == invoice) return i;
        ADD_FAILURE() << "no item " << invoice;
        return 0;
    }
    const DistributionRow& line(int row) { return screen().line(row); }

    ScriptedHost host;
    Session session;
    Date today = Ymd(2026, 3, 20);
    std::unique_ptr<ReceiptsScreen> screen_;
};

TEST_P(ReceiptsScreenTest, AClientIsAcceptedWithItsOpenItemsAndTheDefaultDistribution)
{
    sell("ABC100", "100", "500.00");
    execute("UPDATE cli SET cli_credit_hold = ? WHERE cli_code = 'ABC100'", {true});
    EXPECT_FALSE(screen().entryEnabled());
    EXPECT_TRUE(screen().partyCodeEnabled());
    EXPECT_EQ(host.lastFocus(), ReceiptField::Client);

    screen().leaveClientCode(" ABC100 ", false);
    EXPECT_TRUE(host.messages.empty()) << "a client on credit hold still pays";
    EXPECT_TRUE(screen().entryEnabled());
    EXPECT_FALSE(screen().partyCodeEnabled());
    EXPECT_TRUE(screen().clientMode());
    EXPECT_EQ(screen().partyCodeText(), "ABC100");
    EXPECT_EQ(screen().document().date, today);
    EXPECT_EQ(host.lastFocus(), ReceiptField::Date);
    ASSERT_EQ(screen().itemCount(), 1);
    EXPECT_EQ(screen().itemShown(0).amount, Amount("500.00"));
    EXPECT_EQ(line(0).account, kReceivable);
    EXPECT_EQ(line(1).account, kBank);
    EXPECT_EQ(line(0).description, "Accounts receivable");
}

TEST_P(ReceiptsScreenTest, TheClientCodeRefusesOnlyAnUnknownClient)
{
    struct Case {
        const char* typed;
        bool towardsTag13;
        int message;
    } cases[] = {{"NOBODY", false, kNoSuchClient}, {"NOBODY", true, -1}, {"", false, -1}};
    for (const Case& c : cases) {
        host.messages.clear();
        screen().leaveClientCode(c.typed, c.towardsTag13);
        EXPECT_EQ(host.lastMessage(), c.message) << c.typed << " " << c.towardsTag13;
        EXPECT_FALSE(screen().entryEnabled());
    }
    EXPECT_EQ(host.lastFocus(), ReceiptField::Client);
}

TEST_P(ReceiptsScreenTest, PaymentsTypedBuildTheReceivableAndBankLines)
{
    sell("ABC100", "100", "500.00");
    sell("ABC100", "101", "300.00");
    screen().leaveClientCode("ABC100", false);
    struct Case {
        const char* invoice;
        const char* payment;
        const char* receivableCredit;
        const char* receivableDebit;
    } cases[] = {
        {"100", "250.00", "250.00", "0"},
        {"100", "100.00", "100.00", "0"},
        {"101", "200.00", "300.00", "0"},
        {"101", "-150.00", "0", "50.00"},  // a credit moved onto the invoice
    };
    for (const Case& c : cases) {
        screen().setPayment(item(c.invoice), Amount(c.payment));
        EXPECT_EQ(line(0).credit, Amount(c.receivableCredit)) << c.invoice << " " << c.payment;
        EXPECT_EQ(line(0).debit, Amount(c.receivableDebit)) << c.invoice << " " << c.payment;
        EXPECT_EQ(line(1).debit, Amount(c.receivableCredit)) << "the bank follows";
        EXPECT_EQ(line(1).credit, Amount(c.receivableDebit));
        EXPECT_TRUE(screen().document().rows.totals().balanced());
    }
    screen().payInFull(item("101"));
    EXPECT_EQ(line(0).credit, Amount("400.00"));
    screen().setPayment(item("100"), std::nullopt);
    EXPECT_EQ(host.lastMessage(), kNotANumber);
    EXPECT_EQ(host.lastFocus(), ReceiptField::OpenItem);
}

TEST_P(ReceiptsScreenTest, AHoldbackTakesOnlyAPaymentWithinWhatItOwes)
{
    setHoldbackAccounts();
    sell("ABC100", "100", "300.00", nullptr, "50.00");
    screen().leaveClientCode("ABC100", false);
    const int holdback = item("M13 100");
    EXPECT_EQ(screen().itemShown(holdback).amount, Amount("50.00"));
    for (const char* refused : {"60.00", "-5.00"}) {
        screen().setPayment(holdback, Amount(refused));
        EXPECT_EQ(host.lastMessage(), kHoldbackPaymentRefused) << refused;
        EXPECT_TRUE(screen().itemShown(holdback).payment.isZero()) << "the payment is not kept";
    }
    screen().setPayment(holdback, Amount("50.00"));
    EXPECT_EQ(line(0).credit, Amount("50.00"));
}

TEST_P(ReceiptsScreenTest, AReceiptNotFromAClientTakesNothingFromTheClientShownBefore)
{
    sell("ABC100", "100", "500.00");
    execute("INSERT INTO glm (glm_account, glm_description, glm_type, glm_summarize, glm_currency) VALUES (1101, 'Receivable US', 'Asset', 'N', 1)");
    execute("UPDATE ctrl SET ctrl_ar_curr2 = 1101");
    execute("UPDATE cli SET cli_currency = 1 WHERE cli_code = 'HAR300'");
    screen().leaveClientCode("HAR300", false);
    EXPECT_EQ(line(0).account, 1101);
    EXPECT_EQ(screen().currency(), 1);
    screen().setNotFromClient(true);
    EXPECT_EQ(line(0).account, kReceivable) << "the home currency's receivable";
    screen().cancel();

    screen().leaveClientCode("ABC100", false);
    screen().setPayment(0, Amount("100.00"));
    screen().setNotFromClient(true);
    EXPECT_EQ(screen().partyCodeText(), "");
    EXPECT_EQ(screen().itemCount(), 0);
    EXPECT_FALSE(screen().clientMode());
    EXPECT_FALSE(screen().partyCodeEnabled());
    EXPECT_EQ(screen().currency(), CurrencyFormat::kNoSign);
    EXPECT_TRUE(screen().document().rows.totals().debit.isZero());

    screen().leaveReference("R-1");
    screen().setCredit(0, Amount("20.00"));
    screen().setDebit(1, Amount("20.00"));
    host.answers = {ui::Answer::No};
    EXPECT_FALSE(screen().accept());
    EXPECT_EQ(host.messages, (std::vector<int>{kAskForMemo, kReceivableWithoutClient}));

    screen().leaveAccount(0, std::to_string(kSales), false);
    host.answers = {ui::Answer::Yes};
    EXPECT_FALSE(screen().accept());
    EXPECT_EQ(host.lastFocus(), ReceiptField::Memo) << "Yes: the memo is to be written first";
    screen().setMemo("Sale of scrap");
    EXPECT_TRUE(screen().accept());
    EXPECT_EQ(count("SELECT COUNT(*) FROM car WHERE car_ref = 'R-1'"), 0);
    EXPECT_EQ(balance("ABC100"), Amount("500.00"));
    EXPECT_EQ(scalar("SELECT comments FROM crorihdr WHERE reference = 'R-1'").asString(), "Sale of scrap");
}

// A text cut to its width keeps whole characters, one outside the basic plane too.
TEST_P(ReceiptsScreenTest, TheMemoAndADescriptionKeepWholeCharactersAtTheirWidth)
{
    sell("ABC100", "100", "500.00");
    screen().leaveClientCode("ABC100", false);
    const std::string smile = "\U0001F600";
    screen().setMemo(std::string(kMemoWidth - 1, 'x') + smile + "y");
    EXPECT_EQ(screen().document().memo, std::string(kMemoWidth - 1, 'x') + smile);
    screen().setDescription(0, std::string(kRowDescriptionWidth - 1, 'x') + smile + "y");
    EXPECT_EQ(line(0).description, std::string(kRowDescriptionWidth - 1, 'x') + smile);
}

TEST_P(ReceiptsScreenTest, AcceptRefusesWhatIsMissingAndLeavesTheReceiptTyped)
{
    sell("ABC100", "100", "500.00");
    struct Case {
        std::function<void(ReceiptsScreen&)> spoil;
        int message;
        std::optional<ReceiptField> field;  // nothing: the receipt as a whole is refused
    } cases[] = {
        {[](ReceiptsScreen& s) { s.leaveReference(""); }, kEnterReference, ReceiptField::Reference},
        {[](ReceiptsScreen& s) { s.setDebit(1, Amount("90.00")); }, kOutOfBalance, std::nullopt},
        // on another workstation, meanwhile
        {[this](ReceiptsScreen&) { execute("DELETE FROM glm WHERE glm_account = 4000"); }, kNoSuchAccount, ReceiptField::RowAccount},
    };
    for (const Case& c : cases) {
        screen().cancel();
        screen().leaveClientCode("ABC100", false);
        screen().leaveReference("CHQ-1");
        screen().setPayment(0, Amount("100.00"));
        c.spoil(screen());
        host.focuses.clear();
        EXPECT_FALSE(screen().accept());
        EXPECT_EQ(host.lastMessage(), c.message);
        EXPECT_EQ(host.focuses.empty() ? std::nullopt : std::optional(host.lastFocus()), c.field);
        EXPECT_EQ(session.ledgerCode, "N");
        EXPECT_EQ(screen().partyCodeText(), "ABC100") << "the receipt stays on the screen";
    }
    EXPECT_EQ(count("SELECT COUNT(*) FROM tjld WHERE tjld_reference = 'CHQ-1'"), 0);
}

TEST_P(ReceiptsScreenTest, AnAcceptedReceiptIsPostedAndTheNextIsProposedOnItsDate)
{
    sell("ABC100", "100", "500.00");
    screen().leaveClientCode("ABC100", false);
    screen().leaveDate(Ymd(2026, 3, 18), false);
    screen().leaveReference(" CHQ-7 ");
    screen().setNsfCheque(true);
    screen().setPayment(0, Amount("250.00"));
    ASSERT_TRUE(screen().accept());
    EXPECT_EQ(money("SELECT car_amount FROM car WHERE car_ref = 'CHQ-7'"), Amount("-250.00"));
    EXPECT_EQ(balance("ABC100"), Amount("250.00"));
    EXPECT_TRUE(scalar("SELECT nsf_cheque FROM crorihdr WHERE reference = 'CHQ-7'").asBool()) << "the box as it stood at Accept";
    EXPECT_EQ(scalar("SELECT cli_nsf_date FROM cli WHERE cli_code = 'ABC100'").asDate(), Ymd(2026, 3, 18));
    EXPECT_FALSE(screen().entryEnabled());
    expectBooksClean();

    screen().leaveClientCode("ABC100", false);
    EXPECT_EQ(screen().document().date, Ymd(2026, 3, 18));
    EXPECT_EQ(screen().itemShown(0).amount, Amount("250.00")) << "what is left of the invoice";
}

TEST_P(ReceiptsScreenTest, ACancelledTaxPerRateDialogWritesNothing)
{
    execute("UPDATE ctrl SET ctrl_taxsystem = 1");
    sell("ABC100", "100", "500.00");
    screen().leaveClientCode("ABC100", false);
    screen().leaveReference("CHQ-2");
    screen().leaveAccount(2, std::to_string(kFederalTax), false);
    screen().setDebit(2, Amount("5.00"));
    screen().setCredit(1, Amount("5.00"));
    EXPECT_FALSE(screen().accept());
    EXPECT_TRUE(host.taxesAsked.has_value());
    EXPECT_EQ(count("SELECT COUNT(*) FROM tjld"), 2) << "the sale's lines only";
    EXPECT_EQ(session.ledgerCode, "N");
    EXPECT_TRUE(screen().entryEnabled());
}

TEST_P(ReceiptsScreenTest, TheDistributionKeepsItsAccountsTrueAndTwentyLinesAtMost)
{
    sell("ABC100", "100", "500.00");
    screen().leaveClientCode("ABC100", false);
    screen().setDebit(2, Amount("12.00"));
    screen().leaveAccount(2, "0", false);
    EXPECT_EQ(host.lastMessage(), kNoSuchAccount) << "a line with an amount keeps an account";
    EXPECT_EQ(line(2).account, kSales);
    screen().leaveAccount(2, "9999", false);
    EXPECT_EQ(line(2).account, 0);
    EXPECT_EQ(line(2).debit, Amount("12.00"));
    EXPECT_EQ(host.lastFocus(), ReceiptField::RowAccount);
    screen().deleteLine(2);
    EXPECT_TRUE(screen().document().rows.totals().debit.isZero()) << "a deleted line takes its amounts away";

    while (screen().addLine()) {}
    EXPECT_EQ(screen().lineCount(), kDistributionRows);
    screen().deleteLine(19);
    EXPECT_FALSE(screen().addLine()) << "a deleted line still counts";
}

TEST_P(ReceiptsScreenTest, TheCaptionNamesTheNewPeriodAndItsMonth)
{
    execute("UPDATE ctrl SET ctrl_ar_period = 3");
    const std::string month = scalar("SELECT period_mth FROM periods WHERE period_no = 5").asString();
    struct Case {
        int period;
        std::string caption;
    } cases[] = {{5, "M9 5 : " + month}, {0, "M9 0"}};
    for (const Case& c : cases) {
        host.periodAnswer = c.period;
        screen().changePeriod();
        EXPECT_EQ(screen().postingPeriod(), c.period);
        EXPECT_EQ(screen().periodCaption(), c.caption);
    }
    host.periodAnswer.reset();
    screen().changePeriod();
    EXPECT_EQ(screen().postingPeriod(), 0) << "a dialog closed from outside changes nothing";
}

ORVANT_BOOKS_ON_EVERY_ENGINE(ReceiptsScreenTest);

}  // namespace
}  // namespace orvant::receipts::testing
