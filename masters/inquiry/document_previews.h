#pragma once
// The previews of the documents behind a statement line, as report documents: the sale or
// purchase as entered (its fifteen distribution lines and their totals), the receipt or
// disbursement with its twenty lines and the invoices it paid, and the invoicing application's
// invoice. Their texts come from the module's language table, form by form, with English
// defaults for any row the table lacks.

#include <QString>
#include <QStringList>
#include <array>
#include <functional>

#include "dates/date.h"
#include "document_locator.h"
#include "lang/language_table.h"
#include "money/amount_text.h"
#include "money/money.h"
#include "report/report_document.h"
#include "store/database.h"

namespace orvant::inquiry {

// The texts of the sale or purchase as entered (form `T<module>_qrfrm`).
struct EnteredTexts {
    QString title;          // "Sales and adjustments" / "Purchases"
    QString stamp;          // "Time of entry:"
    QString user;           // "Entered by:"
    QString party;          // "Client code"
    QString directCash;     // "Direct cash sale"
    QString date;           // "Transaction date"
    QString dueDate;        // "Due date"
    QString comments;       // "Comments"
    QString type;           // "Transaction type"
    QString invoice;        // "Invoice number"
    QString reference;      // "Debit/Credit reference"
    QStringList columns;    // "Account #", "Description", "Debit", "Credit"
    QString total;          // "Total"
};

// The texts of the receipt or disbursement (form `T<module>_qrfrm2`).
struct PaymentTexts {
    QString title;          // "Cash receipts" / "Cash disbursements"
    QString stamp;          // "Time entered:"
    QString user;           // "Entered by:"
    QString party;          // "Client code"
    QString date;           // "Transaction date"
    QString notFromParty;   // "Receipt not from a client"
    QString nsfCheque;      // "NSF cheque" (receipts only)
    QString comments;       // "Comments"
    QString reference;      // "Reference"
    QStringList columns;    // "Account", "Description", "Debit", "Credit"
    QStringList invoiceColumns;  // "Invoice", "Date", "Due date", "Amount", "Payment"
    QString total;          // "Total"
};

// The texts of an invoice reprint (form `T<module>_qrinv`).
struct InvoiceTexts {
    QString title;          // "Invoice"
    QString invoice;        // "Invoice number"
    QString date;           // "Invoice date"
    QString dueDate;        // "Due date"
    QString client;         // "Client"
    QString order;          // "Order number"
    QString purchaseOrder;  // "P.O. number"
    QString salesRep;       // "Salesperson"
    QString terms;          // "Terms"
    QStringList columns;    // "Line", "Item", "Description", "Quantity", "Unit price", "Discount %",
                            // "Tax 1", "Tax 2", "Total", "Cost", "Margin %", "Markup %"
    QString salesTotal;     // "Total sales"
    QString costTotal;      // "Total cost"
    QString margin;         // "Margin %"
    QString markup;         // "Markup %"
    QString total;          // "Invoice total"; the taxes are titled as their columns
};

struct PreviewTexts {
    EnteredTexts entered;
    PaymentTexts payment;
    InvoiceTexts invoice;
    QStringList typeNames;  // the screen's type names of types "1" to "6"
    QString yes, no;        // messages 7 and 8

    // English defaults for the ledger, overlaid by the rows of the module's language table
    // (`module` "rcvinquiry"). With the registry's Intl "Y" the tax titles are numbered and a
    // receipt's NSF box reads "NSF check" (language 1) or "Chèque NSF" (language 2).
    static PreviewTexts defaults(const InquiryLedger& ledger);
    static PreviewTexts fromTable(const lang::LanguageTable& table, const QString& module, const InquiryLedger& ledger,
                                  int language, bool intl);
};

struct PreviewSetup {
    std::function<QString(Date)> dateText;          // in the session's date format
    std::function<QString(Money)> amountText;       // in the session's language
    AmountLanguage language = AmountLanguage::English;  // the decimal mark of ratios and quantities
    std::function<QString(DateTime)> stampText;     // "Time entered"
    std::array<QString, 10> paymentNames;           // Ctrl_pmt_name1..10: an empty name hides its payment
};

// The preview of a document found by the locator; std::invalid_argument for a location that
// found nothing. `dataRoot` holds the terms an invoice names.
report::ReportDocument BuildPreview(store::Database& books, store::Database& dataRoot, const InquiryLedger& ledger,
                                    const DocumentLocation& location, const PreviewTexts& texts, const PreviewSetup& setup);

// The payment names of the control record, Ctrl_pmt_name1..10.
std::array<QString, 10> ReadPaymentNames(store::Database& books);

}  // namespace orvant::inquiry
