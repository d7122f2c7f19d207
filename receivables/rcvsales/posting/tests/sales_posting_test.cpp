// What a posted sales document leaves in the books.

#include "sales_fixture.h"

namespace orvant::sales::testing {
namespace {

class SalesPostingTest : public SalesTest {
protected:
    Money balance(const char* client = "ABC100") { return money("SELECT cli_current_bal FROM cli WHERE cli_code = ?", {client}); }
    Money ledgerSum(const char* client = "ABC100")
    {
        return money("SELECT COALESCE(SUM(car_amount), 0) FROM car WHERE car_client = ?", {client});
    }
};

TEST_P(SalesPostingTest, ASaleWritesJournalClientLedgerAndDocument)
{
    ASSERT_EQ(post(sale("A100")), std::nullopt);

    EXPECT_EQ(count("SELECT COUNT(*) FROM tjlh"), 1);
    EXPECT_EQ(count("SELECT tjlh_journal FROM tjlh"), 1);
    EXPECT_EQ(count("SELECT tjlh_period FROM tjlh"), 4) << "the posting period, whatever the date";
    EXPECT_EQ(money("SELECT tjlh_tot_debit FROM tjlh"), Amount("115.00"));
    EXPECT_EQ(money("SELECT tjlh_tot_credit FROM tjlh"), Amount("115.00"));
    EXPECT_EQ(scalar("SELECT tjlh_memo FROM tjlh").asString(), "ABC Construction Ltd.");
    EXPECT_EQ(count("SELECT COUNT(*) FROM tjld"), 4);
    EXPECT_EQ(money("SELECT tjld_debit FROM tjld WHERE tjld_account = ?", {kReceivable}), Amount("115.00"));
    EXPECT_EQ(money("SELECT tjld_credit FROM tjld WHERE tjld_account = ?", {kSales}), Amount("100.00"));
    EXPECT_EQ(count("SELECT COUNT(*) FROM tjld WHERE tjld_debit <> 0 AND tjld_credit <> 0"), 0);

    EXPECT_EQ(balance(), Amount("115.00"));
    EXPECT_EQ(money("SELECT cli_last_sale FROM cli WHERE cli_code = 'ABC100'"), Amount("115.00"));
    EXPECT_EQ(money("SELECT cli_sales_mth FROM cli WHERE cli_code = 'ABC100'"), Amount("115.00"));
    EXPECT_EQ(money("SELECT cli_sales_ytd FROM cli WHERE cli_code = 'ABC100'"), Amount("115.00"));
    EXPECT_EQ(scalar("SELECT cli_date_last_sale FROM cli WHERE cli_code = 'ABC100'").asDate(), *Date::fromYmd(2026, 3, 10));

    EXPECT_EQ(count("SELECT COUNT(*) FROM car"), 1);
    EXPECT_EQ(scalar("SELECT car_type FROM car").asString(), "1");
    EXPECT_EQ(scalar("SELECT car_ref FROM car").asString(), "");
    EXPECT_EQ(scalar("SELECT car_slsm FROM car").asString(), "JD");
    EXPECT_EQ(scalar("SELECT car_du_date FROM car").asDate(), *Date::fromYmd(2026, 4, 9));
    EXPECT_EQ(ledgerSum(), Amount("115.00"));

    EXPECT_EQ(count("SELECT COUNT(*) FROM arori"), 1);
    EXPECT_EQ(scalar("SELECT client FROM arori").asString(), "ABC100");
    EXPECT_EQ(scalar("SELECT trx_type FROM arori").asString(), "1");
    EXPECT_FALSE(scalar("SELECT debitcredit FROM arori").asBool());
    EXPECT_EQ(money("SELECT credit4 FROM arori"), Amount("8.00"));
    EXPECT_EQ(count("SELECT COUNT(*) FROM taxrep"), 0) << "no taxes per rate under the federal and provincial system";
}

TEST_P(SalesPostingTest, ACreditNoteOnTheInvoiceTakesTheBalanceBackButNotTheSales)
{
    ASSERT_EQ(post(sale("A100")), std::nullopt);
    SalesDocument note = creditNote("A100", "CR1");
    ASSERT_EQ(post(note), std::nullopt) << "a note dated the day of its invoice";

    EXPECT_EQ(money("SELECT car_amount FROM car WHERE car_type = '5'"), Amount("-115.00"));
    EXPECT_EQ(scalar("SELECT car_ref FROM car WHERE car_type = '5'").asString(), "CR1");
    EXPECT_EQ(balance(), Money());
    EXPECT_EQ(money("SELECT cli_sales_ytd FROM cli WHERE cli_code = 'ABC100'"), Amount("115.00"));
    EXPECT_TRUE(scalar("SELECT debitcredit FROM arori WHERE trx_type = '5'").asBool());
    // Same period, journal, number and date: one header adds both documents up.
    EXPECT_EQ(count("SELECT COUNT(*) FROM tjlh"), 1);
    EXPECT_EQ(money("SELECT tjlh_tot_debit FROM tjlh"), Amount("230.00"));
    EXPECT_EQ(money("SELECT tjlh_tot_credit FROM tjlh"), Amount("230.00"));
    EXPECT_EQ(count("SELECT COUNT(*) FROM tjld"), 8);
}

// Past the screen's checks, as when another workstation posted the same document meanwhile:
// the posting looks again under the client's lock.
TEST_P(SalesPostingTest, ASaleOrANotePostedMeanwhileIsRefusedUnderTheLockUnlessARepeatWasAllowed)
{
    ASSERT_EQ(post(sale("A100")), std::nullopt);
    ASSERT_EQ(post(creditNote("A100", "CR1")), std::nullopt);
    const struct {
        SalesDocument document;
        bool repeatAllowed;
        std::optional<SalesMessage> refused;
    } cases[] = {
        {sale("A100"), false, kInvoiceExists},
        {sale("A100"), true, kInvoiceExists},  // a sale's number is never posted twice
        {creditNote("A100", "CR1"), false, kPostedMeanwhile},
        {creditNote("A100", "CR1"), true, std::nullopt},
    };
    for (const auto& c : cases) {
        auto prepared = posting().prepare(c.document, {});
        PostingContext asked = context;
        asked.repeatAllowed = c.repeatAllowed;
        const auto refusal = posting().write(std::get<PreparedDocument>(prepared), asked);
        EXPECT_EQ(refusal ? std::optional(refusal->message) : std::nullopt, c.refused) << c.document.invoice << " " << c.repeatAllowed;
    }
    EXPECT_EQ(count("SELECT COUNT(*) FROM car"), 3) << "the sale, its note and the note posted again on purpose";
    EXPECT_EQ(balance(), Amount("-115.00"));
}

// The client is read once for the checks; under its lock it is read again and that read
// decides, so another workstation's change made in between is neither lost nor overlooked.
TEST_P(SalesPostingTest, AClientChangedBetweenTheCheckAndTheLockIsPostedAsLocked)
{
    const struct {
        const char* client;
        const char* invoice;
        const char* change;
        std::vector<store::Value> binds;
        std::optional<SalesMessage> refused;
        const char* balance;
    } cases[] = {
        {"ABC100", "A201", "UPDATE cli SET cli_name = ?, cli_current_bal = ? WHERE cli_code = 'ABC100'",
         {"ABC Renamed", Amount("10.00")}, std::nullopt, "125.00"},
        {"ABC100", "A202", "UPDATE cli SET cli_credit_hold = ? WHERE cli_code = 'ABC100'", {true}, kClientOnCreditHold, "125.00"},
        {"HAR300", "A203", "DELETE FROM cli WHERE cli_code = ?", {"HAR300"}, kNoSuchClient, nullptr},
    };
    SalesBooks& checked = books();
    for (const auto& c : cases) {
        SalesDocument document = sale(c.invoice);
        document.client = c.client;
        ASSERT_EQ(CheckDocument(checked, document), std::nullopt) << c.invoice;
        auto prepared = posting().prepare(document, {});
        execute(c.change, c.binds);
        const auto refusal = posting().write(std::get<PreparedDocument>(prepared), context);
        EXPECT_EQ(refusal ? std::optional(refusal->message) : std::nullopt, c.refused) << c.invoice;
        if (c.balance) EXPECT_EQ(balance(), Amount(c.balance)) << c.invoice;
    }
    EXPECT_EQ(count("SELECT COUNT(*) FROM car"), 1) << "only the first sale is written";
    EXPECT_EQ(scalar("SELECT tjlh_memo FROM tjlh").asString(), "ABC Renamed");
}

TEST_P(SalesPostingTest, ADirectCashSaleTouchesNoClient)
{
    SalesDocument cash = document("ABC100", SalesType::Sale, "C1");
    cash.directCash = true;
    cash.comment = "Counter sale";
    SetLine(cash, 0, {kBank, "57.50", nullptr});
    SetLine(cash, 1, {kSales, nullptr, "50.00"});
    SetLine(cash, 2, {kFederalTax, nullptr, "7.50"});
    ASSERT_EQ(post(cash), std::nullopt);

    EXPECT_EQ(count("SELECT COUNT(*) FROM car"), 0);
    EXPECT_EQ(balance(), Money());
    EXPECT_EQ(scalar("SELECT client FROM arori").asString(), "");
    EXPECT_TRUE(scalar("SELECT direct_cash_sale FROM arori").asBool());
    EXPECT_EQ(count("SELECT tjlh_journal FROM tjlh"), 1);
    EXPECT_EQ(scalar("SELECT tjlh_memo FROM tjlh").asString(), "Counter sale");
}

TEST_P(SalesPostingTest, AForeignClientPostsToItsCurrencysJournal)
{
    execute("UPDATE ctrl SET ctrl_ar_curr2 = 1110");
    addAccount(1110, "Receivable USD");
    execute("UPDATE cli SET cli_currency = 1 WHERE cli_code = 'ABC100'");
    SalesDocument document = sale("U1");
    document.rows.setAccount(0, 1110, "Receivable USD");
    document.rows.setDebit(0, Amount("115.00"));
    ASSERT_EQ(post(document), std::nullopt);
    EXPECT_EQ(count("SELECT tjlh_journal FROM tjlh"), 12);
    EXPECT_EQ(balance(), Amount("115.00"));
}

TEST_P(SalesPostingTest, TaxesPerRateReportTheNetAmountsTypedUnderTheRatesOwnCode)
{
    execute("UPDATE ctrl SET ctrl_taxsystem = 1");
    books();
    SalesDocument document = sale("T1");
    auto lines = posting().taxLinesToAsk(document);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].code, 1);
    EXPECT_EQ(lines[0].tax, Amount("7.00"));
    EXPECT_EQ(lines[1].code, 2);
    lines[0].net = Amount("100.00");  // the provincial net left at 0: no line for it
    ASSERT_EQ(post(document, {lines, {}, {}}), std::nullopt);
    EXPECT_EQ(count("SELECT COUNT(*) FROM taxrep"), 1);
    EXPECT_EQ(count("SELECT taxrep_code FROM taxrep"), 1);
    EXPECT_EQ(count("SELECT taxrep_typecode FROM taxrep"), 3);
    EXPECT_EQ(money("SELECT taxrep_gross FROM taxrep"), Amount("100.00"));
    EXPECT_EQ(money("SELECT taxrep_vat FROM taxrep"), Amount("7.00"));

    // A credit note on the invoice debits the tax: its own line, negative.
    SalesDocument note = creditNote("T1", "CR1");
    note.date = document.date.addDays(1);
    auto noteLines = posting().taxLinesToAsk(note);
    ASSERT_EQ(noteLines.size(), 2u);
    EXPECT_EQ(noteLines[0].type, 5);
    noteLines[0].net = Amount("100.00");
    noteLines[1].net = Amount("100.00");
    ASSERT_EQ(post(note, {noteLines, {}, {}}), std::nullopt);
    EXPECT_EQ(count("SELECT COUNT(*) FROM taxrep"), 3);
    EXPECT_EQ(money("SELECT taxrep_vat FROM taxrep WHERE taxrep_code = 2"), Amount("-8.00"));
    EXPECT_EQ(money("SELECT taxrep_gross FROM taxrep WHERE taxrep_code = 1 AND taxrep_typecode = 3"), Amount("100.00"))
        << "the sale's line keeps its amounts";
}

TEST_P(SalesPostingTest, AFailureInTheMiddleLeavesNothing)
{
    posting();
    books_->dropTable("arori");  // the last write fails
    EXPECT_THROW(post(sale("A100")), store::StoreError);
    EXPECT_EQ(count("SELECT COUNT(*) FROM tjlh"), 0);
    EXPECT_EQ(count("SELECT COUNT(*) FROM tjld"), 0);
    EXPECT_EQ(count("SELECT COUNT(*) FROM car"), 0);
    EXPECT_EQ(balance(), Money());
}

TEST_P(SalesPostingTest, ARecordLeftHalfWrittenByAFailureIsNotSavedByTheNextDocument)
{
    SalesDocument broken = sale("A100");
    broken.rows.setDescription(1, std::string(61, 'x'));  // wider than a journal line takes
    EXPECT_THROW(post(broken), store::StoreError);
    ASSERT_EQ(post(sale("A101")), std::nullopt);
    EXPECT_EQ(count("SELECT COUNT(*) FROM tjld"), 4);
    EXPECT_EQ(count("SELECT COUNT(*) FROM tjld WHERE tjld_reference = 'A101'"), 4);
    EXPECT_EQ(count("SELECT COUNT(*) FROM car"), 1);
    EXPECT_EQ(balance(), Amount("115.00"));
}

TEST_P(SalesPostingTest, LinesThatWouldNotBalanceOrDoNotExistAreNeverWritten)
{
    PreparedDocument unbalanced{sale("U1"), {}, {}, {}, {}};
    unbalanced.document.rows.setCredit(1, Amount("99.99"));
    PreparedDocument empty{document("ABC100", SalesType::Sale, "U2"), {}, {}, {}, {}};
    PreparedDocument noAccount{sale("U3"), {}, {}, {}, {}};
    noAccount.document.rows.setAccount(1, 0, {});  // a row without an account writes no line
    noAccount.document.rows.setCredit(1, Amount("100.00"));
    const std::pair<PreparedDocument*, SalesMessage> cases[] = {
        {&unbalanced, kOutOfBalance}, {&empty, kNothingToPost}, {&noAccount, kOutOfBalance}};
    for (const auto& [prepared, message] : cases)
        EXPECT_EQ(posting().write(*prepared, context), (Refusal{message, SalesField::Totals})) << prepared->document.invoice;
    EXPECT_EQ(count("SELECT COUNT(*) FROM tjlh"), 0);
    EXPECT_EQ(count("SELECT COUNT(*) FROM car"), 0);
    EXPECT_EQ(count("SELECT COUNT(*) FROM arori"), 0);
}

ORVANT_BOOKS_ON_EVERY_ENGINE(SalesPostingTest);

}  // namespace
}  // namespace orvant::sales::testing
