#include "dates/date.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>

namespace orvant {
namespace {

// Howard Hinnant's civil-from-days and days-from-civil algorithms.
std::int32_t daysFromCivil(int y, unsigned m, unsigned d)
{
    y -= m <= 2;
    const int era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<int>(doe) - 719468;
}

struct Ymd { int y; int m; int d; };

Ymd civilFromDays(std::int32_t z)
{
    z += 719468;
    const int era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int y = static_cast<int>(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    const unsigned d = doy - (153 * mp + 2) / 5 + 1;
    const unsigned m = mp < 10 ? mp + 3 : mp - 9;
    return {y + (m <= 2), static_cast<int>(m), static_cast<int>(d)};
}

bool readNumber(std::string_view s, std::size_t pos, std::size_t len, int& out)
{
    if (pos + len > s.size()) return false;
    out = 0;
    for (std::size_t i = pos; i < pos + len; ++i) {
        if (s[i] < '0' || s[i] > '9') return false;
        out = out * 10 + (s[i] - '0');
    }
    return true;
}

}  // namespace

bool Date::isLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int Date::daysInMonth(int year, int month)
{
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 0;
    return month == 2 && isLeapYear(year) ? 29 : kDays[month - 1];
}

std::optional<Date> Date::fromYmd(int year, int month, int day)
{
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > daysInMonth(year, month))
        return std::nullopt;
    return fromDays(daysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)));
}

Date Date::fromDays(std::int32_t daysSinceEpoch)
{
    Date d;
    d.days_ = daysSinceEpoch;
    d.valid_ = true;
    return d;
}

std::optional<Date> Date::fromIso(std::string_view text)
{
    int y = 0, m = 0, d = 0;
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
    if (!readNumber(text, 0, 4, y) || !readNumber(text, 5, 2, m) || !readNumber(text, 8, 2, d)) return std::nullopt;
    return fromYmd(y, m, d);
}

Date Date::today() { return DateTime::now().date(); }

int Date::year() const { return civilFromDays(days_).y; }
int Date::month() const { return civilFromDays(days_).m; }
int Date::day() const { return civilFromDays(days_).d; }

int Date::dayOfWeek() const
{
    // 1970-01-01 was a Thursday (4).
    const int wd = ((days_ % 7) + 7 + 3) % 7;  // 0 = Monday
    return wd + 1;
}

Date Date::addMonths(int n) const
{
    const Ymd ymd = civilFromDays(days_);
    const int total = ymd.y * 12 + (ymd.m - 1) + n;
    const int year = total / 12;
    const int month = total % 12 + 1;
    const int day = std::min(ymd.d, daysInMonth(year, month));
    return fromDays(daysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)));
}

std::string Date::toIso() const
{
    if (!valid_) return {};
    const Ymd ymd = civilFromDays(days_);
    if (ymd.y < 0 || ymd.y > 9999) {
        char buf[24];
        std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", ymd.y, ymd.m, ymd.d);
        return buf;
    }
    // Written digit by digit: every stored date goes through here.
    std::string iso = "0000-00-00";
    const auto put = [&iso](std::size_t end, int value, int digits) {
        for (int i = 0; i < digits; ++i, value /= 10) iso[end - static_cast<std::size_t>(i)] = static_cast<char>('0' + value % 10);
    };
    put(3, ymd.y, 4);
    put(6, ymd.m, 2);
    put(9, ymd.d, 2);
    return iso;
}

DateTime DateTime::now()
{
    using namespace std::chrono;
    const auto nowPoint = system_clock::now();
    const std::time_t t = system_clock::to_time_t(nowPoint);
    std::tm local{};
    localtime_r(&t, &local);
    const auto ms = duration_cast<milliseconds>(nowPoint.time_since_epoch()).count() % 1000;
    const auto date = Date::fromYmd(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
    return DateTime(*date, ((local.tm_hour * 60 + local.tm_min) * 60 + local.tm_sec) * 1000 + static_cast<int>(ms));
}

std::optional<DateTime> DateTime::fromIso(std::string_view text)
{
    const auto date = Date::fromIso(text.substr(0, std::min<std::size_t>(10, text.size())));
    if (!date) return std::nullopt;
    if (text.size() == 10) return DateTime(*date, 0);
    int h = 0, mi = 0, s = 0, ms = 0;
    if (text.size() < 19 || (text[10] != ' ' && text[10] != 'T') || text[13] != ':' || text[16] != ':')
        return std::nullopt;
    if (!readNumber(text, 11, 2, h) || !readNumber(text, 14, 2, mi) || !readNumber(text, 17, 2, s)) return std::nullopt;
    if (text.size() > 19) {
        if (text[19] != '.') return std::nullopt;
        std::size_t digits = std::min<std::size_t>(3, text.size() - 20);
        if (digits == 0 || !readNumber(text, 20, digits, ms)) return std::nullopt;
        for (std::size_t i = digits; i < 3; ++i) ms *= 10;
    }
    if (h > 23 || mi > 59 || s > 59) return std::nullopt;
    return DateTime(*date, ((h * 60 + mi) * 60 + s) * 1000 + ms);
}

std::string DateTime::toIso() const
{
    if (!isValid()) return {};
    // Digit by digit, as the date: every stamp a posting writes goes through here.
    const int ms = msecs_ % 1000, total = msecs_ / 1000;
    std::string iso = date_.toIso() + " 00:00:00.000";
    const std::size_t time = iso.size() - 12;
    const auto put = [&iso](std::size_t end, int value, int digits) {
        for (int i = 0; i < digits; ++i, value /= 10) iso[end - static_cast<std::size_t>(i)] = static_cast<char>('0' + value % 10);
    };
    put(time + 1, total / 3600, 2);
    put(time + 4, total / 60 % 60, 2);
    put(time + 7, total % 60, 2);
    put(time + 11, ms, 3);
    return iso;
}

}  // namespace orvant
