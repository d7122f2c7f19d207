#include "books/json_fields.h"

#include <QJsonDocument>
#include <cmath>

#include "books/document_texts.h"
#include "money/amount_text.h"

namespace orvant::json {

namespace {

std::string quoted(const char* name) { return std::string("\"") + name + "\""; }

Money amountOf(const QJsonObject& object, const char* name, bool signedAllowed)
{
    const QJsonValue value = object.value(QLatin1String(name));
    if (value.isUndefined() || value.isNull()) return {};
    std::optional<Money> parsed;
    if (value.isString()) {
        const std::string digits = value.toString().toStdString();
        const bool negative = signedAllowed && !digits.empty() && digits.front() == '-';
        parsed = ReadAmount(negative ? digits.substr(1) : digits, AmountLanguage::English);
        if (parsed && negative) parsed = -*parsed;
    }
    if (!parsed)
        Refuse(quoted(name) + " is not an amount of at most four decimals within " + GroupedAmount(kBooksLimit, AmountLanguage::English));
    if (parsed->isNegative() && !signedAllowed) Refuse(quoted(name) + " is negative; amounts go in the other column");
    return *parsed;
}

}  // namespace

std::variant<QJsonObject, std::string> RecordObject(const std::string& line, const AmountFields& amounts, const char* what)
{
    QJsonParseError error;
    const QJsonDocument json = QJsonDocument::fromJson(QByteArray::fromStdString(line), &error);
    if (error.error != QJsonParseError::NoError)
        return "not JSON: " + error.errorString().toStdString() + " at character " + std::to_string(error.offset + 1);
    if (!json.isObject()) return std::string(what) + " is a JSON object";
    return QJsonDocument::fromJson(QByteArray::fromStdString(QuoteNumbersOf(line, amounts))).object();
}

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
    if (required && kept.empty()) Refuse(quoted(name) + " is empty");
    return kept;
}

std::string Trimmed(const std::string& text) { return QString::fromStdString(text).trimmed().toStdString(); }

Date IsoDate(const QJsonObject& object, const char* name, bool required)
{
    const std::string iso = Text(object, name, 10, required, &Trimmed);
    if (iso.empty()) return {};
    const std::optional<Date> parsed = Date::fromIso(iso);
    if (!parsed) Refuse(quoted(name) + " is not a date (YYYY-MM-DD): " + iso);
    return *parsed;
}

Money Amount(const QJsonObject& object, const char* name) { return amountOf(object, name, false); }

Money SignedAmount(const QJsonObject& object, const char* name) { return amountOf(object, name, true); }

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

std::optional<QJsonObject> Object(const QJsonObject& object, const char* name)
{
    const QJsonValue value = object.value(QLatin1String(name));
    if (value.isUndefined() || value.isNull()) return std::nullopt;
    if (!value.isObject()) Refuse(quoted(name) + " must be an object");
    return value.toObject();
}

HoldbackAnswer HoldbackAnswerOf(const QJsonObject& holdback)
{
    HoldbackAnswer answer;
    if (holdback.contains(QLatin1String("amount"))) {
        if (holdback.contains(QLatin1String("percent"))) Refuse("the holdback takes a \"percent\" or an \"amount\", not both");
        answer.amount = Amount(holdback, "amount");
    } else {
        const QJsonValue percent = holdback.value(QLatin1String("percent"));
        answer.percent = percent.toDouble(-1);
        if (!percent.isDouble() || answer.percent < 0 || answer.percent > 100)
            Refuse("the holdback's \"percent\" must be a number from 0 to 100");
    }
    answer.dueDate = IsoDate(holdback, "due", answer.holdsBack());
    return answer;
}

int ReadRows(const QJsonObject& object, Distribution& rows, const RowsForm& form)
{
    const QJsonArray given = Array(object, "rows");
    if (given.size() > form.most)
        Refuse(std::string(form.record) + " has at most " + std::to_string(form.most) + " " + form.row + "s");
    for (int i = 0; i < given.size(); ++i) {
        const QJsonObject row = ObjectAt(given, i, form.row);
        const std::string where = std::string(form.row) + " " + std::to_string(i + 1) + " ";
        OnlyKnownFields(row, {"account", "description", "debit", "credit"}, where);
        const int account = Integer(row, "account", 1, 999999999);
        const Money debit = Amount(row, "debit"), credit = Amount(row, "credit");
        if (!debit.isZero() && !credit.isZero()) Refuse(where + "has both a debit and a credit");
        rows.setAccount(i, account, Text(row, "description", form.descriptionWidth, false, &Trimmed));
        if (!debit.isZero()) rows.setDebit(i, debit);
        if (!credit.isZero()) rows.setCredit(i, credit);
    }
    return static_cast<int>(given.size());
}

std::vector<PaymentRecord> Payments(const QJsonObject& object)
{
    const QJsonArray given = Array(object, "payments");
    std::vector<PaymentRecord> payments;
    for (int i = 0; i < given.size(); ++i) {
        const QJsonObject payment = ObjectAt(given, i, "payment");
        OnlyKnownFields(payment, {"invoice", "holdback", "amount"}, "payment " + std::to_string(i + 1) + " ");
        payments.push_back({Text(payment, "invoice", 10, true, &InvoiceNumberAsKept), Flag(payment, "holdback"), SignedAmount(payment, "amount")});
    }
    return payments;
}

std::vector<std::pair<int, Money>> NetsPerRate(const QJsonObject& object)
{
    const QJsonArray taxes = Array(object, "taxes");
    std::vector<std::pair<int, Money>> nets;
    for (int i = 0; i < taxes.size(); ++i) {
        const QJsonObject tax = ObjectAt(taxes, i, "tax");
        OnlyKnownFields(tax, {"code", "net"}, "tax " + std::to_string(i + 1) + " ");
        nets.emplace_back(Integer(tax, "code", 0, 999999999), Amount(tax, "net"));
    }
    return nets;
}

}  // namespace orvant::json
