#include "purchase_record.h"

#include "books/json_fields.h"

namespace orvant::purchases {

namespace {

using namespace orvant::json;

// The fields that hold amounts: their JSON numbers reach the reader as the text written.
const AmountFields kAmountFields{"debit", "credit", "net", "amount", "rate"};

PurchaseType type(const QJsonObject& object)
{
    const std::string name = Text(object, "type", 10);
    if (name.empty() || name == "purchase") return PurchaseType::Purchase;
    if (name == "debit") return PurchaseType::Debit;
    if (name == "credit") return PurchaseType::Credit;
    if (name == "adjustment") return PurchaseType::Adjustment;
    Refuse("\"type\" is purchase, debit, credit or adjustment, not " + name);
}

void readHoldback(const QJsonObject& object, PurchaseRecord& record)
{
    const std::optional<QJsonObject> holdback = Object(object, "holdback");
    if (!holdback) return;
    OnlyKnownFields(*holdback, {"percent", "amount", "due"}, "the holdback ");
    record.holdback = HoldbackAnswerOf(*holdback);
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
    if (ReadRows(object, document.rows, {"a document", "row", kDistributionRows, kRowDescriptionWidth}) == 0) Refuse("\"rows\" is missing");
    record.netPerRate = NetsPerRate(object);
    readHoldback(object, record);
    readProjects(object, record);
    return record;
}

}  // namespace

std::variant<PurchaseRecord, std::string> ReadPurchaseRecord(const std::string& line)
{
    return ReadRecord(line, kAmountFields, "a document", &read);
}

}  // namespace orvant::purchases
