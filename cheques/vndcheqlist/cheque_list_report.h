#pragma once
// The list of cheques to be issued, printed: a heading with the discount date and the due date
// of the list, per cheque its payee, address, amount in words, date and amount, then its lines
// (invoice, dates, amount, discount, payment; a holdback marked so before its invoice) and their
// totals; at the end the total of the cheques and their number. Amounts carry the sign of the
// bank account's currency.

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

#include "cheque_record.h"
#include "lang/language_table.h"
#include "money/currency_format.h"
#include "report/report_document.h"

namespace orvant::vndcheqlist {

// The texts of the report, from the report form of the module's language table.
struct ChequeReportTexts {
    QString title;          // "List of cheques to be issued"
    QString printedOn;      // "Date : %1"
    QString pageNumber;     // "Page : %1 / %2"
    QString discountDate;   // "Apply discount date %1"
    QString dueBefore;      // message 1 of the screen, followed by the date
    QStringList columns;    // "Invoice" ... "Payment"
    QString cheque;         // "Cheque %1": the cheque's sequence in the list
    QString chequeDate;     // "Date: %1"
    QString chequeAmount;   // "Amount: %1"
    QString holdback;       // "Holdback %1": the invoice of a line paying the invoice's holdback
    QString chequeTotal;    // "Total"
    QString total;          // "Total amount for cheques:"
    QString count;          // "Number of cheques issued:"

    // The rows of the report form; a text the table lacks keeps its English default.
    static ChequeReportTexts fromTable(const lang::LanguageTable& table);
};

struct ChequeReportSetup {
    QString companyName;
    QString userName;
    Date today;
    Date chequeDate;
    Date dueBefore;
    std::function<QString(Date)> dateText;  // in the session's date format
    CurrencyFormat amounts;                 // the bank account's currency already in use
};

report::ReportDocument BuildChequeListReport(const std::vector<cheques::Cheque>& cheques, const ChequeReportTexts& texts,
                                             const ChequeReportSetup& setup);

}  // namespace orvant::vndcheqlist
