#include "cheque_period.h"

#include <QString>

#include "store/table.h"

namespace orvant::cheques {

namespace {

constexpr int kThirteenPeriods = 13;

// The first row, in period order, whose month starts with the name; an empty name names none.
std::optional<int> rowNaming(store::Table& periods, const std::string& monthName)
{
    const QString name = QString::fromStdString(monthName).trimmed();
    if (name.isEmpty()) return std::nullopt;
    for (periods.first(); !periods.eof(); periods.next())
        if (QString::fromStdString(periods.field("Period_mth").asString()).trimmed().startsWith(name, Qt::CaseInsensitive))
            return static_cast<int>(periods.field("Period_no").asInt());
    return std::nullopt;
}

}  // namespace

ChequePeriods::ChequePeriods(store::Database& books, const ChequeUpdateContext& context)
    : books_(books), firstMonths_(context.firstMonths), secondMonths_(context.secondMonths), askPeriod_(context.askPeriod)
{
    store::Table control(books, "ctrl");
    control.open();
    control.first();
    thirteenPeriods_ = control.hasRecord() && control.field("Ctrl_periods").asInt() == kThirteenPeriods;
}

std::optional<int> ChequePeriods::periodOf(const Date& date)
{
    return thirteenPeriods_ ? ask(date) : fromMonth(date);
}

std::optional<int> ChequePeriods::ask(const Date& date)
{
    if (const auto known = answers_.find(date); known != answers_.end()) return known->second;
    if (!askPeriod_) return std::nullopt;
    for (;;) {
        const std::optional<int> answer = askPeriod_(date);
        if (!answer) return std::nullopt;
        if (*answer >= 1 && *answer <= kThirteenPeriods) return answers_[date] = *answer;
    }
}

// A month that no row names has no period: posting it into the first row's period instead
// would put the cheque in the wrong month of the ledger.
std::optional<int> ChequePeriods::fromMonth(const Date& date)
{
    store::Table periods(books_, "Periods");
    periods.open();
    const auto month = static_cast<std::size_t>(date.month() - 1);
    const std::optional<int> second = rowNaming(periods, secondMonths_[month]);
    return second ? second : rowNaming(periods, firstMonths_[month]);
}

}  // namespace orvant::cheques
