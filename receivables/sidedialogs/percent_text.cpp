#include "sidedialogs/percent_text.h"

#include "money/money.h"

namespace orvant::sidedialogs {

QString PercentText(double percent)
{
    // Taken to four decimals first, so the rounding to two sees the decimal the user meant.
    return QString::fromStdString(Money::fromDouble(percent).toString(2));
}

}  // namespace orvant::sidedialogs
