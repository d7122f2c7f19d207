#pragma once
// The rules that give a ledger entry its age and its bucket. An entry ages from the dates of its
// item, never from its own: an invoice's dates are those of its sale (type "1"), a holdback's
// those of its holdback entry (type "6"); an item without such an entry takes the dates of its
// earliest entry by (date, entry number). Payments, notes and adjustments so age with what they
// pay, whatever order they were posted or printed in.

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "aging/aging_ledger.h"
#include "dates/date.h"
#include "money/money.h"

namespace orvant::aging {

inline constexpr int kBuckets = 5;
using BucketLimits = std::array<int, kBuckets>;  // Ctrl_ar_days1 .. Ctrl_ar_days5

struct LedgerEntry {
    std::string invoice;
    std::string reference;
    std::string type;  // "1" .. "6"
    Date date;
    Date dueDate;
    Money amount;
    std::int64_t seq = 0;
    bool holdback = false;  // an entry of the invoice's holdback item
};

// The dates an item's entries age from. The due date stands in for itself when it is empty.
struct ItemDates {
    Date date;
    Date dueDate;
};

// The dates of one item from its entries (all of one party, invoice and holdback flag).
ItemDates DatesOfItem(std::span<const LedgerEntry> item);

// Whole days from the item's date (or its due date) to the report date; negative for an item
// dated after it, 0 for an item without a date.
int AgeInDays(const ItemDates& dates, Date reportDate, bool fromDueDate);

// The bucket, 1 to 5, of an age: up to the first limit the first bucket, then each limit closes
// the next; the fifth limit only serves the older-than choice.
int BucketOf(int age, const BucketLimits& limits);

// Whether an entry of that age is kept when only entries older than bucket `olderThan` (1 to 5,
// 0 for all) are asked for.
bool KeptByAge(int age, int olderThan, const BucketLimits& limits, OlderThanRule rule);

}  // namespace orvant::aging
