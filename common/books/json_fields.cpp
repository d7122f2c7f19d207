#include "books/json_fields.h"

#include <cmath>

#include "money/amount_text.h"

namespace orvant::json {

namespace {

std::string quoted(const char* name) { return std::string("\"") + name + "\""; }

}  // namespace

void Refuse(std::string why) { throw JsonFieldError{std::move(why)}; }

void OnlyKnownFields(const QJsonObject& object, const QSet<QString>& known, const std::string& where)
{
    for (const QString& key : object.keys())
        if (!known.contains(key)) Refuse(where + "has no field \"" + key.toStdString() + "\"");
}

std::string Text(const QJsonObject& object, const char* name, int width, bool required, Keep keep)
{
    const QJsonValue value = object.value(QLatin1String(name));
    if (value.isUndefined() || value.isNull()) {
        if (required) Refuse(quoted(name) + " is missing");
        return {};
    }
    if (!value.isString()) Refuse(quoted(name) + " must be a text");
    std::string kept = value.toString().toStdString();
    if (keep) kept = keep(kept);
    if (QString::fromStdString(kept).toUcs4().size() > width)
        Refuse(quoted(name) + " holds at most " + std::to_string(width) + " characters");
    return kept;
}

Date IsoDate(const QJsonObject& object, const char* name, bool required)
{
    const std::string iso = Text(object, name, 10, required);
    if (iso.empty()) return {};
    const std::optional<Date> parsed = Date::fromIso(iso);
    if (!parsed) Refuse(quoted(name) + " is not a date (YYYY-MM-DD): " + iso);
    return *parsed;
}

Money Amount(const QJsonObject& object, const char* name)
{
    const QJsonValue value = object.value(QLatin1String(name));
    if (value.isUndefined() || value.isNull()) return {};
    std::optional<Money> parsed;
    if (value.isString()) parsed = ReadAmount(value.toString().toStdString(), AmountLanguage::English);
    if (!parsed)
        Refuse(quoted(name) + " is not an amount of at most four decimals within " + GroupedAmount(kBooksLimit, AmountLanguage::English));
    if (parsed->isNegative()) Refuse(quoted(name) + " is negative; amounts go in the other column");
    return *parsed;
}

int Integer(const QJsonObject& object, const char* name, int least, int most)
{
    const QJsonValue value = object.value(QLatin1String(name));
    const double number = value.toDouble(-1e300);
    if (!value.isDouble() || number != std::floor(number) || number < least || number > most)
        Refuse(quoted(name) + " must be a whole number from " + std::to_string(least) + " to " + std::to_string(most));
    return static_cast<int>(number);
}

bool Flag(const QJsonObject& object, const char* name)
{
    const QJsonValue value = object.value(QLatin1String(name));
    if (!value.isUndefined() && !value.isBool()) Refuse(quoted(name) + " must be true or false");
    return value.toBool(false);
}

QJsonArray Array(const QJsonObject& object, const char* name)
{
    const QJsonValue value = object.value(QLatin1String(name));
    if (value.isUndefined() || value.isNull()) return {};
    if (!value.isArray()) Refuse(quoted(name) + " must be a list");
    return value.toArray();
}

QJsonObject ObjectAt(const QJsonArray& list, int index, const char* name)
{
    if (!list.at(index).isObject()) Refuse(std::string(name) + " " + std::to_string(index + 1) + " must be an object");
    return list.at(index).toObject();
}

}  // namespace orvant::json
