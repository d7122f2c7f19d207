#pragma once
// The aging of one ledger at a date: each party of the range, in code or sales-rep order, with
// its entries aged and spread into the five buckets, its totals, and the totals of the run per
// currency. The ledger is read one party at a time, so a large ledger is never held whole; the
// run only reads.

#include <array>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "aging/aging_ledger.h"
#include "aging/aging_rules.h"
#include "aging/currency_conversion.h"
#include "store/database.h"
#include "store/query.h"

namespace orvant::aging {

// What the control record says about aging one ledger.
struct AgingControl {
    BucketLimits limits{};
    std::array<std::string, kBuckets> bucketNames;
    CurrencyTable currencies;
};

// Reads the limits, the bucket names and the currencies of the ledger; `homeSign` is the
// registry's currency symbol, the sign of currency 0.
AgingControl ReadAgingControl(store::Database& books, const AgingLedger& ledger, const std::string& homeSign);

struct AgingOptions {
    Date reportDate;
    std::string fromCode;
    std::string toCode;                 // empty: no upper limit
    std::string territory;              // empty: every territory
    int olderThan = 0;                  // only entries older than bucket 1 to 5; 0 keeps all
    bool bySalesRep = false;            // parties by sales rep, then code
    std::optional<int> convertTo;       // currency number the amounts are converted into
    std::optional<int> onlyCurrency;    // only the parties of this currency number
    bool fromDueDate = false;           // ages count from the due dates
    bool includeSubsequent = false;     // also the entries dated after the report date
    bool keepZeroBalance = false;       // parties whose balance is 0 too
    bool history = false;               // the ledger's history rather than the ledger
};

struct PartyDetails {
    std::string code, name, telephone;
    std::string address1, address2, city, postalCode, country;
    std::string comments;
    std::string salesRep;
    int currency = 0;
};

struct BucketTotals {
    Money amount;
    std::array<Money, kBuckets> buckets{};

    void add(int bucket, Money value);
    BucketTotals& operator+=(const BucketTotals& other);
    bool operator==(const BucketTotals&) const = default;
};

struct AgedEntry {
    LedgerEntry entry;
    int days = 0;
    int bucket = 1;
    Money amount;  // converted when the run converts
};

struct AgedParty {
    PartyDetails details;
    int currency = 0;              // the currency of the amounts below: the target when converting
    std::vector<AgedEntry> entries;  // kept entries, item by item
    BucketTotals totals;
    Money balance;                 // the kept entries as stored, before conversion
};

class AgingRun {
public:
    AgingRun(store::Database& books, const AgingLedger& ledger, AgingControl control, AgingOptions options);

    // Calls `each` for every party the report shows, in order. A conversion that needs a
    // currency without rate throws ZeroRate before any amount of that currency is counted.
    void run(const std::function<void(const AgedParty&)>& each);

    const AgingControl& control() const { return control_; }
    const AgingOptions& options() const { return options_; }
    // The totals of the parties shown, by the currency their amounts are in.
    const std::map<int, BucketTotals>& totalsByCurrency() const { return totals_; }

private:
    struct PartyQuery;
    std::vector<LedgerEntry> readEntries(store::Statement& entries, const std::string& code) const;
    AgedParty age(PartyDetails details, std::vector<LedgerEntry> entries) const;
    bool shown(const AgedParty& party) const;
    void convert(AgedParty& party) const;

    store::Database& books_;
    const AgingLedger& ledger_;
    AgingControl control_;
    AgingOptions options_;
    CurrencyConversion conversion_;
    bool holdbackFlag_ = false;
    std::map<int, BucketTotals> totals_;
};

// The buckets of one party at a date, over its current ledger: the form the inquiry graphs use.
// Every entry counts, those dated after `at` too (an item dated after it is in the first
// bucket), so the total is the party's balance.
BucketTotals AgeOneParty(store::Database& books, const AgingLedger& ledger, const AgingControl& control,
                         const std::string& code, Date at);

}  // namespace orvant::aging
