#pragma once
// "End of printing" (TUpdate_dlg): the cheques of the run, each ticked as printed well; the user
// unticks those that came out spoiled. OK posts the ticked ones, Cancel leaves the run numbered.

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
    std::optional<std::vector<int>> run(const std::vector<PrintedRow>& rows);
    QLabel* text() const { return text_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* text_;
    QTreeWidget* cheques_;
};

}  // namespace orvant::vndcheqprint
