// What a posted purchase document leaves in the books, and what is refused with nothing written.

#include "purchase_fixture.h"

namespace orvant::purchases::testing {
namespace {

class PurchasePostingTest : public PurchaseTest {
protected:
    HoldbackAnswer holdback(double percent, std::optional<const char*> amount = std::nullopt)
    {
        HoldbackAnswer answer;
        answer.percent = percent;
        if (amount) answer.amount = Amount(*amount);
        answer.dueDate = *Date::fromYmd(2026, 9, 30);
        return answer;
    }
    std::int64_t written() { return count("SELECT COUNT(*) FROM tjld") + count("SELECT COUNT(*) FROM cap") + count("SELECT COUNT(*) FROM apori"); }
};

TEST_P(PurchasePostingTest, APurchaseWritesJournalSupplierLedgerAndDocument)
{
    execute("UPDATE sup SET sup_last_purch = ? WHERE sup_code = 'BUR100'", {Amount("50.00")});
    ASSERT_EQ(post(simple("BUR100", PurchaseType::Purchase, "A100", "100.00")), std::nullopt);

    EXPECT_EQ(count("SELECT tjlh_journal FROM tjlh"), 3);
    EXPECT_EQ(count("SELECT tjlh_period FROM tjlh"), 4);
    EXPECT_EQ(scalar("SELECT tjlh_memo FROM tjlh").asString(), "Bureau Plus");
    EXPECT_EQ(money("SELECT tjld_credit FROM tjld WHERE tjld_account = ?", {kPayable}), Amount("100.00"));
    EXPECT_EQ(balance(), Amount("100.00"));
    EXPECT_EQ(money("SELECT sup_last_purch FROM sup WHERE sup_code = 'BUR100'"), Amount("150.00")) << "increased, not replaced";
    EXPECT_EQ(money("SELECT sup_purch_ytd FROM sup WHERE sup_code = 'BUR100'"), Amount("100.00"));
    EXPECT_EQ(scalar("SELECT sup_date_last_purch FROM sup WHERE sup_code = 'BUR100'").asDate(), *Date::fromYmd(2026, 3, 10));
    EXPECT_EQ(scalar("SELECT cap_type FROM cap").asString(), "1");
    EXPECT_EQ(scalar("SELECT cap_ref FROM cap").asString(), "");
    EXPECT_EQ(ledgerSum(), Amount("100.00"));
    EXPECT_EQ(scalar("SELECT supplier FROM apori").asString(), "BUR100");
    EXPECT_FALSE(scalar("SELECT debitcredit FROM apori").asBool());
    EXPECT_EQ(money("SELECT debit2 FROM apori"), Amount("100.00"));
    EXPECT_EQ(money("SELECT credit15 FROM apori"), Money());

    // Every payable row reaches the balance and the ledger, not only the first.
    PurchaseDocument twoPayables = document("BUR100", PurchaseType::Purchase, "P2");
    SetLine(twoPayables, 0, {kPayable, nullptr, "60.00"});
    SetLine(twoPayables, 1, {kPayable, nullptr, "40.00"});
    SetLine(twoPayables, 2, {kOfficeSupplies, "100.00", nullptr});
    ASSERT_EQ(post(twoPayables), std::nullopt);
    EXPECT_EQ(count("SELECT COUNT(*) FROM tjld WHERE tjld_account = ? AND tjld_reference = 'P2'", {kPayable}), 2);
    EXPECT_EQ(count("SELECT COUNT(*) FROM cap WHERE cap_invoice = 'P2'"), 1);
    EXPECT_EQ(balance(), Amount("200.00"));
    EXPECT_EQ(ledgerSum(), Amount("200.00"));
    expectBooksClean();
}

// A holdback splits the ledger entry: the open item less H, and H as the holdback item, up to all of it.
TEST_P(PurchasePostingTest, AHoldbackSplitsTheLedgerEntryToTheCent)
{
    struct Case { PurchaseType type; const char* reference; HoldbackAnswer answer; const char* item; const char* held; };
    const Case cases[] = {
        {PurchaseType::Purchase, "", holdback(12.5), "87.59", "12.51"},
        {PurchaseType::Credit, "CR1", holdback(12.5), "-87.59", "-12.51"},
        {PurchaseType::Purchase, "", holdback(0, "12.51"), "87.59", "12.51"},
        {PurchaseType::Purchase, "", holdback(100), "0.00", "100.10"},  // the whole amount may be held back
    };
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(n);
        const std::string invoice = "H" + std::to_string(n++);
        if (c.type == PurchaseType::Credit) ASSERT_EQ(post(simple("MAP300", PurchaseType::Purchase, invoice, "100.10")), std::nullopt);
        books(true);
        const Money before = balance("MAP300");
        ASSERT_EQ(post(simple("MAP300", c.type, invoice, "100.10", c.reference), {{}, c.answer, {}}), std::nullopt);
        const std::string type = TypeCode(c.type);
        EXPECT_EQ(money("SELECT cap_amount FROM cap WHERE cap_invoice = ? AND cap_type = ?", {invoice, type}), Amount(c.item));
        EXPECT_EQ(money("SELECT cap_amount FROM cap WHERE cap_invoice = ? AND cap_type = '6'", {invoice}), Amount(c.held));
        EXPECT_TRUE(scalar("SELECT cap_holdback FROM cap WHERE cap_invoice = ? AND cap_type = '6'", {invoice}).asBool());
        EXPECT_EQ(scalar("SELECT cap_du_date FROM cap WHERE cap_invoice = ? AND cap_type = '6'", {invoice}).asDate(), c.answer.dueDate);
        EXPECT_EQ(balance("MAP300") - before, Amount(c.item) + Amount(c.held));
        books(false);
    }
    EXPECT_EQ(balance("MAP300"), ledgerSum("MAP300"));
    expectBooksClean();
}

TEST_P(PurchasePostingTest, HoldbacksThatCannotBeTakenWriteNothing)
{
    PurchaseDocument bothSides = document("BUR100", PurchaseType::Adjustment, "ADJ", "R1");
    SetLine(bothSides, 0, {kPayable, nullptr, "100.00"});
    SetLine(bothSides, 1, {kPayable, "20.00", nullptr});
    SetLine(bothSides, 2, {kOfficeSupplies, nullptr, "20.00"});
    SetLine(bothSides, 3, {kOfficeSupplies, "100.00", nullptr});
    struct Case { PurchaseDocument document; HoldbackAnswer answer; PurchaseMessage message; };
    const Case cases[] = {
        {simple("BUR100", PurchaseType::Purchase, "O1", "100.10"), holdback(100.01), kHoldbackTooMuch},
        {simple("BUR100", PurchaseType::Purchase, "O2", "100.10"), holdback(0, "100.11"), kHoldbackTooMuch},
        {bothSides, holdback(10), kPayableBothSides},
    };
    books(true);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.document.invoice);
        EXPECT_EQ(post(c.document, {{}, c.answer, {}}), (Refusal{c.message, PurchaseField::Holdback}));
    }
    EXPECT_EQ(written(), 0);
}

// Only a purchase ("1") of exactly the number counts, whatever the ledger holds beside it.
TEST_P(PurchasePostingTest, AnInvoiceNumberIsFoundExactlyAndOnlyAsAPurchase)
{
    ASSERT_EQ(post(simple("BUR100", PurchaseType::Purchase, "A123", "10.00")), std::nullopt);
    PurchaseDocument adjustment = simple("BUR100", PurchaseType::Adjustment, "A12", "5.00", "ADJ1");
    adjustment.date = *Date::fromYmd(2026, 1, 2);  // sorts before any purchase of A12
    ASSERT_EQ(post(adjustment), std::nullopt);

    struct Case { PurchaseDocument document; std::optional<Refusal> expected; };
    const Case cases[] = {
        {simple("BUR100", PurchaseType::Credit, "A12", "1.00", "CR1"), Refusal{kInvoiceNotFound, PurchaseField::Invoice}},
        {simple("BUR100", PurchaseType::Purchase, "A12", "20.00"), std::nullopt},
        {simple("BUR100", PurchaseType::Purchase, "A12", "20.00"), Refusal{kInvoiceExists, PurchaseField::Invoice}},
        {simple("BUR100", PurchaseType::Credit, "A12", "1.00", "CR2"), std::nullopt},
        {simple("HYD200", PurchaseType::Purchase, "A12", "20.00"), std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(post(c.document), c.expected) << c.document.supplier << " " << TypeCode(c.document.type);
    expectBooksClean();
}

TEST_P(PurchasePostingTest, RowsOnTheWrongSideOrAnotherCurrencyAreRefused)
{
    execute("UPDATE ctrl SET ctrl_ap_curr2 = 2150");
    execute("INSERT INTO glm (glm_account, glm_description, glm_type, glm_summarize, glm_currency) VALUES (2150, 'Payable US', 'Liability', 'N', 1)");
    books();
    PurchaseDocument debitOnPayable = simple("BUR100", PurchaseType::Purchase, "W1", "10.00");
    debitOnPayable.rows.setDebit(0, Amount("10.00"));
    debitOnPayable.rows.setCredit(1, Amount("10.00"));
    PurchaseDocument creditNoteCredit = simple("BUR100", PurchaseType::Credit, "W1", "10.00", "CR");
    creditNoteCredit.rows.setCredit(0, Amount("10.00"));
    creditNoteCredit.rows.setDebit(1, Amount("10.00"));
    PurchaseDocument otherCurrency = simple("BUR100", PurchaseType::Purchase, "W2", "10.00");
    otherCurrency.rows.setAccount(0, 2150, "US");
    otherCurrency.rows.setCredit(0, Amount("10.00"));
    PurchaseDocument negative = simple("BUR100", PurchaseType::Purchase, "W3", "10.00");
    negative.rows.setDebit(1, Amount("-10.00"));
    negative.rows.setCredit(0, Amount("-10.00"));
    PurchaseDocument cash = simple("BUR100", PurchaseType::Purchase, "W4", "10.00");
    cash.directCash = true;
    PurchaseDocument noPayable = simple("BUR100", PurchaseType::Purchase, "W5", "10.00");
    noPayable.rows.setAccount(0, kOfficeSupplies, "Office supplies");  // in and out of one expense
    noPayable.rows.setCredit(0, Amount("10.00"));

    const std::pair<PurchaseDocument, Refusal> cases[] = {
        {debitOnPayable, {kUseCreditColumn, PurchaseField::RowDebit, 0}},
        {creditNoteCredit, {kUseDebitColumn, PurchaseField::RowCredit, 0}},
        {otherCurrency, {kOtherCurrencyAccount, PurchaseField::RowAccount, 0}},
        {negative, {kNegativeAmount, PurchaseField::RowCredit, 0}},
        {cash, {kCashPurchaseOnPayable, PurchaseField::RowAccount, 0}},
        {noPayable, {kNoPayable, PurchaseField::Totals}},
    };
    ASSERT_EQ(post(simple("BUR100", PurchaseType::Purchase, "W1", "10.00")), std::nullopt);
    const std::int64_t before = written();
    for (const auto& [document, refusal] : cases) EXPECT_EQ(post(document), refusal) << document.invoice;
    EXPECT_EQ(written(), before);
}

TEST_P(PurchasePostingTest, ADirectCashPurchaseTouchesNoSupplierAndUsesJournalThree)
{
    execute("UPDATE sup SET sup_currency = 1 WHERE sup_code = 'TEL400'");
    PurchaseDocument cash = document("TEL400", PurchaseType::Purchase, "CASH1");
    cash.directCash = true;
    cash.comment = "Stamps";
    SetLine(cash, 1, {kOfficeSupplies, "12.00", nullptr});
    SetLine(cash, 2, {kBank, nullptr, "12.00"});
    ASSERT_EQ(post(cash), std::nullopt);
    EXPECT_EQ(count("SELECT tjlh_journal FROM tjlh"), 3);
    EXPECT_EQ(scalar("SELECT tjlh_memo FROM tjlh").asString(), "Stamps");
    EXPECT_EQ(count("SELECT COUNT(*) FROM cap"), 0);
    EXPECT_EQ(scalar("SELECT supplier FROM apori").asString(), "");
    EXPECT_TRUE(scalar("SELECT direct_cash_purchase FROM apori").asBool());
    EXPECT_EQ(post(cash), (Refusal{kPostedMeanwhile, PurchaseField::Invoice})) << "the same cash purchase again";

    EXPECT_EQ(post(simple("TEL400", PurchaseType::Purchase, "FX1", "10.00")), (Refusal{kOtherCurrencyAccount, PurchaseField::RowAccount, 0}))
        << "a supplier of currency 1 owes nothing on the home currency's payable";
}

TEST_P(PurchasePostingTest, AForeignSupplierPostsToItsCurrencysJournal)
{
    execute("UPDATE ctrl SET ctrl_ap_curr3 = 2150");
    execute("INSERT INTO glm (glm_account, glm_description, glm_type, glm_summarize, glm_currency) VALUES (2150, 'Payable EUR', 'Liability', 'N', 2)");
    execute("UPDATE sup SET sup_currency = 2 WHERE sup_code = 'TEL400'");
    books();
    PurchaseDocument d = document("TEL400", PurchaseType::Purchase, "EU1");
    SetLine(d, 0, {2150, nullptr, "30.00"});
    SetLine(d, 1, {kOfficeSupplies, "30.00", nullptr});
    ASSERT_EQ(post(d), std::nullopt);
    EXPECT_EQ(count("SELECT tjlh_journal FROM tjlh"), 33);
    EXPECT_EQ(balance("TEL400"), Amount("30.00"));
}

// Taxes per rate: a purchase's tax is type 4; a credit note's, type 6, reported negative.
TEST_P(PurchasePostingTest, TaxesPerRateAreReportedByTheirPayablesTypes)
{
    execute("UPDATE ctrl SET ctrl_taxsystem = 1");
    books();
    const auto taxed = [&](PurchaseType type, const std::string& invoice, const std::string& reference) {
        PurchaseDocument d = simple("BUR100", type, invoice, "100.00", reference);
        const bool credit = type == PurchaseType::Credit;
        d.rows.setAccount(0, kPayable, "payable");
        credit ? d.rows.setDebit(0, Amount("105.00")) : d.rows.setCredit(0, Amount("105.00"));
        SetLine(d, 2, {kFederalTax, credit ? nullptr : "5.00", credit ? "5.00" : nullptr});
        PostingAnswers answers;
        answers.taxes = posting().taxLinesToAsk(d);
        for (auto& line : answers.taxes) line.net = Amount("100.00");
        return post(d, answers);
    };
    ASSERT_EQ(taxed(PurchaseType::Purchase, "T1", ""), std::nullopt);
    ASSERT_EQ(taxed(PurchaseType::Credit, "T1", "CR1"), std::nullopt);
    EXPECT_EQ(count("SELECT taxrep_typecode FROM taxrepp WHERE taxrep_gross > 0"), 4);
    EXPECT_EQ(money("SELECT taxrep_vat FROM taxrepp WHERE taxrep_typecode = 4"), Amount("5.00"));
    EXPECT_EQ(money("SELECT taxrep_gross FROM taxrepp WHERE taxrep_typecode = 6"), Amount("-100.00"));
    EXPECT_EQ(money("SELECT taxrep_vat FROM taxrepp WHERE taxrep_typecode = 6"), Amount("-5.00"));
    EXPECT_TRUE(scalar("SELECT taxrep_purchase FROM taxrepp").asBool());
    expectBooksClean();
}

TEST_P(PurchasePostingTest, ProjectChargesNeedTheirBudgetsAndCarryTheElement)
{
    execute("INSERT INTO jcproject (jcproject_no, jcproject_fact) VALUES ('PRJ', 1)");
    execute("INSERT INTO jcbudgethdr (jcbudhdr_project, jcbudhdr_phase) VALUES ('PRJ', 'P1')");
    execute("INSERT INTO jcbudgetdet (jcbuddet_project, jcbuddet_phase, jcbuddet_elem) VALUES ('PRJ', 'P1', 'LUMBER')");
    execute("INSERT INTO jcelem (jcelem_code, jcelem_description, jcelem_um) VALUES ('LUMBER', 'Lumber', 'BF')");
    books(true);
    const auto line = [](const char* project, const char* phase, const char* element) {
        return sidedialogs::ProjectLine{project, phase, Money(), element, 2.5, Amount("12.00")};
    };
    struct Case { sidedialogs::ProjectLine line; std::optional<Refusal> expected; };
    const Case cases[] = {
        {line("NONE", "P1", "LUMBER"), Refusal{kNoSuchProject, PurchaseField::ProjectLine, 0}},
        {line("PRJ", "P2", "LUMBER"), Refusal{kNoBudget, PurchaseField::ProjectLine, 0}},
        {line("PRJ", "P1", "NAILS"), Refusal{kNoElementBudget, PurchaseField::ProjectLine, 0}},
        {sidedialogs::ProjectLine{"PRJ", "P1", Money(), "LUMBER", 1e300, Amount("12.00")}, Refusal{kBeyondBooksLimit, PurchaseField::ProjectLine, 0}},
        {line("PRJ", "P1", "LUMBER"), std::nullopt},
    };
    int n = 0;
    for (const Case& c : cases)
        EXPECT_EQ(post(simple("MAP300", PurchaseType::Purchase, "J" + std::to_string(n++), "30.00"), {{}, {}, {c.line}}), c.expected);
    EXPECT_EQ(count("SELECT COUNT(*) FROM jctrans"), 1);
    EXPECT_EQ(count("SELECT jctrans_type FROM jctrans"), 0);
    EXPECT_EQ(count("SELECT jctrans_source FROM jctrans"), 2);
    EXPECT_EQ(scalar("SELECT jctrans_comp FROM jctrans").asString(), "LUMBER");
    EXPECT_EQ(scalar("SELECT jctrans_um FROM jctrans").asString(), "BF");
    EXPECT_EQ(scalar("SELECT jctrans_vol FROM jctrans").asFloat(), 2.5);
    EXPECT_EQ(money("SELECT jctrans_taux FROM jctrans"), Amount("12.00"));
    EXPECT_EQ(money("SELECT jctrans_tot FROM jctrans"), Amount("30.00"));
    EXPECT_EQ(scalar("SELECT jctrans_desc FROM jctrans").asString(), "Maple Leaf Lumber");
    EXPECT_EQ(scalar("SELECT jctrans_ref FROM jctrans").asString(), "J4");
}

ORVANT_BOOKS_ON_EVERY_ENGINE(PurchasePostingTest);

}  // namespace
}  // namespace orvant::purchases::testing
