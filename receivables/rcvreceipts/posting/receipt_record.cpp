#include "books/document_texts.h"
#include "books/json_fields.h"
#include "receipt_import.h"

namespace orvant::receipts {

namespace {

using namespace orvant::json;

const AmountFields kAmountFields{"debit", "credit", "amount", "net"};

ReceiptRecord read(const QJsonObject& object)
{
    OnlyKnownFields(object, {"client", "reference", "date", "memo", "nsf", "payments", "rows", "taxes"}, "a receipt ");
    ReceiptRecord record;
    ReceiptDocument& document = record.document;
    document.client = Text(object, "client", kClientWidth, false, &CodeAsKept);
    document.notFromClient = document.client.empty();
    document.reference = Text(object, "reference", kReferenceWidth, true, &CodeAsKept);
    document.date = IsoDate(object, "date", true);
    document.memo = Text(object, "memo", kMemoWidth, false, &Trimmed);
    document.nsfCheque = Flag(object, "nsf");
    record.rowsGiven = ReadRows(object, document.rows, {"a receipt", "line", kDistributionRows, kRowDescriptionWidth}) > 0;
    record.payments = Payments(object);
    record.netPerRate = NetsPerRate(object);
    if (document.notFromClient && !record.payments.empty()) Refuse("a receipt not from a client pays no invoice");
    if (document.notFromClient && document.nsfCheque) Refuse("a returned cheque comes from a client");
    return record;
}

}  // namespace

std::variant<ReceiptRecord, std::string> ReadReceiptRecord(const std::string& line)
{
    return ReadRecord(line, kAmountFields, "a receipt", &read);
}

}  // namespace orvant::receipts
