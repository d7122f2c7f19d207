#include "document_previews.h"

#include <stdexcept>

#include "document_sheet.h"
#include "invoice_reprint.h"
#include "store/table.h"

namespace orvant::inquiry {

using report::HAlign;

namespace {

constexpr int kEnteredRows = 15;
constexpr int kPaymentRows = 20;

QString rowText(const lang::LanguageTable& table, const QString& form, const char* control, const QString& fallback)
{
    const lang::LanguageRow* row = table.find(form, QString::fromLatin1(control));
    return row && !row->caption.isEmpty() ? row->caption : fallback;
}

QStringList rowLines(const lang::LanguageTable& table, const QString& form, const char* control, const QStringList& fallback)
{
    const lang::LanguageRow* row = table.find(form, QString::fromLatin1(control));
    return row && row->lines.size() >= fallback.size() ? row->lines : fallback;
}

QString text(const std::string& value) { return QString::fromStdString(value); }

// The party's name and address, each on its line.
QStringList partyLines(store::Database& books, const InquiryLedger& ledger, const std::string& code)
{
    const aging::AgingLedger& e = ledger.entries;
    store::Table parties(books, e.partyTable);
    parties.open();
    if (!parties.findKey({code})) return {};
    QStringList lines;
    for (const char* name : {"name", "adr1", "adr2", "city", "prov", "postal_code"}) {
        const QString value = text(parties.field(e.partyColumn(name)).asString()).trimmed();
        if (!value.isEmpty()) lines << value;
    }
    return lines;
}

class AccountNames {
public:
    explicit AccountNames(store::Database& books) : accounts_(books, "glm") { accounts_.open(); }
    QString of(std::int64_t account) { return accounts_.findKey({account}) ? text(accounts_.field("Glm_Description").asString()) : QString(); }

private:
    store::Table accounts_;
};

// Moves a table onto the document the location found.
void findDocument(store::Table& table, const std::string& reference, const DocumentLocation& location)
{
    table.open();
    if (!table.findKey({reference, location.line.party, location.line.date, location.seq}))
        throw std::invalid_argument("The document of the statement line is no longer kept.");
}

void header(DocumentSheet& sheet, store::Database& books, const InquiryLedger& ledger, store::Table& document,
            const QString& partyLabel, const QString& stampLabel, const QString& userLabel, const PreviewSetup& setup)
{
    sheet.field(stampLabel, setup.stampText(document.field("Stamp").asDateTime()));
    sheet.field(userLabel, text(document.field("User").asString()));
    const std::string party = document.field(ledger.partyColumn).asString();
    const QStringList address = partyLines(books, ledger, party);
    sheet.field(partyLabel, text(party) + (address.isEmpty() ? QString() : QStringLiteral("  ") + address.first()));
    for (qsizetype i = 1; i < address.size(); ++i) sheet.field({}, address[i]);
}

// The distribution of a document, a line per account or amount, and the totals that show it balanced.
void distribution(DocumentSheet& sheet, store::Database& books, store::Table& document, int rows, const QStringList& titles,
                  const QString& totalLabel, const PreviewSetup& setup)
{
    sheet.gap();
    sheet.table({{titles.value(0), 0.15}, {titles.value(1), 0.51}, {titles.value(2), 0.17, HAlign::Right},
                 {titles.value(3), 0.17, HAlign::Right}});
    AccountNames names(books);
    Money debits, credits;
    for (int i = 1; i <= rows; ++i) {
        const std::string n = std::to_string(i);
        const std::int64_t account = document.field("Account" + n).asInt();
        const Money debit = document.field("Debit" + n).asMoney();
        const Money credit = document.field("Credit" + n).asMoney();
        if (account == 0 && debit.isZero() && credit.isZero()) continue;
        debits += debit;
        credits += credit;
        sheet.row({account ? QString::number(account) : QString(), names.of(account),
                   debit.isZero() ? QString() : setup.amountText(debit), credit.isZero() ? QString() : setup.amountText(credit)});
    }
    sheet.row({{}, totalLabel, setup.amountText(debits), setup.amountText(credits)}, true);
}

QString typeName(const PreviewTexts& texts, const std::string& type)
{
    const int index = type.size() == 1 ? type[0] - '1' : -1;
    return index >= 0 && index < texts.typeNames.size() ? texts.typeNames[index] : text(type);
}

report::ReportDocument enteredPreview(store::Database& books, const InquiryLedger& ledger, const DocumentLocation& location,
                                      const PreviewTexts& texts, const PreviewSetup& setup)
{
    const EnteredTexts& t = texts.entered;
    store::Table document(books, ledger.documents);
    findDocument(document, location.line.invoice, location);
    DocumentSheet sheet(t.title);
    header(sheet, books, ledger, document, t.party, t.stamp, t.user, setup);
    sheet.field(t.directCash, document.field(ledger.directCash).asBool() ? texts.yes : texts.no);
    sheet.field(t.date, setup.dateText(document.field("Date").asDate()));
    sheet.field(t.dueDate, setup.dateText(document.field("Due_date").asDate()));
    sheet.field(t.comments, text(document.field("Comments").asString()));
    sheet.field(t.type, typeName(texts, document.field("Trx_type").asString()));
    sheet.field(t.invoice, text(document.field("Reference").asString()));
    sheet.field(t.reference, text(document.field("Dr_cr_reference").asString()));
    distribution(sheet, books, document, kEnteredRows, t.columns, t.total, setup);
    return sheet.finish();
}

// The invoices a receipt or disbursement paid: the lines under its header.
void paidInvoices(DocumentSheet& sheet, store::Database& books, const InquiryLedger& ledger, const DocumentLocation& location,
                  const PaymentTexts& t, const PreviewSetup& setup)
{
    store::Table lines(books, ledger.paymentDetails);
    lines.open();
    const std::vector<store::Value> key{location.line.reference, location.line.party, location.line.date, location.seq};
    lines.setRange(key, key);
    if (lines.eof()) return;
    sheet.gap();
    const QStringList& c = t.invoiceColumns;
    sheet.table({{c.value(0), 0.2}, {c.value(1), 0.17}, {c.value(2), 0.17}, {c.value(3), 0.23, HAlign::Right},
                 {c.value(4), 0.23, HAlign::Right}});
    for (; !lines.eof(); lines.next())
        sheet.row({text(lines.field("Invoice").asString()), setup.dateText(lines.field("Invoice_date").asDate()),
                   setup.dateText(lines.field("Invoice_due_date").asDate()), setup.amountText(lines.field("Invoice_amount").asMoney()),
                   setup.amountText(lines.field("Invoice_payment").asMoney())});
}

report::ReportDocument paymentPreview(store::Database& books, const InquiryLedger& ledger, const DocumentLocation& location,
                                      const PreviewTexts& texts, const PreviewSetup& setup)
{
    const PaymentTexts& t = texts.payment;
    store::Table document(books, ledger.paymentHeaders);
    findDocument(document, location.line.reference, location);
    DocumentSheet sheet(t.title);
    header(sheet, books, ledger, document, t.party, t.stamp, t.user, setup);
    sheet.field(t.date, setup.dateText(document.field("Date").asDate()));
    sheet.field(t.notFromParty, document.field(ledger.notFromParty).asBool() ? texts.yes : texts.no);
    if (document.fieldIndex("Nsf_cheque") >= 0)
        sheet.field(t.nsfCheque, document.field("Nsf_cheque").asBool() ? texts.yes : texts.no);
    sheet.field(t.comments, text(document.field("Comments").asString()));
    sheet.field(t.reference, text(document.field("Reference").asString()));
    distribution(sheet, books, document, kPaymentRows, t.columns, t.total, setup);
    paidInvoices(sheet, books, ledger, location, t, setup);
    return sheet.finish();
}

const QString& mainFormOf(const lang::LanguageTable& table, const QString& module, QString& storage)
{
    storage = QStringLiteral("T%1_frm").arg(module);
    if (!table.find(storage, QStringLiteral("IntlStrings1"))) storage = QStringLiteral("T%1_Frm").arg(module);
    return storage;
}

}  // namespace

PreviewTexts PreviewTexts::defaults(const InquiryLedger& ledger)
{
    const bool client = ledger.invoices;
    PreviewTexts t;
    t.entered = {client ? QStringLiteral("Sales and adjustments") : QStringLiteral("Purchases"),
                 QStringLiteral("Time of entry:"), QStringLiteral("Entered by:"),
                 client ? QStringLiteral("Client code") : QStringLiteral("Supplier code:"),
                 client ? QStringLiteral("Direct cash sale") : QStringLiteral("Direct cash purchase"),
                 QStringLiteral("Transaction date"), QStringLiteral("Due date"), QStringLiteral("Comments"),
                 QStringLiteral("Transaction type"), QStringLiteral("Invoice number"), QStringLiteral("Debit/Credit reference"),
                 {"Account #", "Description", "Debit", "Credit"}, QStringLiteral("Total")};
    t.payment = {client ? QStringLiteral("Cash receipts") : QStringLiteral("Cash disbursements"),
                 QStringLiteral("Time entered:"), QStringLiteral("Entered by:"),
                 client ? QStringLiteral("Client code") : QStringLiteral("Supplier code"),
                 QStringLiteral("Transaction date"),
                 client ? QStringLiteral("Receipt not from a client") : QStringLiteral("Disbursement not to a supplier"),
                 QStringLiteral("NSF cheque"), QStringLiteral("Comments"), QStringLiteral("Reference"),
                 {"Account", "Description", "Debit", "Credit"}, {"Invoice", "Date", "Due date", "Amount", "Payment"},
                 QStringLiteral("Total")};
    t.invoice = {QStringLiteral("Invoice"), QStringLiteral("Invoice number"), QStringLiteral("Invoice date"),
                 QStringLiteral("Due date"), QStringLiteral("Client"), QStringLiteral("Order number"), QStringLiteral("P.O. number"),
                 QStringLiteral("Salesperson"), QStringLiteral("Terms"),
                 {"Line", "Item", "Description", "Quantity", "Unit price", "Discount %", "G.S.T.", "P.S.T.", "Total", "Cost",
                  "Margin %", "Markup %"},
                 QStringLiteral("Total sales"), QStringLiteral("Total cost"), QStringLiteral("Margin %"), QStringLiteral("Markup %"),
                 QStringLiteral("Invoice total")};
    t.typeNames = client ? QStringList{"Sale", "Payment", "Adjustment", "Debit", "Credit", "Holdback"}
                         : QStringList{"Purchase", "Disbursement", "Adjustment", "Debit", "Credit", "Holdback"};
    t.yes = QStringLiteral("Yes");
    t.no = QStringLiteral("No");
    return t;
}

PreviewTexts PreviewTexts::fromTable(const lang::LanguageTable& table, const QString& module, const InquiryLedger& ledger,
                                     int language, bool intl)
{
    PreviewTexts t = defaults(ledger);
    QString mainForm;
    const lang::LanguageRow* messages = table.find(mainFormOf(table, module, mainForm), QStringLiteral("IntlStrings1"));
    if (messages) {
        const QStringList& m = messages->lines;
        // Types "1" to "6" are named by messages 0, 4, 3, 1, 2 and the ledger's holdback message.
        const int byType[] = {0, 4, 3, 1, 2, ledger.holdbackTypeMessage};
        for (int type = 0; type < 6; ++type)
            if (byType[type] < m.size() && !m[byType[type]].isEmpty()) t.typeNames[type] = m[byType[type]];
        if (m.size() > 8) {
            t.yes = m[7];
            t.no = m[8];
        }
    }
    const QString entered = QStringLiteral("T%1_qrfrm").arg(module);
    EnteredTexts& e = t.entered;
    const auto readEntered = [&](const char* control, QString& value) { value = rowText(table, entered, control, value); };
    const lang::LanguageRow* enteredForm = table.find(entered, entered);
    if (enteredForm && !enteredForm->caption.isEmpty()) e.title = enteredForm->caption;
    readEntered("StampLabel", e.stamp);
    readEntered("UserLabel", e.user);
    readEntered("PartyLabel", e.party);
    readEntered("DirectCashLabel", e.directCash);
    readEntered("DateLabel", e.date);
    readEntered("DueDateLabel", e.dueDate);
    readEntered("CommentsLabel", e.comments);
    readEntered("TypeLabel", e.type);
    readEntered("InvoiceLabel", e.invoice);
    readEntered("ReferenceLabel", e.reference);
    readEntered("TotalLabel", e.total);
    e.columns = rowLines(table, entered, "ColumnTitles", e.columns);

    const QString payment = QStringLiteral("T%1_qrfrm2").arg(module);
    PaymentTexts& p = t.payment;
    const auto readPayment = [&](const char* control, QString& value) { value = rowText(table, payment, control, value); };
    const lang::LanguageRow* paymentForm = table.find(payment, payment);
    if (paymentForm && !paymentForm->caption.isEmpty()) p.title = paymentForm->caption;
    readPayment("StampLabel", p.stamp);
    readPayment("UserLabel", p.user);
    readPayment("PartyLabel", p.party);
    readPayment("DateLabel", p.date);
    readPayment("NotFromPartyLabel", p.notFromParty);
    readPayment("NsfLabel", p.nsfCheque);
    readPayment("CommentsLabel", p.comments);
    readPayment("ReferenceLabel", p.reference);
    readPayment("TotalLabel", p.total);
    p.columns = rowLines(table, payment, "ColumnTitles", p.columns);
    p.invoiceColumns = rowLines(table, payment, "InvoiceTitles", p.invoiceColumns);

    const QString invoice = QStringLiteral("T%1_qrinv").arg(module);
    InvoiceTexts& i = t.invoice;
    const auto readInvoice = [&](const char* control, QString& value) { value = rowText(table, invoice, control, value); };
    const lang::LanguageRow* invoiceForm = table.find(invoice, invoice);
    if (invoiceForm && !invoiceForm->caption.isEmpty()) i.title = invoiceForm->caption;
    readInvoice("InvoiceLabel", i.invoice);
    readInvoice("DateLabel", i.date);
    readInvoice("DueDateLabel", i.dueDate);
    readInvoice("ClientLabel", i.client);
    readInvoice("OrderLabel", i.order);
    readInvoice("PurchaseOrderLabel", i.purchaseOrder);
    readInvoice("SalesRepLabel", i.salesRep);
    readInvoice("TermsLabel", i.terms);
    readInvoice("SalesTotalLabel", i.salesTotal);
    readInvoice("CostTotalLabel", i.costTotal);
    readInvoice("MarginLabel", i.margin);
    readInvoice("MarkupLabel", i.markup);
    readInvoice("TotalLabel", i.total);
    i.columns = rowLines(table, invoice, "ColumnTitles", i.columns);

    if (intl) {
        const bool french = language == 2;
        p.nsfCheque = french ? QStringLiteral("Chèque NSF") : QStringLiteral("NSF check");
        i.columns[6] = french ? QStringLiteral("Taxe 1") : QStringLiteral("Tax 1");
        i.columns[7] = french ? QStringLiteral("Taxe 2") : QStringLiteral("Tax 2");
    }
    return t;
}

report::ReportDocument BuildPreview(store::Database& books, store::Database& dataRoot, const InquiryLedger& ledger,
                                    const DocumentLocation& location, const PreviewTexts& texts, const PreviewSetup& setup)
{
    switch (location.kind) {
    case DocumentKind::Entered: return enteredPreview(books, ledger, location, texts, setup);
    case DocumentKind::Payment: return paymentPreview(books, ledger, location, texts, setup);
    case DocumentKind::ArchivedInvoice:
    case DocumentKind::CurrentInvoice: {
        const InvoiceReprint reprint = ReadInvoice(books, dataRoot, location.kind == DocumentKind::ArchivedInvoice, location.line);
        return BuildInvoiceReprint(reprint, texts.invoice, setup);
    }
    case DocumentKind::None: break;
    }
    throw std::invalid_argument("No document was found for the statement line.");
}

std::array<QString, 10> ReadPaymentNames(store::Database& books)
{
    store::Table control(books, "ctrl");
    control.open();
    control.first();
    std::array<QString, 10> names;
    if (!control.hasRecord()) return names;
    for (std::size_t i = 0; i < names.size(); ++i)
        names[i] = text(control.field("Ctrl_pmt_name" + std::to_string(i + 1)).asString()).trimmed();
    return names;
}

}  // namespace orvant::inquiry
