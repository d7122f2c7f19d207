#pragma once
// What the screen of cheque printing asks of its form: messages and questions, the focus, the
// printer, "End of printing" and the period of a date in a thirteen-period year. The form
// implements it over its widgets; tests implement it with scripted answers.

#include <QString>
#include <QStringList>
#include <memory>
#include <optional>
#include <vector>

#include "cheque_run.h"
#include "dates/date.h"
#include "ui/message_service.h"

namespace orvant::vndcheqprint {

enum class PrintField { ChequeNumber };

// A cheque of the run in "End of printing", ticked as printed well.
struct PrintedRow {
    int seq = 0;
    QString number, payee, amount;
};

class ChequePrintHost {
public:
    virtual ~ChequePrintHost() = default;

    // Message `number` of the screen, its "%1", "%2"... replaced by the arguments. A question
    // answers Yes or No, or Cancel too when `withCancel`.
    virtual ui::Answer message(int number, ui::MessageKind kind, const QStringList& arguments = {}, bool withCancel = false) = 0;
    virtual void focus(PrintField field) = 0;
    virtual void refresh() = 0;
    // Every button off while a run prints and updates.
    virtual void setBusy(bool busy) = 0;

    // The cheque printer, through the printer dialog when `printDialog`.
    virtual std::unique_ptr<ChequePrinter> printer(bool printDialog) = 0;
    // "End of printing", `note` under its text: the seqs the user unticked as spoiled, or nothing
    // for Cancel.
    virtual std::optional<std::vector<int>> endOfPrinting(const std::vector<PrintedRow>& rows, const QString& note) = 0;
    // The period (1 to 13) of a cheque date, or nothing for Cancel.
    virtual std::optional<int> askPeriod(const Date& date) = 0;
    // Shows the forms as specimens, unnumbered, in a preview that cannot print them.
    virtual void preview(const report::ReportDocument& document) = 0;
};

}  // namespace orvant::vndcheqprint
