#pragma once
// What the cash disbursements screen and its posting read from a company's books: the settings
// of the control record, read once at start, and the lookups made while a disbursement is
// entered (suppliers, accounts, open items, month names).

#include <array>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "books/control_account_table.h"
#include "books/open_items.h"
#include "books/supplier_record.h"
#include "books/tax_rates.h"
#include "dates/date.h"
#include "store/database.h"
#include "store/query.h"
#include "store/table.h"

namespace orvant::disbursements {

struct DisbursementSettings {
    int taxSystem = 0;  // 0: federal and provincial taxes; otherwise taxes per rate
    int currentPeriod = 0;
    std::array<int, 8> disbursementAccounts{};  // the distribution's rows after the payable
    std::array<int, 5> bankAccounts{};          // of currencies 0 to 4; 0: none
    std::array<std::string, 4> currencySigns;   // of foreign currencies 1 to 4
};

class DisbursementBooks {
public:
    explicit DisbursementBooks(store::Database& company);

    store::Database& company() { return company_; }
    const DisbursementSettings& settings() const { return settings_; }
    const ControlAccountTable& payables() const { return payables_; }
    const TaxRates& taxRates() const { return taxRates_; }

    bool isBankAccount(int account) const;
    // The five bank accounts that are set.
    std::vector<int> bankAccounts() const;

    std::optional<SupplierFacts> findSupplier(const std::string& code);
    // The cursor findSupplier leaves on the supplier it found: the posting locks the supplier
    // through it, without looking the supplier up again.
    store::Table& suppliers() { return suppliers_; }
    // The account's description; nothing when the chart has no such account. Accounts found
    // are remembered until forgotten.
    std::optional<std::string> accountDescription(int account);
    bool accountExists(int account) { return account != 0 && accountDescription(account).has_value(); }
    void forgetAccounts() { knownAccounts_.clear(); }
    // The account's Glm_currency; 0 when it has none or is not in the chart.
    int accountCurrency(int account);
    std::string periodMonth(int period);
    std::vector<OpenItem> openItems(const std::string& supplier) { return openItems_.items(supplier); }
    OpenItemReader& openItemReader() { return openItems_; }
    // Whether a disbursement to this supplier (empty: not to a supplier) of this reference and
    // date is in the books.
    bool disbursementExists(const std::string& supplier, const std::string& reference, const Date& date);

private:
    void readControl();

    store::Database& company_;
    DisbursementSettings settings_;
    ControlAccountTable payables_;
    TaxRates taxRates_;
    store::Table suppliers_, accounts_, periods_;
    std::unordered_map<int, std::pair<std::string, int>> knownAccounts_;
    OpenItemReader openItems_;
    store::Query disbursements_;
};

// The first distribution of a disbursement: the payable account of the supplier's currency,
// then each disbursement account the chart holds; a supplier's own bank account goes first
// when no row holds it yet. A disbursement not to a supplier is of currency 0.
void ResetDistribution(DisbursementBooks& books, Distribution& rows, const std::optional<SupplierFacts>& supplier);

// The payable and bank rows follow the payments typed: the payable debited and the bank
// credited by their total, the supplier's own bank row preferred to the company's banks.
void FollowPayments(DisbursementBooks& books, Distribution& rows, const std::vector<OpenItem>& items,
                    const std::optional<SupplierFacts>& supplier);

}  // namespace orvant::disbursements
