#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <cmath>

#include "json_amounts.h"
#include "money/amount_text.h"
#include "disbursement_import.h"

namespace orvant::disbursements {

namespace {

struct FormError {
    std::string why;
};

[[noreturn]] void refuse(std::string why) { throw FormError{std::move(why)}; }

void onlyKnownFields(const QJsonObject& object, const QSet<QString>& known, const std::string& where)
{
    for (const QString& key : object.keys())
        if (!known.contains(key)) refuse(where + "has no field \"" + key.toStdString() + "\"");
}

// A text without leading or trailing blanks, at most `width` characters.
std::string text(const QJsonObject& object, const char* name, int width, bool required = false)
{
    const QJsonValue value = object.value(QLatin1String(name));
    if (value.isUndefined() || value.isNull()) {
        if (required) refuse(std::string("\"") + name + "\" is missing");
        return {};
    }
    if (!value.isString()) refuse(std::string("\"") + name + "\" must be a text");
    const QString kept = value.toString().trimmed();
    if (kept.toUcs4().size() > width) refuse(std::string("\"") + name + "\" holds at most " + std::to_string(width) + " characters");
    if (required && kept.isEmpty()) refuse(std::string("\"") + name + "\" is empty");
    return kept.toStdString();
}

bool flag(const QJsonObject& object, const char* name)
{
    const QJsonValue value = object.value(QLatin1String(name));
    if (!value.isUndefined() && !value.isBool()) refuse(std::string("\"") + name + "\" must be true or false");
    return value.toBool(false);
}

const std::set<std::string, std::less<>> kAmountFields{"debit", "credit", "amount", "net"};

// An amount from its digits, at most four decimals, within the books' limit; `signedAllowed`
// lets a payment be negative (a credit moved onto an invoice).
Money amount(const QJsonObject& object, const char* name, bool signedAllowed = false)
{
    const QJsonValue value = object.value(QLatin1String(name));
    if (value.isUndefined() || value.isNull()) return {};
    std::optional<Money> parsed;
    if (value.isString()) {
        std::string digits = value.toString().toStdString();
        const bool negative = signedAllowed && !digits.empty() && digits.front() == '-';
        parsed = ReadAmount(negative ? digits.substr(1) : digits, AmountLanguage::English);
        if (parsed && negative) parsed = -*parsed;
    }
    if (!parsed) refuse(std::string("\"") + name + "\" is not an amount of at most four decimals within " + GroupedAmount(kBooksLimit, AmountLanguage::English));
    if (parsed->isNegative() && !signedAllowed) refuse(std::string("\"") + name + "\" is negative; amounts go in the other column");
    return *parsed;
}

int integer(const QJsonObject& object, const char* name, int least, int most)
{
    const QJsonValue value = object.value(QLatin1String(name));
    const double number = value.toDouble(-1e300);
    if (!value.isDouble() || number != std::floor(number) || number < least || number > most)
        refuse(std::string("\"") + name + "\" must be a whole number from " + std::to_string(least) + " to " + std::to_string(most));
    return static_cast<int>(number);
}

QJsonArray array(const QJsonObject& object, const char* name)
{
    const QJsonValue value = object.value(QLatin1String(name));
    if (value.isUndefined() || value.isNull()) return {};
    if (!value.isArray()) refuse(std::string("\"") + name + "\" must be a list");
    return value.toArray();
}

QJsonObject objectAt(const QJsonArray& list, int index, const std::string& name)
{
    if (!list.at(index).isObject()) refuse(name + " " + std::to_string(index + 1) + " must be an object");
    return list.at(index).toObject();
}

void readRows(const QJsonObject& object, DisbursementRecord& record)
{
    const QJsonArray rows = array(object, "rows");
    record.rowsGiven = !rows.isEmpty();
    if (rows.size() > kDistributionRows) refuse("a disbursement has at most " + std::to_string(kDistributionRows) + " rows");
    for (int i = 0; i < rows.size(); ++i) {
        const QJsonObject row = objectAt(rows, i, "row");
        const std::string where = "row " + std::to_string(i + 1) + " ";
        onlyKnownFields(row, {"account", "description", "debit", "credit"}, where);
        const Money debit = amount(row, "debit"), credit = amount(row, "credit");
        if (!debit.isZero() && !credit.isZero()) refuse(where + "has both a debit and a credit");
        record.document.rows.setAccount(i, integer(row, "account", 1, 999999999), text(row, "description", kRowDescriptionWidth));
        if (!debit.isZero()) record.document.rows.setDebit(i, debit);
        if (!credit.isZero()) record.document.rows.setCredit(i, credit);
    }
}

void readPayments(const QJsonObject& object, DisbursementRecord& record)
{
    const QJsonArray payments = array(object, "payments");
    for (int i = 0; i < payments.size(); ++i) {
        const QJsonObject payment = objectAt(payments, i, "payment");
        onlyKnownFields(payment, {"invoice", "holdback", "amount"}, "payment " + std::to_string(i + 1) + " ");
        record.payments.push_back({QString::fromStdString(text(payment, "invoice", 10, true)).toUpper().toStdString(),
                                   flag(payment, "holdback"), amount(payment, "amount", true)});
    }
}

void readTaxes(const QJsonObject& object, DisbursementRecord& record)
{
    const QJsonArray taxes = array(object, "taxes");
    for (int i = 0; i < taxes.size(); ++i) {
        const QJsonObject tax = objectAt(taxes, i, "tax");
        onlyKnownFields(tax, {"code", "net"}, "tax " + std::to_string(i + 1) + " ");
        record.netPerRate.emplace_back(integer(tax, "code", 0, 999999999), amount(tax, "net"));
    }
}

DisbursementRecord read(const QJsonObject& object)
{
    onlyKnownFields(object, {"supplier", "reference", "date", "memo", "payments", "rows", "taxes"}, "a disbursement ");
    DisbursementRecord record;
    DisbursementDocument& document = record.document;
    document.supplier = text(object, "supplier", kSupplierWidth);
    document.notToSupplier = document.supplier.empty();
    document.reference = text(object, "reference", kReferenceWidth, true);
    const std::string iso = text(object, "date", 10, true);
    const std::optional<Date> date = Date::fromIso(iso);
    if (!date) refuse("\"date\" is not a date (YYYY-MM-DD): " + iso);
    document.date = *date;
    document.memo = text(object, "memo", kMemoWidth);
    readRows(object, record);
    readPayments(object, record);
    readTaxes(object, record);
    if (document.notToSupplier && !record.payments.empty()) refuse("a disbursement not to a supplier pays no invoice");
    return record;
}

}  // namespace

std::variant<DisbursementRecord, std::string> ReadDisbursementRecord(const std::string& line)
{
    QJsonParseError error;
    QJsonDocument json = QJsonDocument::fromJson(QByteArray::fromStdString(line), &error);
    if (error.error != QJsonParseError::NoError)
        return "not JSON: " + error.errorString().toStdString() + " at character " + std::to_string(error.offset + 1);
    if (!json.isObject()) return std::string("a disbursement is a JSON object");
    json = QJsonDocument::fromJson(QByteArray::fromStdString(sales::QuoteNumbersOf(line, kAmountFields)));
    try {
        return read(json.object());
    } catch (const FormError& e) {
        return e.why;
    }
}

}  // namespace orvant::disbursements
