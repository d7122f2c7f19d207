#pragma once
// The posting period a transaction screen writes into the journal, as typed in the period
// dialog: a whole number from 0 to 13 (the twelve months and the closing period).

#include <QString>
#include <optional>
#include <string>

namespace orvant::sidedialogs {

inline constexpr int kLastPeriod = 13;

// The period typed, or nothing when the text is not a whole number from 0 to 13. Blanks around
// the digits are allowed; signs are not.
std::optional<int> ReadPeriodNumber(const QString& typed);

// What the dialog says to a refused number: English for language 1, French for any other.
QString PeriodRefusalText(int language);

// A transaction screen's caption once its period was changed: `prefix` (its "current period
// is" text) with the period and its month, or, while the books have no current period (0),
// with "0", `beforePeriod` and the period chosen. A blank separates each text from the number.
std::string PeriodCaption(const std::string& prefix, const std::string& beforePeriod, int currentPeriod, int period,
                          const std::string& month);

}  // namespace orvant::sidedialogs
