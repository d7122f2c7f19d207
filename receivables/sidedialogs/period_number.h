#pragma once
// The posting period a transaction screen writes into the journal, as typed in the period
// dialog: a whole number from 0 to 13 (the twelve months and the closing period).

#include <QString>
#include <optional>

namespace orvant::sidedialogs {

inline constexpr int kLastPeriod = 13;

// The period typed, or nothing when the text is not a whole number from 0 to 13. Blanks around
// the digits are allowed; signs are not.
std::optional<int> ReadPeriodNumber(const QString& typed);

// What the dialog says to a refused number: English for language 1, French for any other.
QString PeriodRefusalText(int language);

}  // namespace orvant::sidedialogs
