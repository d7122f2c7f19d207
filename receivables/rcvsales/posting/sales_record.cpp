#include "sales_record.h"

#include "json_amounts.h"
#include "money/amount_text.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <cmath>

namespace orvant::sales {

namespace {

// A refusal of the record's form, thrown while reading and caught once.
struct FormError {
    std::string why;
};

[[noreturn]] void refuse(std::string why) { throw FormError{std::move(why)}; }

void onlyKnownFields(const QJsonObject& object, const QSet<QString>& known, const std::string& where)
{
    for (const QString& key : object.keys())
        if (!known.contains(key)) refuse(where + "has no field \"" + key.toStdString() + "\"");
}

using Keep = std::string (*)(const std::string&);

// A text as the books keep it (`keep`: trimmed, in capitals, as the screen keeps the field); its
// width is that of the text kept.
std::string text(const QJsonObject& object, const char* name, int width, bool required = false, Keep keep = nullptr)
{
    const QJsonValue value = object.value(QLatin1String(name));
    if (value.isUndefined() || value.isNull()) {
        if (required) refuse(std::string("\"") + name + "\" is missing");
        return {};
    }
    if (!value.isString()) refuse(std::string("\"") + name + "\" must be a text");
    std::string kept = value.toString().toStdString();
    if (keep) kept = keep(kept);
    if (QString::fromStdString(kept).toUcs4().size() > width)
        refuse(std::string("\"") + name + "\" holds at most " + std::to_string(width) + " characters");
    return kept;
}

Date date(const QJsonObject& object, const char* name, bool required)
{
    const std::string iso = text(object, name, 10, required);
    if (iso.empty()) return {};
    const std::optional<Date> parsed = Date::fromIso(iso);
    if (!parsed) refuse(std::string("\"") + name + "\" is not a date (YYYY-MM-DD): " + iso);
    return *parsed;
}

// The fields that hold amounts: their JSON numbers reach the reader as the text written.
const std::set<std::string, std::less<>> kAmountFields{"debit", "credit", "net", "amount"};

// An amount as a text ("115.00") or a number (115.00), in the books' notation, with at most four
// decimals and within the books' limit; more decimals are refused, never rounded away.
Money amount(const QJsonObject& object, const char* name)
{
    const QJsonValue value = object.value(QLatin1String(name));
    if (value.isUndefined() || value.isNull()) return {};
    std::optional<Money> parsed;
    if (value.isString()) parsed = ReadAmount(value.toString().toStdString(), AmountLanguage::English);
    if (!parsed) refuse(std::string("\"") + name + "\" is not an amount of at most four decimals within " + GroupedAmount(kBooksLimit, AmountLanguage::English));
    if (parsed->isNegative()) refuse(std::string("\"") + name + "\" is negative; amounts go in the other column");
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

QJsonObject objectAt(const QJsonArray& list, int index, const char* name)
{
    if (!list.at(index).isObject()) refuse(std::string(name) + " " + std::to_string(index + 1) + " must be an object");
    return list.at(index).toObject();
}

SalesType type(const QJsonObject& object)
{
    const std::string name = text(object, "type", 10);
    if (name.empty() || name == "sale") return SalesType::Sale;
    if (name == "debit") return SalesType::Debit;
    if (name == "credit") return SalesType::Credit;
    if (name == "adjustment") return SalesType::Adjustment;
    refuse("\"type\" is sale, debit, credit or adjustment, not " + name);
}

void readRows(const QJsonObject& object, SalesDocument& document)
{
    const QJsonArray rows = array(object, "rows");
    if (rows.isEmpty()) refuse("\"rows\" is missing");
    if (rows.size() > kVisibleRows) refuse("a document has at most " + std::to_string(kVisibleRows) + " rows");
    for (int i = 0; i < rows.size(); ++i) {
        const QJsonObject row = objectAt(rows, i, "row");
        const std::string where = "row " + std::to_string(i + 1) + " ";
        onlyKnownFields(row, {"account", "description", "debit", "credit"}, where);
        const int account = integer(row, "account", 1, 999999999);
        const Money debit = amount(row, "debit"), credit = amount(row, "credit");
        if (!debit.isZero() && !credit.isZero()) refuse(where + "has both a debit and a credit");
        document.rows.setAccount(i, account, text(row, "description", 60));
        if (!debit.isZero()) document.rows.setDebit(i, debit);
        if (!credit.isZero()) document.rows.setCredit(i, credit);
    }
}

void readTaxes(const QJsonObject& object, SalesRecord& record)
{
    const QJsonArray taxes = array(object, "taxes");
    for (int i = 0; i < taxes.size(); ++i) {
        const QJsonObject tax = objectAt(taxes, i, "tax");
        onlyKnownFields(tax, {"code", "net"}, "tax " + std::to_string(i + 1) + " ");
        record.netPerRate.emplace_back(integer(tax, "code", 0, 999999999), amount(tax, "net"));
    }
}

void readHoldback(const QJsonObject& object, SalesRecord& record)
{
    const QJsonValue value = object.value(QLatin1String("holdback"));
    if (value.isUndefined() || value.isNull()) return;
    if (!value.isObject()) refuse("\"holdback\" must be an object");
    const QJsonObject holdback = value.toObject();
    onlyKnownFields(holdback, {"percent", "amount", "choice", "due"}, "the holdback ");
    HoldbackAnswer answer;
    if (holdback.contains(QLatin1String("amount"))) {
        if (holdback.contains(QLatin1String("percent"))) refuse("the holdback takes a \"percent\" or an \"amount\", not both");
        answer.amount = amount(holdback, "amount");
    } else {
        answer.percent = holdback.value(QLatin1String("percent")).toDouble(-1);
        if (!holdback.value(QLatin1String("percent")).isDouble() || answer.percent < 0 || answer.percent > 100)
            refuse("the holdback's \"percent\" must be a number from 0 to 100");
    }
    answer.dueDate = date(holdback, "due", answer.holdsBack());
    record.holdback = answer;
    if (holdback.contains(QLatin1String("choice")))
        record.holdbackChoice = integer(holdback, "choice", 0, 1) == 1 ? HoldbackChoice::HoldbackOnTaxes : HoldbackChoice::TaxesBeforeHoldback;
}

void readProjects(const QJsonObject& object, SalesRecord& record)
{
    const QJsonArray projects = array(object, "projects");
    for (int i = 0; i < projects.size(); ++i) {
        const QJsonObject line = objectAt(projects, i, "project line");
        onlyKnownFields(line, {"project", "phase", "amount"}, "project line " + std::to_string(i + 1) + " ");
        record.projects.push_back({text(line, "project", 10, true), text(line, "phase", 10), amount(line, "amount")});
    }
}

SalesRecord read(const QJsonObject& object)
{
    onlyKnownFields(object, {"client", "cash", "type", "invoice", "reference", "date", "due", "comment", "rows", "taxes",
                             "holdback", "projects"},
                    "a document ");
    SalesRecord record;
    SalesDocument& document = record.document;
    const QJsonValue cash = object.value(QLatin1String("cash"));
    if (!cash.isUndefined() && !cash.isBool()) refuse("\"cash\" must be true or false");
    document.directCash = cash.toBool(false);
    document.client = text(object, "client", kClientWidth, !document.directCash, &CodeAsKept);
    document.type = type(object);
    // Capitals may be longer than the letters typed ("ß" gives "SS"): the width is the capitals'.
    document.invoice = text(object, "invoice", kNumberWidth, true, &InvoiceNumberAsKept);
    document.reference = text(object, "reference", kNumberWidth, false, &CodeAsKept);
    document.date = date(object, "date", true);
    document.dueDate = date(object, "due", false);
    record.dueDateGiven = document.dueDate.isValid();
    document.comment = text(object, "comment", kCommentWidth);
    readRows(object, document);
    readTaxes(object, record);
    readHoldback(object, record);
    readProjects(object, record);
    return record;
}

}  // namespace

std::variant<SalesRecord, std::string> ReadSalesRecord(const std::string& line)
{
    QJsonParseError error;
    QJsonDocument json = QJsonDocument::fromJson(QByteArray::fromStdString(line), &error);
    if (error.error != QJsonParseError::NoError)
        return "not JSON: " + error.errorString().toStdString() + " at character " + std::to_string(error.offset + 1);
    if (!json.isObject()) return std::string("a document is a JSON object");
    json = QJsonDocument::fromJson(QByteArray::fromStdString(QuoteNumbersOf(line, kAmountFields)));
    try {
        return read(json.object());
    } catch (const FormError& e) {
        return e.why;
    }
}

}  // namespace orvant::sales
