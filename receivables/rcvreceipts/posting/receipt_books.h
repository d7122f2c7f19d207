#pragma once
// What the cash receipts screen and its posting read from a company's books: the settings of
// the control record and of the holdback accounts, read once at start, and the lookups made
// while a receipt is entered (clients, accounts, open items, month names).

#include <array>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "books/client_record.h"
#include "books/control_account_table.h"
#include "books/open_items.h"
#include "books/tax_rates.h"
#include "store/database.h"
#include "store/query.h"
#include "store/table.h"

namespace orvant::receipts {

struct ReceiptSettings {
    int taxSystem = 0;  // 0: federal and provincial taxes; otherwise taxes per rate
    int currentPeriod = 0;
    int federalTaxAccount = 0;
    std::vector<int> provincialTaxAccounts;  // Ctrl_Pro_tax_accnt, then Ctrl_pro_tax_accnt1 to 9
    std::array<int, 8> receiptAccounts{};    // the distribution's lines after the receivable
    std::array<int, 5> bankAccounts{};       // of currencies 0 to 4; 0: none
    std::array<std::string, 4> currencySigns;  // of foreign currencies 1 to 4
    int holdbackReceivableAccount = 0;  // from the job-costing control; 0: none
    int holdbackFederalAccount = 0;
    int holdbackProvincialAccount = 0;
};

// The accounts a holdback is collected through, as the chart holds them.
struct HoldbackCollectionAccounts {
    int receivable = 0;
    int federalHoldback = 0, provincialHoldback = 0;  // 0: not in the chart
};

class ReceiptBooks {
public:
    explicit ReceiptBooks(store::Database& company);

    store::Database& company() { return company_; }
    const ReceiptSettings& settings() const { return settings_; }
    const ControlAccountTable& receivables() const { return receivables_; }
    const TaxRates& taxRates() const { return taxRates_; }

    bool isBankAccount(int account) const;
    // The five bank accounts that are set.
    std::vector<int> bankAccounts() const;

    std::optional<ClientFacts> findClient(const std::string& code);
    // The cursor findClient leaves on the client it found: the posting locks the client through
    // it, without looking the client up again.
    store::Table& clients() { return clients_; }
    // The account's description; nothing when the chart has no such account. Accounts found
    // are remembered until forgotten.
    std::optional<std::string> accountDescription(int account);
    bool accountExists(int account) { return account != 0 && accountDescription(account).has_value(); }
    void forgetAccounts() { knownAccounts_.clear(); }
    // The account's Glm_currency; 0 when it has none or is not in the chart.
    int accountCurrency(int account);
    std::string periodMonth(int period);
    std::vector<OpenItem> openItems(const std::string& client) { return openItems_.items(client); }
    OpenItemReader& openItemReader() { return openItems_; }
    // Whether a receipt of this client (empty: not from a client), reference and date is in
    // the books.
    bool receiptExists(const std::string& client, const std::string& reference, const Date& date);
    // The holdback accounts when the receivable holdback account is set and in the chart.
    std::optional<HoldbackCollectionAccounts> holdbackAccounts();
    // The provincial tax account of a client, by the first letter of its postal code.
    int provincialTaxAccountOf(const ClientFacts& client) const;

private:
    void readControl();
    void readJobCostControl();

    store::Database& company_;
    ReceiptSettings settings_;
    ControlAccountTable receivables_;
    TaxRates taxRates_;
    store::Table clients_, accounts_, periods_;
    std::unordered_map<int, std::pair<std::string, int>> knownAccounts_;
    OpenItemReader openItems_;
    store::Query receipts_;
};

// The first distribution of a receipt: the receivable account of the client's currency, then
// each receipt account the chart holds, a bank account being replaced by the bank account of
// the client's currency when that one is set. A receipt not from a client is of currency 0.
void ResetDistribution(ReceiptBooks& books, Distribution& rows, int currency);

// The receivable and bank lines follow the payments typed.
void FollowPayments(ReceiptBooks& books, Distribution& rows, const std::vector<OpenItem>& items);

}  // namespace orvant::receipts
