#pragma once
// What the purchases screen and its posting read from a company's books: the settings of the
// control record, read once at start, and the lookups made while a document is entered
// (suppliers, accounts, the supplier's invoices, month names).

#include <array>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "books/control_account_table.h"
#include "books/supplier_record.h"
#include "books/tax_rates.h"
#include "store/database.h"
#include "store/query.h"
#include "store/table.h"

namespace orvant::purchases {

struct PurchaseSettings {
    int taxSystem = 0;  // 0: federal and provincial taxes; otherwise taxes per rate
    int currentPeriod = 0;
    std::array<int, 8> purchaseAccounts{};     // the default rows 2 to 9
    std::array<std::string, 4> currencySigns;  // of foreign currencies 1 to 4
    bool jobCosting = false;
};

using orvant::ReadSupplier;
using orvant::SupplierFacts;

class PurchaseBooks {
public:
    PurchaseBooks(store::Database& company, bool jobCosting);

    store::Database& company() { return company_; }
    const PurchaseSettings& settings() const { return settings_; }
    // The payable account of each supplier currency.
    const ControlAccountTable& payables() const { return payables_; }
    const TaxRates& taxRates() const { return taxRates_; }

    std::optional<SupplierFacts> findSupplier(const std::string& code);
    // The cursor findSupplier leaves on the supplier it found: the posting locks the supplier
    // through it, without looking the supplier up again.
    store::Table& suppliers() { return suppliers_; }
    // The account's description; nothing when the chart has no such account. Accounts found
    // are remembered until forgotten; an account not found is looked for again.
    std::optional<std::string> accountDescription(int account);
    bool accountExists(int account) { return account != 0 && accountDescription(account).has_value(); }
    // Looks the accounts up again from now on: a screen does so at each Accept.
    void forgetAccounts() { knownAccounts_.clear(); }
    // Whether the supplier has a purchase (ledger type "1") of exactly this invoice number: A123
    // does not make A12 exist.
    bool purchaseExists(const std::string& supplier, const std::string& invoice);
    // Whether a note or adjustment of the supplier with this type, invoice and reference is in
    // the books (`typeCode` as the document records it).
    bool noteExists(const std::string& supplier, const std::string& typeCode, const std::string& invoice,
                    const std::string& reference);
    // Whether a direct cash purchase of this number and date is in the books.
    bool cashPurchaseExists(const std::string& number, const Date& date);
    // The month of a period; empty when the period has no row.
    std::string periodMonth(int period);

private:
    void readControl();
    bool exists(store::Query& query, const std::vector<store::Value>& binds);

    store::Database& company_;
    PurchaseSettings settings_;
    ControlAccountTable payables_;
    TaxRates taxRates_;
    store::Table suppliers_, accounts_, periods_;
    std::unordered_map<int, std::string> knownAccounts_;
    store::Query purchases_, notes_, cashPurchases_;
};

}  // namespace orvant::purchases
