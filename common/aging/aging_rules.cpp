#include "aging/aging_rules.h"

#include <algorithm>

namespace orvant::aging {

namespace {

bool earlier(const LedgerEntry& a, const LedgerEntry& b)
{
    if (a.date != b.date) return a.date < b.date;  // an entry without a date sorts first
    return a.seq < b.seq;
}

}  // namespace

ItemDates DatesOfItem(std::span<const LedgerEntry> item)
{
    const LedgerEntry* origin = nullptr;
    const LedgerEntry* earliest = nullptr;
    for (const LedgerEntry& entry : item) {
        if (!earliest || earlier(entry, *earliest)) earliest = &entry;
        const bool opensItem = entry.type == (entry.holdback ? "6" : "1");
        if (opensItem && (!origin || earlier(entry, *origin))) origin = &entry;
    }
    const LedgerEntry* from = origin ? origin : earliest;
    if (!from) return {};
    return {from->date, from->dueDate.isValid() ? from->dueDate : from->date};
}

int AgeInDays(const ItemDates& dates, Date reportDate, bool fromDueDate)
{
    const Date base = fromDueDate ? dates.dueDate : dates.date;
    if (!base.isValid() || !reportDate.isValid()) return 0;
    return base.daysTo(reportDate);
}

int BucketOf(int age, const BucketLimits& limits)
{
    for (int bucket = 1; bucket < kBuckets; ++bucket)
        if (age <= limits[static_cast<std::size_t>(bucket - 1)]) return bucket;
    return kBuckets;
}

bool KeptByAge(int age, int olderThan, const BucketLimits& limits, OlderThanRule rule)
{
    if (olderThan < 1 || olderThan > kBuckets) return true;
    const int limit = limits[static_cast<std::size_t>(olderThan - 1)];
    return rule == OlderThanRule::AtLeast ? age >= limit : age > limit;
}

}  // namespace orvant::aging
