#pragma once
// What the cheque list screen's logic asks of its form: its messages and questions, the focus,
// the supplier picker, the progress of a build, and printing, previewing or exporting the
// report. The form implements it over its widgets; tests implement it with scripted answers.

#include <QString>
#include <QStringList>
#include <string>

#include "report/report_document.h"
#include "report/report_output.h"
#include "ui/message_service.h"

namespace orvant::vndcheqlist {

enum class ChequeListField { ChequeDate, DueBefore, FromSupplier, ToSupplier };

using ChequeListOutput = report::ReportOutput;

class ChequeListHost {
public:
    virtual ~ChequeListHost() = default;

    // Message `number` of the screen, its "%1", "%2"... replaced by the arguments; a question
    // answers Yes or No.
    virtual ui::Answer message(int number, ui::MessageKind kind, const QStringList& arguments = {}) = 0;
    virtual void focus(ChequeListField field) = 0;
    // Shows the state of the screen again.
    virtual void refresh() = 0;
    // Every button disabled while the list is built or the report runs.
    virtual void setBusy(bool busy) = 0;
    // A build's progress: `done` suppliers of `total` looked at; ends with progressOver().
    virtual void progress(int done, int total) = 0;
    virtual void progressOver() = 0;

    // The supplier picker: a code, or "" when the user cancelled.
    virtual std::string pickSupplier() = 0;

    // Sends the report out; true when the screen should close (the export dialog said so).
    virtual bool output(ChequeListOutput how, const report::ReportDocument& document, bool printDialog) = 0;
};

}  // namespace orvant::vndcheqlist
