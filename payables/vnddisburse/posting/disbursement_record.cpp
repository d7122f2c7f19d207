#include "books/document_texts.h"
#include "books/json_fields.h"
#include "disbursement_import.h"

namespace orvant::disbursements {

namespace {

using namespace orvant::json;

const AmountFields kAmountFields{"debit", "credit", "amount", "net"};

DisbursementRecord read(const QJsonObject& object)
{
    OnlyKnownFields(object, {"supplier", "reference", "date", "memo", "payments", "rows", "taxes"}, "a disbursement ");
    DisbursementRecord record;
    DisbursementDocument& document = record.document;
    document.supplier = Text(object, "supplier", kSupplierWidth, false, &CodeAsKept);
    document.notToSupplier = document.supplier.empty();
    document.reference = Text(object, "reference", kReferenceWidth, true, &CodeAsKept);
    document.date = IsoDate(object, "date", true);
    document.memo = Text(object, "memo", kMemoWidth, false, &Trimmed);
    record.rowsGiven = ReadRows(object, document.rows, {"a disbursement", "row", kDistributionRows, kRowDescriptionWidth}) > 0;
    record.payments = Payments(object);
    record.netPerRate = NetsPerRate(object);
    if (document.notToSupplier && !record.payments.empty()) Refuse("a disbursement not to a supplier pays no invoice");
    return record;
}

}  // namespace

std::variant<DisbursementRecord, std::string> ReadDisbursementRecord(const std::string& line)
{
    return ReadRecord(line, kAmountFields, "a disbursement", &read);
}

}  // namespace orvant::disbursements
