#pragma once
// The cash disbursements form (Tvnddisburse_frm): the widgets of the screen, named as the
// language tables and the screen driver know them. It holds no rule: it forwards the entering
// and leaving of fields, the cells typed, the keys and the buttons to the screen's logic, and
// shows its state.

#include <QDialog>
#include <QHash>
#include <functional>
#include <memory>

#include "disbursements_host.h"
#include "disbursements_screen.h"
#include "session/session.h"
#include "sidedialogs/payment_grids.h"
#include "ui/screen_actions.h"

class QCheckBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QStatusBar;

namespace orvant::sidedialogs {
class Ttaxperrate_dlg;
class Tperiod_dlg;
}  // namespace orvant::sidedialogs

namespace orvant::disbursements {

class Tvnddisburse_dm;

// The dialogs the form opens, made once with the module's other forms.
struct DisbursementDialogs {
    sidedialogs::Ttaxperrate_dlg* taxes = nullptr;
    sidedialogs::Tperiod_dlg* period = nullptr;
};

class Tvnddisburse_frm : public QDialog, public DisbursementsHost {
public:
    Tvnddisburse_frm(Session& session, QString helpFile);
    ~Tvnddisburse_frm() override;

    // After the first activation has opened the books.
    void start(Tvnddisburse_dm& data, DisbursementDialogs dialogs);

    // DisbursementsHost
    ui::Answer message(int number, ui::MessageKind kind) override;
    void focus(DisbursementField field, int row) override;
    void refresh() override;
    void waiting(const std::string& text) override;
    bool waitCancelled() override;
    void waitOver() override;
    std::string pickSupplier() override;
    int pickAccount() override;
    std::optional<std::vector<sidedialogs::TaxPerRateLine>> askTaxes(const std::vector<sidedialogs::TaxPerRateLine>& lines) override;
    std::optional<int> askPeriod(int period) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Escape does not close the screen: a disbursement being typed is not thrown away by a key.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildHeader(QGridLayout* grid);
    sidedialogs::PaymentGrids* buildGrids();
    QWidget* buildButtons();
    void setTabOrder();
    void watch(QWidget* widget, DisbursementField field);
    QWidget* widgetAt(DisbursementField field) const;

    void focusMoved(QWidget* old, QWidget* now);
    void leave(QWidget* widget, bool towardsTag13);
    void leaveFocusedField();
    void act(std::function<void()> call);
    bool moveOnKey(QWidget* widget, int key);
    void lineTyped(int row, int column, const QString& text, bool towardsTag13);

    void accept() override;
    void lookUpSupplier();
    void showHelp();
    void emailSupplier();
    void openQuickLink();
    void printScreen();

    Session& session_;
    QString helpFile_;
    DisbursementDialogs dialogs_;
    std::unique_ptr<DisbursementsScreen> screen_;
    QHash<QWidget*, DisbursementField> places_;  // the fields with rules on leaving
    QWidget* sentBackTo_ = nullptr;
    bool focusAsked_ = false;  // the logic sent the focus somewhere since it was last cleared
    ui::SerialActions actions_;
    ui::RecordWaitBox wait_;

    QLineEdit* supplierCode_;
    QPushButton* supplierSearch_;
    QLabel* supplierName_;
    QCheckBox* notToSupplier_;
    QLineEdit *date_, *reference_;
    QPlainTextEdit* memo_;
    sidedialogs::PaymentGrids* grids_;
    QStatusBar* statusBar_;
    QPlainTextEdit* messages_;
};

}  // namespace orvant::disbursements
