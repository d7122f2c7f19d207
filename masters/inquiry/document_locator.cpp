#include "document_locator.h"

#include "store/table.h"

namespace orvant::inquiry {

namespace {

constexpr const char* kPaymentType = "2";

}  // namespace

DocumentLocation DocumentLocator::locate(const StatementLine& line) const
{
    DocumentLocation location{DocumentKind::None, line, 0};
    if (line.type != kPaymentType) {
        if (ledger_.invoices && invoiceKept("fahdra", line)) {
            location.kind = DocumentKind::ArchivedInvoice;
            return location;
        }
        if (ledger_.invoices && invoiceKept("fahdr", line)) {
            location.kind = DocumentKind::CurrentInvoice;
            return location;
        }
        if ((location.seq = enteredDocument(line)) != 0) {
            location.kind = DocumentKind::Entered;
            return location;
        }
    }
    if ((location.seq = paymentHeader(line)) != 0) location.kind = DocumentKind::Payment;
    return location;
}

// The invoicing application keys an invoice by its document type, number and client.
bool DocumentLocator::invoiceKept(const char* table, const StatementLine& line) const
{
    store::Table invoices(books_, table);
    invoices.open();
    return invoices.findKey({line.type, line.invoice, line.party});
}

// The sale or purchase of the line's invoice, party and date whose debit or credit reference is
// the line's reference.
std::int64_t DocumentLocator::enteredDocument(const StatementLine& line) const
{
    store::Table documents(books_, ledger_.documents);
    documents.open();
    documents.setIndex("ByDocument");
    documents.setRange({line.invoice, line.party, line.date}, {line.invoice, line.party, line.date});
    for (; !documents.eof(); documents.next())
        if (documents.field("Dr_cr_reference").asString() == line.reference) return documents.field("Seq").asInt();
    return 0;
}

// The receipt or disbursement numbered as the line's reference, of its party and date.
std::int64_t DocumentLocator::paymentHeader(const StatementLine& line) const
{
    store::Table headers(books_, ledger_.paymentHeaders);
    headers.open();
    headers.setIndex("ByDocument");
    headers.setRange({line.reference, line.party, line.date}, {line.reference, line.party, line.date});
    return headers.eof() ? 0 : headers.field("Seq").asInt();
}

}  // namespace orvant::inquiry
