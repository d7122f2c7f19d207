// The sales screen's rules, driven as the form drives them, with the user's answers scripted.

#include <algorithm>

#include "sales_fixture.h"
#include "sales_screen.h"
#include "testing/scripted_entry_host.h"

namespace orvant::sales::testing {
namespace {

Date Ymd(int y, int m, int d) { return *Date::fromYmd(y, m, d); }

// The form, its client picker, holdback and project dialogs never used.
struct ScriptedHost : orvant::testing::ScriptedEntryHost<SalesHost> {
    std::string pickClient() override { return {}; }
    HoldbackAnswer askHoldback(Money, Money, Money, HoldbackChoice) override { return {}; }
    std::optional<std::vector<sidedialogs::ProjectLine>> askProjects(Money) override { return std::nullopt; }
};

class SalesScreenTest : public SalesTest {
protected:
    SalesScreen& screen()
    {
        if (!screen_) {
            SalesBooks& salesBooks = books();
            SalesPosting& sales = posting();
            screen_ = std::make_unique<SalesScreen>(salesBooks, sales, host, session, [](int n) { return "M" + std::to_string(n); },
                                                    [this] { return today; });
            screen_->start();
        }
        return *screen_;
    }

    // A client chosen by its code, as typed and left.
    void chooseClient(const std::string& code) { screen().leaveClientCode(code, false); }
    // A sale to ABC100 typed as the user types it: the receivable debited, sales credited.
    void typeSale(const std::string& invoice, const char* amount)
    {
        chooseClient("ABC100");
        screen().leaveInvoice(invoice, false);
        screen().leaveDebit(0, Amount(amount));
        screen().leaveCredit(1, Amount(amount));
    }
    void setDueDays(int days) { execute("UPDATE cli SET cli_du_days = ? WHERE cli_code = 'ABC100'", {days}); }

    ScriptedHost host;
    Session session;
    Date today = Ymd(2026, 3, 10);
    std::unique_ptr<SalesScreen> screen_;
};

TEST_P(SalesScreenTest, DueDatesFollowTheClientsTermsFromTheTransactionDate)
{
    // The terms as they stand when the date is left, a day of the next month or days after.
    struct Case { int dueDays; Date date, due; };
    const Case cases[] = {
        {910, Ymd(2026, 12, 15), Ymd(2027, 1, 10)},
        {915, Ymd(2026, 3, 31), Ymd(2026, 4, 15)},
        {30, Ymd(2024, 1, 31), Ymd(2024, 3, 1)},
    };
    chooseClient("ABC100");
    for (const Case& c : cases) {
        setDueDays(c.dueDays);
        screen().leaveDate(c.date);
        EXPECT_EQ(screen().document().dueDate, c.due) << c.dueDays;
    }
    screen().leaveDate(std::nullopt);
    EXPECT_EQ(host.lastFocus(), SalesField::Date) << "a date that is not one sends the focus back, silently";
    EXPECT_EQ(host.lastMessage(), -1);
}

TEST_P(SalesScreenTest, AChosenClientBringsItsOwnSalesAccountsAndTheProposedDate)
{
    execute("UPDATE cli SET cli_accnt1 = 4020, cli_accnt2 = 0, cli_accnt3 = 4000 WHERE cli_code = 'ABC100'");
    chooseClient("ABC100");
    const Distribution& rows = screen().document().rows;
    EXPECT_EQ(rows.row(0).account, kReceivable);
    EXPECT_EQ(rows.row(1).account, 4020);
    EXPECT_EQ(rows.row(2).account, kServices) << "Cli_accnt2 of 0 leaves the default";
    EXPECT_EQ(rows.row(3).account, kSales);
    EXPECT_EQ(rows.row(0).description, "Accounts receivable");
    ASSERT_TRUE(screen().shownClient());
    EXPECT_EQ(screen().shownClient()->name, "ABC Construction Ltd.");
    EXPECT_EQ(screen().document().date, today);
    EXPECT_EQ(screen().document().dueDate, Ymd(2026, 4, 9));

    screen().leaveDebit(0, Amount("5.00"));
    chooseClient("ABC100");
    EXPECT_EQ(screen().document().rows.totals().debit, Amount("5.00")) << "the same client again keeps the rows";
    chooseClient("BEL200");
    EXPECT_TRUE(screen().document().rows.totals().debit.isZero()) << "another client starts a new document";
}

TEST_P(SalesScreenTest, ClientsOnHoldUnknownOrWithAControlCharacterAreRefusedAtTheCode)
{
    execute("UPDATE cli SET cli_credit_hold = ? WHERE cli_code = 'BEL200'", {true});
    chooseClient("BEL200");
    EXPECT_EQ(host.lastMessage(), kClientOnCreditHold);
    EXPECT_EQ(host.lastFocus(), SalesField::Client);
    EXPECT_FALSE(screen().shownClient());

    screen().leaveClientCode("BEL200", true);
    EXPECT_EQ(host.messages.size(), 1u) << "leaving towards Cancel skips the check";

    today = Ymd(2026, 3, 20);
    chooseClient("NOBODY");
    EXPECT_EQ(host.lastMessage(), kNoSuchClient);
    EXPECT_EQ(screen().clientCodeText(), "");
    EXPECT_EQ(screen().document().date, today);
    EXPECT_EQ(screen().document().dueDate, today);

    chooseClient(std::string("ABC100\0x", 8));
    EXPECT_EQ(host.lastMessage(), kControlCharacter);
    EXPECT_EQ(host.lastFocus(), SalesField::Client);
    EXPECT_FALSE(screen().shownClient());
}

TEST_P(SalesScreenTest, InvoiceNumbersAreCapitalsAndFollowTheTypesRule)
{
    chooseClient("ABC100");
    screen().leaveInvoice("a12", false);
    EXPECT_EQ(screen().document().invoice, "A12");
    EXPECT_TRUE(host.messages.empty());

    screen().leaveInvoice("", false);
    EXPECT_EQ(host.lastMessage(), kEnterInvoice);
    screen().setType(2);
    screen().leaveInvoice("a12", false);
    EXPECT_EQ(host.lastMessage(), kInvoiceNotFound);
    EXPECT_EQ(host.lastFocus(), SalesField::Invoice);
}

TEST_P(SalesScreenTest, TheReceivableRowOfACreditNoteRefusesADebitAndTheTotalsStayTrue)
{
    chooseClient("ABC100");
    screen().setType(2);
    screen().leaveDebit(0, Amount("115.00"));
    EXPECT_EQ(host.lastMessage(), kUseCreditColumn);
    EXPECT_TRUE(screen().document().rows.row(0).debit.isZero());
    EXPECT_TRUE(screen().document().rows.totals().debit.isZero()) << "the refused amount is not in the total";

    screen().leaveDebit(1, Amount("100.00"));
    EXPECT_EQ(screen().document().rows.totals().debit, Amount("100.00")) << "any other row takes a debit";
    screen().leaveCredit(2, Money::parse("-3"));
    EXPECT_EQ(host.lastMessage(), kNegativeAmount);
    screen().leaveCredit(2, std::nullopt);
    EXPECT_EQ(host.lastMessage(), kNotANumber);
}

TEST_P(SalesScreenTest, UnknownAccountsAreEmptiedWithTheirAmountsKept)
{
    chooseClient("ABC100");
    screen().leaveDebit(4, Amount("12.00"));
    screen().leaveAccount(4, "9999");
    EXPECT_EQ(host.lastMessage(), kNoSuchAccount);
    EXPECT_EQ(host.lastKind(), ui::MessageKind::Information) << "at the field, an information box";
    EXPECT_EQ(screen().document().rows.row(4).account, 0);
    EXPECT_EQ(screen().document().rows.totals().debit, Amount("12.00"));
    screen().leaveAccount(4, "5400");
    EXPECT_EQ(screen().document().rows.row(4).description, "Bank charges");

    execute("DELETE FROM glm WHERE glm_account = 5400");  // on another workstation, meanwhile
    screen().leaveInvoice("X1", false);
    screen().leaveCredit(1, Amount("12.00"));
    EXPECT_FALSE(screen().accept());
    EXPECT_EQ(host.lastMessage(), kNoSuchAccount) << "Accept looks the accounts up again";
    EXPECT_EQ(host.lastKind(), ui::MessageKind::Error) << "at Accept, an error box";
    EXPECT_EQ(host.lastFocus(), SalesField::RowAccount);
}

TEST_P(SalesScreenTest, AcceptPostsAndTheNextDocumentIsProposedOnTheSameDate)
{
    chooseClient("ABC100");
    screen().leaveDate(Ymd(2026, 3, 5));
    screen().leaveInvoice("s1", false);
    screen().leaveDebit(0, Amount("115.00"));
    screen().leaveCredit(1, Amount("100.00"));
    screen().leaveAccount(2, std::to_string(kFederalTax));
    screen().leaveCredit(2, Amount("7.00"));
    ASSERT_FALSE(screen().accept());
    EXPECT_EQ(host.lastMessage(), kOutOfBalance);
    EXPECT_EQ(session.ledgerCode, "N");

    screen().leaveAccount(3, std::to_string(kProvincialTax));
    screen().leaveCredit(3, Amount("8.00"));
    ASSERT_TRUE(screen().accept());
    EXPECT_EQ(session.ledgerCode, "N");
    EXPECT_EQ(screen().lastDate(), Ymd(2026, 3, 5));
    EXPECT_EQ(screen().document().date, Ymd(2026, 3, 5));
    EXPECT_EQ(screen().clientCodeText(), "");
    EXPECT_EQ(host.lastFocus(), SalesField::Client);
    EXPECT_EQ(money("SELECT car_amount FROM car WHERE car_invoice = 'S1'"), Amount("115.00"));
}

TEST_P(SalesScreenTest, ACancelledTaxPerRateDialogWritesNothing)
{
    execute("UPDATE ctrl SET ctrl_taxsystem = 1");
    chooseClient("ABC100");
    screen().leaveInvoice("T1", false);
    screen().leaveDebit(0, Amount("107.00"));
    screen().leaveCredit(1, Amount("100.00"));
    screen().leaveAccount(2, std::to_string(kFederalTax));
    screen().leaveCredit(2, Amount("7.00"));
    EXPECT_FALSE(screen().accept());
    ASSERT_TRUE(host.taxesAsked);
    ASSERT_EQ(host.taxesAsked->size(), 1u);
    EXPECT_EQ(host.taxesAsked->front().tax, Amount("7.00"));
    EXPECT_EQ(count("SELECT COUNT(*) FROM tjld"), 0);
    EXPECT_EQ(session.ledgerCode, "N");
    EXPECT_EQ(screen().document().invoice, "T1") << "the document stays on the screen";
}

TEST_P(SalesScreenTest, ACashSaleWithoutCommentAsksForOne)
{
    screen().setDirectCash(true);
    EXPECT_EQ(screen().document().rows.row(1).account, kSales) << "a cash sale starts on the default rows";
    screen().leaveInvoice("c1", false);
    screen().leaveAccount(0, std::to_string(kBank));
    screen().leaveDebit(0, Amount("5.00"));
    screen().leaveCredit(1, Amount("5.00"));
    host.answers = {ui::Answer::Yes};
    EXPECT_FALSE(screen().accept());
    EXPECT_EQ(host.lastFocus(), SalesField::Comment);
    EXPECT_EQ(std::count(host.messages.begin(), host.messages.end(), kAskForComment), 1) << "asked once";
    host.answers = {ui::Answer::No};
    EXPECT_TRUE(screen().accept());
    EXPECT_EQ(count("SELECT tjlh_journal FROM tjlh WHERE tjlh_reference = 'C1'"), 1);
}

TEST_P(SalesScreenTest, AUserWhoGivesUpWaitingForTheClientPostsNothing)
{
    typeSale("W1", "10.00");
    store::Table elsewhere(*books_, "cli");  // another workstation changing the client
    elsewhere.open();
    ASSERT_TRUE(elsewhere.findKey({"ABC100"}));
    elsewhere.edit();
    host.cancelWait = true;
    EXPECT_FALSE(screen().accept());
    EXPECT_FALSE(host.waits.empty());
    EXPECT_EQ(count("SELECT COUNT(*) FROM tjld"), 0);
    EXPECT_EQ(session.ledgerCode, "N");
    EXPECT_EQ(screen().document().invoice, "W1") << "the document stays to be accepted again";
    elsewhere.cancel();
    host.cancelWait = false;
    EXPECT_TRUE(screen().accept());
}

TEST_P(SalesScreenTest, TheCaptionNamesTheNewPeriodAndItsMonth)
{
    execute("UPDATE ctrl SET ctrl_ar_period = 3");
    host.periodAnswer = 5;
    screen().changePeriod();
    EXPECT_EQ(screen().postingPeriod(), 5);
    const std::string month = scalar("SELECT period_mth FROM periods WHERE period_no = 5").asString();
    EXPECT_EQ(screen().periodCaption(), "M12 5 : " + month);
    host.periodAnswer = 13;
    screen().changePeriod();
    EXPECT_EQ(screen().periodCaption(), "M12 13 : ") << "a period without a month shows none";

    execute("UPDATE ctrl SET ctrl_ar_period = 0");
    screen_.reset();
    host.periodAnswer = 4;
    screen().changePeriod();
    EXPECT_EQ(screen().periodCaption(), "M12 0M13 4");
}

// A credit note of 15.00 on sale S1, typed with blanks around its numbers.
void typeCreditNote(SalesScreen& screen)
{
    screen.leaveClientCode(" ABC100 ", false);
    screen.setType(static_cast<int>(SalesType::Credit));
    screen.leaveInvoice(" s1 ", false);
    screen.leaveReference(" CR1 ", false);
    screen.leaveCredit(0, Amount("15.00"));
    screen.leaveDebit(1, Amount("15.00"));
}

TEST_P(SalesScreenTest, ANoteAlreadyInTheBooksIsPostedAgainOnlyWhenTheUserSaysYes)
{
    typeSale("S1", "15.00");
    ASSERT_TRUE(screen().accept());
    typeCreditNote(screen());
    ASSERT_TRUE(screen().accept());
    EXPECT_EQ(count("SELECT COUNT(*) FROM car WHERE car_invoice = 'S1' AND car_ref = 'CR1'"), 1) << "stored without the blanks";
    EXPECT_EQ(host.messages, std::vector<int>{}) << "the first time nothing is asked";

    for (const ui::Answer answer : {ui::Answer::No, ui::Answer::Yes}) {
        typeCreditNote(screen());
        host.answers = {answer};
        EXPECT_EQ(screen().accept(), answer == ui::Answer::Yes);
        EXPECT_EQ(host.lastMessage(), kAskPostAgain);
        EXPECT_EQ(host.lastKind(), ui::MessageKind::Question);
    }
    EXPECT_EQ(count("SELECT COUNT(*) FROM arori WHERE trx_type = '5'"), 2) << "No posted nothing, Yes posted it again";
}

TEST_P(SalesScreenTest, AStoreErrorWhilePostingLeavesTheDocumentAsTyped)
{
    typeSale("E1", "10.00");
    books_->dropTable("arori");  // the last write of the posting fails
    EXPECT_THROW(screen().accept(), store::StoreError);
    EXPECT_EQ(screen().document().invoice, "E1");
    EXPECT_EQ(screen().document().rows.totals().debit, Amount("10.00"));
    EXPECT_EQ(screen().clientCodeText(), "ABC100");
    EXPECT_EQ(session.ledgerCode, "N");
    EXPECT_EQ(count("SELECT COUNT(*) FROM tjld"), 0);
    EXPECT_EQ(money("SELECT cli_current_bal FROM cli WHERE cli_code = 'ABC100'"), Money());
}

ORVANT_BOOKS_ON_EVERY_ENGINE(SalesScreenTest);

}  // namespace
}  // namespace orvant::sales::testing
