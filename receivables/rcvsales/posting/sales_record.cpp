#include "sales_record.h"

#include "books/json_fields.h"

namespace orvant::sales {

namespace {

using namespace orvant::json;

// The fields that hold amounts: their JSON numbers reach the reader as the text written.
const AmountFields kAmountFields{"debit", "credit", "net", "amount"};

SalesType type(const QJsonObject& object)
{
    const std::string name = Text(object, "type", 10);
    if (name.empty() || name == "sale") return SalesType::Sale;
    if (name == "debit") return SalesType::Debit;
    if (name == "credit") return SalesType::Credit;
    if (name == "adjustment") return SalesType::Adjustment;
    Refuse("\"type\" is sale, debit, credit or adjustment, not " + name);
}

void readHoldback(const QJsonObject& object, SalesRecord& record)
{
    const std::optional<QJsonObject> holdback = Object(object, "holdback");
    if (!holdback) return;
    OnlyKnownFields(*holdback, {"percent", "amount", "choice", "due"}, "the holdback ");
    record.holdback = HoldbackAnswerOf(*holdback);
    if (holdback->contains(QLatin1String("choice")))
        record.holdbackChoice = Integer(*holdback, "choice", 0, 1) == 1 ? HoldbackChoice::HoldbackOnTaxes : HoldbackChoice::TaxesBeforeHoldback;
}

void readProjects(const QJsonObject& object, SalesRecord& record)
{
    const QJsonArray projects = Array(object, "projects");
    for (int i = 0; i < projects.size(); ++i) {
        const QJsonObject line = ObjectAt(projects, i, "project line");
        OnlyKnownFields(line, {"project", "phase", "amount"}, "project line " + std::to_string(i + 1) + " ");
        record.projects.push_back({Text(line, "project", 10, true), Text(line, "phase", 10), Amount(line, "amount")});
    }
}

SalesRecord read(const QJsonObject& object)
{
    OnlyKnownFields(object, {"client", "cash", "type", "invoice", "reference", "date", "due", "comment", "rows", "taxes",
                             "holdback", "projects"},
                    "a document ");
    SalesRecord record;
    SalesDocument& document = record.document;
    document.directCash = Flag(object, "cash");
    document.client = Text(object, "client", kClientWidth, !document.directCash, &CodeAsKept);
    document.type = type(object);
    // Capitals may be longer than the letters typed ("ß" gives "SS"): the width is the capitals'.
    document.invoice = Text(object, "invoice", kNumberWidth, true, &InvoiceNumberAsKept);
    document.reference = Text(object, "reference", kNumberWidth, false, &CodeAsKept);
    document.date = IsoDate(object, "date", true);
    document.dueDate = IsoDate(object, "due", false);
    record.dueDateGiven = document.dueDate.isValid();
    document.comment = Text(object, "comment", kCommentWidth);
    if (ReadRows(object, document.rows, {"a document", "row", kVisibleRows, 60}) == 0) Refuse("\"rows\" is missing");
    record.netPerRate = NetsPerRate(object);
    readHoldback(object, record);
    readProjects(object, record);
    return record;
}

}  // namespace

std::variant<SalesRecord, std::string> ReadSalesRecord(const std::string& line)
{
    return ReadRecord(line, kAmountFields, "a document", &read);
}

}  // namespace orvant::sales
