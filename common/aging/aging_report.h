#pragma once
// The aging printed: the detailed listing (a line per entry under each party, the party's totals,
// the report's) and the summary listing (a line per party), both landscape, as one report
// document that previews, prints and exports like every other.

#include <QString>
#include <QStringList>
#include <functional>

#include "aging/aging_run.h"
#include "aging/aging_screen_ledger.h"
#include "lang/language_table.h"
#include "money/currency_format.h"
#include "report/report_document.h"

namespace orvant::aging {

// The texts of one layout, from the module's language table (the layout's form and its rows).
struct AgingLayoutTexts {
    QString title;          // "Aging of Client Accounts"
    QString listing;        // "Detail Listing"
    QStringList columns;    // before the bucket names: "Invoice #", "Date" ... "Amount"
    QString total;          // "TOTAL"
    QString telephone;      // "Telephone:"
    QString code;           // "Code": the column of the party's code in a detailed listing's export
    QString printedAt;      // "Date : %1   Time : %2"
    QString reportDate;     // "At %1"
    QString pageNumber;     // "Page : %1 / %2"

    // The rows of form `layoutForm`; a text the table lacks keeps its English default (a summary
    // without `telephone` has no phone column).
    static AgingLayoutTexts fromTable(const lang::LanguageTable& table, const QString& layoutForm, bool detailed, bool telephone = true);
    // The rows of the ledger's layout; a title or column titles the table lacks are the ledger's.
    static AgingLayoutTexts fromTable(const lang::LanguageTable& table, const AgingScreenLedger& kind, bool detailed);
};

struct AgingReportSetup {
    bool detailed = true;
    bool withAddress = false;   // detailed listing only
    bool withComments = false;
    bool withTelephone = true;  // the party's telephone in its heading or summary line
    QString companyName;
    QString userName;
    DateTime printedAt;
    std::function<QString(Date)> dateText;   // in the session's date format
    QStringList typeNames;                   // the abbreviations of types "1" to "6"
    AmountLanguage language = AmountLanguage::English;
    std::string currencyAlign = "L";         // the registry's CurrAlign
};

// Runs the aging and lays it out. Amounts carry the sign of the currency converted into, or of
// the one currency listed, else none; without conversion over every currency the report ends
// with one total per currency, never a sum of different currencies. ZeroRate and store errors
// pass through.
report::ReportDocument BuildAgingReport(AgingRun& run, const AgingLayoutTexts& texts, const AgingReportSetup& setup);

}  // namespace orvant::aging
