#include "tvndpurchases_frm.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTextDocument>
#include <QUrl>
#include <QVBoxLayout>

#include "dates/date_format.h"
#include "money/currency_format.h"
#include "pickers.h"
#include "quick_link.h"
#include "report/printing.h"
#include "report/screen_print.h"
#include "session/help.h"
#include "session/module_frame.h"
#include "settings/regional.h"
#include "entryscreens/distribution_box.h"
#include "entryscreens/entry_buttons.h"
#include "entryscreens/entry_fields.h"
#include "sidedialogs/holdback_dialog.h"
#include "sidedialogs/period_dialog.h"
#include "sidedialogs/project_dialog.h"
#include "sidedialogs/taxperrate_dialog.h"
#include "tvndpurchases_dm.h"
#include "ui/error_reporting.h"
#include "ui/form_messages.h"

namespace orvant::purchases {

namespace {

constexpr int kHelpContext = 304;
constexpr int kRowsShownAtOnce = 9;  // the others scroll into view
constexpr const char* kDateMask = "!99/99/9999;1; ";

QString qt(const std::string& s) { return QString::fromStdString(s); }

template <class Widget>
Widget* named(Widget* widget, const char* name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

using entryscreens::AmountIn;
using entryscreens::kLeavingSkipsChecks;
using entryscreens::BuddyLabel;
using entryscreens::NamedEdit;

}  // namespace

Tvndpurchases_frm::Tvndpurchases_frm(Session& session, QString helpFile)
    : session_(session), helpFile_(std::move(helpFile)), actions_(*this), wait_(*this)
{
    setObjectName("Tvndpurchases_frm");
    setWindowTitle("Purchases current period is");
    auto* header = new QGridLayout;
    buildHeader(header);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(header);
    layout->addWidget(buildDistribution(), 1);
    layout->addWidget(buildButtons());
    statusBar_ = named(new QStatusBar(this), "StatusBar");
    for (const char* panel : {"CompanyPanel", "UserPanel", "VersionPanel"}) statusBar_->addPermanentWidget(named(new QLabel(statusBar_), panel));
    layout->addWidget(statusBar_);
    setTabOrder();
    messages_ = named(new QPlainTextEdit(this), "IntlStrings1");
    messages_->hide();
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget* now) { focusMoved(old, now); });
    resize(820, 640);
}

Tvndpurchases_frm::~Tvndpurchases_frm() { disconnect(qApp, nullptr, this, nullptr); }

void Tvndpurchases_frm::buildHeader(QGridLayout* grid)
{
    supplierCode_ = NamedEdit(this, "SupplierCode", kSupplierWidth);
    supplierCode_->setProperty("tag", kLeavingSkipsChecks);
    supplierSearch_ = named(new QPushButton("...", this), "SupplierSearchBtn");
    supplierSearch_->setToolTip("List of suppliers");
    supplierSearch_->setProperty("tag", kLeavingSkipsChecks);
    supplierSearch_->setAutoDefault(false);
    supplierSearch_->setFocusPolicy(Qt::NoFocus);
    cashPurchase_ = named(new QCheckBox("Direct/cash purchase", this), "CheckBox1");
    auto* supplier = new QHBoxLayout;
    supplier->addWidget(supplierCode_);
    supplier->addWidget(supplierSearch_);
    supplier->addStretch();
    supplier->addWidget(cashPurchase_);
    grid->addWidget(BuddyLabel(this, "SupplierLabel", "&Supplier code", supplierCode_), 0, 0);
    grid->addLayout(supplier, 0, 1, 1, 3);

    const char* addressNames[] = {"SupplierName", "SupplierAddress1", "SupplierAddress2", "SupplierCity"};
    auto* address = new QVBoxLayout;
    for (std::size_t i = 0; i < address_.size(); ++i) address->addWidget(address_[i] = named(new QLabel(this), addressNames[i]));
    grid->addLayout(address, 1, 1, 1, 3);

    type_ = named(new QComboBox(this), "TransType");
    type_->addItems({"Purchase", "Debit", "Credit", "Adjustment"});
    invoice_ = NamedEdit(this, "InvoiceNum", kNumberWidth);
    reference_ = NamedEdit(this, "DebCreRef", kNumberWidth);
    date_ = NamedEdit(this, "TransDate");
    dueDate_ = NamedEdit(this, "TransDueDate");
    for (QLineEdit* day : {date_, dueDate_}) SetEditMask(*day, kDateMask);
    memo_ = named(new QPlainTextEdit(this), "TransMemo");
    memo_->setMaximumHeight(56);
    memo_->setTabChangesFocus(true);
    grid->addWidget(BuddyLabel(this, "TypeLabel", "Transaction t&ype", type_), 2, 0);
    grid->addWidget(type_, 2, 1);
    grid->addWidget(BuddyLabel(this, "InvoiceLabel", "&Invoice number", invoice_), 2, 2);
    grid->addWidget(invoice_, 2, 3);
    grid->addWidget(BuddyLabel(this, "DateLabel", "&Transaction date", date_), 3, 0);
    grid->addWidget(date_, 3, 1);
    grid->addWidget(BuddyLabel(this, "RefLabel", "Debit/Credit &reference", reference_), 3, 2);
    grid->addWidget(reference_, 3, 3);
    grid->addWidget(BuddyLabel(this, "DueDateLabel", "Transaction d&ue date", dueDate_), 4, 0);
    grid->addWidget(dueDate_, 4, 1);
    grid->addWidget(BuddyLabel(this, "MemoLabel", "Transaction &memo", memo_), 5, 0);
    grid->addWidget(memo_, 5, 1, 1, 3);

    watch(supplierCode_, PurchaseField::Supplier);
    watch(type_, PurchaseField::Type);
    watch(invoice_, PurchaseField::Invoice);
    watch(reference_, PurchaseField::Reference);
    watch(date_, PurchaseField::Date);
    watch(dueDate_, PurchaseField::DueDate);
    watch(memo_, PurchaseField::Comment);
    connect(supplierSearch_, &QPushButton::clicked, this, ui::Guarded([this] { lookUpSupplier(); }));
    connect(cashPurchase_, &QCheckBox::toggled, this, ui::Guarded([this](bool on) {
                if (screen_) act([this, on] { screen_->setDirectCash(on); });
            }));
    connect(type_, &QComboBox::currentIndexChanged, this, ui::Guarded([this](int index) {
                if (screen_) screen_->setType(index);
            }));
}

QWidget* Tvndpurchases_frm::buildDistribution()
{
    distribution_ = new entryscreens::DistributionBox(this, kDistributionRows, kRowDescriptionWidth, kRowsShownAtOnce);
    for (int r = 0; r < kDistributionRows; ++r) {
        const auto& row = distribution_->row(r);
        watch(row.account, PurchaseField::RowAccount, r);
        watch(row.description, PurchaseField::RowDescription, r);
        watch(row.debit, PurchaseField::RowDebit, r);
        watch(row.credit, PurchaseField::RowCredit, r);
    }
    connect(distribution_->accountSearch(), &QPushButton::clicked, this, ui::Guarded([this] { lookUpAccount(lastRow_); }));
    return distribution_;
}

QWidget* Tvndpurchases_frm::buildButtons()
{
    return entryscreens::EntryButtonBar(
        this, {[this] { changePeriod(); }, [this] { emailSupplier(); }, [this] { openQuickLink(); }, [this] { printScreen(); },
               [this] { accept(); }, [this] { act([this] { screen_->cancel(); }); }, [this] { reject(); }, [this] { showHelp(); }});
}

// Enter and Tab go through the header, then the grid row by row; the cash purchase box and the
// buttons come last.
void Tvndpurchases_frm::setTabOrder()
{
    std::vector<QWidget*> order{supplierCode_, type_, invoice_, reference_, date_, dueDate_, memo_};
    for (QWidget* field : distribution_->fieldsInOrder()) order.push_back(field);
    order.push_back(cashPurchase_);
    for (const char* button : {"PostBtn", "CancelBtn", "Exit_btn", "Help_btn"}) order.push_back(findChild<QWidget*>(button));
    for (std::size_t i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}

void Tvndpurchases_frm::watch(QWidget* widget, PurchaseField field, int row)
{
    places_.insert(widget, {field, row});
    widget->installEventFilter(this);
}

QWidget* Tvndpurchases_frm::widgetAt(PurchaseField field, int row) const
{
    for (auto it = places_.begin(); it != places_.end(); ++it)
        if (it.value().field == field && (row < 0 || it.value().row == row || it.value().row < 0)) return it.key();
    return nullptr;
}

void Tvndpurchases_frm::start(Tvndpurchases_dm& data, PurchasesDialogs dialogs)
{
    data_ = &data;
    dialogs_ = dialogs;
    designCaption_ = windowTitle();
    const auto messageText = [this](int number) { return ui::FormMessageText(*this, number).toStdString(); };
    SetCurrencySigns(Registry::open(), data.books().settings().currencySigns);
    screen_ = std::make_unique<PurchasesScreen>(data.books(), data.posting(), *this, session_, messageText);
    screen_->start();
}

// Leaving a field runs its exit rules, entering one may send the focus back to the supplier.
// Only moves within the form count: a message box taking the focus is not the user leaving.
void Tvndpurchases_frm::focusMoved(QWidget* old, QWidget* now)
{
    if (!screen_ || !now || now->window() != this) return;
    // The focus sent back to a refused field: the field it passed through was not left by
    // the user, and checking it would send the focus away again.
    const bool sentBack = now == sentBackTo_;
    if (sentBack) sentBackTo_ = nullptr;
    if (old && places_.contains(old) && old->window() == this && !sentBack) {
        const bool towardsTag13 = now->property("tag").toInt() == kLeavingSkipsChecks;
        QWidget* left = old;
        act([this, left, towardsTag13] { leave(left, towardsTag13); });
    }
    if (places_.contains(now)) {
        const PurchaseField field = places_.value(now).field;
        if (places_.value(now).row >= 0) lastRow_ = places_.value(now).row;
        act([this, field] { screen_->enterField(field); });
    }
}

void Tvndpurchases_frm::act(std::function<void()> call) { actions_.run(std::move(call)); }

void Tvndpurchases_frm::leave(QWidget* widget, bool towardsTag13)
{
    if (auto* line = qobject_cast<QLineEdit*>(widget)) line->setModified(false);
    const Place place = places_.value(widget);
    const auto& row = distribution_->row(place.row < 0 ? 0 : place.row);
    switch (place.field) {
    case PurchaseField::Supplier: return screen_->leaveSupplierCode(supplierCode_->text().toStdString(), towardsTag13);
    case PurchaseField::Invoice: return screen_->leaveInvoice(invoice_->text().toStdString(), towardsTag13);
    case PurchaseField::Reference: return screen_->leaveReference(reference_->text().toStdString(), towardsTag13);
    case PurchaseField::Date: return screen_->leaveDate(dateIn(date_));
    case PurchaseField::DueDate: return screen_->leaveDueDate(dateIn(dueDate_));
    case PurchaseField::Comment:
        memo_->document()->setModified(false);
        return screen_->setComment(memo_->toPlainText().toStdString());
    case PurchaseField::RowAccount: return screen_->leaveAccount(place.row, row.account->text().toStdString());
    case PurchaseField::RowDescription: return screen_->setDescription(place.row, row.description->text().toStdString());
    case PurchaseField::RowDebit: return screen_->leaveDebit(place.row, AmountIn(*row.debit));
    case PurchaseField::RowCredit: return screen_->leaveCredit(place.row, AmountIn(*row.credit));
    default: return;
    }
}

std::optional<Date> Tvndpurchases_frm::dateIn(const QLineEdit* edit) const
{
    return ParseDate(edit->text().toStdString(), ShortDateFormat());
}

// Accept reads the field being typed in first: a shortcut presses the button without moving
// the focus.
void Tvndpurchases_frm::leaveFocusedField()
{
    QWidget* focused = QApplication::focusWidget();
    if (places_.contains(focused)) leave(focused, false);
}

void Tvndpurchases_frm::accept()
{
    act([this] {
        focusAsked_ = false;
        leaveFocusedField();
        if (focusAsked_) return;  // the field refused what it holds: its message said so once
        // A posting that fails is rolled back: the error is shown and the document stays typed.
        ui::RunPosting([this] { screen_->accept(); });
    });
}

bool Tvndpurchases_frm::eventFilter(QObject* watched, QEvent* event)
{
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || !places_.contains(widget) || !screen_) return QDialog::eventFilter(watched, event);
    const Place place = places_.value(widget);
    if (event->type() == QEvent::MouseButtonDblClick && place.field == PurchaseField::RowAccount) {
        lookUpAccount(place.row);
        return true;
    }
    if (event->type() != QEvent::KeyPress) return QDialog::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_F2 && place.field == PurchaseField::Supplier) {
        lookUpSupplier();
        return true;
    }
    if (key == Qt::Key_F2 && place.field == PurchaseField::RowAccount) {
        lookUpAccount(place.row);
        return true;
    }
    return moveOnKey(widget, key) || QDialog::eventFilter(watched, event);
}

// Enter and Down go to the next field, Up to the previous one, from the list of types and the
// distribution's boxes alike; the comment keeps its keys for its lines.
bool Tvndpurchases_frm::moveOnKey(QWidget* widget, int key)
{
    if (places_.value(widget).field == PurchaseField::Comment) return false;
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Down) {
        focusNextChild();
        return true;
    }
    if (key == Qt::Key_Up) {
        focusPreviousChild();
        return true;
    }
    return false;
}

ui::Answer Tvndpurchases_frm::message(int number, ui::MessageKind kind) { return ui::ShowFormMessage(*this, number, kind); }

void Tvndpurchases_frm::focus(PurchaseField field, int row)
{
    focusAsked_ = true;
    QWidget* target = widgetAt(field, row);
    if (!target) return;
    sentBackTo_ = target->hasFocus() ? nullptr : target;
    entryscreens::FocusSoon(target);
}

// The field being typed in keeps what the user typed: it reaches the logic when it is left.
void Tvndpurchases_frm::setText(QLineEdit* edit, const QString& text) { entryscreens::ShowText(*edit, text); }

void Tvndpurchases_frm::refresh()
{
    if (!screen_) return;
    const PurchaseDocument& document = screen_->document();
    setText(supplierCode_, qt(screen_->supplierCodeText()));
    supplierCode_->setEnabled(!screen_->supplierLocked());
    supplierSearch_->setEnabled(!screen_->supplierLocked());
    const auto& supplier = screen_->shownSupplier();
    const QString lines[] = {supplier ? qt(supplier->name) : QString(), supplier ? qt(supplier->address1) : QString(),
                             supplier ? qt(supplier->address2) : QString(),
                             supplier ? qt(supplier->city) + (supplier->province.empty() ? QString() : ", " + qt(supplier->province)) : QString()};
    for (std::size_t i = 0; i < address_.size(); ++i) {
        address_[i]->setText(lines[i]);
        address_[i]->setVisible(supplier.has_value());
    }
    {
        const QSignalBlocker quiet(cashPurchase_);
        cashPurchase_->setChecked(document.directCash);
    }
    {
        const QSignalBlocker quiet(type_);
        type_->setCurrentIndex(static_cast<int>(document.type));
    }
    setText(invoice_, qt(document.invoice));
    setText(reference_, qt(document.reference));
    setText(date_, qt(FormatDate(document.date, ShortDateFormat())));
    setText(dueDate_, qt(FormatDate(document.dueDate, ShortDateFormat())));
    if (memo_->toPlainText() != qt(document.comment) && !(memo_->hasFocus() && memo_->document()->isModified()))
        memo_->setPlainText(qt(document.comment));
    UseCurrency(screen_->currency());
    distribution_->show(document.rows);
    if (!screen_->periodCaption().empty()) setWindowTitle(qt(screen_->periodCaption()));
}

void Tvndpurchases_frm::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) return event->accept();
    QDialog::keyPressEvent(event);
}

void Tvndpurchases_frm::lookUpSupplier()
{
    supplierCode_->setModified(false);
    act([this] { screen_->pickSupplier(); });
}

void Tvndpurchases_frm::lookUpAccount(int row)
{
    distribution_->row(row).account->setModified(false);
    act([this, row] { screen_->pickAccount(row); });
}

void Tvndpurchases_frm::waiting(const std::string& text) { wait_.show(qt(text)); }

bool Tvndpurchases_frm::waitCancelled() { return wait_.cancelled(); }

void Tvndpurchases_frm::waitOver() { wait_.close(); }

std::string Tvndpurchases_frm::pickSupplier()
{
    char code[kSupplierWidth + 1] = {};
    PickSupplier(LinkFor(session_), code, sizeof code);
    return code;
}

int Tvndpurchases_frm::pickAccount() { return PickAccount(LinkFor(session_)); }

std::optional<std::vector<sidedialogs::TaxPerRateLine>> Tvndpurchases_frm::askTaxes(const std::vector<sidedialogs::TaxPerRateLine>& lines)
{
    return dialogs_.taxes->run(lines);
}

HoldbackAnswer Tvndpurchases_frm::askHoldback(Money base)
{
    const auto entered = dialogs_.holdback->run(sidedialogs::HoldbackEntry::forPurchases(base), *this);
    return entered ? entered->answer : HoldbackAnswer{};
}

std::optional<std::vector<sidedialogs::ProjectLine>> Tvndpurchases_frm::askProjects(Money toDistribute)
{
    return dialogs_.projects->run(toDistribute, data_->company(), *this, sidedialogs::SuiteProjectLookups(session_),
                                  sidedialogs::ProjectForm::Payables);
}

std::optional<int> Tvndpurchases_frm::askPeriod(int period) { return dialogs_.period->run(period, session_.language); }

void Tvndpurchases_frm::showHelp() { OpenHelp(helpFile_, kHelpContext); }

void Tvndpurchases_frm::emailSupplier()
{
    const auto& supplier = screen_ ? screen_->shownSupplier() : std::nullopt;
    QDesktopServices::openUrl(QUrl(QStringLiteral("mailto:") + (supplier ? qt(supplier->email) : QString())));
}

void Tvndpurchases_frm::changePeriod()
{
    act([this] { screen_->changePeriod(); });
}

void Tvndpurchases_frm::openQuickLink() { QuickLink(LinkFor(session_)); }

void Tvndpurchases_frm::printScreen()
{
    report::printReport(report::documentFromWidget(this), this, QString::fromStdString(session_.printerIndex).toInt(), false);
}

}  // namespace orvant::purchases
