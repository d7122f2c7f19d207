#pragma once
// The report of a supplier's undone transactions: a heading with the supplier, one line per item
// removed (invoice, reference, dates, amount, type, who removed it and when) with the journal or
// ledger lines removed with it below, and the number of transactions deleted at the end.

#include <QString>
#include <QStringList>
#include <functional>

#include "lang/language_table.h"
#include "report/report_document.h"
#include "undo_report.h"

namespace orvant::vndundo {

// The texts of the report, from the report form of the module's language table.
struct DeletedReportTexts {
    QString title;           // "Deleted transactions - accounts payable"
    QString printedOn;       // "Date : %1"
    QString pageNumber;      // "Page : %1 / %2"
    QString printedBy;       // "User : %1"
    QStringList columns;     // "Invoice", "Reference", "Date", "Amount", two tax columns, "Due date", "Type", "Deleted by", "Time deleted"
    QStringList taxColumns;  // "Gst", "Pst"
    QStringList intlTaxColumns;  // "Tax 1", "Tax 2": where the registry's Intl is "Y"
    QString line;            // a removed line: "%1 %2 %3 %4", the account, its description, "Debit"/"Credit" and the amount
    QString debit, credit;
    QString count;           // "Transactions deleted:"

    // The rows of the report form; a text the table lacks keeps its English default.
    static DeletedReportTexts fromTable(const lang::LanguageTable& table);
};

struct DeletedReportSetup {
    QString companyName;
    QString userId;                               // who prints it
    QString printedAt;                            // the date and time of the printing, as shown
    bool intl = false;                            // the tax columns are "Tax 1" and "Tax 2"
    std::function<QString(Date)> dateText;        // in the session's date format
    std::function<QString(DateTime)> timeText;    // a date and time
    std::function<QString(Money)> amountText;     // with the supplier's currency sign
    std::function<QString(const std::string&)> typeName;  // the name of a ledger type
};

report::ReportDocument BuildDeletedTransactionsReport(const UndoReportData& data, const DeletedReportTexts& texts,
                                                      const DeletedReportSetup& setup);

}  // namespace orvant::vndundo
