#pragma once
// "End of printing" (TUpdate_dlg): the cheques of the run, each ticked as printed well; the user
// unticks those that came out spoiled, whose numbers are voided. OK posts the ticked ones, Cancel
// leaves the run numbered. A note under the text says what unticking does and where the run's PDF is.

#include <QDialog>
#include <optional>
#include <vector>

#include "cheque_print_host.h"

class QLabel;
class QTreeWidget;

namespace orvant::vndcheqprint {

class TUpdate_dlg : public QDialog {
public:
    explicit TUpdate_dlg(QWidget* parent);

    // The seqs unticked, or nothing for Cancel.
    std::optional<std::vector<int>> run(const std::vector<PrintedRow>& rows, const QString& note);
    QLabel* text() const { return text_; }
    // The title of the column of cheque numbers (checks in a US installation).
    void setNumberColumnTitle(const QString& title);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* text_;
    QLabel* note_;
    QTreeWidget* cheques_;
};

}  // namespace orvant::vndcheqprint
