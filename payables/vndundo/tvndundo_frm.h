#pragma once
// The form of the undo of payables transactions (Tvndundo_frm): the supplier box, the tabs of the
// suppliers, the statement and the undone transactions, named as the language tables and the
// screen driver know them. It holds no rule: it forwards the choices, the undo (its button or
// Delete in the statement) and the report buttons to the screen's logic and shows its state.

#include <memory>

#include "lang/language_table.h"
#include "session/session.h"
#include "ui/report_form.h"
#include "ui/screen_actions.h"
#include "undo_host.h"
#include "undo_screen.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QTableWidget;

namespace orvant::vndundo {

class Tvndundo_dm;

class Tvndundo_frm : public ui::ReportForm, public UndoHost {
public:
    Tvndundo_frm(Session& session, QString helpFile);
    ~Tvndundo_frm() override;

    // After the first activation has opened the books; `languages` is the module's table.
    void start(Tvndundo_dm& data, lang::LanguageTable languages);

    // UndoHost
    ui::Answer message(int number, ui::MessageKind kind, const QStringList& arguments) override;
    void focus(UndoField field) override;
    void refresh() override;
    std::string pickSupplier() override;
    void waiting(const QString& text) override;
    bool waitCancelled() override;
    void waitOver() override;
    void working(bool on) override;
    bool output(report::ReportOutput how, const report::ReportDocument& document) override;

private:
    QWidget* buildPages();
    QWidget* buildStatementPage();
    QWidget* buildUndonePage();
    bool readChoices() override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void fillSuppliers();
    void fillStatement();
    void fillUndone();

    std::unique_ptr<UndoScreen> screen_;

    QLineEdit* supplierCode_;
    QLabel* supplierName_;
    QPushButton *supplierList_, *undoButton_;
    QTabWidget *pages_, *undonePages_;
    QTableWidget *suppliers_, *statement_, *undone_, *distribution_;
    ui::RecordWaitBox wait_;
};

}  // namespace orvant::vndundo
