#pragma once
// The aging options form, of the clients' or the suppliers' accounts: the widgets of the screen,
// named as the language tables and the screen driver know them. It holds no rule: it forwards
// the fields, checks and buttons to the screen's logic, shows its state, and sends the report
// to the printer, the preview or the export dialog. Each aging module names its form after
// itself over this one.

#include <cstdint>
#include <memory>

#include "aging_host.h"
#include "aging_screen.h"
#include "lang/language_table.h"
#include "session/company_tables.h"
#include "session/session.h"
#include "ui/report_form.h"

class QCheckBox;
class QComboBox;
class QFormLayout;
class QLineEdit;

namespace orvant::aging {

// A code picker of the suite: writes the chosen code into `code`, "" when cancelled.
using CodePicker = std::int32_t (*)(TLinkSection session, char* code, std::int32_t capacity);

struct AgingPickers {
    CodePicker party;
    CodePicker territory = nullptr;  // with the ledgers aged by territory
};

class AgingForm : public ui::ReportForm, public AgingHost {
public:
    AgingForm(const AgingScreenLedger& kind, AgingPickers pickers, Session& session, QString helpFile);
    ~AgingForm() override;

    // After the first activation has opened the books; `languages` is the module's table.
    void start(CompanyTables& data, lang::LanguageTable languages);

    // AgingHost
    void message(int number, const QString& argument) override;
    void focus(AgingField field) override;
    void refresh() override;
    void setBusy(bool busy) override;
    std::string pickParty() override;
    std::string pickTerritory() override;
    AgingLayoutTexts layoutTexts(bool detailed) override;
    QStringList typeNames() override;
    bool output(AgingOutput how, const report::ReportDocument& document, bool printDialog) override;

private:
    QWidget* buildGeneralPage();
    bool readChoices() override;
    QLineEdit* fieldOf(AgingField field) const;
    std::string pick(CodePicker picker);

    const AgingScreenLedger& kind_;
    AgingPickers pickers_;
    std::unique_ptr<AgingScreen> screen_;
    lang::LanguageTable languages_{QString()};

    QLineEdit *reportDate_, *fromCode_, *toCode_, *territory_ = nullptr;
    QComboBox *olderThan_, *printOrder_ = nullptr, *convertTo_, *printCurrency_;
    QCheckBox *printDialog_, *withAddress_ = nullptr, *fromDueDate_, *includeSubsequent_, *detailed_, *withComments_, *zeroBalance_,
        *history_;
};

}  // namespace orvant::aging
