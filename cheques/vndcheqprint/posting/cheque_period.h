#pragma once
// The period a cheque date is posted in. In a thirteen-period year the user is asked, once per
// date; otherwise it is the Periods row whose month starts with the date's month name, in the
// first language or, better, in the second (case ignored).

#include <array>
#include <map>
#include <optional>
#include <string>

#include "cheque_update.h"
#include "dates/date.h"
#include "store/database.h"

namespace orvant::cheques {

class ChequePeriods {
public:
    ChequePeriods(store::Database& books, const ChequeUpdateContext& context);

    bool asksUser() const { return thirteenPeriods_; }

    // Thirteen periods: the answer for the date, asked once and remembered; nothing when the
    // user cancelled. Otherwise the period of the date's month; nothing when no row names it.
    std::optional<int> periodOf(const Date& date);

private:
    std::optional<int> ask(const Date& date);
    std::optional<int> fromMonth(const Date& date);

    store::Database& books_;
    std::array<std::string, 12> firstMonths_, secondMonths_;
    AskChequePeriod askPeriod_;
    bool thirteenPeriods_ = false;
    std::map<Date, int> answers_;
};

}  // namespace orvant::cheques
