#pragma once
// Dates as shown and typed: the short date format (a pattern such as "DD/MM/YYYY"), the edit mask
// that goes with it, and the translation of such a mask to a Qt input mask.
//
// A pattern is read as runs of letters: a run of D is the day, of M the month, of Y the year,
// whatever their case. "D" and "M" write the number without a leading zero and "DD", "MM" with
// it; "YY" writes two digits of the year and "YYYY" (any run of three or more) four. Every other
// character is written as it stands.

#include <optional>
#include <string>
#include <string_view>

#include "dates/date.h"

namespace orvant {

// The edit mask of a date format: each D, M or Y becomes "9", everything else stays, wrapped as
// "!" + mask + ";1; ". "DD/MM/YYYY" gives "!99/99/9999;1; ".
std::string DateMaskFor(std::string_view format);

// True for the masks that a form's date boxes carry before the format is applied: "99/99/9999",
// "9999/99/99", "!99/99/9999" and "!99/99/9999;1; ". Any other mask (a telephone number) is kept.
bool IsDateMask(std::string_view mask);

// The Qt input mask for a date mask made by DateMaskFor (or one of the masks above): every digit
// is required ("9"), other characters are literals, and the blank character follows ";".
// "!99/99/9999;1; " gives "99/99/9999; ".
std::string QtInputMaskFor(std::string_view dateMask);

// True when the pattern has a day, a month and a year.
bool IsCompleteDateFormat(std::string_view format);

// The date written with the pattern; an invalid date gives "".
std::string FormatDate(Date date, std::string_view format);

// Reads a date typed with the pattern. Day and month take one or two digits, "YYYY" four, "YY"
// two (placed within fifty years of `referenceYear`: 76 is 1976 and 75 is 2075 when the
// reference is 2026). Surrounding blanks are ignored; letters of the pattern that are not
// fields match either case. Nothing is returned for text that does not follow the pattern or
// for a day that the month does not have.
std::optional<Date> ParseDate(std::string_view text, std::string_view format, int referenceYear);
std::optional<Date> ParseDate(std::string_view text, std::string_view format);  // this year

// The process-wide short date format (default "DD/MM/YYYY"), set from the registry when a
// module starts.
const std::string& ShortDateFormat();
void SetShortDateFormat(std::string_view format);

}  // namespace orvant
