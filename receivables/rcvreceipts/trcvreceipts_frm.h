#pragma once
// The cash receipts form (Trcvreceipts_frm): the widgets of the screen, named as the language
// tables and the screen driver know them. It holds no rule: it forwards the entering and
// leaving of fields, the cells typed, the keys and the buttons to the screen's logic, and shows
// its state.

#include <QDialog>
#include <QHash>
#include <QSet>
#include <functional>
#include <memory>

#include "receipts_host.h"
#include "receipts_screen.h"
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

namespace orvant::receipts {

class Trcvreceipts_dm;

// The dialogs the form opens, made once with the module's other forms.
struct ReceiptDialogs {
    sidedialogs::Ttaxperrate_dlg* taxes = nullptr;
    sidedialogs::Tperiod_dlg* period = nullptr;
};

class Trcvreceipts_frm : public QDialog, public ReceiptsHost {
public:
    Trcvreceipts_frm(Session& session, QString helpFile);
    ~Trcvreceipts_frm() override;

    // After the first activation has opened the books.
    void start(Trcvreceipts_dm& data, ReceiptDialogs dialogs);

    // ReceiptsHost
    ui::Answer message(int number, ui::MessageKind kind) override;
    void focus(ReceiptField field, int row) override;
    void refresh() override;
    void waiting(const std::string& text) override;
    bool waitCancelled() override;
    void waitOver() override;
    std::string pickClient() override;
    int pickAccount() override;
    std::optional<std::vector<sidedialogs::TaxPerRateLine>> askTaxes(const std::vector<sidedialogs::TaxPerRateLine>& lines) override;
    std::optional<int> askPeriod(int period) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Escape does not close the screen: a receipt being typed is not thrown away by a key.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildHeader(QGridLayout* grid);
    sidedialogs::PaymentGrids* buildGrids();
    QWidget* buildButtons();
    void setTabOrder();
    void watch(QWidget* widget, ReceiptField field);
    QWidget* widgetAt(ReceiptField field) const;

    void focusMoved(QWidget* old, QWidget* now);
    void leave(QWidget* widget, bool towardsTag13);
    void leaveFocusedField();
    void act(std::function<void()> call);
    bool moveOnKey(QWidget* widget, int key);
    void lineTyped(int row, int column, const QString& text, bool towardsTag13);

    void accept() override;
    void changePeriod();
    void lookUpClient();
    void showHelp();
    void emailClient();
    void openQuickLink();
    void printScreen();
    void showNsfCaption();

    Session& session_;
    QString helpFile_;
    Trcvreceipts_dm* data_ = nullptr;
    ReceiptDialogs dialogs_;
    std::unique_ptr<ReceiptsScreen> screen_;
    QHash<QWidget*, ReceiptField> places_;  // the fields with rules on leaving
    QSet<QWidget*> boxes_;                   // the check boxes, which Enter and the arrows leave too
    QWidget* sentBackTo_ = nullptr;
    bool focusAsked_ = false;  // the logic sent the focus somewhere since it was last cleared
    ui::SerialActions actions_;
    ui::RecordWaitBox wait_;

    QLineEdit* clientCode_;
    QPushButton* clientSearch_;
    QLabel* clientName_;
    QCheckBox *notFromClient_, *nsf_;
    QLineEdit *date_, *reference_;
    QPlainTextEdit* memo_;
    sidedialogs::PaymentGrids* grids_;
    QStatusBar* statusBar_;
    QPlainTextEdit* messages_;
};

}  // namespace orvant::receipts
