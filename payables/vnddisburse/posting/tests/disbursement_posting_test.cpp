// Disbursements posted on both engines: what the ledger, the supplier, the journal, the bank
// lines and the history hold after each, and the books check clean.

#include "disbursement_fixture.h"

namespace orvant::disbursements::testing {
namespace {

constexpr int kSecondBank = 1010;

class DisbursementPostingTest : public DisbursementTest {
protected:
    void SetUp() override
    {
        DisbursementTest::SetUp();
        if (IsSkipped()) return;
        purchase("BUR100", "A1", "100.00");
        purchase("BUR100", "A2", "100.00");
        purchase("BUR100", "B7", "100.00", "10.00");
        purchase("BUR100", "C1", "-30.00");
    }

    // What the disbursement moved on the payable account in the journal, as the supplier owes it.
    Money journalMovement(const std::string& reference)
    {
        return money("SELECT COALESCE(SUM(tjld_credit), 0) - COALESCE(SUM(tjld_debit), 0) FROM tjld WHERE tjld_reference = ? "
                     "AND tjld_account = ?", {reference, static_cast<int>(kPayable)});
    }
};

struct Payment {
    const char* invoice;
    const char* amount;
    bool holdback = false;
};

struct PostingCase {
    const char* name;
    std::vector<Line> rows;
    std::vector<Payment> payments;
    const char* balanceChange;
    Entries entries;  // the disbursement's ledger entries in posting order
    int details;                                                // history lines of invoices paid
    const char* bankLine;                                       // the concil amount; nullptr: none
};

TEST_P(DisbursementPostingTest, BalanceLedgerAndJournalMoveByTheSameAmount)
{
    const PostingCase cases[] = {
        {"two invoices paid", {{kPayable, "100.00", nullptr}, {kBank, nullptr, "100.00"}}, {{"A1", "40.00"}, {"A2", "60.00"}}, "-100.00",
         {{"2", "-40.00"}, {"2", "-60.00"}}, 2, "-100.00"},
        {"on account", {{kPayable, "50.00", nullptr}, {kBank, nullptr, "50.00"}}, {}, "-50.00", {{"5", "-50.00"}}, 0, "-50.00"},
        {"bank and a discount", {{kPayable, "100.00", nullptr}, {kBank, nullptr, "98.00"}, {kPurchases, nullptr, "2.00"}},
         {{"A1", "60.00"}, {"A2", "40.00"}}, "-100.00", {{"2", "-60.00"}, {"2", "-40.00"}}, 2, "-98.00"},
        {"a credit note applied", {{kPayable, "60.00", nullptr}, {kBank, nullptr, "60.00"}}, {{"B7", "90.00"}, {"C1", "-30.00"}}, "-60.00",
         {{"2", "-90.00"}, {"2", "30.00"}}, 1, "-60.00"},
        {"the holdback paid", {{kPayable, "10.00", nullptr}, {kBank, nullptr, "10.00"}}, {{"B7", "10.00", true}}, "-10.00",
         {{"2", "-10.00"}}, 1, "-10.00"},
        {"payable on both sides", {{kPayable, "100.00", nullptr}, {kPayable, nullptr, "600.00"}, {kPurchases, "500.00", nullptr}},
         {{"X", "0"}}, "500.00", {{"4", "500.00"}}, 0, nullptr},
    };
    int n = 0;
    for (const PostingCase& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string reference = "D" + std::to_string(++n);
        const Money before = balance("BUR100");
        DisbursementDocument document = disbursement("BUR100", reference);
        SetLines(document, c.rows);
        for (const Payment& p : c.payments)
            if (std::string(p.invoice) != "X") Pay(document, p.invoice, p.amount, p.holdback);
        ASSERT_EQ(post(document), std::nullopt);

        EXPECT_EQ(LedgerEntries(*books_, "cap", reference), c.entries);
        EXPECT_EQ(balance("BUR100") - before, Amount(c.balanceChange));
        EXPECT_EQ(journalMovement(reference), Amount(c.balanceChange));
        EXPECT_EQ(count("SELECT COUNT(*) FROM cdoridet WHERE reference = ?", {reference}), c.details);
        EXPECT_EQ(count("SELECT COUNT(*) FROM concil WHERE concil_reference = ? AND concil_type = 2", {reference}), c.bankLine ? 1 : 0);
        if (c.bankLine) {
            EXPECT_EQ(money("SELECT concil_montant FROM concil WHERE concil_reference = ?", {reference}), Amount(c.bankLine));
        }
        EXPECT_EQ(count("SELECT tjlh_journal FROM tjlh WHERE tjlh_reference = ?", {reference}), 4);
        expectBooksClean();
    }
    // Every purchase paid off: the invoices, the credit note and the holdback; what was paid on
    // account stays open under its reference.
    for (const char* invoice : {"A1", "A2", "B7", "C1"}) EXPECT_EQ(openAmount("BUR100", invoice), Money()) << invoice;
    EXPECT_EQ(openAmount("BUR100", "B7", true), Money());
    EXPECT_EQ(openAmount("BUR100", "D2"), Amount("-50.00"));
    EXPECT_EQ(scalar("SELECT sup_date_last_pmt FROM sup WHERE sup_code = 'BUR100'").asDate(), *Date::fromYmd(2026, 3, 20));
    // A payment keeps its item's due date, a holdback's its flag; the history keeps the invoice's amount.
    EXPECT_EQ(scalar("SELECT cap_du_date FROM cap WHERE cap_ref = 'D1' AND cap_invoice = 'A1'").asDate(), *Date::fromYmd(2026, 4, 9));
    EXPECT_EQ(scalar("SELECT cap_du_date FROM cap WHERE cap_ref = 'D5'").asDate(), *Date::fromYmd(2026, 6, 30));
    EXPECT_TRUE(scalar("SELECT cap_holdback FROM cap WHERE cap_ref = 'D5'").asBool());
    EXPECT_FALSE(scalar("SELECT cap_holdback FROM cap WHERE cap_ref = 'D4' AND cap_invoice = 'B7'").asBool());
    EXPECT_EQ(money("SELECT invoice_amount FROM cdoridet WHERE reference = 'D1' AND invoice = 'A1'"), Amount("100.00"));
    EXPECT_EQ(scalar("SELECT concil_fou_cli_emp FROM concil WHERE concil_reference = 'D1'").asString(), "BUR100");
}

TEST_P(DisbursementPostingTest, EveryRowKeepsItsSlotAndEmptyRowsPostNothing)
{
    DisbursementDocument document = disbursement("BUR100", "CHQ2");
    SetLine(document, 0, {kRent, nullptr, nullptr});
    SetLine(document, 18, {kPayable, "100.00", nullptr});
    SetLine(document, 19, {kBank, nullptr, "100.00"});
    Pay(document, "A1", "100.00");
    ASSERT_EQ(post(document), std::nullopt);
    EXPECT_EQ(count("SELECT account1 FROM cdorihdr WHERE reference = 'CHQ2'"), kRent);
    EXPECT_EQ(count("SELECT account20 FROM cdorihdr WHERE reference = 'CHQ2'"), kBank);
    EXPECT_EQ(money("SELECT credit20 FROM cdorihdr WHERE reference = 'CHQ2'"), Amount("100.00"));
    EXPECT_EQ(count("SELECT COUNT(*) FROM tjld WHERE tjld_reference = 'CHQ2'"), 2);
    expectBooksClean();
}

TEST_P(DisbursementPostingTest, TheSuppliersOwnBankComesFirstAndTakesThePayment)
{
    execute("INSERT INTO glm (glm_account, glm_description, glm_type, glm_summarize, glm_currency) VALUES (1010, 'Second bank', 'Asset', 'N', 0)");
    execute("UPDATE sup SET sup_bank_account = 1010 WHERE sup_code = 'BUR100'");
    execute("UPDATE ctrl SET ctrl_bank_accnt2 = 1010");
    reopen();
    DisbursementDocument document = disbursement("BUR100", "CHQ3");
    const std::optional<SupplierFacts> supplier = books().findSupplier("BUR100");
    ResetDistribution(books(), document.rows, supplier);
    EXPECT_EQ(document.rows.row(0).account, kSecondBank);
    EXPECT_EQ(document.rows.row(1).account, kPayable);
    Pay(document, "A1", "100.00");
    FollowPayments(books(), document.rows, document.items, supplier);
    EXPECT_EQ(document.rows.row(0).credit, Amount("100.00"));
    EXPECT_EQ(document.rows.row(1).debit, Amount("100.00"));
    ASSERT_EQ(post(document), std::nullopt);
    EXPECT_EQ(count("SELECT concil_account FROM concil WHERE concil_reference = 'CHQ3'"), kSecondBank);
    expectBooksClean();
}

TEST_P(DisbursementPostingTest, AnInvoicePaidMeanwhileIsRefusedAndNothingWritten)
{
    DisbursementDocument first = disbursement("BUR100", "D1"), second = disbursement("BUR100", "D2");
    for (DisbursementDocument* d : {&first, &second}) {
        SetLines(*d, {{kPayable, "100.00", nullptr}, {kBank, nullptr, "100.00"}});
        Pay(*d, "A1", "100.00");
    }
    ASSERT_EQ(post(first), std::nullopt);
    EXPECT_EQ(post(second), (Refusal{kPaidMeanwhile, DisbursementField::OpenItem, 0}));
    EXPECT_EQ(count("SELECT COUNT(*) FROM cdorihdr WHERE reference = 'D2'"), 0);
    EXPECT_EQ(count("SELECT COUNT(*) FROM tjld WHERE tjld_reference = 'D2'"), 0);
    EXPECT_EQ(balance("BUR100"), Amount("170.00"));
    expectBooksClean();
}

TEST_P(DisbursementPostingTest, ADisbursementNotToASupplierTouchesNoLedger)
{
    DisbursementDocument document = disbursement("", "RENT3");
    document.memo = "Office rent";
    SetLines(document, {{kRent, "500.00", nullptr}, {kBank, nullptr, "500.00"}});
    ASSERT_EQ(post(document), std::nullopt);
    EXPECT_EQ(count("SELECT COUNT(*) FROM cap WHERE cap_ref = 'RENT3'"), 0);
    EXPECT_EQ(count("SELECT COUNT(*) FROM cdorihdr WHERE reference = 'RENT3' AND not_to_sup = ?", {true}), 1);
    EXPECT_EQ(scalar("SELECT concil_nom FROM concil WHERE concil_reference = 'RENT3'").asString(), "Office rent");
    EXPECT_EQ(scalar("SELECT concil_fou_cli_emp FROM concil WHERE concil_reference = 'RENT3'").asString(), "");
    EXPECT_EQ(count("SELECT tjlh_journal FROM tjlh WHERE tjlh_reference = 'RENT3'"), 4);
    expectBooksClean();
}

TEST_P(DisbursementPostingTest, RefusalsWriteNothing)
{
    execute("INSERT INTO glm (glm_account, glm_description, glm_type, glm_summarize, glm_currency) VALUES (2101, 'Payable US', 'Liability', 'N', 1)");
    execute("UPDATE ctrl SET ctrl_ap_curr2 = 2101");
    reopen();
    struct Case {
        const char* name;
        std::string supplier, reference;
        std::vector<Line> rows;
        Payment payment;
        Refusal refusal;
    };
    const Case cases[] = {
        {"no reference", "BUR100", "", {{kPayable, "1.00", nullptr}, {kBank, nullptr, "1.00"}}, {"A1", "1.00"}, {kEnterReference, DisbursementField::Reference}},
        {"out of balance", "BUR100", "X", {{kPayable, "2.00", nullptr}, {kBank, nullptr, "1.00"}}, {"A1", "1.00"}, {kOutOfBalance, DisbursementField::Totals}},
        {"account not in the chart", "BUR100", "X", {{9999, "1.00", nullptr}, {kBank, nullptr, "1.00"}}, {}, {kNoSuchAccount, DisbursementField::RowAccount, 0}},
        {"another currency's payable", "BUR100", "X", {{2101, "1.00", nullptr}, {kBank, nullptr, "1.00"}}, {}, {kOtherCurrencyPayable, DisbursementField::RowAccount, 0}},
        {"payable without a supplier", "", "X", {{kPayable, "1.00", nullptr}, {kBank, nullptr, "1.00"}}, {}, {kPayableWithoutSupplier, DisbursementField::RowAccount, 0}},
        {"holdback overpaid", "BUR100", "X", {{kPayable, "11.00", nullptr}, {kBank, nullptr, "11.00"}}, {"B7", "11.00", true},
         {kHoldbackPaymentRefused, DisbursementField::OpenItem, 3}},
        {"nothing at all", "BUR100", "X", {}, {}, {kNothingToPost, DisbursementField::Totals}},
        {"unknown supplier", "NOBODY", "X", {{kRent, "1.00", nullptr}, {kBank, nullptr, "1.00"}}, {}, {kNoSuchSupplier, DisbursementField::Supplier}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DisbursementDocument document = disbursement(c.supplier == "NOBODY" ? "" : c.supplier, c.reference);
        document.supplier = c.supplier;
        document.notToSupplier = c.supplier.empty();
        document.memo = "memo";
        SetLines(document, c.rows);
        if (c.payment.invoice) Pay(document, c.payment.invoice, c.payment.amount, c.payment.holdback);
        EXPECT_EQ(post(document), c.refusal);
    }
    EXPECT_EQ(count("SELECT COUNT(*) FROM cdorihdr"), 0);
    EXPECT_EQ(count("SELECT COUNT(*) FROM tjld WHERE tjld_journal = 4"), 0);
}

TEST_P(DisbursementPostingTest, AReferenceUsedOnThatDateIsPostedAgainOnlyWhenAllowed)
{
    for (int attempt = 0; attempt < 3; ++attempt) {
        SCOPED_TRACE(attempt);
        DisbursementDocument document = disbursement("BUR100", "CHQ9");
        SetLines(document, {{kPayable, "10.00", nullptr}, {kBank, nullptr, "10.00"}});
        context.repeatAllowed = attempt == 2;
        EXPECT_EQ(post(document), attempt == 1 ? std::optional<Refusal>(Refusal{kAlreadyPosted, DisbursementField::Reference}) : std::nullopt);
    }
    EXPECT_EQ(count("SELECT COUNT(*) FROM cdorihdr WHERE reference = 'CHQ9'"), 2);
    EXPECT_EQ(balance("BUR100"), Amount("250.00"));
    expectBooksClean();
}

// Under taxes per rate, a tax row debited is reported as tax paid (4) and one credited as tax
// credited back (6), negative; a tax row without an amount asks nothing.
TEST_P(DisbursementPostingTest, TaxRowsAreReportedByRateAsPaidOrCreditedBack)
{
    execute("UPDATE ctrl SET ctrl_taxsystem = 1");
    reopen();
    DisbursementDocument document = disbursement("", "TAX1");
    document.memo = "Supplies, and a refund of tax";
    SetLines(document, {{company::demo::kOfficeSupplies, "100.00", nullptr},
                    {company::demo::kFederalTax, "5.00", nullptr},
                    {company::demo::kProvincialTax, nullptr, "2.00"},
                    {kBank, nullptr, "103.00"},
                    {company::demo::kFederalTax, nullptr, nullptr}});
    ASSERT_EQ(CheckDisbursement(books(), document), std::nullopt);
    std::vector<sidedialogs::TaxPerRateLine> lines = posting().taxLinesToAsk(document);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].type, kTaxPaid);
    EXPECT_EQ(lines[1].type, kTaxReceived);
    lines[0].net = Amount("100.00");
    lines[1].net = Amount("20.00");
    auto prepared = posting().prepare(document, {lines});
    ASSERT_TRUE(std::holds_alternative<PreparedDisbursement>(prepared));
    ASSERT_EQ(posting().write(std::get<PreparedDisbursement>(prepared), context), std::nullopt);
    const auto reported = [&](int type, const char* column) {
        return money(std::string("SELECT ") + column + " FROM taxrepP WHERE taxrep_reference = 'TAX1' AND taxrep_typecode = ? AND "
                     "taxrep_purchase = ?", {type, true});
    };
    EXPECT_EQ(reported(kTaxPaid, "taxrep_gross"), Amount("100.00"));
    EXPECT_EQ(reported(kTaxPaid, "taxrep_vat"), Amount("5.00"));
    EXPECT_EQ(reported(kTaxReceived, "taxrep_gross"), Amount("-20.00"));
    EXPECT_EQ(reported(kTaxReceived, "taxrep_vat"), Amount("-2.00"));
    expectBooksClean();
}

ORVANT_BOOKS_ON_EVERY_ENGINE(DisbursementPostingTest);

}  // namespace
}  // namespace orvant::disbursements::testing
