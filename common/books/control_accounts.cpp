#include "books/control_accounts.h"

#include <array>

namespace orvant {
namespace {

constexpr int kCurrencies = 5;

constexpr std::array<std::string_view, kCurrencies> kReceivableFields = {
    "Ctrl_ar_accnt", "Ctrl_ar_curr2", "Ctrl_ar_curr3", "Ctrl_ar_curr4", "Ctrl_ar_curr5"};
constexpr std::array<std::string_view, kCurrencies> kPayableFields = {
    "Ctrl_ap_accnt", "Ctrl_ap_curr2", "Ctrl_ap_curr3", "Ctrl_ap_curr4", "Ctrl_ap_curr5"};
constexpr std::array<std::string_view, kCurrencies> kBankFields = {
    "Ctrl_bank_accnt1", "Ctrl_bank_accnt2", "Ctrl_bank_accnt3", "Ctrl_bank_accnt4", "Ctrl_bank_accnt5"};
constexpr std::array<std::string_view, kCurrencies - 1> kSignFields = {
    "Ctrl_curr1_sign", "Ctrl_curr2_sign", "Ctrl_curr3_sign", "Ctrl_curr4_sign"};

bool IsCurrency(int currency) { return currency >= 0 && currency < kCurrencies; }

struct JournalNumbers {
    int home;
    int foreignBase;  // foreign currency c writes to foreignBase + c
};

JournalNumbers NumbersOf(Journal journal)
{
    switch (journal) {
    case Journal::Sales: return {1, 11};
    case Journal::Receipts: return {2, 21};
    case Journal::Purchases: return {3, 31};
    case Journal::Cheques:
    case Journal::Disbursements: return {4, 41};
    }
    return {0, 0};
}

}  // namespace

std::optional<std::string_view> ControlAccountField(Ledger ledger, int currency)
{
    if (!IsCurrency(currency)) return std::nullopt;
    const auto& fields = ledger == Ledger::Receivables ? kReceivableFields : kPayableFields;
    return fields[static_cast<std::size_t>(currency)];
}

std::optional<std::string_view> BankAccountField(int bankAccount)
{
    if (bankAccount < 1 || bankAccount > kCurrencies) return std::nullopt;
    return kBankFields[static_cast<std::size_t>(bankAccount - 1)];
}

std::optional<int> BankAccountForCurrency(int currency)
{
    if (!IsCurrency(currency)) return std::nullopt;
    return currency + 1;
}

std::optional<std::string_view> BankAccountFieldForCurrency(int currency)
{
    const auto bankAccount = BankAccountForCurrency(currency);
    return bankAccount ? BankAccountField(*bankAccount) : std::nullopt;
}

std::optional<std::string_view> CurrencySignField(int foreignCurrency)
{
    if (foreignCurrency < 1 || foreignCurrency >= kCurrencies) return std::nullopt;
    return kSignFields[static_cast<std::size_t>(foreignCurrency - 1)];
}

std::optional<int> JournalNumber(Journal journal, int currency)
{
    if (!IsCurrency(currency)) return std::nullopt;
    const JournalNumbers numbers = NumbersOf(journal);
    return currency == 0 ? numbers.home : numbers.foreignBase + currency;
}

}  // namespace orvant
