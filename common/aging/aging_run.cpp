#include "aging/aging_run.h"

#include <algorithm>

#include "store/query.h"
#include "store/table.h"
#include "store/tables/catalog.h"

namespace orvant::aging {

namespace {

std::string columnList(const std::vector<std::string>& columns)
{
    std::string list;
    for (const std::string& column : columns) list += (list.empty() ? "" : ", ") + column;
    return list;
}

// Whether the ledger's declaration carries the holdback flag; without it a holdback item is
// recognised by its type alone.
bool declaresHoldbackFlag(const std::string& table, const std::string& flag)
{
    const auto def = store::findTable(table);
    return def && def->fieldIndex(flag) >= 0;
}

}  // namespace

AgingControl ReadAgingControl(store::Database& books, const AgingLedger& ledger, const std::string& homeSign)
{
    store::Table control(books, "ctrl");
    control.open();
    control.first();
    AgingControl result;
    if (!control.hasRecord()) return result;
    for (int i = 1; i <= kBuckets; ++i) {
        const std::string n = std::to_string(i);
        const auto slot = static_cast<std::size_t>(i - 1);
        result.limits[slot] = static_cast<int>(control.field(ledger.controlPrefix + "days" + n).asInt());
        result.bucketNames[slot] = control.field(ledger.controlPrefix + "dname" + n).asString();
    }
    result.currencies.signs[0] = homeSign;
    for (int c = 1; c < kCurrencies; ++c) {
        const std::string prefix = "Ctrl_curr" + std::to_string(c);
        const auto slot = static_cast<std::size_t>(c);
        result.currencies.names[slot] = control.field(prefix + "_name").asString();
        result.currencies.rates[slot] = control.field(prefix + "_rate").asFloat();
        result.currencies.signs[slot] = control.field(prefix + "_sign").asString();
    }
    return result;
}

void BucketTotals::add(int bucket, Money value)
{
    amount += value;
    buckets[static_cast<std::size_t>(bucket - 1)] += value;
}

BucketTotals& BucketTotals::operator+=(const BucketTotals& other)
{
    amount += other.amount;
    for (std::size_t b = 0; b < buckets.size(); ++b) buckets[b] += other.buckets[b];
    return *this;
}

AgingRun::AgingRun(store::Database& books, const AgingLedger& ledger, AgingControl control, AgingOptions options)
    : books_(books), ledger_(ledger), control_(std::move(control)), options_(std::move(options)),
      conversion_(control_.currencies, options_.convertTo),
      holdbackFlag_(declaresHoldbackFlag(ledger_.entryTable(options_.history), ledger_.entryColumn("holdback")))
{
}

// The parties of the range, territory and currency asked for, in the report's order.
struct AgingRun::PartyQuery {
    store::Query query;

    PartyQuery(store::Database& books, const AgingLedger& ledger, const AgingOptions& options) : query(books, "")
    {
        const auto col = [&](const char* name) { return ledger.partyColumn(name); };
        std::vector<std::string> columns{col("code"),     col("name"),        col("tel"),     col("adr1"),
                                         col("adr2"),     col("city"),        col("postal_code"), col("country"),
                                         col("comments"), "COALESCE(" + col("currency") + ", 0)"};
        if (ledger.hasSalesRep) columns.push_back(col("salesrep"));
        std::string sql = "SELECT " + columnList(columns) + " FROM " + ledger.partyTable + " WHERE " + col("code") + " >= ?";
        std::vector<store::Value> binds{options.fromCode};
        if (!options.toCode.empty()) {
            sql += " AND " + col("code") + " <= ?";
            binds.emplace_back(options.toCode);
        }
        if (!options.territory.empty()) {
            sql += " AND " + col("terr") + " = ?";
            binds.emplace_back(options.territory);
        }
        if (options.onlyCurrency) {
            sql += " AND COALESCE(" + col("currency") + ", 0) = ?";
            binds.emplace_back(*options.onlyCurrency);
        }
        const bool bySalesRep = options.bySalesRep && ledger.hasSalesRep;
        sql += " ORDER BY " + (bySalesRep ? "COALESCE(" + col("salesrep") + ", ''), " : std::string()) + col("code");
        query.setSql(sql);
        for (std::size_t i = 0; i < binds.size(); ++i) query.bind(static_cast<int>(i), binds[i]);
    }

    PartyDetails current() const
    {
        PartyDetails d;
        std::string* texts[] = {&d.code, &d.name, &d.telephone, &d.address1, &d.address2, &d.city, &d.postalCode, &d.country, &d.comments};
        for (int i = 0; i < 9; ++i) *texts[i] = query.value(i).asString();
        d.currency = static_cast<int>(query.value(9).asInt());
        if (query.fieldCount() > 10) d.salesRep = query.value(10).asString();
        return d;
    }
};

void AgingRun::run(const std::function<void(const AgedParty&)>& each)
{
    totals_.clear();
    const auto col = [&](const char* name) { return ledger_.entryColumn(name); };
    std::vector<std::string> columns{col("invoice"), col("ref"), col("type"), col("date"), col("du_date"), col("amount"), col("seq")};
    if (holdbackFlag_) columns.push_back(col("holdback"));
    // A statement read by type: the ledger is the bulk of the work.
    const auto entries = books_.connection().prepare("SELECT " + columnList(columns) + " FROM " +
                                                     store::sqlTableName(ledger_.entryTable(options_.history)) + " WHERE " +
                                                     ledger_.partyField + " = ?");
    PartyQuery parties(books_, ledger_, options_);
    for (parties.query.open(); !parties.query.eof(); parties.query.next()) {
        PartyDetails details = parties.current();
        std::vector<LedgerEntry> read = readEntries(*entries, details.code);
        AgedParty party = age(std::move(details), std::move(read));
        if (!shown(party)) continue;
        convert(party);
        totals_[party.currency] += party.totals;
        each(party);
    }
}

std::vector<LedgerEntry> AgingRun::readEntries(store::Statement& entries, const std::string& code) const
{
    using store::FieldType;
    std::vector<LedgerEntry> read;
    entries.bind(0, code);
    try {
        while (entries.step()) {
            LedgerEntry e;
            e.invoice = entries.column(0, FieldType::String).asString();
            e.reference = entries.column(1, FieldType::String).asString();
            e.type = entries.column(2, FieldType::String).asString();
            e.date = entries.column(3, FieldType::Date).asDate();
            e.dueDate = entries.column(4, FieldType::Date).asDate();
            e.amount = entries.column(5, FieldType::Money).asMoney();
            e.seq = entries.column(6, FieldType::AutoInc).asInt();
            e.holdback = e.type == "6" || (holdbackFlag_ && entries.column(7, FieldType::Boolean).asBool());
            read.push_back(std::move(e));
        }
    } catch (...) {
        entries.reset();
        throw;
    }
    entries.reset();
    return read;
}

AgedParty AgingRun::age(PartyDetails details, std::vector<LedgerEntry> entries) const
{
    // The items of the party, each listed by date: an invoice's own entries, and its holdback's.
    std::sort(entries.begin(), entries.end(), [](const LedgerEntry& a, const LedgerEntry& b) {
        if (a.invoice != b.invoice) return a.invoice < b.invoice;
        if (a.holdback != b.holdback) return b.holdback;
        return a.date != b.date ? a.date < b.date : a.seq < b.seq;
    });
    AgedParty party;
    party.currency = conversion_.target().value_or(details.currency);
    for (auto first = entries.begin(); first != entries.end();) {
        const auto last = std::find_if(first, entries.end(), [&](const LedgerEntry& e) {
            return e.invoice != first->invoice || e.holdback != first->holdback;
        });
        const int days = AgeInDays(DatesOfItem({first, last}), options_.reportDate, options_.fromDueDate);
        for (auto e = first; e != last; ++e) {
            if (!options_.includeSubsequent && e->date.isValid() && options_.reportDate < e->date) continue;
            if (!KeptByAge(days, options_.olderThan, control_.limits, ledger_.olderThan)) continue;
            party.balance += e->amount;
            const Money stored = e->amount;
            party.entries.push_back({std::move(*e), days, BucketOf(days, control_.limits), stored});
        }
        first = last;
    }
    party.details = std::move(details);
    return party;
}

// Only the parties shown are converted, so a currency without rate stops the run only when one
// of its amounts is printed.
void AgingRun::convert(AgedParty& party) const
{
    for (AgedEntry& e : party.entries) {
        e.amount = conversion_.convert(e.amount, party.details.currency);
        party.totals.add(e.bucket, e.amount);
    }
}

// A party whose kept entries sum to 0 is left out, unless zero balances are asked for; a history
// listing shows every party with entries.
bool AgingRun::shown(const AgedParty& party) const
{
    if (!party.balance.isZero() || options_.keepZeroBalance) return true;
    return options_.history && !party.entries.empty();
}

BucketTotals AgeOneParty(store::Database& books, const AgingLedger& ledger, const AgingControl& control,
                         const std::string& code, Date at)
{
    AgingOptions options;
    options.reportDate = at;
    options.fromCode = options.toCode = code;
    options.keepZeroBalance = true;
    options.includeSubsequent = true;
    AgingRun run(books, ledger, control, options);
    BucketTotals totals;
    run.run([&](const AgedParty& party) { totals = party.totals; });
    return totals;
}

}  // namespace orvant::aging
