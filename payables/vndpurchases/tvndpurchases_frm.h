#pragma once
// The purchases form (Tvndpurchases_frm): the widgets of the screen, named as the
// language tables and the screen driver know them. It holds no rule: it forwards the entering
// and leaving of fields, the keys and the buttons to the screen's logic, and shows its state.

#include <QDialog>
#include <QHash>
#include <array>
#include <functional>
#include <memory>

#include "purchases_host.h"
#include "purchases_screen.h"
#include "session/session.h"
#include "ui/screen_actions.h"

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QStatusBar;

namespace orvant::sidedialogs {
class Ttaxperrate_dlg;
class Tholdback_dlg;
class Tproject_dlg;
class Tperiod_dlg;
}  // namespace orvant::sidedialogs

namespace orvant::entryscreens {
class DistributionBox;
}

namespace orvant::purchases {

class Tvndpurchases_dm;

// The dialogs the form opens, made once with the module's other forms.
struct PurchasesDialogs {
    sidedialogs::Ttaxperrate_dlg* taxes = nullptr;
    sidedialogs::Tholdback_dlg* holdback = nullptr;
    sidedialogs::Tproject_dlg* projects = nullptr;
    sidedialogs::Tperiod_dlg* period = nullptr;
};

class Tvndpurchases_frm : public QDialog, public PurchasesHost {
public:
    Tvndpurchases_frm(Session& session, QString helpFile);
    ~Tvndpurchases_frm() override;

    // After the first activation has opened the books.
    void start(Tvndpurchases_dm& data, PurchasesDialogs dialogs);

    // PurchasesHost
    ui::Answer message(int number, ui::MessageKind kind) override;
    void focus(PurchaseField field, int row) override;
    void refresh() override;
    void waiting(const std::string& text) override;
    bool waitCancelled() override;
    void waitOver() override;
    std::string pickSupplier() override;
    int pickAccount() override;
    std::optional<std::vector<sidedialogs::TaxPerRateLine>> askTaxes(const std::vector<sidedialogs::TaxPerRateLine>& lines) override;
    HoldbackAnswer askHoldback(Money base) override;
    std::optional<std::vector<sidedialogs::ProjectLine>> askProjects(Money toDistribute) override;
    std::optional<int> askPeriod(int period) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Escape does not close the screen: a document being typed is not thrown away by a key.
    void keyPressEvent(QKeyEvent* event) override;

private:
    struct Place {
        PurchaseField field;
        int row = -1;
    };

    void buildHeader(QGridLayout* grid);
    QWidget* buildDistribution();
    QWidget* buildButtons();
    void setTabOrder();
    void watch(QWidget* widget, PurchaseField field, int row = -1);
    QWidget* widgetAt(PurchaseField field, int row) const;

    void focusMoved(QWidget* old, QWidget* now);
    void leave(QWidget* widget, bool towardsTag13);
    void leaveFocusedField();
    void act(std::function<void()> call);
    bool moveOnKey(QWidget* widget, int key);

    void accept() override;
    void changePeriod();
    // The pickers opened from the form: what they choose replaces what was typed.
    void lookUpSupplier();
    void lookUpAccount(int row);
    void showHelp();
    void emailSupplier();
    void openQuickLink();
    void printScreen();

    static void setText(QLineEdit* edit, const QString& text);
    std::optional<Date> dateIn(const QLineEdit* edit) const;

    Session& session_;
    QString helpFile_;
    Tvndpurchases_dm* data_ = nullptr;
    PurchasesDialogs dialogs_;
    std::unique_ptr<PurchasesScreen> screen_;
    QHash<QWidget*, Place> places_;
    QWidget* sentBackTo_ = nullptr;
    bool focusAsked_ = false;  // the logic sent the focus somewhere since it was last cleared
    int lastRow_ = 0;  // the grid row whose field last had the focus
    ui::SerialActions actions_;
    ui::RecordWaitBox wait_;

    QLineEdit* supplierCode_;
    QPushButton* supplierSearch_;
    QCheckBox* cashPurchase_;
    std::array<QLabel*, 4> address_{};
    QComboBox* type_;
    QLineEdit *invoice_, *reference_, *date_, *dueDate_;
    QPlainTextEdit* memo_;
    entryscreens::DistributionBox* distribution_;
    QStatusBar* statusBar_;
    QPlainTextEdit* messages_;
    QString designCaption_;
};

}  // namespace orvant::purchases
