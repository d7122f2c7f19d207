#pragma once
// What tells the aging screens of the two ledgers apart: the module and its forms, the words its
// controls are named with, and the choices only the receivables offer. One screen and one
// report serve both ledgers through it.

#include <QString>
#include <QStringList>

#include "aging/aging_ledger.h"

namespace orvant::aging {

struct AgingScreenLedger {
    const AgingLedger& ledger;
    const char* module;          // "rcvaging": the module's code and its language table's stem
    const char* detailedLayout;  // the forms of the two layouts in the language table
    const char* summaryLayout;
    const char* party;           // "Client": FromClient, ToClientBtn, ClientComments ...
    const char* partyWord;       // "client": the captions before the language table is read
    int helpContext;
    bool territories;            // a territory to choose and an order by sales rep
    bool addresses;              // the detailed listing can print each party's address
    bool telephone;              // the listings show each party's telephone

    static const AgingScreenLedger& receivables();
    static const AgingScreenLedger& payables();

    // The ledger's English texts where its language table is missing: the listings' title and
    // column titles, the names of the types "1" to "6".
    QString defaultTitle() const;
    QStringList defaultColumns(bool detailed) const;
    QStringList defaultTypeNames() const;

    QString formName() const { return QStringLiteral("T%1_frm").arg(QLatin1String(module)); }
    QString layoutName(bool detailed) const { return QLatin1String(detailed ? detailedLayout : summaryLayout); }
    // The language table of the module in a session language (2 French, else English).
    QString languageTable(int language) const { return QLatin1String(module) + (language == 2 ? "fr" : "en"); }
    // A control named after the party: partyName("From") is "FromClient".
    QString partyName(const char* before, const char* after = "") const
    {
        return QLatin1String(before) + QLatin1String(party) + QLatin1String(after);
    }
};

}  // namespace orvant::aging
