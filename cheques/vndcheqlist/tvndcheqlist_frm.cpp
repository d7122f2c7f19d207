#include "tvndcheqlist_frm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressDialog>
#include <QPushButton>
#include <QVBoxLayout>

#include "cheque_installation.h"
#include "dates/date_format.h"
#include "pickers.h"
#include "settings/regional.h"
#include "tvndcheqlist_dm.h"
#include "ui/error_reporting.h"
#include "ui/form_messages.h"
#include "ui/send_report.h"

namespace orvant::vndcheqlist {

namespace {

constexpr int kHelpContext = 501;
constexpr int kSupplierWidth = 10;

QString qt(const std::string& s) { return QString::fromStdString(s); }

template <class Widget>
Widget* named(Widget* widget, const char* name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QLineEdit* edit(QWidget* parent, const char* name, int width)
{
    auto* e = named(new QLineEdit(parent), name);
    e->setMaxLength(width);
    return e;
}

QPushButton* sideButton(QWidget* parent, const char* name, const char* caption, const char* hint)
{
    auto* b = named(new QPushButton(QString::fromUtf8(caption), parent), name);
    b->setToolTip(QString::fromUtf8(hint));
    b->setAutoDefault(false);
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

QWidget* row(QWidget* parent, std::initializer_list<QWidget*> widgets)
{
    auto* line = new QWidget(parent);
    auto* layout = new QHBoxLayout(line);
    layout->setContentsMargins(0, 0, 0, 0);
    for (QWidget* w : widgets) layout->addWidget(w);
    layout->addStretch();
    return line;
}

}  // namespace

Tvndcheqlist_frm::Tvndcheqlist_frm(Session& session, QString helpFile)
    : ReportForm(session, std::move(helpFile), "Tvndcheqlist_frm", "List of cheques to be issued")
{
    frame(buildFields(), kHelpContext, [this](ChequeListOutput how) { return screen_->run(how); });
    onF2(fromSupplier_, [this] { screen_->pickFromSupplier(); });
    onF2(toSupplier_, [this] { screen_->pickToSupplier(); });
    onLeave(chequeDate_, [this] { screen_->leaveChequeDate(); });
    onLeave(dueBefore_, [this] { screen_->leaveDueBefore(); });
}

Tvndcheqlist_frm::~Tvndcheqlist_frm() = default;

QWidget* Tvndcheqlist_frm::buildFields()
{
    auto* page = new QWidget(this);
    auto* form = new QFormLayout(page);
    const auto labelled = [&](const char* labelName, const char* caption, QWidget* field, QWidget* shown = nullptr) {
        auto* label = named(new QLabel(QString::fromUtf8(caption), page), labelName);
        label->setBuddy(field);
        form->addRow(label, shown ? shown : field);
        return label;
    };
    createNewList_ = named(new QCheckBox("Do you wish to create a new list", page), "Create_New_List");
    form->addRow(createNewList_);
    includeRecurring_ = named(new QCheckBox("Include recurring cheques", page), "Include_rec_cheques");
    form->addRow(includeRecurring_);
    chequeDate_ = edit(page, "next_report_date", 10);
    SetEditMask(*chequeDate_, "!99/99/9999;1; ");
    chequeDateLabel_ = labelled("DateLabel", "Cheque printing date", chequeDate_);
    dueBefore_ = edit(page, "Due_before", 10);
    SetEditMask(*dueBefore_, "!99/99/9999;1; ");
    labelled("DueLabel", "Include transactions due up to this date", dueBefore_);
    bank_ = named(new QComboBox(page), "ComboBox1");
    labelled("BankLabel", "Which bank account", bank_);
    fromSupplier_ = edit(page, "FromSupplier", kSupplierWidth);
    auto* fromList = sideButton(page, "FromSupplierBtn", "...", "List of suppliers");
    labelled("FromLabel", "From supplier", fromSupplier_, row(page, {fromSupplier_, fromList}));
    toSupplier_ = edit(page, "Tosupplier", kSupplierWidth);
    auto* toList = sideButton(page, "ToSupplierBtn", "...", "List of suppliers");
    labelled("ToLabel", "To supplier", toSupplier_, row(page, {toSupplier_, toList}));
    suppliers_ = named(new QListWidget(page), "SupplierList");
    suppliers_->setMaximumHeight(110);
    auto* add = sideButton(page, "AddBtn", "Add", "Add a supplier");
    auto* remove = sideButton(page, "RemoveBtn", "Remove", "Remove the supplier");
    auto* listButtons = new QWidget(page);
    auto* listButtonsLayout = new QVBoxLayout(listButtons);
    listButtonsLayout->setContentsMargins(0, 0, 0, 0);
    listButtonsLayout->addWidget(add);
    listButtonsLayout->addWidget(remove);
    listButtonsLayout->addStretch();
    labelled("ListLabel", "For which supplier(s)", suppliers_, row(page, {suppliers_, listButtons}));
    printDialog_ = named(new QCheckBox("Display print dialog", page), "PrintDialog");
    printDialog_->setChecked(true);
    form->addRow(printDialog_);

    sideButtons_ = {fromList, toList, add, remove};
    connect(createNewList_, &QCheckBox::toggled, this, [this](bool on) {
        if (!filling_) act([this, on] { screen_->createNewListChanged(on); });
    });
    connect(fromList, &QPushButton::clicked, this, [this] { act([this] { screen_->pickFromSupplier(); }); });
    connect(toList, &QPushButton::clicked, this, [this] { act([this] { screen_->pickToSupplier(); }); });
    connect(add, &QPushButton::clicked, this, [this] { act([this] { screen_->addSupplier(); }); });
    connect(remove, &QPushButton::clicked, this, [this] { act([this] { screen_->removeSupplier(suppliers_->currentRow()); }); });
    return page;
}

void Tvndcheqlist_frm::start(Tvndcheqlist_dm& data, lang::LanguageTable languages)
{
    const Registry registry = Registry::open();
    SetCurrencySigns(registry, cheques::ReadForeignSigns(data.company()));
    ChequeListSetup setup;
    setup.dateFormat = ShortDateFormat();
    setup.today = Date::today();
    setup.user = session_.userName;
    setup.language = session_.language;
    setup.companyName = qt(session_.companyName);
    setup.userName = qt(session_.userName);
    setup.amounts = ProcessCurrencyFormat();
    setup.amounts.setLanguage(session_.language == 2 ? AmountLanguage::French : AmountLanguage::English);
    setup.usWording = cheques::UsesUsWording(registry.value(kSettingsSection, u"Intl"), session_.language);
    const auto text = [this](int n) { return ui::FormMessageText(*this, n); };
    screen_ = std::make_unique<ChequeListScreen>(*this, data.company(), setup, ChequeReportTexts::fromTable(languages), text);
    if (setup.usWording) applyUsWording();
    filling_ = true;
    for (const cheques::ChequeBank& choice : screen_->bankChoices()) bank_->addItem(qt(choice.description));
    bank_->setCurrentIndex(screen_->bankChoices().empty() ? -1 : 0);
    filling_ = false;
    refresh();
    focus(ChequeListField::ChequeDate);
}

// In a US installation cheques are checks.
void Tvndcheqlist_frm::applyUsWording()
{
    setWindowTitle(ui::FormMessageText(*this, kUsTitleMessage));
    includeRecurring_->setText(ui::FormMessageText(*this, kUsRecurringMessage));
    chequeDateLabel_->setText(ui::FormMessageText(*this, kUsChequeDateMessage));
}

bool Tvndcheqlist_frm::readChoices()
{
    if (!screen_) return false;
    ChequeListChoices& c = screen_->choices();
    c.createNewList = createNewList_->isChecked();
    c.includeRecurring = includeRecurring_->isChecked() && c.createNewList;
    c.chequeDate = chequeDate_->text();
    c.dueBefore = dueBefore_->text();
    c.bank = std::max(0, bank_->currentIndex());
    c.fromSupplier = fromSupplier_->text().trimmed().toUpper().toStdString();
    c.toSupplier = toSupplier_->text().trimmed().toUpper().toStdString();
    c.printDialog = printDialog_->isChecked();
    return true;
}

void Tvndcheqlist_frm::refresh()
{
    if (!screen_) return;
    filling_ = true;
    const ChequeListChoices& c = screen_->choices();
    createNewList_->setChecked(c.createNewList);
    includeRecurring_->setChecked(c.includeRecurring);
    includeRecurring_->setEnabled(screen_->includeRecurringEnabled());
    chequeDate_->setText(c.chequeDate);
    dueBefore_->setText(c.dueBefore);
    fromSupplier_->setText(qt(c.fromSupplier));
    toSupplier_->setText(qt(c.toSupplier));
    const int selected = suppliers_->currentRow();
    suppliers_->clear();
    for (const std::string& code : c.suppliers) suppliers_->addItem(qt(code));
    suppliers_->setCurrentRow(std::min(selected, suppliers_->count() - 1));
    printDialog_->setChecked(c.printDialog);
    filling_ = false;
}

QLineEdit* Tvndcheqlist_frm::fieldOf(ChequeListField field) const
{
    switch (field) {
    case ChequeListField::ChequeDate: return chequeDate_;
    case ChequeListField::DueBefore: return dueBefore_;
    case ChequeListField::FromSupplier: return fromSupplier_;
    case ChequeListField::ToSupplier: return toSupplier_;
    }
    return chequeDate_;
}

void Tvndcheqlist_frm::focus(ChequeListField field) { ui::FocusLater(fieldOf(field)); }

ui::Answer Tvndcheqlist_frm::message(int number, ui::MessageKind kind, const QStringList& arguments)
{
    QString text = ui::FormMessageText(*this, number);
    for (const QString& argument : arguments) text = text.arg(argument);
    return ui::Messages().show({kind, text, number, this, false});
}

void Tvndcheqlist_frm::setBusy(bool busy)
{
    for (QPushButton* b : sideButtons_) b->setEnabled(!busy);
    setReportButtonsEnabled(!busy);
}

void Tvndcheqlist_frm::progress(int done, int total)
{
    if (!progress_) {
        progress_ = std::make_unique<QProgressDialog>(ui::FormMessageText(*this, kBuildingMessage), QString(), 0, total, this);
        progress_->setObjectName("BuildProgress");
        progress_->setWindowModality(Qt::WindowModal);
        progress_->setMinimumDuration(0);
    }
    progress_->setMaximum(total);
    progress_->setValue(done);
}

void Tvndcheqlist_frm::progressOver() { progress_.reset(); }

std::string Tvndcheqlist_frm::pickSupplier()
{
    char code[kSupplierWidth + 1] = {};
    PickSupplier(LinkFor(session_), code, sizeof code);
    return code;
}

bool Tvndcheqlist_frm::output(ChequeListOutput how, const report::ReportDocument& document, bool printDialog)
{
    return ui::SendReport(how, document, *this, session_, printDialog,
                          [this](const QString& why) { message(kOutputFailedMessage, ui::MessageKind::Error, {why}); });
}

}  // namespace orvant::vndcheqlist
