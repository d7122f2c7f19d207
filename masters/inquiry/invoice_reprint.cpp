#include "invoice_reprint.h"

#include <stdexcept>

#include "document_sheet.h"
#include "store/table.h"

namespace orvant::inquiry {

using report::HAlign;

namespace {

QString text(const std::string& value) { return QString::fromStdString(value).trimmed(); }

QString inLanguage(QString number, AmountLanguage language)
{
    return language == AmountLanguage::French ? number.replace(u'.', u',') : number;
}

QString ratio(Money part, Money base, AmountLanguage language)
{
    if (base.isZero()) return QStringLiteral("0");
    return inLanguage(QString::number(part.toDouble() / base.toDouble() * 100.0, 'f', 2), language);
}

QString quantity(double value, AmountLanguage language) { return inLanguage(QString::number(value, 'g', 12), language); }

QString termsText(store::Database& books, std::int64_t code)
{
    store::Table terms(books, "arterms");
    terms.open();
    return terms.findKey({code}) ? text(terms.field("Arterms_desc").asString()) : QString();
}

QString salesRepName(store::Database& books, const std::string& code)
{
    store::Table salespeople(books, "slsm");
    salespeople.open();
    const QString name = salespeople.findKey({code}) ? text(salespeople.field("Slsm_nom").asString()) : QString();
    return name.isEmpty() ? text(code) : name;
}

QString clientName(store::Database& books, const std::string& code)
{
    store::Table clients(books, "cli");
    clients.open();
    return clients.findKey({code}) ? text(clients.field("Cli_name").asString()) : QString();
}

std::vector<InvoiceLine> readLines(store::Database& books, bool archived, const StatementLine& line)
{
    const std::string p = archived ? "Fadeta" : "Fadet";
    store::Table lines(books, archived ? "fadeta" : "fadet");
    lines.open();
    const std::vector<store::Value> key{line.type, line.invoice, line.party};
    lines.setRange(key, key);
    std::vector<InvoiceLine> read;
    for (; !lines.eof(); lines.next()) {
        const auto f = [&](const char* name) { return lines.field(p + name); };
        InvoiceLine l;
        l.code = text(f("_code").asString());
        l.item = text(f("_item").asString());
        l.description = text(f("_description").asString());
        l.ordered = f("_qty_ordered").asFloat();
        l.quantity = f("_qty").asFloat();
        l.price = f("_price").asMoney();
        l.discount = f("_discount").asFloat();
        l.tax1 = f("_tax1").asBool();
        l.tax2 = f("_tax2").asBool();
        l.total = f("_total").asMoney();
        l.cost = f("_cost").asMoney();
        read.push_back(std::move(l));
    }
    return read;
}

}  // namespace

QString MarginText(Money total, Money cost, AmountLanguage language) { return ratio(total - cost, total, language); }
QString MarkupText(Money total, Money cost, AmountLanguage language) { return ratio(total - cost, cost, language); }

InvoiceReprint ReadInvoice(store::Database& books, store::Database& dataRoot, bool archived, const StatementLine& line)
{
    const std::string p = archived ? "Fahdra" : "Fahdr";
    store::Table header(books, archived ? "fahdra" : "fahdr");
    header.open();
    if (!header.findKey({line.type, line.invoice, line.party}))
        throw std::invalid_argument("The invoice of the statement line is no longer kept.");
    const auto f = [&](const char* name) { return header.field(p + name); };
    InvoiceReprint invoice;
    invoice.invoice = text(f("_invoice").asString());
    invoice.client = text(f("_client").asString());
    invoice.clientName = clientName(books, line.party);
    invoice.date = f("_date").asDate();
    invoice.dueDate = f("_due_date").asDate();
    invoice.order = text(f("_order").asString());
    invoice.purchaseOrder = text(f("_po").asString());
    invoice.salesRep = salesRepName(books, f("_salesrep").asString());
    invoice.terms = termsText(dataRoot, f("_terms").asInt());
    invoice.sales = f("_sales").asMoney();
    invoice.cost = f("_cost").asMoney();
    invoice.tax1 = f("_tax1").asMoney();
    invoice.tax2 = f("_tax2").asMoney();
    invoice.total = f("_total").asMoney();
    for (std::size_t i = 0; i < invoice.payments.size(); ++i)
        invoice.payments[i] = header.field(p + "_pmt" + std::to_string(i + 1)).asMoney();
    invoice.lines = readLines(books, archived, line);
    return invoice;
}

report::ReportDocument BuildInvoiceReprint(const InvoiceReprint& invoice, const InvoiceTexts& t, const PreviewSetup& setup)
{
    DocumentSheet sheet(t.title);
    sheet.field(t.invoice, invoice.invoice);
    sheet.field(t.date, setup.dateText(invoice.date));
    sheet.field(t.dueDate, setup.dateText(invoice.dueDate));
    sheet.field(t.client, invoice.client + QStringLiteral("  ") + invoice.clientName);
    sheet.field(t.order, invoice.order);
    sheet.field(t.purchaseOrder, invoice.purchaseOrder);
    sheet.field(t.salesRep, invoice.salesRep);
    sheet.field(t.terms, invoice.terms);
    sheet.gap();
    const QStringList& c = t.columns;
    sheet.table({{c.value(0), 0.05}, {c.value(1), 0.09}, {c.value(2), 0.17}, {c.value(3), 0.07, HAlign::Right},
                 {c.value(4), 0.09, HAlign::Right}, {c.value(5), 0.07, HAlign::Right}, {c.value(6), 0.06, HAlign::Center},
                 {c.value(7), 0.06, HAlign::Center}, {c.value(8), 0.09, HAlign::Right}, {c.value(9), 0.08, HAlign::Right},
                 {c.value(10), 0.08, HAlign::Right}, {c.value(11), 0.09, HAlign::Right}});
    const QString charged = QStringLiteral("X");
    for (const InvoiceLine& l : invoice.lines) {
        if (l.comment()) {
            sheet.rowAcross(l.description);
            continue;
        }
        const AmountLanguage language = setup.language;
        sheet.row({l.code, l.item, l.description, quantity(l.quantity, language), setup.amountText(l.price),
                   quantity(l.discount, language), l.tax1 ? charged : QString(), l.tax2 ? charged : QString(),
                   setup.amountText(l.total), setup.amountText(l.cost), MarginText(l.total, l.cost, language),
                   MarkupText(l.total, l.cost, language)});
    }
    sheet.gap();
    sheet.field(t.salesTotal, setup.amountText(invoice.sales));
    sheet.field(t.costTotal, setup.amountText(invoice.cost));
    sheet.field(t.margin, MarginText(invoice.sales, invoice.cost, setup.language));
    sheet.field(t.markup, MarkupText(invoice.sales, invoice.cost, setup.language));
    sheet.field(c.value(6), setup.amountText(invoice.tax1));
    sheet.field(c.value(7), setup.amountText(invoice.tax2));
    sheet.field(t.total, setup.amountText(invoice.total));
    for (std::size_t i = 0; i < invoice.payments.size(); ++i)
        if (!setup.paymentNames[i].isEmpty()) sheet.field(setup.paymentNames[i], setup.amountText(invoice.payments[i]));
    return sheet.finish();
}

}  // namespace orvant::inquiry
