#pragma once
// A field value as the store carries it: empty (null), or one typed value. Empty is distinct
// from 0 and from "": the books test for empty fields.

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

#include "dates/date.h"
#include "money/money.h"

namespace orvant::store {

struct Null {
    friend bool operator==(Null, Null) { return true; }
};

class Value {
public:
    using Storage = std::variant<Null, std::int64_t, double, std::string, Money, Date, DateTime, bool>;

    Value() = default;
    Value(Null) {}
    Value(int v) : v_(static_cast<std::int64_t>(v)) {}
    Value(std::int64_t v) : v_(v) {}
    Value(double v) : v_(v) {}
    Value(std::string v) : v_(std::move(v)) {}
    Value(std::string_view v) : v_(std::string(v)) {}
    Value(const char* v) : v_(std::string(v)) {}
    Value(Money v) : v_(v) {}
    Value(Date v) { if (v.isValid()) v_ = v; }
    Value(DateTime v) { if (v.isValid()) v_ = v; }
    Value(bool v) : v_(v) {}

    // A date or timestamp read from the engine's text, without an intermediate string.
    static Value dateFromText(std::string_view text);
    static Value timestampFromText(std::string_view text);

    // Holds the text, in the storage of the text held before where there was one: a walk reads
    // its pages into the rows of the page before without allocating again.
    void setText(std::string_view text);

    bool isNull() const { return std::holds_alternative<Null>(v_); }
    const Storage& storage() const { return v_; }

    // Conversions as the books read fields: an empty field reads as "", 0, false or an invalid
    // date. A conversion that makes no sense (text "abc" as a number) throws a store error.
    std::string asString() const;
    std::int64_t asInt() const;
    double asFloat() const;
    Money asMoney() const;
    bool asBool() const;
    Date asDate() const;
    DateTime asDateTime() const;

    friend bool operator==(const Value&, const Value&) = default;

private:
    Storage v_;
};

}  // namespace orvant::store
