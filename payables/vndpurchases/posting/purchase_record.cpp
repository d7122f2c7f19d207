#include "purchase_record.h"

#include <QJsonDocument>

#include "books/json_fields.h"
#include "json_amounts.h"

namespace orvant::purchases {

namespace {

using namespace orvant::json;

// The fields that hold amounts: their JSON numbers reach the reader as the text written.
const std::set<std::string, std::less<>> kAmountFields{"debit", "credit", "net", "amount", "rate"};

PurchaseType type(const QJsonObject& object)
{
    const std::string name = Text(object, "type", 10);
    if (name.empty() || name == "purchase") return PurchaseType::Purchase;
    if (name == "debit") return PurchaseType::Debit;
    if (name == "credit") return PurchaseType::Credit;
    if (name == "adjustment") return PurchaseType::Adjustment;
    Refuse("\"type\" is purchase, debit, credit or adjustment, not " + name);
}

void readRows(const QJsonObject& object, PurchaseDocument& document)
{
    const QJsonArray rows = Array(object, "rows");
    if (rows.isEmpty()) Refuse("\"rows\" is missing");
    if (rows.size() > kDistributionRows) Refuse("a document has at most " + std::to_string(kDistributionRows) + " rows");
    for (int i = 0; i < rows.size(); ++i) {
        const QJsonObject row = ObjectAt(rows, i, "row");
        const std::string where = "row " + std::to_string(i + 1) + " ";
        OnlyKnownFields(row, {"account", "description", "debit", "credit"}, where);
        const int account = Integer(row, "account", 1, 999999999);
        const Money debit = Amount(row, "debit"), credit = Amount(row, "credit");
        if (!debit.isZero() && !credit.isZero()) Refuse(where + "has both a debit and a credit");
        document.rows.setAccount(i, account, Text(row, "description", kRowDescriptionWidth));
        if (!debit.isZero()) document.rows.setDebit(i, debit);
        if (!credit.isZero()) document.rows.setCredit(i, credit);
    }
}

void readTaxes(const QJsonObject& object, PurchaseRecord& record)
{
    const QJsonArray taxes = Array(object, "taxes");
    for (int i = 0; i < taxes.size(); ++i) {
        const QJsonObject tax = ObjectAt(taxes, i, "tax");
        OnlyKnownFields(tax, {"code", "net"}, "tax " + std::to_string(i + 1) + " ");
        record.netPerRate.emplace_back(Integer(tax, "code", 0, 999999999), Amount(tax, "net"));
    }
}

void readHoldback(const QJsonObject& object, PurchaseRecord& record)
{
    const QJsonValue value = object.value(QLatin1String("holdback"));
    if (value.isUndefined() || value.isNull()) return;
    if (!value.isObject()) Refuse("\"holdback\" must be an object");
    const QJsonObject holdback = value.toObject();
    OnlyKnownFields(holdback, {"percent", "amount", "due"}, "the holdback ");
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
    record.holdback = answer;
}

void readProjects(const QJsonObject& object, PurchaseRecord& record)
{
    const QJsonArray projects = Array(object, "projects");
    for (int i = 0; i < projects.size(); ++i) {
        const QJsonObject line = ObjectAt(projects, i, "project line");
        const std::string where = "project line " + std::to_string(i + 1) + " ";
        OnlyKnownFields(line, {"project", "phase", "element", "quantity", "rate"}, where);
        const QJsonValue quantity = line.value(QLatin1String("quantity"));
        if (!quantity.isDouble() || quantity.toDouble() < 0) Refuse(where + "needs a \"quantity\" of 0 or more");
        sidedialogs::ProjectLine project{Text(line, "project", 10, true), Text(line, "phase", 10), Money(), Text(line, "element", 10),
                                         quantity.toDouble(), Amount(line, "rate")};
        record.projects.push_back(project);
    }
}

PurchaseRecord read(const QJsonObject& object)
{
    OnlyKnownFields(object, {"supplier", "cash", "type", "invoice", "reference", "date", "due", "comment", "rows", "taxes",
                             "holdback", "projects"},
                    "a document ");
    PurchaseRecord record;
    PurchaseDocument& document = record.document;
    document.directCash = Flag(object, "cash");
    document.supplier = Text(object, "supplier", kSupplierWidth, !document.directCash, &CodeAsKept);
    document.type = type(object);
    // Capitals may be longer than the letters typed ("ß" gives "SS"): the width is the capitals'.
    document.invoice = Text(object, "invoice", kNumberWidth, true, &InvoiceNumberAsKept);
    document.reference = Text(object, "reference", kNumberWidth, false, &CodeAsKept);
    document.date = IsoDate(object, "date", true);
    document.dueDate = IsoDate(object, "due", false);
    record.dueDateGiven = document.dueDate.isValid();
    document.comment = Text(object, "comment", kCommentWidth);
    readRows(object, document);
    readTaxes(object, record);
    readHoldback(object, record);
    readProjects(object, record);
    return record;
}

}  // namespace

std::variant<PurchaseRecord, std::string> ReadPurchaseRecord(const std::string& line)
{
    QJsonParseError error;
    QJsonDocument json = QJsonDocument::fromJson(QByteArray::fromStdString(line), &error);
    if (error.error != QJsonParseError::NoError)
        return "not JSON: " + error.errorString().toStdString() + " at character " + std::to_string(error.offset + 1);
    if (!json.isObject()) return std::string("a document is a JSON object");
    json = QJsonDocument::fromJson(QByteArray::fromStdString(sales::QuoteNumbersOf(line, kAmountFields)));
    try {
        return read(json.object());
    } catch (const JsonFieldError& e) {
        return e.why;
    }
}

}  // namespace orvant::purchases
