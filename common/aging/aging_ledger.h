#pragma once
// Which ledger an aging reads: the client ledger with its clients, or the supplier ledger with its
// suppliers. The two are aged by one engine; what differs between them is named here once.

#include <string>

namespace orvant::aging {

// How "older than" a bucket's limit an entry must be to be kept: the receivables keep an entry
// whose age reaches the limit, the payables one whose age passes it.
enum class OlderThanRule { AtLeast, Beyond };

struct AgingLedger {
    std::string partyTable;      // "cli"
    std::string partyPrefix;     // "Cli": Cli_code, Cli_name ...
    std::string entryPrefix;     // "Car": Car_invoice, Car_amount ...
    std::string partyField;      // "Car_client"
    std::string currentTable;    // "car"
    std::string historyTable;    // "carh"
    std::string controlPrefix;   // "Ctrl_ar_": Ctrl_ar_days1, Ctrl_ar_dname1 ...
    bool hasSalesRep = false;    // the parties can be listed by sales rep
    OlderThanRule olderThan = OlderThanRule::AtLeast;

    static const AgingLedger& receivables();
    static const AgingLedger& payables();

    std::string partyColumn(const char* name) const { return partyPrefix + "_" + name; }
    std::string entryColumn(const char* name) const { return entryPrefix + "_" + name; }
    const std::string& entryTable(bool history) const { return history ? historyTable : currentTable; }
};

}  // namespace orvant::aging
