// The cash disbursements screen's rules, driven as the form drives them, with the user's answers
// scripted, over purchases in the supplier's ledger.

#include "disbursement_fixture.h"
#include "disbursements_screen.h"
#include "testing/scripted_entry_host.h"

namespace orvant::disbursements::testing {
namespace {

Date Ymd(int y, int m, int d) { return *Date::fromYmd(y, m, d); }

// The form, its supplier picker never used.
struct ScriptedHost : orvant::testing::ScriptedEntryHost<DisbursementsHost> {
    std::string pickSupplier() override { return {}; }
};

class DisbursementsScreenTest : public DisbursementTest {
protected:
    DisbursementsScreen& screen()
    {
        if (!screen_) {
            DisbursementBooks& disbursementBooks = books();
            DisbursementPosting& disbursements = posting();
            screen_ = std::make_unique<DisbursementsScreen>(disbursementBooks, disbursements, host, session,
                                                            [](int n) { return "M" + std::to_string(n); }, [this] { return today; });
            screen_->start();
        }
        return *screen_;
    }

    // The open item of an invoice as listed, and the row of an account.
    int item(const std::string& invoice)
    {
        for (int i = 0; i < screen().itemCount(); ++i)
            if (screen().itemShown(i).invoice == invoice) return i;
        ADD_FAILURE() << "no item " << invoice;
        return 0;
    }
    const DistributionRow& rowOf(int account)
    {
        for (int row = 0; row < screen().lineCount(); ++row)
            if (screen().line(row).account == account) return screen().line(row);
        ADD_FAILURE() << "no row of " << account;
        return screen().line(0);
    }

    ScriptedHost host;
    Session session;
    Date today = Ymd(2026, 3, 20);
    std::unique_ptr<DisbursementsScreen> screen_;
};

TEST_P(DisbursementsScreenTest, ASupplierIsAcceptedWithItsOpenItemsAndItsOwnBankFirst)
{
    purchase("BUR100", "A1", "100.00");
    purchase("BUR100", "A1", "-30.00");
    purchase("BUR100", "B7", "200.00", "20.00");
    purchase("BUR100", "C123456789", "50.00", "5.00");
    EXPECT_FALSE(screen().entryEnabled());
    EXPECT_EQ(host.lastFocus(), DisbursementField::Supplier);

    screen().leaveSupplierCode("NOBODY", false);
    EXPECT_EQ(host.lastMessage(), kNoSuchSupplier);
    EXPECT_EQ(screen().partyCodeText(), "") << "an unknown code is cleared";
    EXPECT_FALSE(screen().entryEnabled());

    screen().leaveSupplierCode(" BUR100 ", false);
    EXPECT_TRUE(screen().entryEnabled());
    EXPECT_FALSE(screen().partyCodeEnabled());
    EXPECT_EQ(screen().document().date, today);
    EXPECT_EQ(host.lastFocus(), DisbursementField::Date);
    EXPECT_EQ(screen().itemShown(item("A1")).amount, Amount("70.00")) << "the invoice nets with its credit note";
    EXPECT_EQ(screen().itemShown(item("B7")).amount, Amount("180.00"));
    EXPECT_EQ(screen().itemShown(item("M14 B7")).amount, Amount("20.00")) << "the holdback is a row of its own";
    EXPECT_EQ(screen().itemShown(item("M14 C12345678")).amount, Amount("5.00")) << "the word and invoice kept to 13 characters";
    EXPECT_EQ(screen().line(0).account, kBank) << "the supplier's own bank account first";
    EXPECT_EQ(screen().line(1).account, kPayable);
}

TEST_P(DisbursementsScreenTest, PaymentsMoveThePayableAndBankRows)
{
    purchase("BUR100", "A1", "100.00");
    purchase("BUR100", "A1", "-30.00");
    purchase("BUR100", "A2", "60.00");
    screen().leaveSupplierCode("BUR100", false);
    struct Case {
        const char* invoice;
        const char* payment;  // nothing: a double click
        const char* payableDebit;
        const char* payableCredit;
    } cases[] = {
        {"A1", nullptr, "70.00", "0"},
        {"A1", "40.00", "40.00", "0"},
        {"A2", "60.00", "100.00", "0"},
        {"A2", "-50.00", "0", "10.00"},  // a credit applied beyond the payments
    };
    for (const Case& c : cases) {
        if (c.payment) screen().setPayment(item(c.invoice), Amount(c.payment));
        else screen().payInFull(item(c.invoice));
        EXPECT_EQ(rowOf(kPayable).debit, Amount(c.payableDebit)) << c.invoice;
        EXPECT_EQ(rowOf(kPayable).credit, Amount(c.payableCredit)) << c.invoice;
        EXPECT_EQ(rowOf(kBank).credit, Amount(c.payableDebit)) << "the bank pays what the payable owes";
        EXPECT_EQ(rowOf(kBank).debit, Amount(c.payableCredit));
        EXPECT_TRUE(screen().lineTotals().balanced());
    }
}

TEST_P(DisbursementsScreenTest, TwoInvoicesPaidAreWrittenAndTheScreenClearedOnlyAfterwards)
{
    purchase("BUR100", "A1", "40.00");
    purchase("BUR100", "A2", "60.00");
    screen().leaveSupplierCode("BUR100", false);
    screen().leaveDate(Ymd(2026, 3, 18), false);
    screen().leaveReference(" CHQ-1 ");
    screen().payInFull(item("A1"));
    screen().payInFull(item("A2"));
    ASSERT_TRUE(screen().accept());
    EXPECT_EQ(count("SELECT COUNT(*) FROM cdoridet WHERE reference = 'CHQ-1'"), 2);
    EXPECT_EQ(money("SELECT SUM(concil_montant) FROM concil WHERE concil_reference = 'CHQ-1'"), Amount("-100.00"));
    EXPECT_EQ(balance("BUR100"), Money());
    EXPECT_EQ(session.ledgerCode, "N");
    EXPECT_FALSE(screen().entryEnabled());
    EXPECT_EQ(screen().itemCount(), 0);
    EXPECT_EQ(host.lastFocus(), DisbursementField::Supplier);
    expectBooksClean();

    screen().leaveSupplierCode("BUR100", false);
    EXPECT_EQ(screen().document().date, Ymd(2026, 3, 18)) << "the next disbursement is proposed on the last one's date";
}

TEST_P(DisbursementsScreenTest, AReferenceUsedOnThatDateAsksBeforePostingAgain)
{
    purchase("BUR100", "A1", "100.00");
    const auto typeDisbursement = [this] {
        screen().leaveSupplierCode("BUR100", false);
        screen().leaveReference("CHQ-5");
        screen().setPayment(item("A1"), Amount("10.00"));
    };
    typeDisbursement();
    ASSERT_TRUE(screen().accept());
    struct Case {
        ui::Answer answer;
        bool posted;
    } cases[] = {{ui::Answer::No, false}, {ui::Answer::Yes, true}};
    for (const Case& c : cases) {
        screen().cancel();
        typeDisbursement();
        host.messages.clear();
        host.answers = {c.answer};
        EXPECT_EQ(screen().accept(), c.posted);
        EXPECT_EQ(host.messages, std::vector<int>{kAskPostAgain});
        EXPECT_EQ(screen().entryEnabled(), !c.posted) << "a disbursement not posted stays typed";
    }
    EXPECT_EQ(balance("BUR100"), Amount("80.00"));
}

TEST_P(DisbursementsScreenTest, ADisbursementNotToASupplierTouchesNoSupplier)
{
    purchase("BUR100", "A1", "100.00");
    screen().leaveSupplierCode("BUR100", false);
    screen().cancel();
    screen().setNotToSupplier(true);
    EXPECT_EQ(screen().itemCount(), 0);
    EXPECT_FALSE(screen().itemsEnabled());
    EXPECT_EQ(host.lastFocus(), DisbursementField::Date);
    screen().setNotToSupplier(false);
    EXPECT_TRUE(screen().document().notToSupplier) << "unticking the box changes nothing";

    screen().leaveReference("R-9");
    const int payable = 0, rent = 2;
    ASSERT_EQ(screen().line(payable).account, kPayable);
    ASSERT_EQ(screen().line(rent).account, kRent);
    screen().setDebit(payable, Amount("500.00"));
    screen().addLine();
    const int bank = screen().lineCount() - 1;
    screen().leaveAccount(bank, std::to_string(kBank), false);
    screen().setCredit(bank, Amount("500.00"));
    host.answers = {ui::Answer::No};
    EXPECT_FALSE(screen().accept());
    EXPECT_EQ(host.messages, (std::vector<int>{kAskForMemo, kPayableWithoutSupplier}));

    screen().deleteLine(payable);
    screen().setDebit(rent, Amount("500.00"));
    screen().setMemo("Office rent");
    ASSERT_TRUE(screen().accept());
    EXPECT_EQ(scalar("SELECT concil_nom FROM concil WHERE concil_reference = 'R-9'").asString(), "Office rent");
    EXPECT_EQ(scalar("SELECT concil_fou_cli_emp FROM concil WHERE concil_reference = 'R-9'").asString(), "");
    EXPECT_EQ(count("SELECT COUNT(*) FROM cap WHERE cap_ref = 'R-9'"), 0);
    EXPECT_EQ(balance("BUR100"), Amount("100.00"));
}

TEST_P(DisbursementsScreenTest, AcceptRefusesWhatIsMissingAndLeavesTheDisbursementTyped)
{
    purchase("BUR100", "A1", "100.00");
    struct Case {
        std::function<void(DisbursementsScreen&)> spoil;
        int message;
        std::optional<DisbursementField> field;  // nothing: the disbursement as a whole is refused
    } cases[] = {
        // an empty reference is refused before anything else is checked
        {[](DisbursementsScreen& s) { s.leaveReference(""), s.setDebit(5, Amount("1.00")); }, kEnterReference, DisbursementField::Reference},
        {[](DisbursementsScreen& s) { s.setDebit(5, Amount("90.00")); }, kOutOfBalance, std::nullopt},
        // on another workstation, meanwhile
        {[this](DisbursementsScreen&) { execute("DELETE FROM glm WHERE glm_account = ?", {static_cast<int>(kBank)}); }, kNoSuchAccount,
         DisbursementField::RowAccount},
    };
    for (const Case& c : cases) {
        screen().cancel();
        screen().leaveSupplierCode("BUR100", false);
        screen().leaveReference("CHQ-1");
        screen().setPayment(0, Amount("100.00"));
        c.spoil(screen());
        host.focuses.clear();
        EXPECT_FALSE(screen().accept());
        EXPECT_EQ(host.lastMessage(), c.message);
        EXPECT_EQ(host.focuses.empty() ? std::nullopt : std::optional(host.lastFocus()), c.field);
        EXPECT_EQ(session.ledgerCode, "N");
        EXPECT_EQ(screen().partyCodeText(), "BUR100") << "the disbursement stays on the screen";
    }
    EXPECT_EQ(count("SELECT COUNT(*) FROM tjld WHERE tjld_reference = 'CHQ-1'"), 0);
}

TEST_P(DisbursementsScreenTest, AnAccountTypedIsCheckedAndTheRowKeepsItsAmount)
{
    screen().leaveSupplierCode("BUR100", false);
    const int row = 2;
    screen().setDebit(row, Amount("12.00"));
    struct Case {
        const char* typed;
        int message;
        int account;  // the row's account afterwards
    } cases[] = {
        {"0", kNoSuchAccount, kPurchases},  // a row with an amount keeps an account
        {"abc", kNoSuchAccountTyped, kPurchases},
        {"9999", kNoSuchAccountTyped, 0},
        {"5100", -1, kRent},
    };
    for (const Case& c : cases) {
        host.messages.clear();
        screen().leaveAccount(row, c.typed, false);
        EXPECT_EQ(host.lastMessage(), c.message) << c.typed;
        EXPECT_EQ(screen().line(row).account, c.account) << c.typed;
        EXPECT_EQ(screen().line(row).debit, Amount("12.00")) << "the amount stays";
    }
}

TEST_P(DisbursementsScreenTest, TheCaptionNamesTheNewPeriodAndItsMonth)
{
    execute("UPDATE ctrl SET ctrl_ap_period = 3");
    reopen();
    const std::string month = scalar("SELECT period_mth FROM periods WHERE period_no = 5").asString();
    host.periodAnswer = 5;
    screen().changePeriod();
    EXPECT_EQ(screen().postingPeriod(), 5);
    EXPECT_EQ(screen().periodCaption(), "M10 5 : " + month);
}

ORVANT_BOOKS_ON_EVERY_ENGINE(DisbursementsScreenTest);

}  // namespace
}  // namespace orvant::disbursements::testing
