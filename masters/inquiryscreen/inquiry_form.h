#pragma once
// The form both inquiries show (Trcvinquiry_frm, Tvndinquiry_Frm): the filter bar above; the
// list of parties, the party's three master tabs shown read-only as the maintenance screens lay
// them out, its statement with the Detail button and its aging graph; the history box, the
// buttons and the status bar below. It holds no rule: the screen's logic decides, the form shows.

#include <array>
#include <memory>

#include "inquiryscreen/inquiry_screen.h"
#include "lang/language_table.h"
#include "shared/master_form.h"

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTableWidget;

namespace orvant::masters {

class AgingBars;

class InquiryForm : public MasterForm, public InquiryHost {
public:
    // `objectName`, `caption` and `helpContext` are the module's form's.
    InquiryForm(Session& session, QString helpFile, const InquiryParty& party, const char* objectName, const char* caption,
                int helpContext);
    ~InquiryForm() override;

    // Once the books are open: `languages` is the module's language table (the previews' texts).
    void start(store::Database& company, store::Database& dataRoot, const lang::LanguageTable& languages, const QString& module, bool international);

    // InquiryHost
    ui::Answer message(int number, ui::MessageKind kind) override { return MasterForm::message(number, kind); }
    void refresh() override;
    void showParties() override;
    void showTab(InquiryTab tab) override;
    void send(report::ReportOutput how, const report::ReportDocument& document, bool printDialog) override;

protected:
    void refreshLists() override;

private:
    QWidget* buildFilterBar();
    void buildListTab(QWidget* page);
    void buildClientPages(QWidget* general, QWidget* control, QWidget* comments);
    void buildSupplierPages(QWidget* general, QWidget* control, QWidget* comments);
    QWidget* buildAddress(QWidget* page, const char* caption, const char* prefix);
    void addControlField(QWidget* page, QGridLayout* grid, int row, const char* label, const char* name, Kind kind);
    void buildStatementTab(QWidget* page);
    void buildGraphTab(QWidget* page);
    void connectScreen();
    void applyInternationalTexts();
    void fillParties();
    void selectCurrentParty();
    void fillStatement();
    void fillGraph();
    InquirySetup setupFor(store::Database& company, const lang::LanguageTable& languages, const QString& module, bool international);

    const InquiryParty& party_;
    std::unique_ptr<InquiryScreen> screen_;
    bool filling_ = false;
    QComboBox *fields_ = nullptr, *operators_ = nullptr, *currency_ = nullptr;
    QLineEdit *parameter_ = nullptr, *namedCode_ = nullptr, *language_ = nullptr;
    QPushButton *refresh_ = nullptr, *detail_ = nullptr, *printGraph_ = nullptr;
    QTableWidget *parties_ = nullptr, *statement_ = nullptr;
    QCheckBox *currentBox_ = nullptr, *printDialog_ = nullptr, *taxFederal_ = nullptr, *taxProvincial_ = nullptr;
    QListWidget* taxList_ = nullptr;
    AgingBars* bars_ = nullptr;
    std::array<QLabel*, aging::kBuckets> bucketLabels_{};
};

}  // namespace orvant::masters
