#include "cheque_edit_form.h"

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QValidator>
#include <QVBoxLayout>

#include "cheque_editor.h"
#include "cheque_lines_grid.h"
#include "cheque_messages.h"
#include "dates/date_format.h"
#include "entryscreens/entry_buttons.h"
#include "entryscreens/entry_fields.h"
#include "invoice_list_dialog.h"
#include "money/currency_format.h"
#include "pickers.h"
#include "quick_link.h"
#include "report/printing.h"
#include "report/screen_print.h"
#include "session/help.h"
#include "session/module_frame.h"
#include "settings/regional.h"
#include "settings/registry.h"
#include "sidedialogs/entry_grid.h"
#include "sidedialogs/taxperrate_dialog.h"
#include "slot_rows.h"
#include "ui/error_reporting.h"
#include "ui/form_messages.h"

namespace orvant::chequescreen {

using cheques::EditorField;
using cheques::EditorPage;
using entryscreens::BuddyLabel;
using entryscreens::NamedEdit;
using entryscreens::ShowText;
using ui::NavigatorButton;

namespace {

constexpr const char* kDateMask = "!99/99/9999;1; ";
constexpr int kSupplierWidth = 10;

QString qt(const std::string& s) { return QString::fromStdString(s); }
std::string text(const QLineEdit* edit) { return edit->text().toStdString(); }

QString moneyText(Money amount) { return qt(FormatMoney(amount)); }

// A date typed in the session's format; an invalid date when it does not read.
Date dateIn(const QString& typed) { return ParseDate(typed.trimmed().toStdString(), ShortDateFormat()).value_or(Date()); }

// Supplier codes are kept in capitals: the field shows them so as they are typed.
class CapitalsValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override
    {
        input = input.toUpper();
        return Acceptable;
    }
};

QPushButton* listButton(QWidget* parent, const char* name, const char* hint)
{
    auto* b = new QPushButton("...", parent);
    b->setObjectName(QLatin1String(name));
    b->setToolTip(QString::fromUtf8(hint));
    b->setAutoDefault(false);
    b->setFocusPolicy(Qt::NoFocus);
    b->setMaximumWidth(32);
    // Going to a list does not run the exit checks of the field left: the list fills it.
    b->setProperty("tag", ui::kLeavingSkipsChecks);
    return b;
}

std::optional<cheques::PayeeField> payeeFieldOf(EditorField field)
{
    switch (field) {
    case EditorField::Name: return cheques::PayeeField::Name;
    case EditorField::Address1: return cheques::PayeeField::Address1;
    case EditorField::Address2: return cheques::PayeeField::Address2;
    case EditorField::City: return cheques::PayeeField::City;
    case EditorField::PostalCode: return cheques::PayeeField::PostalCode;
    case EditorField::Province: return cheques::PayeeField::Province;
    case EditorField::Country: return cheques::PayeeField::Country;
    default: return std::nullopt;
    }
}

}  // namespace

ChequeEditForm::ChequeEditForm(Session& session, QString helpFile, ChequeScreenKind kind)
    : session_(session), helpFile_(std::move(helpFile)), kind_(kind), actions_(*this)
{
    setObjectName(QLatin1String(kind.formName));
    setWindowTitle(QString::fromUtf8(kind.caption));
    pages_ = new QTabWidget(this);
    pages_->setObjectName("PageControl1");
    pages_->addTab(buildGeneral(), "General");
    slots_ = new SlotRows(pages_);
    auto* distribution = new QWidget(pages_);
    distribution->setObjectName("TabDistribution");
    (new QVBoxLayout(distribution))->addWidget(slots_);
    pages_->addTab(distribution, "Accounting distribution");
    navigator_ = new ui::RecordNavigator(this, "DBNavigator1", true, [this](NavigatorButton b) { press(b); });
    navigator_->setHints({"First cheque", "Prior cheque", "Next cheque", "Last cheque", "New cheque", "Delete cheque", "Change cheque",
                          "Save cheque", "Cancel", "Read again"});
    statusBar_ = new QStatusBar(this);
    statusBar_->setObjectName("StatusBar");
    for (const char* panel : {"CompanyPanel", "UserPanel", "VersionPanel"}) {
        auto* label = new QLabel(statusBar_);
        label->setObjectName(panel);
        statusBar_->addPermanentWidget(label);
    }
    messages_ = new QPlainTextEdit(this);
    messages_->setObjectName("IntlStrings1");
    messages_->hide();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages_, 1);
    layout->addWidget(navigator_);
    layout->addWidget(buildBottom());
    layout->addWidget(statusBar_);

    for (int slot = kFirstTypedSlot; slot <= kSlotCount; ++slot) {
        watch(slots_->account(slot), EditorField::SlotAccount);
        watch(slots_->amount(slot), EditorField::SlotAmount);
        if (QPushButton* list = slots_->listButton(slot))
            connect(list, &QPushButton::clicked, this, ui::Guarded([this, slot] { act([this, slot] { editor_->pickSlotAccount(slot); }); }));
    }
    connect(pages_, &QTabWidget::currentChanged, this, ui::Guarded([this](int page) {
                if (editor_ && !refreshing_ && page == 1) act([this] { editor_->pageShown(EditorPage::Distribution); });
            }));
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget* now) { focusMoved(old, now); });
    qApp->installEventFilter(this);
    enableInputs();
    resize(860, 700);
}

ChequeEditForm::~ChequeEditForm()
{
    qApp->removeEventFilter(this);
    disconnect(qApp, nullptr, this, nullptr);
}

QWidget* ChequeEditForm::buildGeneral()
{
    auto* page = new QWidget(pages_);
    page->setObjectName("TabGeneral");
    auto* grid = new QGridLayout;
    int row = 0;
    if (!recurring()) {
        supplierCode_ = NamedEdit(page, "Apchqh_fou", kSupplierWidth);
        supplierCode_->setValidator(new CapitalsValidator(supplierCode_));
        supplierList_ = listButton(page, "SupplierBtn1", "List of suppliers (F2)");
        auto* supplier = new QHBoxLayout;
        supplier->addWidget(supplierCode_);
        supplier->addWidget(supplierList_);
        supplier->addStretch();
        grid->addWidget(BuddyLabel(page, "SupplierLabel", "S&upplier code:", supplierCode_), row, 0);
        grid->addLayout(supplier, row, 1);
        watch(supplierCode_, EditorField::SupplierCode);
        connect(supplierList_, &QPushButton::clicked, this, ui::Guarded([this] {
                    supplierCode_->setModified(false);
                    act([this] { editor_->pickSupplier(); });
                }));
    }
    seq_ = NamedEdit(page, "Apchqh_seq");
    seq_->setReadOnly(true);
    seq_->setFocusPolicy(Qt::NoFocus);
    grid->addWidget(BuddyLabel(page, "SeqLabel", "Sequence #:"), row, 2);
    grid->addWidget(seq_, row++, 3);

    date_ = NamedEdit(page, "Apchqh_date_imp");
    SetEditMask(*date_, kDateMask);
    bank_ = new QComboBox(page);
    bank_->setObjectName("ComboBox1");
    grid->addWidget(BuddyLabel(page, "DateLabel", "Cheque &date:", date_), row, 0);
    grid->addWidget(date_, row, 1);
    grid->addWidget(BuddyLabel(page, "BankLabel", "&Bank account", bank_), row, 2);
    grid->addWidget(bank_, row++, 3);
    watch(date_, EditorField::Date);
    connect(bank_, &QComboBox::activated, this, ui::Guarded([this](int index) {
                if (editor_ && !refreshing_) act([this, index] { editor_->setBank(index); });
            }));

    amount_ = NamedEdit(page, "Apchqh_Montant");
    amount_->setReadOnly(true);
    amount_->setFocusPolicy(Qt::NoFocus);
    amount_->setAlignment(Qt::AlignRight);
    words_ = new QPlainTextEdit(page);
    words_->setObjectName("Apchqh_desc");
    words_->setReadOnly(true);
    words_->setFocusPolicy(Qt::NoFocus);
    words_->setMaximumHeight(48);
    grid->addWidget(BuddyLabel(page, "AmountLabel", "Cheque amount"), row, 0);
    grid->addWidget(amount_, row, 1);
    grid->addWidget(words_, row++, 2, 1, 2);
    grid->setColumnStretch(3, 1);

    lines_ = new ChequeLinesGrid(page, ChequeLineActions{
        [this] { return editor_ ? static_cast<int>(editor_->cheque().lines.size()) : 0; },
        [this](int row) {
            const cheques::ChequeLine& line = editor_->cheque().lines.at(static_cast<std::size_t>(row));
            const std::string marker = line.holdback ? ui::FormMessageText(*this, kHoldbackWord).toStdString() : std::string();
            return ChequeLineShown{line.invoice, marker, line.date, line.dueDate, line.amount, line.discount, line.payment,
                                   !line.supplier.empty()};
        },
        [this](int row, int column, const QString& typed) { lineTyped(row, column, typed); },
        // Called from the grid's key handling, outside the serial actions: guarded here.
        [this] {
            try {
                return editor_ && editor_->addLine() >= 0;
            } catch (...) {
                ui::HandleException(std::current_exception());
                return false;
            }
        },
        // The list of invoices takes no focus: the field being typed in is handed over first (the
        // cheque date decides whether a discount is late).
        recurring() ? std::function<void(int)>() : [this](int row) {
            act([this, row] {
                leaveFocusedField();
                editor_->pickInvoice(row);
            });
        },
        [this](int row) { act([this, row] { editor_->deleteLine(row); }); }});

    auto* layout = new QVBoxLayout(page);
    layout->addLayout(grid);
    layout->addWidget(buildPayee(page));
    layout->addWidget(lines_, 1);
    return page;
}

QWidget* ChequeEditForm::buildPayee(QWidget* page)
{
    auto* box = new QGroupBox("Payee", page);
    box->setObjectName("PayeeBox");
    auto* grid = new QGridLayout(box);
    name_ = NamedEdit(box, "Apchqh_nom", 60);
    payeeList_ = listButton(box, "SupplierBtn2", "List of suppliers (F2)");
    address1_ = NamedEdit(box, "Apchqh_adr1", 40);
    address2_ = NamedEdit(box, "Apchqh_adr2", 40);
    city_ = NamedEdit(box, "Apchqh_city", 40);
    province_ = NamedEdit(box, "Apchqh_prov", 20);
    postalCode_ = NamedEdit(box, "Apchqh_code_postal", 20);
    country_ = NamedEdit(box, "Apchqh_country", 40);
    auto* name = new QHBoxLayout;
    name->addWidget(name_, 1);
    name->addWidget(payeeList_);
    grid->addWidget(BuddyLabel(box, "NameLabel", "&Name:", name_), 0, 0);
    grid->addLayout(name, 0, 1, 1, 3);
    grid->addWidget(BuddyLabel(box, "AddressLabel", "&Address:", address1_), 1, 0);
    grid->addWidget(address1_, 1, 1, 1, 3);
    grid->addWidget(address2_, 2, 1, 1, 3);
    grid->addWidget(BuddyLabel(box, "CityLabel", "Cit&y:", city_), 3, 0);
    grid->addWidget(city_, 3, 1);
    grid->addWidget(BuddyLabel(box, "ProvLabel", "&Province/State:", province_), 3, 2);
    grid->addWidget(province_, 3, 3);
    grid->addWidget(BuddyLabel(box, "PostalLabel", "P&ostal code:", postalCode_), 4, 0);
    grid->addWidget(postalCode_, 4, 1);
    grid->addWidget(BuddyLabel(box, "CountryLabel", "Coun&try:", country_), 4, 2);
    grid->addWidget(country_, 4, 3);
    watch(name_, EditorField::Name);
    watch(address1_, EditorField::Address1);
    watch(address2_, EditorField::Address2);
    watch(city_, EditorField::City);
    watch(province_, EditorField::Province);
    watch(postalCode_, EditorField::PostalCode);
    watch(country_, EditorField::Country);
    connect(payeeList_, &QPushButton::clicked, this, ui::Guarded([this] { act([this] { editor_->pickPayee(); }); }));
    return box;
}

QWidget* ChequeEditForm::buildBottom()
{
    auto* bar = new QWidget(this);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    const auto tool = [&](const char* name, const char* caption, void (ChequeEditForm::*action)()) {
        auto* b = new QToolButton(bar);
        b->setObjectName(QLatin1String(name));
        b->setText(QString::fromUtf8(caption));
        b->setFocusPolicy(Qt::NoFocus);
        connect(b, &QToolButton::clicked, this, ui::Guarded([this, action] { (this->*action)(); }));
        row->addWidget(b);
    };
    tool("QuickLinkBtn", "Quick Link", &ChequeEditForm::openQuickLink);
    tool("PrintBtn", "Print screen", &ChequeEditForm::printScreen);
    row->addStretch();
    auto* exit = new QPushButton("E&xit", bar);
    exit->setObjectName("Exit_btn");
    exit->setAutoDefault(false);
    exit->setProperty("tag", ui::kLeavingSkipsChecks);
    connect(exit, &QPushButton::clicked, this, &QDialog::reject);
    auto* help = new QPushButton("&Help", bar);
    help->setObjectName("Help_btn");
    help->setAutoDefault(false);
    help->setProperty("tag", ui::kLeavingSkipsChecks);
    connect(help, &QPushButton::clicked, this, ui::Guarded([this] { showHelp(); }));
    row->addWidget(exit);
    row->addWidget(help);
    return bar;
}

void ChequeEditForm::watch(QWidget* widget, EditorField field)
{
    places_.insert(widget, field);
    widget->installEventFilter(this);
}

QWidget* ChequeEditForm::widgetAt(EditorField field, int row) const
{
    switch (field) {
    case EditorField::SlotAccount: return row >= 1 && row <= kSlotCount ? slots_->account(row) : nullptr;
    case EditorField::SlotAmount: return row >= 1 && row <= kSlotCount ? slots_->amount(row) : nullptr;
    case EditorField::LineInvoice:
    case EditorField::LineAmount:
    case EditorField::LineDiscount: return lines_->grid();
    case EditorField::Bank: return bank_;
    // A recurring cheque has no supplier code: its first field is the payee's name.
    case EditorField::SupplierCode: return supplierCode_ ? static_cast<QWidget*>(supplierCode_) : name_;
    default: break;
    }
    for (auto it = places_.begin(); it != places_.end(); ++it)
        if (it.value() == field) return it.key();
    return nullptr;
}

void ChequeEditForm::start(store::Database& books, ChequeDialogs dialogs)
{
    dialogs_ = dialogs;
    showUsWording();
    editor_ = std::make_unique<cheques::ChequeEditor>(books, kind_.set, *this, session_);
    refresh();
}

// Where cheques are "checks", the screen says so, except in French.
void ChequeEditForm::showUsWording()
{
    const QString intl = Registry::open().value(kSettingsSection, u"Intl");
    if (intl.compare("y", Qt::CaseInsensitive) != 0 || session_.language == 2) return;
    usWording_ = true;
    setWindowTitle(ui::FormMessageText(*this, kUsCaption));
    findChild<QLabel*>("DateLabel")->setText(ui::FormMessageText(*this, kUsDateCaption));
    findChild<QLabel*>("AmountLabel")->setText(ui::FormMessageText(*this, kUsAmountCaption));
}

// Leaving a field runs its exit rules. Only moves within the form count: a message box taking
// the focus is not the user leaving.
void ChequeEditForm::focusMoved(QWidget* old, QWidget* now)
{
    if (!editor_ || !now || now->window() != this) return;
    const bool sentBack = now == sentBackTo_;
    if (sentBack) sentBackTo_ = nullptr;
    if (now == supplierCode_ && !refreshing_) act([this] { editor_->enterSupplier(); });
    if (old && places_.contains(old) && old->window() == this && !sentBack && old->isEnabled()) {
        const bool towardsSkip = ui::SkipsFieldChecks(now);
        QWidget* left = old;
        act([this, left, towardsSkip] { leave(left, towardsSkip); });
    }
}

void ChequeEditForm::act(std::function<void()> call) { actions_.run(std::move(call)); }

void ChequeEditForm::leave(QWidget* widget, bool towardsSkip)
{
    if (!editor_->inputEnabled()) return;
    auto* edit = qobject_cast<QLineEdit*>(widget);
    if (!edit) return;
    edit->setModified(false);
    const EditorField field = places_.value(widget);
    switch (field) {
    case EditorField::SupplierCode: editor_->leaveSupplier(text(edit)); return;
    case EditorField::Date: editor_->leaveDate(dateIn(edit->text())); return;
    case EditorField::SlotAccount: editor_->leaveSlotAccount(slots_->slotOfAccount(edit), text(edit), towardsSkip); return;
    case EditorField::SlotAmount:
        // The box takes only what may become an amount; one left unfinished shows the slot again.
        if (const std::optional<Money> amount = entryscreens::AmountIn(*edit)) editor_->setSlotAmount(slots_->slotOfAmount(edit), *amount);
        else refresh();
        return;
    default:
        if (const std::optional<cheques::PayeeField> payee = payeeFieldOf(field)) editor_->setPayee(*payee, text(edit));
        return;
    }
}

void ChequeEditForm::lineTyped(int row, int column, const QString& typed)
{
    if (!editor_) return;
    act([this, row, column, typed] {
        switch (column) {
        case ChequeLinesModel::Invoice: editor_->leaveInvoice(row, typed.trimmed().toStdString()); return;
        case ChequeLinesModel::Date:
        case ChequeLinesModel::DueDate: {
            // A date that does not read is refused: the cell shows the line's date again.
            const Date date = dateIn(typed);
            if (!date.isValid() && !typed.trimmed().isEmpty()) return refresh();
            if (column == ChequeLinesModel::Date) return editor_->setLineDate(row, date);
            return editor_->setLineDueDate(row, date);
        }
        case ChequeLinesModel::Amount:
            if (const std::optional<Money> amount = ReadTypedAmount(typed.trimmed().toStdString())) editor_->setLineAmount(row, *amount);
            return;
        case ChequeLinesModel::Discount:
            if (const std::optional<Money> discount = ReadTypedAmount(typed.trimmed().toStdString())) editor_->setLineDiscount(row, *discount);
            return;
        default: return;
        }
    });
}

// Save reads the field being typed in and the cell being edited first: a shortcut presses the
// button without moving the focus.
void ChequeEditForm::leaveFocusedField()
{
    lines_->commitPendingEdit();
    QWidget* focused = QApplication::focusWidget();
    if (places_.contains(focused)) leave(focused, false);
}

void ChequeEditForm::save()
{
    act([this] {
        focusAsked_ = false;
        leaveFocusedField();
        // A cell reaches the editor on the next turn of the event loop; save after it, unless it
        // or the field was refused.
        QTimer::singleShot(0, this, ui::Guarded([this] {
            act([this] {
                if (!focusAsked_) editor_->save(pages_->currentIndex() == 1 ? EditorPage::Distribution : EditorPage::General);
            });
        }));
    });
}

void ChequeEditForm::press(NavigatorButton button)
{
    if (!editor_) return;
    if (button == NavigatorButton::Post) return save();
    act([this, button] {
        switch (button) {
        case NavigatorButton::First: editor_->first(); break;
        case NavigatorButton::Prior: editor_->prior(); break;
        case NavigatorButton::Next: editor_->next(); break;
        case NavigatorButton::Last: editor_->last(); break;
        case NavigatorButton::Insert: editor_->insert(); break;
        case NavigatorButton::Delete: editor_->remove(); break;
        case NavigatorButton::Edit: editor_->edit(); break;
        case NavigatorButton::Cancel: editor_->cancel(); break;
        case NavigatorButton::Refresh: editor_->refresh(); break;
        case NavigatorButton::Post: break;
        }
    });
}

bool ChequeEditForm::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress || !editor_) return QDialog::eventFilter(watched, event);
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != this || QApplication::activeModalWidget() != this) return QDialog::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    NavigatorButton which;
    if (!editor_->inputEnabled()) {
        // While browsing the keys move through the cheques, as the navigator does.
        if (key->modifiers() == Qt::NoModifier && BrowseKeyButton(key->key(), which) && navigator_->button(which)->isEnabled()) {
            press(which);
            return true;
        }
        return QDialog::eventFilter(watched, event);
    }
    if (!places_.contains(widget)) return QDialog::eventFilter(watched, event);
    if (key->key() == Qt::Key_F2) {
        const int slot = slots_->slotOfAccount(widget);
        if (widget == supplierCode_) {
            supplierCode_->setModified(false);
            act([this] { editor_->pickSupplier(); });
        } else if (widget == name_) {
            act([this] { editor_->pickPayee(); });
        } else if (slot >= kFirstListedSlot) {
            act([this, slot] { editor_->pickSlotAccount(slot); });
        }
        return true;
    }
    return moveOnKey(widget, key->key()) || QDialog::eventFilter(watched, event);
}

// Enter and Down go to the next field, Up to the previous one.
bool ChequeEditForm::moveOnKey(QWidget*, int key)
{
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

void ChequeEditForm::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) return event->accept();
    QDialog::keyPressEvent(event);
}

ui::Answer ChequeEditForm::message(int number, ui::MessageKind kind)
{
    return ui::ShowFormMessage(*this, usWording_ ? cheques::UsWordingOf(number) : number, kind);
}

void ChequeEditForm::focus(EditorField field, int row)
{
    focusAsked_ = true;
    switch (field) {
    case EditorField::LineInvoice: return lines_->focusCell(row, ChequeLinesModel::Invoice);
    case EditorField::LineAmount: return lines_->focusCell(row, ChequeLinesModel::Amount);
    case EditorField::LineDiscount: return lines_->focusCell(row, ChequeLinesModel::Discount);
    default: break;
    }
    QWidget* target = widgetAt(field, row);
    if (!target) return;
    if (field == EditorField::SlotAccount || field == EditorField::SlotAmount) pages_->setCurrentIndex(1);
    sentBackTo_ = target->hasFocus() ? nullptr : target;
    entryscreens::FocusSoon(target);
}

void ChequeEditForm::showPage(EditorPage page)
{
    const QSignalBlocker quiet(pages_);
    pages_->setCurrentIndex(page == EditorPage::Distribution ? 1 : 0);
}

void ChequeEditForm::enableInputs()
{
    const bool typing = editor_ && editor_->inputEnabled();
    if (supplierCode_) {
        supplierCode_->setEnabled(typing && editor_->supplierCodeEditable());
        supplierList_->setEnabled(supplierCode_->isEnabled());
    }
    for (QWidget* field : std::initializer_list<QWidget*>{date_, name_, payeeList_, address1_, address2_, city_, province_, postalCode_, country_})
        field->setEnabled(typing);
    bank_->setEnabled(typing && editor_->bankEnabled());
    lines_->setTyping(typing);
    slots_->setTyping(typing);
    navigator_->setBrowsing(!typing);
}

void ChequeEditForm::showHeader()
{
    const cheques::Cheque& cheque = editor_->cheque();
    if (supplierCode_) ShowText(*supplierCode_, qt(cheque.supplier));
    seq_->setText(editor_->hasCheque() ? QString::number(cheque.seq) : QString());
    ShowText(*date_, cheque.date.isValid() ? qt(FormatDate(cheque.date, ShortDateFormat())) : QString());
    amount_->setText(editor_->hasCheque() ? moneyText(cheque.amount) : QString());
    words_->setPlainText(qt(cheque.words));
    const std::pair<QLineEdit*, const std::string*> payee[] = {
        {name_, &cheque.name},         {address1_, &cheque.address1}, {address2_, &cheque.address2},  {city_, &cheque.city},
        {province_, &cheque.province}, {postalCode_, &cheque.postalCode}, {country_, &cheque.country}};
    for (const auto& [edit, value] : payee) ShowText(*edit, qt(*value));
    const QStringList banks = [this] {
        QStringList descriptions;
        for (const cheques::ChequeBank& entry : editor_->bankEntries()) descriptions << qt(entry.description);
        return descriptions;
    }();
    QStringList shown;
    for (int i = 0; i < bank_->count(); ++i) shown << bank_->itemText(i);
    if (shown != banks) {
        bank_->clear();
        bank_->addItems(banks);
    }
    bank_->setCurrentIndex(editor_->bankEntry().value_or(-1));
}

void ChequeEditForm::showSlots()
{
    Money total;
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        const int account = editor_->slotAccount(slot);
        const Money amount = editor_->slotAmount(slot);
        ShowText(*slots_->account(slot), account == 0 ? QString() : QString::number(account));
        ShowText(*slots_->amount(slot), slot < kFirstTypedSlot ? moneyText(amount) : entryscreens::RowAmountText(amount));
        total += amount;
    }
    slots_->total()->setText(moneyText(total));
}

void ChequeEditForm::refresh()
{
    if (!editor_) return;
    refreshing_ = true;
    UseCurrency(editor_->currency());
    showHeader();
    showSlots();
    lines_->sync();
    enableInputs();
    refreshing_ = false;
}

// A list opened from a field gives the keyboard back to that field when it closes, unless the
// editor sends it elsewhere.
template <class Pick>
auto ChequeEditForm::keepingFocus(Pick pick)
{
    const QPointer<QWidget> had = QApplication::focusWidget();
    auto chosen = pick();
    activateWindow();
    if (had && had->window() == this && had->isEnabled()) had->setFocus(Qt::OtherFocusReason);
    return chosen;
}

std::string ChequeEditForm::pickSupplier()
{
    return keepingFocus([this] {
        char code[kSupplierWidth + 1] = {};
        PickSupplier(LinkFor(session_), code, sizeof code);
        return std::string(code);
    });
}

int ChequeEditForm::pickAccount()
{
    return keepingFocus([this] { return PickAccount(LinkFor(session_)); });
}

std::optional<std::size_t> ChequeEditForm::pickInvoice(const std::vector<OpenItem>& items)
{
    if (!dialogs_.invoices) return std::nullopt;
    return keepingFocus([&] { return dialogs_.invoices->run(items, ui::FormMessageText(*this, kHoldbackWord)); });
}

std::optional<std::vector<sidedialogs::TaxPerRateLine>> ChequeEditForm::askTaxes(const std::vector<sidedialogs::TaxPerRateLine>& lines)
{
    return dialogs_.taxes->run(lines);
}

void ChequeEditForm::showHelp() { OpenHelp(helpFile_, kind_.helpContext); }

void ChequeEditForm::openQuickLink() { QuickLink(LinkFor(session_)); }

void ChequeEditForm::printScreen()
{
    report::printReport(report::documentFromWidget(this), this, QString::fromStdString(session_.printerIndex).toInt(), false);
}

}  // namespace orvant::chequescreen
