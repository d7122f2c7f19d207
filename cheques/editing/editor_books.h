#pragma once
// What the cheque editor reads from a company's books: the settings of the control record, read
// once when the editor opens (the bank accounts a cheque may be drawn on, the payable account of
// each currency, the accounts proposed for the free slots, the tax system), and the lookups made
// while a cheque is typed (suppliers, accounts, a supplier's open items).

#include <array>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "books/control_account_table.h"
#include "books/open_items.h"
#include "books/supplier_record.h"
#include "books/tax_rates.h"
#include "cheque_banks.h"
#include "store/database.h"
#include "store/table.h"

namespace orvant::cheques {

// A supplier as a cheque copies it: its facts and the country of its address.
struct ChequeSupplier {
    SupplierFacts facts;
    std::string country;
};

class EditorBooks {
public:
    explicit EditorBooks(store::Database& books);

    store::Database& books() { return books_; }
    int taxSystem() const { return taxSystem_; }  // 0: federal and provincial taxes; else per rate
    // Ctrl_ap_disb_accnt2 .. 8: the accounts proposed for slots 3 to 9.
    const std::array<int, 7>& proposedAccounts() const { return proposed_; }
    // The bank-account choice: the control record's bank accounts found in the chart.
    const std::vector<ChequeBank>& bankEntries() const { return banks_; }
    std::optional<int> bankEntryOf(int account) const;
    std::optional<int> payableAccount(int currency) const { return payables_.accountFor(currency); }
    // One of the control record's bank or payable accounts: never typed in a free slot.
    bool isReservedAccount(int account) const;
    const TaxRates& taxRates() const { return taxRates_; }

    bool accountExists(int account);
    std::optional<ChequeSupplier> findSupplier(const std::string& code);
    OpenItemReader& openItems() { return openItems_; }

private:
    void readControl();

    store::Database& books_;
    int taxSystem_ = 0;
    std::array<int, 7> proposed_{};
    std::array<int, kCurrencies> bankAccounts_{};  // all five, set or not: none is typed in a free slot
    ControlAccountTable payables_;
    std::vector<ChequeBank> banks_;
    TaxRates taxRates_;
    store::Table suppliers_, accounts_;
    std::unordered_map<int, bool> knownAccounts_;
    OpenItemReader openItems_;
};

}  // namespace orvant::cheques
