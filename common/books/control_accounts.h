#pragma once
// Where the control record keeps the accounts of each currency, and the journal each posting
// writes to. A client or supplier has a currency 0 (home) to 4; each currency has its own
// receivables and payables control account, its own bank account and its own journals.
//
// A currency or bank account outside its range gives no answer (an empty optional), so that a
// damaged Cli_currency is refused where it is met rather than posted to another account.

#include <optional>
#include <string_view>

namespace orvant {

enum class Ledger { Receivables, Payables };

// Ctrl_ar_accnt, Ctrl_ar_curr2 ... Ctrl_ar_curr5 or Ctrl_ap_accnt, Ctrl_ap_curr2 ... Ctrl_ap_curr5.
std::optional<std::string_view> ControlAccountField(Ledger ledger, int currency);

// Ctrl_bank_accnt1 ... Ctrl_bank_accnt5 for bank account 1 to 5.
std::optional<std::string_view> BankAccountField(int bankAccount);

// Currency c is paid through bank account c + 1.
std::optional<int> BankAccountForCurrency(int currency);
std::optional<std::string_view> BankAccountFieldForCurrency(int currency);

// Ctrl_curr1_sign ... Ctrl_curr4_sign for foreign currency 1 to 4; the home currency's sign is
// the registry symbol, so currency 0 has no field.
std::optional<std::string_view> CurrencySignField(int foreignCurrency);

enum class Journal { Sales, Receipts, Purchases, Cheques, Disbursements };

// Home currency: sales and adjustments 1, cash receipts 2, purchases 3, cheques and cash
// disbursements 4; foreign currency c adds c to 11, 21, 31 or 41.
std::optional<int> JournalNumber(Journal journal, int currency);

}  // namespace orvant
