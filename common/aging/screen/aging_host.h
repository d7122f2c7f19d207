#pragma once
// What the aging screen's logic asks of its form: its messages, the focus, the pickers, the
// texts of the report layouts, and printing, previewing or exporting the report. The form
// implements it over its widgets; tests implement it with scripted answers.

#include <QString>
#include <QStringList>
#include <string>

#include "aging/aging_report.h"
#include "report/report_document.h"
#include "report/report_output.h"

namespace orvant::aging {

// FromParty and ToParty are the code range: clients or suppliers.
enum class AgingField { ReportDate, FromParty, ToParty, Territory };

using AgingOutput = report::ReportOutput;

class AgingHost {
public:
    virtual ~AgingHost() = default;

    // Message `number` of the screen, its "%1" replaced by `argument`.
    virtual void message(int number, const QString& argument = {}) = 0;
    virtual void focus(AgingField field) = 0;
    // Shows the state of the screen again.
    virtual void refresh() = 0;
    // Every button disabled while a report runs.
    virtual void setBusy(bool busy) = 0;

    // The pickers: a code, or "" when the user cancelled.
    virtual std::string pickParty() = 0;
    virtual std::string pickTerritory() = 0;

    // The texts of a layout and the type abbreviations, in the session's language.
    virtual AgingLayoutTexts layoutTexts(bool detailed) = 0;
    virtual QStringList typeNames() = 0;

    // Sends the report out; true when the screen should close (the export dialog said so).
    virtual bool output(AgingOutput how, const report::ReportDocument& document, bool printDialog) = 0;
};

}  // namespace orvant::aging
