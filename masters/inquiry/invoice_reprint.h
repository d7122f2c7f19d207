#pragma once
// The reprint of an invoice of the invoicing application, current or archived: its header, its
// lines (a comment line prints its description alone), the sales and cost totals with the margin
// and markup over them, the payments whose name the control record gives, and the terms text.

#include <QString>
#include <array>
#include <string>
#include <vector>

#include "dates/date.h"
#include "document_previews.h"
#include "money/money.h"
#include "statement.h"
#include "store/database.h"

namespace orvant::inquiry {

struct InvoiceLine {
    QString code, item, description;
    double ordered = 0, quantity = 0;
    Money price;
    double discount = 0;  // percent
    bool tax1 = false, tax2 = false;
    Money total, cost;

    // A line with no line code and nothing ordered carries a comment only.
    bool comment() const { return code.trimmed().isEmpty() && ordered == 0; }
};

struct InvoiceReprint {
    QString invoice, client, clientName, salesRep, order, purchaseOrder, terms;
    Date date, dueDate;
    Money sales, cost, tax1, tax2, total;
    std::array<Money, 10> payments{};
    std::vector<InvoiceLine> lines;
};

// The invoice of the statement line's type, number and client; std::invalid_argument when it
// is not kept. The terms are those of the data root; the salesperson is named as the company's
// salespeople name them (the code when none does).
InvoiceReprint ReadInvoice(store::Database& books, store::Database& dataRoot, bool archived, const StatementLine& line);

// (total - cost) / total x 100, and (total - cost) / cost x 100, with two decimals; "0" when
// the base is 0; the decimal mark is the language's.
QString MarginText(Money total, Money cost, AmountLanguage language);
QString MarkupText(Money total, Money cost, AmountLanguage language);

report::ReportDocument BuildInvoiceReprint(const InvoiceReprint& invoice, const InvoiceTexts& texts, const PreviewSetup& setup);

}  // namespace orvant::inquiry
