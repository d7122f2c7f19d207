#pragma once
// The holdback dialog (Tholdback_dlg, "Holdbacks"): the percent held back, the amount it gives,
// the due date of the amount held back and, on a sale, whether the taxes are held back too. It
// has only OK: neither a close box nor Escape closes it, and OK closes it only once the numbers
// and the date read. Its refusals are messages 16 and 17 of the screen that shows it.

#include <QDialog>
#include <optional>

#include "sidedialogs/holdback_entry.h"

class QGroupBox;
class QLineEdit;
class QRadioButton;

namespace orvant::sidedialogs {

class Tholdback_dlg : public QDialog {
public:
    explicit Tholdback_dlg(QWidget* parent = nullptr);

    // Shows the dialog for one document and returns what the user settled on. The due date
    // typed last time is proposed again. `messagesForm` is the calling screen's main form, whose
    // message list holds messages 16 and 17. Empty only if the dialog is closed from outside.
    std::optional<HoldbackEntered> run(const HoldbackEntry& entry, QWidget& messagesForm);

    void reject() override {}  // Escape: the dialog has no way out but OK

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool leavePercent();
    void choiceChanged();
    void tryClose();
    void refuse(const HoldbackRefusal& refusal);

    QLineEdit* percent_;
    QLineEdit* amount_;
    QLineEdit* dueDate_;
    QGroupBox* choice_;
    QRadioButton* taxesBefore_;
    QRadioButton* taxesAfter_;
    std::optional<HoldbackEntry> entry_;
    QWidget* messagesForm_ = nullptr;
    std::optional<HoldbackEntered> entered_;
};

}  // namespace orvant::sidedialogs
