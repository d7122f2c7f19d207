// The rules a sales document must meet, at the fields and at Accept.

#include "sales_fixture.h"

namespace orvant::sales::testing {
namespace {

class SalesCheck : public SalesTest {
protected:
    void addLedgerEntry(const char* client, const char* invoice, const char* type)
    {
        execute("INSERT INTO car (car_client, car_invoice, car_ref, car_type, car_amount, car_seq) VALUES (?, ?, '', ?, 0, "
                "(SELECT COALESCE(MAX(car_seq), 0) + 1 FROM car))",
                {client, invoice, type});
    }
};

TEST_P(SalesCheck, ASaleNumberIsTakenOnlyByASaleOfExactlyThatNumberAndANoteNamesASale)
{
    addLedgerEntry("ABC100", "A12", "3");   // an adjustment on A12 sorts before the sale
    addLedgerEntry("ABC100", "A123", "1");  // a longer number
    EXPECT_EQ(CheckInvoiceNumber(books(), "ABC100", SalesType::Sale, "A12"), std::nullopt);
    EXPECT_EQ(CheckInvoiceNumber(books(), "ABC100", SalesType::Debit, "A12")->message, kInvoiceNotFound);

    addLedgerEntry("ABC100", "A12", "1");
    EXPECT_EQ(CheckInvoiceNumber(books(), "ABC100", SalesType::Sale, "A12")->message, kInvoiceExists);
    EXPECT_EQ(CheckInvoiceNumber(books(), "ABC100", SalesType::Credit, "A12"), std::nullopt);
    EXPECT_EQ(CheckInvoiceNumber(books(), "BEL200", SalesType::Sale, "A12"), std::nullopt) << "another client's sale";
    EXPECT_EQ(CheckInvoiceNumber(books(), "ABC100", SalesType::Adjustment, "ZZZ"), std::nullopt);
    EXPECT_EQ(CheckInvoiceNumber(books(), "ABC100", SalesType::Sale, "  ")->message, kEnterInvoice);

    // A note names a sale, not another note, and needs its own reference.
    addLedgerEntry("ABC100", "D7", "4");
    EXPECT_EQ(CheckInvoiceNumber(books(), "ABC100", SalesType::Debit, "D7")->message, kInvoiceNotFound);
    EXPECT_EQ(CheckReference(SalesType::Debit, "")->message, kEnterReference);
    EXPECT_EQ(CheckReference(SalesType::Sale, ""), std::nullopt);
}

TEST_P(SalesCheck, ClientsMustExistAndNotBeOnCreditHold)
{
    EXPECT_EQ(CheckClient(books(), "NOBODY")->message, kNoSuchClient);
    EXPECT_EQ(CheckClient(books(), "")->message, kNoSuchClient);
    execute("UPDATE cli SET cli_credit_hold = ? WHERE cli_code = 'ABC100'", {true});
    EXPECT_EQ(CheckClient(books(), "ABC100")->message, kClientOnCreditHold);
    EXPECT_EQ(CheckClient(books(), "BEL200"), std::nullopt);
}

TEST_P(SalesCheck, TheReceivableRowTakesEachNoteInItsOwnColumn)
{
    const auto client = books().findClient("ABC100");
    const auto row = [](int account, const char* debit, const char* credit) {
        return DistributionRow{account, "", debit ? Amount(debit) : Money(), credit ? Amount(credit) : Money()};
    };
    EXPECT_EQ(CheckRowAmounts(books(), SalesType::Credit, client, 0, row(kReceivable, "5", nullptr))->message, kUseCreditColumn);
    EXPECT_EQ(CheckRowAmounts(books(), SalesType::Credit, client, 1, row(kSales, "5", nullptr)), std::nullopt);
    EXPECT_EQ(CheckRowAmounts(books(), SalesType::Debit, client, 0, row(kReceivable, nullptr, "5"))->message, kUseDebitColumn);
    EXPECT_EQ(CheckRowAmounts(books(), SalesType::Adjustment, client, 0, row(kReceivable, nullptr, "5")), std::nullopt);
    EXPECT_EQ(CheckRowAmounts(books(), SalesType::Sale, client, 2, row(kSales, "-1", nullptr))->message, kNegativeAmount);
    EXPECT_EQ(CheckRowAmounts(books(), SalesType::Sale, client, 2, row(kSales, "1", "1"))->message, kDebitAndCredit);
}

// A receivable account of another currency is refused, unless the two currencies share it.
TEST_P(SalesCheck, AReceivableAccountOfAnotherCurrencyIsRefusedUnlessShared)
{
    execute("UPDATE ctrl SET ctrl_ar_curr2 = ?", {1110});
    addAccount(1110, "Receivable USD");
    SalesDocument usd = sale("A1");
    usd.rows.setAccount(0, 1110, "Receivable USD");
    usd.rows.setDebit(0, Amount("115.00"));
    EXPECT_EQ(CheckDocument(books(), usd), (Refusal{kOtherCurrencyAccount, SalesField::RowAccount, 0}));

    execute("UPDATE ctrl SET ctrl_ar_curr2 = ?", {kReceivable});
    execute("UPDATE cli SET cli_currency = 1 WHERE cli_code = 'ABC100'");
    EXPECT_EQ(CheckDocument(books(), sale("A1")), std::nullopt);
}

TEST_P(SalesCheck, AcceptChecksTheRowsAsTheyStandInTheOrderOfTheRules)
{
    EXPECT_EQ(CheckDocument(books(), sale("A1")), std::nullopt);

    SalesDocument unbalanced = sale("A1");
    unbalanced.rows.setCredit(1, Amount("99.99"));
    EXPECT_EQ(CheckDocument(books(), unbalanced)->message, kOutOfBalance);

    SalesDocument noNumber = unbalanced;
    noNumber.invoice = "";
    EXPECT_EQ(CheckDocument(books(), noNumber)->message, kEnterInvoice) << "the number is checked before the balance";

    SalesDocument empty = document("ABC100", SalesType::Sale, "E1");
    SetLine(empty, 0, {kReceivable, nullptr, nullptr});
    EXPECT_EQ(CheckDocument(books(), empty), (Refusal{kNothingToPost, SalesField::Totals}));

    SalesDocument unknownAccount = sale("A1");
    unknownAccount.rows.setAccount(5, 9999, "");
    unknownAccount.rows.setDebit(5, Amount("1"));
    unknownAccount.rows.setCredit(1, Amount("101.00"));
    EXPECT_EQ(CheckDocument(books(), unknownAccount), (Refusal{kNoSuchAccount, SalesField::RowAccount, 5}));

    SalesDocument note = sale("A1");
    note.type = SalesType::Credit;
    EXPECT_EQ(CheckDocument(books(), note)->message, kEnterReference);
    note.reference = "CR1";
    EXPECT_EQ(CheckDocument(books(), note), (Refusal{kUseCreditColumn, SalesField::RowDebit, 0}));

    SalesDocument onHold = sale("A1");
    execute("UPDATE cli SET cli_credit_hold = ? WHERE cli_code = 'ABC100'", {true});
    EXPECT_EQ(CheckDocument(books(), onHold)->message, kClientOnCreditHold);
}

TEST_P(SalesCheck, ADirectCashSaleKeepsOffTheReceivableAndMayAskForAComment)
{
    SalesDocument cash = document("", SalesType::Sale, "C1");
    cash.directCash = true;
    SetLine(cash, 0, {kBank, "50.00", nullptr});
    SetLine(cash, 1, {kSales, nullptr, "50.00"});
    EXPECT_EQ(CheckDocument(books(), cash), std::nullopt) << "a batch asks nothing";
    EXPECT_EQ(CheckDocument(books(), cash, [] { return true; }), (Refusal{kAskForComment, SalesField::Comment}));
    EXPECT_EQ(CheckDocument(books(), cash, [] { return false; }), std::nullopt);

    SetLine(cash, 0, {kReceivable, "50.00", nullptr});
    EXPECT_EQ(CheckDocument(books(), cash), (Refusal{kCashSaleOnReceivable, SalesField::RowAccount, 0}));
}

TEST_P(SalesCheck, TextsHoldingControlCharactersAreRefusedWhereTheyWereTyped)
{
    using namespace std::string_literals;
    struct Case {
        SalesField field;
        std::string text;
    };
    const Case cases[] = {
        {SalesField::Client, "ABC100\0x"s},  // the store would cut it to a client that exists
        {SalesField::Invoice, "N\0A"s},
        {SalesField::Reference, "R\x1b"s},
        {SalesField::Comment, "paid\0"s},
        {SalesField::RowDescription, "tab\there"s},
    };
    for (const Case& c : cases) {
        SalesDocument adjustment = sale("A1");
        adjustment.type = SalesType::Adjustment;
        adjustment.reference = "R1";
        if (c.field == SalesField::Client) adjustment.client = c.text;
        if (c.field == SalesField::Invoice) adjustment.invoice = c.text;
        if (c.field == SalesField::Reference) adjustment.reference = c.text;
        if (c.field == SalesField::Comment) adjustment.comment = c.text;
        if (c.field == SalesField::RowDescription) adjustment.rows.setDescription(1, c.text);
        const auto refusal = CheckDocument(books(), adjustment);
        ASSERT_TRUE(refusal) << static_cast<int>(c.field);
        EXPECT_EQ(refusal->message, kControlCharacter);
        EXPECT_EQ(refusal->field, c.field);
    }
    EXPECT_EQ(CheckClient(books(), "ABC100\0x"s)->message, kControlCharacter);
    EXPECT_EQ(CheckInvoiceNumber(books(), "ABC100", SalesType::Adjustment, "N\0B"s)->message, kControlCharacter);
    SalesDocument lines = sale("A1");
    lines.comment = "first line\r\nsecond\tline";
    EXPECT_EQ(CheckDocument(books(), lines), std::nullopt) << "a comment may hold line breaks and tabs";
    EXPECT_EQ(InvoiceNumberAsKept(" pad1 "), "PAD1");
    EXPECT_EQ(CodeAsKept("\tCR 1 "), "CR 1");
}

TEST_P(SalesCheck, NotesAndCashSalesLookPostedAlreadyByTheirOwnKeys)
{
    const std::string insert = "INSERT INTO arori (seq, reference, client, \"date\", direct_cash_sale, trx_type, dr_cr_reference) "
                               "VALUES ((SELECT COALESCE(MAX(seq), 0) + 1 FROM arori), ?, ?, ?, ?, ?, ?)";
    execute(insert, {"A1", "ABC100", *Date::fromYmd(2026, 3, 10), false, "5", "CR1"});
    execute(insert, {"CASH1", "", *Date::fromYmd(2026, 3, 10), true, "1", ""});
    struct Case {
        SalesType type;
        bool cash;
        const char* invoice;
        const char* reference;
        int day;
        bool posted;
    };
    const Case cases[] = {
        {SalesType::Credit, false, "A1", "CR1", 20, true},  // whatever the date
        {SalesType::Credit, false, "A1", "CR2", 10, false},
        {SalesType::Debit, false, "A1", "CR1", 10, false},
        {SalesType::Adjustment, false, "A1", "CR1", 10, false},
        {SalesType::Sale, true, "CASH1", "", 10, true},
        {SalesType::Sale, true, "CASH1", "", 11, false},
        {SalesType::Sale, false, "CASH1", "", 10, false},  // a sale's number has its own rule
    };
    for (const Case& c : cases) {
        SalesDocument d = document(c.cash ? "" : "ABC100", c.type, c.invoice, c.reference);
        d.directCash = c.cash;
        d.date = *Date::fromYmd(2026, 3, c.day);
        EXPECT_EQ(LooksPostedAlready(books(), d), c.posted) << c.invoice << " " << c.reference << " " << c.day;
    }
}

ORVANT_BOOKS_ON_EVERY_ENGINE(SalesCheck);

}  // namespace
}  // namespace orvant::sales::testing
