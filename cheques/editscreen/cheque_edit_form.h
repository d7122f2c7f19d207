#pragma once
// The form of the cheque editing screens, "Edit cheque entries" over the cheque list and
// "Recurring cheque entries" over the recurring cheques: the tabs "General" (supplier, date,
// bank, payee, the lines) and "Accounting distribution" (the ten slots), the record navigator,
// the buttons and the status bar, named as the language tables and the screen driver know them.
// It holds no rule: it forwards the entering and leaving of fields, the cells typed, the keys and
// the buttons to the cheque editor, and shows its state.

#include <QDialog>
#include <QHash>
#include <functional>
#include <memory>

#include "cheque_editor_host.h"
#include "cheque_record.h"
#include "session/session.h"
#include "ui/record_navigator.h"
#include "ui/screen_actions.h"

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QStatusBar;
class QTabWidget;

namespace orvant::sidedialogs {
class Ttaxperrate_dlg;
}

namespace orvant::cheques {
class ChequeEditor;
}

namespace orvant::store {
class Database;
}

namespace orvant::chequescreen {

class ChequeLinesGrid;
class SlotRows;
class Tinvoicelist_dlg;

// What tells the two screens apart.
struct ChequeScreenKind {
    cheques::ChequeSet set;
    const char* formName;  // "Tvndcheqedit_frm"
    const char* caption;
    int helpContext;
};

// The dialogs the form opens, made once with the module's other forms.
struct ChequeDialogs {
    sidedialogs::Ttaxperrate_dlg* taxes = nullptr;
    Tinvoicelist_dlg* invoices = nullptr;  // none on the recurring cheques
};

// The form's messages beyond the editor's: the US wording of the captions and the holdback word.
enum FormText : int { kUsCaption = 56, kUsDateCaption = 57, kUsAmountCaption = 58, kHoldbackWord = 59 };

class ChequeEditForm : public QDialog, public cheques::ChequeEditorHost {
public:
    ChequeEditForm(Session& session, QString helpFile, ChequeScreenKind kind);
    ~ChequeEditForm() override;

    // After the first activation has opened the books.
    void start(store::Database& books, ChequeDialogs dialogs);

    // ChequeEditorHost
    ui::Answer message(int number, ui::MessageKind kind) override;
    void focus(cheques::EditorField field, int row) override;
    void showPage(cheques::EditorPage page) override;
    void refresh() override;
    std::string pickSupplier() override;
    int pickAccount() override;
    std::optional<std::size_t> pickInvoice(const std::vector<OpenItem>& items) override;
    std::optional<std::vector<sidedialogs::TaxPerRateLine>> askTaxes(const std::vector<sidedialogs::TaxPerRateLine>& lines) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Escape does not close the screen: a cheque being typed is not thrown away by a key.
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool recurring() const { return kind_.set == cheques::ChequeSet::Recurring; }
    QWidget* buildGeneral();
    QWidget* buildPayee(QWidget* page);
    QWidget* buildBottom();
    void watch(QWidget* widget, cheques::EditorField field);
    QWidget* widgetAt(cheques::EditorField field, int row) const;
    void showUsWording();

    void focusMoved(QWidget* old, QWidget* now);
    void leave(QWidget* widget, bool towardsSkip);
    void leaveFocusedField();
    void act(std::function<void()> call);
    void press(ui::NavigatorButton button);
    void save();
    void lineTyped(int row, int column, const QString& text);
    bool moveOnKey(QWidget* widget, int key);
    void showHeader();
    void showSlots();
    void enableInputs();

    template <class Pick>
    auto keepingFocus(Pick pick);
    void showHelp();
    void openQuickLink();
    void printScreen();

    Session& session_;
    QString helpFile_;
    ChequeScreenKind kind_;
    ChequeDialogs dialogs_;
    std::unique_ptr<cheques::ChequeEditor> editor_;
    QHash<QWidget*, cheques::EditorField> places_;  // the fields with rules on leaving
    QWidget* sentBackTo_ = nullptr;
    bool focusAsked_ = false;  // the editor sent the focus somewhere since it was last cleared
    bool refreshing_ = false;
    bool usWording_ = false;  // checks, not cheques
    ui::SerialActions actions_;

    QTabWidget* pages_;
    QLineEdit* supplierCode_ = nullptr;  // none on the recurring cheques
    QPushButton* supplierList_ = nullptr;
    QPushButton* payeeList_;
    QLineEdit *seq_, *date_, *amount_;
    QPlainTextEdit* words_;
    QComboBox* bank_;
    QLineEdit *name_, *address1_, *address2_, *city_, *province_, *postalCode_, *country_;
    ChequeLinesGrid* lines_;
    SlotRows* slots_;
    ui::RecordNavigator* navigator_;
    QStatusBar* statusBar_;
    QPlainTextEdit* messages_;
};

}  // namespace orvant::chequescreen
