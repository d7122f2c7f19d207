#include "ledger_items.h"

namespace orvant::vndundo {

namespace {

constexpr const char* kItemFields =
    "SELECT cap_seq, cap_supplier, cap_invoice, cap_ref, cap_date, cap_du_date, cap_type, cap_amount, cap_holdback, "
    "cap_memo FROM cap ";
constexpr const char* kStatementOrder = " ORDER BY cap_supplier, cap_invoice, cap_ref, cap_date, cap_type, cap_seq";

std::vector<LedgerItem> readItems(store::Database& books, const std::string& where, const std::vector<store::Value>& binds)
{
    store::Query query(books, std::string(kItemFields) + where + kStatementOrder);
    for (std::size_t i = 0; i < binds.size(); ++i) query.bind(static_cast<int>(i), binds[i]);
    std::vector<LedgerItem> items;
    for (query.open(); !query.eof(); query.next()) items.push_back(ReadLedgerItem(query));
    return items;
}

bool isNoteType(const std::string& type) { return type == kDebitNoteType || type == kCreditNoteType; }

}  // namespace

LedgerItem ReadLedgerItem(const store::Query& row)
{
    LedgerItem item;
    item.seq = row.field("cap_seq").asInt();
    item.supplier = row.field("cap_supplier").asString();
    item.invoice = row.field("cap_invoice").asString();
    item.reference = row.field("cap_ref").asString();
    item.date = row.field("cap_date").asDate();
    item.dueDate = row.field("cap_du_date").asDate();
    item.type = row.field("cap_type").asString();
    item.amount = row.field("cap_amount").asMoney();
    item.holdback = row.field("cap_holdback").asBool();
    item.memo = row.field("cap_memo").asString();
    return item;
}

std::vector<LedgerItem> StatementItems(store::Database& books, const std::string& supplier)
{
    if (supplier.empty()) return readItems(books, "", {});
    return readItems(books, "WHERE cap_supplier = ?", {supplier});
}

std::optional<LedgerItem> ItemBySeq(store::Database& books, const std::string& supplier, std::int64_t seq)
{
    auto items = readItems(books, "WHERE cap_supplier = ? AND cap_seq = ?", {supplier, seq});
    if (items.empty()) return std::nullopt;
    return items.front();
}

std::vector<LedgerItem> ItemsOfInvoice(store::Database& books, const std::string& supplier, const std::string& invoice)
{
    return readItems(books, "WHERE cap_supplier = ? AND cap_invoice = ?", {supplier, invoice});
}

std::vector<LedgerItem> PaymentSet(store::Database& books, const std::string& supplier, const std::string& reference, const Date& date)
{
    auto items = readItems(books, "WHERE cap_supplier = ? AND cap_ref = ? AND cap_date = ?", {supplier, reference, date});
    std::erase_if(items, [&](const LedgerItem& item) {
        return !(item.isPayment() || (isNoteType(item.type) && item.invoice == reference));
    });
    return items;
}

// A disbursement's unapplied part carries its reference as its invoice too, and the
// disbursement's history record; a note has no such record.
bool IsUnappliedPart(store::Database& books, const LedgerItem& item)
{
    if (!isNoteType(item.type) || item.reference.empty() || item.invoice != item.reference) return false;
    store::Query query(books, "SELECT COUNT(*) FROM cdorihdr WHERE reference = ? AND supplier = ? AND date = ?");
    query.bind(0, item.reference);
    query.bind(1, item.supplier);
    query.bind(2, item.date);
    query.open();
    return query.field(0).asInt() > 0;
}

}  // namespace orvant::vndundo
