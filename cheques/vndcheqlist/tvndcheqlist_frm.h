#pragma once
// The form of the list of cheques to be issued (Tvndcheqlist_frm): the widgets of the screen,
// named as the language tables and the screen driver know them. It holds no rule: it forwards
// the fields, boxes and buttons to the screen's logic, shows its state and a build's progress,
// and sends the report to the printer, the preview or the export dialog.

#include <memory>

#include "cheque_list_host.h"
#include "cheque_list_screen.h"
#include "lang/language_table.h"
#include "session/session.h"
#include "ui/report_form.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QProgressDialog;
class QPushButton;

namespace orvant::vndcheqlist {

class Tvndcheqlist_dm;

class Tvndcheqlist_frm : public ui::ReportForm, public ChequeListHost {
public:
    Tvndcheqlist_frm(Session& session, QString helpFile);
    ~Tvndcheqlist_frm() override;

    // After the first activation has opened the books; `languages` is the module's table.
    void start(Tvndcheqlist_dm& data, lang::LanguageTable languages);

    // ChequeListHost
    ui::Answer message(int number, ui::MessageKind kind, const QStringList& arguments) override;
    void focus(ChequeListField field) override;
    void refresh() override;
    void setBusy(bool busy) override;
    void progress(int done, int total) override;
    void progressOver() override;
    std::string pickSupplier() override;
    bool output(ChequeListOutput how, const report::ReportDocument& document, bool printDialog) override;

private:
    QWidget* buildFields();
    void applyUsWording();
    bool readChoices() override;
    QLineEdit* fieldOf(ChequeListField field) const;

    std::unique_ptr<ChequeListScreen> screen_;

    QCheckBox *createNewList_, *includeRecurring_, *printDialog_;
    QLineEdit *chequeDate_, *dueBefore_, *fromSupplier_, *toSupplier_;
    QLabel* chequeDateLabel_;
    QComboBox* bank_;
    QListWidget* suppliers_;
    std::vector<QPushButton*> sideButtons_;
    std::unique_ptr<QProgressDialog> progress_;
};

}  // namespace orvant::vndcheqlist
