#include "dates/due_date.h"

#include <algorithm>

namespace orvant {

namespace {
constexpr int kDayOfNextMonth = 900;
}

Date DueDate(Date documentDate, int rule)
{
    if (!documentDate.isValid()) return {};
    if (rule < kDayOfNextMonth) return documentDate.addDays(std::max(rule, 0));

    const Date nextMonth = documentDate.addMonths(1);
    const int lastDay = Date::daysInMonth(nextMonth.year(), nextMonth.month());
    const int day = std::clamp(rule - kDayOfNextMonth, 1, lastDay);
    return Date::fromYmd(nextMonth.year(), nextMonth.month(), day).value_or(Date());
}

}  // namespace orvant
