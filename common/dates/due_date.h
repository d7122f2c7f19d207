#pragma once
// The due date of a client's or supplier's document from its terms rule (Cli_du_days,
// Sup_du_days).

#include "dates/date.h"

namespace orvant {

// `rule` below 900 is the number of days after the document date. A rule n of 900 or more is
// day n - 900 of the month after the document's: 910 is the 10th; 900 (no day) the 1st; a day
// that the month does not have (931 before a 30-day month, 932 and above) its last day.
// A negative rule, which no terms can mean, counts as 0 days: the document date itself.
// An invalid document date gives an invalid due date.
Date DueDate(Date documentDate, int rule);

// The rules a client or supplier may hold: days after the document (0 to 899) or a day of the
// next month (901 to 931).
constexpr bool IsDueDaysRule(long long rule) { return (rule >= 0 && rule <= 899) || (rule >= 901 && rule <= 931); }

}  // namespace orvant
