#pragma once
// What the undo screen's logic asks of its form: its messages and questions, the focus, the
// supplier picker, the wait for a supplier held on another workstation, what is shown while an
// undo runs, and printing, previewing or exporting the report. The form implements it over its
// widgets; tests implement it with scripted answers.

#include <QStringList>
#include <string>

#include "report/report_document.h"
#include "report/report_output.h"
#include "ui/message_service.h"

namespace orvant::vndundo {

enum class UndoField { Supplier, SuppliersGrid, StatementGrid, UndoneGrid };

class UndoHost {
public:
    virtual ~UndoHost() = default;

    // Message `number` of the screen, its "%1", "%2"... replaced by the arguments; a question
    // answers Yes or No.
    virtual ui::Answer message(int number, ui::MessageKind kind, const QStringList& arguments = {}) = 0;
    virtual void focus(UndoField field) = 0;
    // Shows the state of the screen again: the grids, their current rows, the supplier.
    virtual void refresh() = 0;

    // The supplier picker: a code, or "" when the user cancelled.
    virtual std::string pickSupplier() = 0;

    // While the undo waits for the supplier's record held elsewhere: who holds it (each time it
    // is refused), whether the user gave up, and the end of the wait.
    virtual void waiting(const QString& text) = 0;
    virtual bool waitCancelled() = 0;
    virtual void waitOver() = 0;
    // The buttons off, and a word saying so, while the undo runs.
    virtual void working(bool on) = 0;

    // Sends the report out; true when the screen should close (the export dialog said so).
    virtual bool output(report::ReportOutput how, const report::ReportDocument& document) = 0;
};

}  // namespace orvant::vndundo
