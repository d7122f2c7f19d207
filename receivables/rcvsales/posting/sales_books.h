#pragma once
// What the sales screen and its posting read from a company's books: the settings of the
// control record and of job costing, read once at start, and the lookups made while a document
// is entered (clients, accounts, the client's invoices, month names).

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "books/client_record.h"
#include "books/control_account_table.h"
#include "books/holdback.h"
#include "books/tax_rates.h"
#include "store/database.h"
#include "store/query.h"
#include "store/table.h"

namespace orvant::sales {

struct SalesSettings {
    int taxSystem = 0;  // 0: federal and provincial taxes; otherwise taxes per rate
    int currentPeriod = 0;
    int federalTaxAccount = 0;
    std::vector<int> provincialTaxAccounts;  // Ctrl_Pro_tax_accnt, then Ctrl_pro_tax_accnt1 to 9
    std::array<int, 8> salesAccounts{};      // the default rows 2 to 9
    std::array<std::string, 4> currencySigns;  // of foreign currencies 1 to 4
    bool jobCosting = false;
    int holdbackReceivableAccount = 0;  // from the job-costing control, when job costing is on
    int holdbackFederalAccount = 0;
    int holdbackProvincialAccount = 0;
    HoldbackChoice holdbackChoice = HoldbackChoice::TaxesBeforeHoldback;
};

using orvant::ClientFacts;
using orvant::ReadClient;

class SalesBooks {
public:
    SalesBooks(store::Database& company, bool jobCosting);

    store::Database& company() { return company_; }
    const SalesSettings& settings() const { return settings_; }
    const ControlAccountTable& receivables() const { return receivables_; }
    const TaxRates& taxRates() const { return taxRates_; }

    bool isFederalTax(int account) const { return account != 0 && account == settings_.federalTaxAccount; }
    bool isProvincialTax(int account) const;

    std::optional<ClientFacts> findClient(const std::string& code);
    // The cursor findClient leaves on the client it found: the posting locks the client through
    // it, without looking the client up again.
    store::Table& clients() { return clients_; }
    // The account's description; nothing when the chart has no such account. Accounts found
    // are remembered until forgotten; an account not found is looked for again.
    std::optional<std::string> accountDescription(int account);
    bool accountExists(int account) { return account != 0 && accountDescription(account).has_value(); }
    // Looks the accounts up again from now on: a screen does so at each Accept.
    void forgetAccounts() { knownAccounts_.clear(); }
    // Whether the client has a sale (ledger type "1") of exactly this invoice number.
    bool saleExists(const std::string& client, const std::string& invoice);
    // Whether a note or adjustment of the client with this type, invoice and reference is in
    // the books (`typeCode` as the document records it).
    bool noteExists(const std::string& client, const std::string& typeCode, const std::string& invoice, const std::string& reference);
    // Whether a direct cash sale of this number and date is in the books.
    bool cashSaleExists(const std::string& number, const Date& date);
    // The month of a period; empty when the period has no row.
    std::string periodMonth(int period);
    // The holdback accounts as the chart holds them; nothing when holdbacks do not apply.
    std::optional<HoldbackAccounts> holdbackAccounts();

private:
    void readControl();
    void readJobCostControl();

    store::Database& company_;
    SalesSettings settings_;
    ControlAccountTable receivables_;
    TaxRates taxRates_;
    store::Table clients_, accounts_, periods_;
    std::unordered_map<int, std::string> knownAccounts_;
    bool exists(store::Query& query, const std::vector<store::Value>& binds);

    store::Query sales_, notes_, cashSales_;
};

}  // namespace orvant::sales
