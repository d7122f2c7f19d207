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

    SalesDocument balancedSale(const std::string& invoice = "A1")
    {
        SalesDocument sale = document("ABC100", SalesType::Sale, invoice);
        addRow(sale, 0, kReceivable, "115.00", nullptr);
        addRow(sale, 1, kSales, nullptr, "100.00");
        addRow(sale, 2, kFederalTax, nullptr, "7.00");
        addRow(sale, 3, kProvincialTax, nullptr, "8.00");
        return sale;
    }
};

TEST_P(SalesCheck, ASaleNumberIsTakenOnlyByASaleOfExactlyThatNumber)
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
}

TEST_P(SalesCheck, ANoteNamesASaleNotAnotherNote)
{
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

TEST_P(SalesCheck, AReceivableAccountOfAnotherCurrencyIsRefused)
{
    execute("UPDATE ctrl SET ctrl_ar_curr2 = ?", {1110});
    addAccount(1110, "Receivable USD");
    SalesDocument sale = balancedSale();
    sale.rows.setAccount(0, 1110, "Receivable USD");
    sale.rows.setDebit(0, Amount("115.00"));
    const auto refusal = CheckDocument(books(), sale);
    ASSERT_TRUE(refusal);
    EXPECT_EQ(*refusal, (Refusal{kOtherCurrencyAccount, SalesField::RowAccount, 0}));
}

TEST_P(SalesCheck, AReceivableAccountSharedByTwoCurrenciesServesBoth)
{
    execute("UPDATE ctrl SET ctrl_ar_curr2 = ?", {kReceivable});
    execute("UPDATE cli SET cli_currency = 1 WHERE cli_code = 'ABC100'");
    EXPECT_EQ(CheckDocument(books(), balancedSale()), std::nullopt);
}

TEST_P(SalesCheck, AcceptChecksTheRowsAsTheyStandInTheOrderOfTheRules)
{
    EXPECT_EQ(CheckDocument(books(), balancedSale()), std::nullopt);

    SalesDocument unbalanced = balancedSale();
    unbalanced.rows.setCredit(1, Amount("99.99"));
    EXPECT_EQ(CheckDocument(books(), unbalanced)->message, kOutOfBalance);

    SalesDocument noNumber = unbalanced;
    noNumber.invoice = "";
    EXPECT_EQ(CheckDocument(books(), noNumber)->message, kEnterInvoice) << "the number is checked before the balance";

    SalesDocument unknownAccount = balancedSale();
    unknownAccount.rows.setAccount(5, 9999, "");
    unknownAccount.rows.setDebit(5, Amount("1"));
    unknownAccount.rows.setCredit(1, Amount("101.00"));
    EXPECT_EQ(CheckDocument(books(), unknownAccount), (Refusal{kNoSuchAccount, SalesField::RowAccount, 5}));

    SalesDocument note = balancedSale();
    note.type = SalesType::Credit;
    EXPECT_EQ(CheckDocument(books(), note)->message, kEnterReference);
    note.reference = "CR1";
    EXPECT_EQ(CheckDocument(books(), note), (Refusal{kUseCreditColumn, SalesField::RowDebit, 0}));

    SalesDocument onHold = balancedSale();
    execute("UPDATE cli SET cli_credit_hold = ? WHERE cli_code = 'ABC100'", {true});
    EXPECT_EQ(CheckDocument(books(), onHold)->message, kClientOnCreditHold);
}

TEST_P(SalesCheck, ADirectCashSaleKeepsOffTheReceivableAndMayAskForAComment)
{
    SalesDocument cash = document("", SalesType::Sale, "C1");
    cash.directCash = true;
    addRow(cash, 0, kBank, "50.00", nullptr);
    addRow(cash, 1, kSales, nullptr, "50.00");
    EXPECT_EQ(CheckDocument(books(), cash), std::nullopt) << "a batch asks nothing";
    EXPECT_EQ(CheckDocument(books(), cash, [] { return true; }), (Refusal{kAskForComment, SalesField::Comment}));
    EXPECT_EQ(CheckDocument(books(), cash, [] { return false; }), std::nullopt);

    addRow(cash, 0, kReceivable, "50.00", nullptr);
    EXPECT_EQ(CheckDocument(books(), cash), (Refusal{kCashSaleOnReceivable, SalesField::RowAccount, 0}));
}

ORVANT_BOOKS_ON_EVERY_ENGINE(SalesCheck);

}  // namespace
}  // namespace orvant::sales::testing
