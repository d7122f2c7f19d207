#pragma once
// Calendar dates and timestamps as the books keep them: proleptic Gregorian, no time zone.
// Stored as ISO text ("2026-01-31", "2026-01-31 14:05:09.250"), which sorts as the dates do.

#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orvant {

class Date {
public:
    constexpr Date() = default;  // invalid
    static std::optional<Date> fromYmd(int year, int month, int day);
    static Date fromDays(std::int32_t daysSinceEpoch);  // 1970-01-01 is day 0
    static std::optional<Date> fromIso(std::string_view text);  // exactly "YYYY-MM-DD", nothing around it
    static Date today();

    static bool isLeapYear(int year);
    static int daysInMonth(int year, int month);

    bool isValid() const { return valid_; }
    int year() const;
    int month() const;
    int day() const;
    std::int32_t days() const { return days_; }
    int dayOfWeek() const;  // 1 = Monday ... 7 = Sunday

    Date addDays(int n) const { return fromDays(days_ + n); }
    // Same day n months later; a day past the end of the target month becomes its last day.
    Date addMonths(int n) const;
    int daysTo(Date other) const { return other.days_ - days_; }

    std::string toIso() const;

    friend bool operator==(const Date& a, const Date& b) { return a.valid_ == b.valid_ && a.days_ == b.days_; }
    friend std::strong_ordering operator<=>(const Date& a, const Date& b)
    {
        if (a.valid_ != b.valid_) return a.valid_ <=> b.valid_;
        return a.days_ <=> b.days_;
    }

private:
    std::int32_t days_ = 0;
    bool valid_ = false;
};

class DateTime {
public:
    constexpr DateTime() = default;
    DateTime(Date date, std::int32_t msecsOfDay) : date_(date), msecs_(msecsOfDay) {}
    static DateTime now();  // local time
    // "YYYY-MM-DD HH:MM:SS[.mmm]" or with "T"; a bare date is midnight.
    static std::optional<DateTime> fromIso(std::string_view text);

    bool isValid() const { return date_.isValid(); }
    Date date() const { return date_; }
    std::int32_t msecsOfDay() const { return msecs_; }
    std::string toIso() const;  // "YYYY-MM-DD HH:MM:SS.mmm"

    friend bool operator==(const DateTime&, const DateTime&) = default;
    friend std::strong_ordering operator<=>(const DateTime& a, const DateTime& b)
    {
        if (auto c = a.date_ <=> b.date_; c != 0) return c;
        return a.msecs_ <=> b.msecs_;
    }

private:
    Date date_;
    std::int32_t msecs_ = 0;
};

}  // namespace orvant
