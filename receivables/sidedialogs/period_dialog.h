#pragma once
// The period dialog (Tperiod_dlg, "Change period number"): the posting period of the next
// documents, a whole number from 0 to 13. It has only OK, which refuses any other text in the
// session's language; neither a close box nor Escape closes it.

#include <QDialog>
#include <optional>

class QLineEdit;

namespace orvant::sidedialogs {

class Tperiod_dlg : public QDialog {
public:
    explicit Tperiod_dlg(QWidget* parent = nullptr);

    // Proposes `period` and returns the period accepted. `language` is the session's (1
    // English, else French) for the refusal. Empty only if the dialog is closed from outside.
    std::optional<int> run(int period, int language);

    void reject() override {}  // Escape: the dialog has no way out but OK

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void tryClose();

    QLineEdit* period_;
    int language_ = 1;
    std::optional<int> chosen_;
};

}  // namespace orvant::sidedialogs
