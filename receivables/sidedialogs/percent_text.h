#pragma once
// Rates and percents as the dialogs show them ("##0.00"): two decimals, halves away from zero
// on the decimal value typed (9.975 shows 9.98, although its double is a little below).

#include <QString>

namespace orvant::sidedialogs {

QString PercentText(double percent);

}  // namespace orvant::sidedialogs
