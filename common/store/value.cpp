#include "store/value.h"

#include <charconv>
#include <cmath>

#include "store/error.h"

namespace orvant::store {
namespace {

template <class... Ts> struct Overloaded : Ts... { using Ts::operator()...; };
template <class... Ts> Overloaded(Ts...) -> Overloaded<Ts...>;

[[noreturn]] void badConversion(std::string_view what, std::string_view text)
{
    throw StoreError(errc::kBadValue, "\"" + std::string(text) + "\" is not a valid " + std::string(what));
}

std::string_view trimmedView(std::string_view s)
{
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

std::string trimmed(const std::string& s) { return std::string(trimmedView(s)); }

// A blank text is an empty field. It never reads as a date, so it is looked for only once the
// text has not: a walk reads dates by the thousand.
Date dateOfText(std::string_view v)
{
    if (auto d = Date::fromIso(v)) return *d;
    if (trimmedView(v).empty()) return Date();
    if (auto dt = DateTime::fromIso(v)) return dt->date();
    badConversion("date", v);
}

DateTime timestampOfText(std::string_view v)
{
    if (auto dt = DateTime::fromIso(v)) return *dt;
    if (trimmedView(v).empty()) return DateTime();
    badConversion("timestamp", v);
}

}  // namespace

Value Value::dateFromText(std::string_view text) { return dateOfText(text); }
Value Value::timestampFromText(std::string_view text) { return timestampOfText(text); }

void Value::setText(std::string_view text)
{
    if (auto* held = std::get_if<std::string>(&v_)) held->assign(text);
    else v_.emplace<std::string>(text);
}

std::string Value::asString() const
{
    return std::visit(Overloaded{
        [](Null) { return std::string(); },
        [](std::int64_t v) { return std::to_string(v); },
        [](double v) {
            char buf[32];
            auto [end, ec] = std::to_chars(buf, buf + sizeof buf, v);
            return std::string(buf, end);
        },
        [](const std::string& v) { return v; },
        [](Money v) { return v.toString(4); },
        [](Date v) { return v.toIso(); },
        [](DateTime v) { return v.toIso(); },
        [](bool v) { return std::string(v ? "true" : "false"); },
    }, v_);
}

std::int64_t Value::asInt() const
{
    return std::visit(Overloaded{
        [](Null) -> std::int64_t { return 0; },
        [](std::int64_t v) { return v; },
        [](double v) { return static_cast<std::int64_t>(std::llround(v)); },
        [](const std::string& v) -> std::int64_t {
            const std::string t = trimmed(v);
            if (t.empty()) return 0;
            std::int64_t out = 0;
            auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), out);
            if (ec != std::errc() || end != t.data() + t.size()) badConversion("whole number", v);
            return out;
        },
        [](Money v) { return v.raw() / Money::kScale; },
        [](Date v) -> std::int64_t { return v.days(); },
        [](DateTime) -> std::int64_t { badConversion("whole number", "timestamp"); },
        [](bool v) -> std::int64_t { return v ? 1 : 0; },
    }, v_);
}

double Value::asFloat() const
{
    return std::visit(Overloaded{
        [](Null) { return 0.0; },
        [](std::int64_t v) { return static_cast<double>(v); },
        [](double v) { return v; },
        [](const std::string& v) {
            const std::string t = trimmed(v);
            if (t.empty()) return 0.0;
            double out = 0;
            auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), out);
            if (ec != std::errc() || end != t.data() + t.size()) badConversion("number", v);
            return out;
        },
        [](Money v) { return v.toDouble(); },
        [](Date) -> double { badConversion("number", "date"); },
        [](DateTime) -> double { badConversion("number", "timestamp"); },
        [](bool v) { return v ? 1.0 : 0.0; },
    }, v_);
}

Money Value::asMoney() const
{
    return std::visit(Overloaded{
        [](Null) { return Money(); },
        [](std::int64_t v) { return Money::fromUnits(v); },
        [](double v) { return Money::fromDouble(v); },
        [](const std::string& v) {
            if (trimmed(v).empty()) return Money();
            auto m = Money::parse(v);
            if (!m) badConversion("amount", v);
            return *m;
        },
        [](Money v) { return v; },
        [](Date) -> Money { badConversion("amount", "date"); },
        [](DateTime) -> Money { badConversion("amount", "timestamp"); },
        [](bool) -> Money { badConversion("amount", "boolean"); },
    }, v_);
}

bool Value::asBool() const
{
    return std::visit(Overloaded{
        [](Null) { return false; },
        [](std::int64_t v) { return v != 0; },
        [](double v) { return v != 0; },
        [](const std::string& v) {
            const std::string t = trimmed(v);
            if (t.empty() || t == "0" || t == "f" || t == "F" || t == "false" || t == "False" || t == "N" || t == "n")
                return false;
            if (t == "1" || t == "t" || t == "T" || t == "true" || t == "True" || t == "Y" || t == "y") return true;
            badConversion("yes/no value", v);
        },
        [](Money v) { return !v.isZero(); },
        [](Date) -> bool { badConversion("yes/no value", "date"); },
        [](DateTime) -> bool { badConversion("yes/no value", "timestamp"); },
        [](bool v) { return v; },
    }, v_);
}

Date Value::asDate() const
{
    return std::visit(Overloaded{
        [](Null) { return Date(); },
        [](std::int64_t v) { return Date::fromDays(static_cast<std::int32_t>(v)); },
        [](double) -> Date { badConversion("date", "number"); },
        [](const std::string& v) { return dateOfText(v); },
        [](Money) -> Date { badConversion("date", "amount"); },
        [](Date v) { return v; },
        [](DateTime v) { return v.date(); },
        [](bool) -> Date { badConversion("date", "boolean"); },
    }, v_);
}

DateTime Value::asDateTime() const
{
    return std::visit(Overloaded{
        [](Null) { return DateTime(); },
        [](std::int64_t) -> DateTime { badConversion("timestamp", "number"); },
        [](double) -> DateTime { badConversion("timestamp", "number"); },
        [](const std::string& v) { return timestampOfText(v); },
        [](Money) -> DateTime { badConversion("timestamp", "amount"); },
        [](Date v) { return DateTime(v, 0); },
        [](DateTime v) { return v; },
        [](bool) -> DateTime { badConversion("timestamp", "boolean"); },
    }, v_);
}

}  // namespace orvant::store
