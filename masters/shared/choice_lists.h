#pragma once
// The drop-down lists of the maintenance screens, each entry tied to its own number: a list
// made from configured names or accounts with gaps (currency 2 unnamed, bank account 2 at 0)
// still saves the number of the entry chosen, never its position.

#include <optional>
#include <string>
#include <vector>

#include "money/currency_format.h"
#include "settings/registry.h"
#include "store/database.h"

namespace orvant::masters {

struct ListEntry {
    std::string text;
    int number = 0;
};

class ChoiceList {
public:
    void add(std::string text, int number) { entries_.push_back({std::move(text), number}); }
    const std::vector<ListEntry>& entries() const { return entries_; }
    // The entry of a number; nothing when no entry has it (the list then shows no choice).
    std::optional<int> indexOf(int number) const;
    // The number of an entry; nothing for no entry (-1) or one past the list.
    std::optional<int> numberAt(int index) const;

private:
    std::vector<ListEntry> entries_;
};

// The home currency (number 0, shown as `homeName`), then each named foreign currency 1 to 4.
ChoiceList CurrencyList(store::Database& company, const std::string& homeName);
// The signs of the foreign currencies 1 to 4 (Ctrl_curr1_sign ... Ctrl_curr4_sign); empty ones
// when the company has no control record.
ForeignCurrencySigns CurrencySigns(store::Database& company);
// The named price lists 1 to 5 of the control record, then 6 to 9 of the invoicing control
// when the larger edition is installed.
ChoiceList PriceLists(store::Database& company, bool largerEdition);
// The bank accounts 1 to 5 of the control record that exist in the chart, by their
// description; each entry's number is the account's number.
ChoiceList BankAccounts(store::Database& company);
// The invoice formats' names, in their order.
std::vector<std::string> InvoiceFormats(store::Database& company);

// A line of a client's taxes list under taxes per rate: the rate's description and the client
// field it shows (Cli_tax_fed, Cli_tax_pro, then Cli_tax3 ... Cli_tax12).
struct TaxLine {
    std::string description;
    std::string field;  // nothing bound past the twelfth line
};
// One line per tax rate, in the table's order.
std::vector<TaxLine> ClientTaxLines(store::Database& company);

// The larger edition adds the price lists 6 to 9: a "Brsk" section in the registry, or the
// product's BrskAddOn set to anything but "N".
bool LargerEditionInstalled(const Registry& registry);
// International settings: Intl "Y" in the settings (state and zip code, tax 1 and tax 2).
bool InternationalSettings(const Registry& registry);

}  // namespace orvant::masters
