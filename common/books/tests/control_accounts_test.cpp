#include <gtest/gtest.h>

#include "books/control_accounts.h"

namespace orvant {
namespace {

TEST(ControlAccounts, EachCurrencyHasItsReceivableAndPayableField)
{
    EXPECT_EQ(ControlAccountField(Ledger::Receivables, 0), "Ctrl_ar_accnt");
    EXPECT_EQ(ControlAccountField(Ledger::Receivables, 1), "Ctrl_ar_curr2");
    EXPECT_EQ(ControlAccountField(Ledger::Receivables, 3), "Ctrl_ar_curr4");
    EXPECT_EQ(ControlAccountField(Ledger::Receivables, 4), "Ctrl_ar_curr5");
    EXPECT_EQ(ControlAccountField(Ledger::Payables, 0), "Ctrl_ap_accnt");
    EXPECT_EQ(ControlAccountField(Ledger::Payables, 2), "Ctrl_ap_curr3");
    EXPECT_EQ(ControlAccountField(Ledger::Payables, 3), "Ctrl_ap_curr4");
}

TEST(ControlAccounts, CurrencyOutOfRangeHasNoAccount)
{
    for (int currency : {-1, 5, 99}) {
        EXPECT_EQ(ControlAccountField(Ledger::Receivables, currency), std::nullopt) << currency;
        EXPECT_EQ(ControlAccountField(Ledger::Payables, currency), std::nullopt) << currency;
        EXPECT_EQ(BankAccountForCurrency(currency), std::nullopt) << currency;
        EXPECT_EQ(BankAccountFieldForCurrency(currency), std::nullopt) << currency;
        EXPECT_EQ(JournalNumber(Journal::Sales, currency), std::nullopt) << currency;
    }
}

TEST(ControlAccounts, CurrencyIsPaidThroughTheBankAccountAfterIt)
{
    EXPECT_EQ(BankAccountForCurrency(0), 1);
    EXPECT_EQ(BankAccountForCurrency(4), 5);
    EXPECT_EQ(BankAccountFieldForCurrency(0), "Ctrl_bank_accnt1");
    EXPECT_EQ(BankAccountFieldForCurrency(3), "Ctrl_bank_accnt4");
    EXPECT_EQ(BankAccountField(5), "Ctrl_bank_accnt5");
    EXPECT_EQ(BankAccountField(0), std::nullopt);
    EXPECT_EQ(BankAccountField(6), std::nullopt);
}

TEST(ControlAccounts, OnlyForeignCurrenciesHaveASignField)
{
    EXPECT_EQ(CurrencySignField(1), "Ctrl_curr1_sign");
    EXPECT_EQ(CurrencySignField(4), "Ctrl_curr4_sign");
    EXPECT_EQ(CurrencySignField(0), std::nullopt);
    EXPECT_EQ(CurrencySignField(5), std::nullopt);
}

TEST(JournalNumbers, HomeCurrencyAndForeignCurrencies)
{
    EXPECT_EQ(JournalNumber(Journal::Sales, 0), 1);
    EXPECT_EQ(JournalNumber(Journal::Purchases, 0), 3);
    EXPECT_EQ(JournalNumber(Journal::Cheques, 0), 4);
    EXPECT_EQ(JournalNumber(Journal::Sales, 1), 12);
    EXPECT_EQ(JournalNumber(Journal::Sales, 4), 15);
    EXPECT_EQ(JournalNumber(Journal::Purchases, 2), 33);
    EXPECT_EQ(JournalNumber(Journal::Cheques, 3), 44);
    EXPECT_EQ(JournalNumber(Journal::Receipts, 0), 2);
    EXPECT_EQ(JournalNumber(Journal::Receipts, 1), 22);
    EXPECT_EQ(JournalNumber(Journal::Receipts, 4), 25);
    EXPECT_EQ(JournalNumber(Journal::Disbursements, 0), 4);
    EXPECT_EQ(JournalNumber(Journal::Disbursements, 2), 43);
    EXPECT_EQ(JournalNumber(Journal::Receipts, 5), std::nullopt);
}

}  // namespace
}  // namespace orvant
