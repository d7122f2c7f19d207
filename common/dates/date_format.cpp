#include "dates/date_format.h"

#include <array>
#include <cctype>
#include <cstdio>
#include <vector>

namespace orvant {
namespace {

char Upper(char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsDateLetter(char c) { return Upper(c) == 'D' || Upper(c) == 'M' || Upper(c) == 'Y'; }

// One element of a date pattern: a field or a literal character.
struct Piece {
    enum Kind { Day, Month, ShortYear, LongYear, Literal } kind = Literal;
    int width = 0;      // digits written: 1 (no leading zero), 2 or 4
    char literal = 0;
};

std::vector<Piece> Pieces(std::string_view format)
{
    std::vector<Piece> pieces;
    for (std::size_t i = 0; i < format.size();) {
        const char c = Upper(format[i]);
        if (!IsDateLetter(c)) {
            pieces.push_back({Piece::Literal, 0, format[i++]});
            continue;
        }
        std::size_t run = 0;
        while (i < format.size() && Upper(format[i]) == c) ++i, ++run;
        if (c == 'Y')
            pieces.push_back(run >= 3 ? Piece{Piece::LongYear, 4, 0} : Piece{Piece::ShortYear, 2, 0});
        else
            pieces.push_back({c == 'D' ? Piece::Day : Piece::Month, run >= 2 ? 2 : 1, 0});
    }
    return pieces;
}

std::string Padded(int value, int width)
{
    char buf[16];
    std::snprintf(buf, sizeof buf, "%0*d", width, value);
    return buf;
}

std::string_view Trimmed(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

// Reads between `least` and `most` digits at `pos`; false when fewer are there.
bool ReadDigits(std::string_view text, std::size_t& pos, std::size_t least, std::size_t most, int& value)
{
    value = 0;
    std::size_t count = 0;
    while (count < most && pos < text.size() && IsDigit(text[pos])) {
        value = value * 10 + (text[pos++] - '0');
        ++count;
    }
    return count >= least;
}

int ExpandTwoDigitYear(int yy, int referenceYear)
{
    const int earliest = referenceYear - 50;
    int year = earliest / 100 * 100 + yy;
    if (year < earliest) year += 100;
    return year;
}

// Characters that a Qt input mask reads as mask characters rather than literals.
bool IsQtMaskCharacter(char c)
{
    static constexpr std::string_view kSpecial = "AaNnXx90Dd#HhBb><!{}[]\\;";
    return kSpecial.find(c) != std::string_view::npos;
}

}  // namespace

std::string DateMaskFor(std::string_view format)
{
    std::string mask = "!";
    for (char c : format) mask += IsDateLetter(c) ? '9' : c;
    return mask + ";1; ";
}

bool IsDateMask(std::string_view mask)
{
    static constexpr std::array<std::string_view, 4> kDateMasks = {"99/99/9999", "9999/99/99", "!99/99/9999",
                                                                    "!99/99/9999;1; "};
    for (std::string_view known : kDateMasks)
        if (mask == known) return true;
    return false;
}

std::string QtInputMaskFor(std::string_view dateMask)
{
    // The mask is followed by ";" + the save-literals flag and ";" + the blank character.
    const std::size_t flagField = dateMask.find(';');
    const std::size_t blankField = flagField == std::string_view::npos ? flagField : dateMask.find(';', flagField + 1);
    const bool hasBlank = blankField != std::string_view::npos && blankField + 1 < dateMask.size();
    const char blank = hasBlank ? dateMask[blankField + 1] : ' ';

    std::string_view body = dateMask.substr(0, flagField);
    if (!body.empty() && body.front() == '!') body.remove_prefix(1);  // "trim blanks" has no Qt meaning
    std::string mask;
    for (std::size_t i = 0; i < body.size(); ++i) {
        char c = body[i];
        if (c == '9' || c == '0') {
            mask += '9';
            continue;
        }
        if (c == '\\' && i + 1 < body.size()) c = body[++i];  // an escaped literal
        if (IsQtMaskCharacter(c)) mask += '\\';
        mask += c;
    }
    return mask + ';' + blank;
}

bool IsCompleteDateFormat(std::string_view format)
{
    bool day = false, month = false, year = false;
    for (const Piece& piece : Pieces(format)) {
        day = day || piece.kind == Piece::Day;
        month = month || piece.kind == Piece::Month;
        year = year || piece.kind == Piece::ShortYear || piece.kind == Piece::LongYear;
    }
    return day && month && year;
}

std::string FormatDate(Date date, std::string_view format)
{
    if (!date.isValid()) return {};
    std::string out;
    for (const Piece& piece : Pieces(format)) {
        switch (piece.kind) {
        case Piece::Day: out += Padded(date.day(), piece.width); break;
        case Piece::Month: out += Padded(date.month(), piece.width); break;
        case Piece::ShortYear: out += Padded(date.year() % 100, 2); break;
        case Piece::LongYear: out += Padded(date.year(), 4); break;
        case Piece::Literal: out += piece.literal; break;
        }
    }
    return out;
}

std::optional<Date> ParseDate(std::string_view text, std::string_view format, int referenceYear)
{
    text = Trimmed(text);
    int day = 0, month = 0, year = 0;
    std::size_t pos = 0;
    for (const Piece& piece : Pieces(format)) {
        bool ok = true;
        switch (piece.kind) {
        case Piece::Day: ok = ReadDigits(text, pos, 1, 2, day); break;
        case Piece::Month: ok = ReadDigits(text, pos, 1, 2, month); break;
        case Piece::LongYear: ok = ReadDigits(text, pos, 4, 4, year); break;
        case Piece::ShortYear:
            ok = ReadDigits(text, pos, 2, 2, year);
            year = ExpandTwoDigitYear(year, referenceYear);
            break;
        case Piece::Literal:
            ok = pos < text.size() && Upper(text[pos]) == Upper(piece.literal);
            ++pos;
            break;
        }
        if (!ok) return std::nullopt;
    }
    if (pos != text.size()) return std::nullopt;
    return Date::fromYmd(year, month, day);
}

std::optional<Date> ParseDate(std::string_view text, std::string_view format)
{
    return ParseDate(text, format, Date::today().year());
}

namespace {
std::string& ShortDateFormatStorage()
{
    static std::string format = "DD/MM/YYYY";
    return format;
}
}  // namespace

const std::string& ShortDateFormat() { return ShortDateFormatStorage(); }

void SetShortDateFormat(std::string_view format) { ShortDateFormatStorage() = format; }

}  // namespace orvant
