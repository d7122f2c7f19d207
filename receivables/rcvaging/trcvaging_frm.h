#pragma once
// The aging options form (Trcvaging_frm): the widgets of the screen, named as the language
// tables and the screen driver know them. It holds no rule: it forwards the fields, checks and
// buttons to the screen's logic, shows its state, and sends the report to the printer, the
// preview or the export dialog.

#include <memory>

#include "aging_host.h"
#include "aging_screen.h"
#include "lang/language_table.h"
#include "session/session.h"
#include "ui/report_form.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace orvant::rcvaging {

class Trcvaging_dm;

class Trcvaging_frm : public ui::ReportForm, public AgingHost {
public:
    Trcvaging_frm(Session& session, QString helpFile);
    ~Trcvaging_frm() override;

    // After the first activation has opened the books; `languages` is the module's table.
    void start(Trcvaging_dm& data, lang::LanguageTable languages);

    // AgingHost
    void message(int number, const QString& argument) override;
    void focus(AgingField field) override;
    void refresh() override;
    void setBusy(bool busy) override;
    std::string pickClient() override;
    std::string pickTerritory() override;
    aging::AgingLayoutTexts layoutTexts(bool detailed) override;
    QStringList typeNames() override;
    bool output(AgingOutput how, const report::ReportDocument& document, bool printDialog) override;

private:
    QWidget* buildGeneralPage();
    bool readChoices() override;
    QLineEdit* fieldOf(AgingField field) const;

    std::unique_ptr<AgingScreen> screen_;
    lang::LanguageTable languages_{QString()};

    QLineEdit *reportDate_, *fromClient_, *toClient_, *territory_;
    QComboBox *olderThan_, *printOrder_, *convertTo_, *printCurrency_;
    QCheckBox *printDialog_, *withAddress_, *fromDueDate_, *includeSubsequent_, *detailed_, *withComments_, *zeroBalance_,
        *history_;
};

}  // namespace orvant::rcvaging
