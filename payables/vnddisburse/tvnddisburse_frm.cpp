#include "tvnddisburse_frm.h"

#include <QApplication>
#include <QCheckBox>
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
#include <QTimer>
#include <QToolButton>
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
#include "settings/registry.h"
#include "sidedialogs/entry_grid.h"
#include "sidedialogs/period_dialog.h"
#include "sidedialogs/taxperrate_dialog.h"
#include "tvnddisburse_dm.h"
#include "ui/error_reporting.h"
#include "ui/form_messages.h"

namespace orvant::disbursements {

namespace {

constexpr int kHelpContext = 305;
constexpr const char* kDateMask = "!99/99/9999;1; ";
constexpr int kAccountWidth = 9;

using sidedialogs::DistributionModel;
using sidedialogs::kLeavingSkipsChecks;
using sidedialogs::SkipsFieldChecks;

QString qt(const std::string& s) { return QString::fromStdString(s); }

// An empty amount cell is 0; a text is read in the session's language.
std::optional<Money> amountIn(const QString& typed)
{
    const std::string text = typed.trimmed().toStdString();
    return text.empty() ? Money() : ReadTypedAmount(text);
}

template <class Widget>
Widget* named(Widget* widget, const char* name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QLabel* label(QWidget* parent, const char* name, const char* caption, QWidget* buddy = nullptr)
{
    auto* l = named(new QLabel(QString::fromUtf8(caption), parent), name);
    if (buddy) l->setBuddy(buddy);
    return l;
}

QLineEdit* edit(QWidget* parent, const char* name, int width = 0)
{
    auto* e = named(new QLineEdit(parent), name);
    if (width > 0) e->setMaxLength(width);
    return e;
}

// The text the field shows unless the user is typing in it: what is typed reaches the logic
// when the field is left.
void setText(QLineEdit* edit, const QString& text)
{
    if (edit->text() != text && !(edit->hasFocus() && edit->isModified())) edit->setText(text);
}

// The grid column of a field the focus is sent to.
int GridColumnOf(DisbursementField field)
{
    switch (field) {
    case DisbursementField::OpenItem: return sidedialogs::OpenItemsModel::Payment;
    case DisbursementField::RowDebit: return DistributionModel::Debit;
    case DisbursementField::RowCredit: return DistributionModel::Credit;
    default: return DistributionModel::Account;
    }
}

}  // namespace

Tvnddisburse_frm::Tvnddisburse_frm(Session& session, QString helpFile)
    : session_(session), helpFile_(std::move(helpFile)), actions_(*this), wait_(*this)
{
    setObjectName("Tvnddisburse_frm");
    setWindowTitle("Cash disbursements current period is ");
    auto* header = new QGridLayout;
    buildHeader(header);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label(this, "TabLabel", "Cash disbursements entry"));
    layout->addLayout(header);
    grids_ = buildGrids();
    layout->addWidget(grids_, 1);
    layout->addWidget(buildButtons());
    statusBar_ = named(new QStatusBar(this), "StatusBar");
    for (const char* panel : {"CompanyPanel", "UserPanel", "VersionPanel"}) statusBar_->addPermanentWidget(named(new QLabel(statusBar_), panel));
    layout->addWidget(statusBar_);
    setTabOrder();
    messages_ = named(new QPlainTextEdit(this), "IntlStrings1");
    messages_->hide();
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget* now) { focusMoved(old, now); });
    resize(820, 700);
}

Tvnddisburse_frm::~Tvnddisburse_frm() { disconnect(qApp, nullptr, this, nullptr); }

void Tvnddisburse_frm::buildHeader(QGridLayout* grid)
{
    supplierCode_ = edit(this, "SupplierCode", kSupplierWidth);
    supplierSearch_ = named(new QPushButton("...", this), "SupplierSearchBtn");
    supplierSearch_->setToolTip("List of suppliers");
    supplierSearch_->setAutoDefault(false);
    supplierSearch_->setFocusPolicy(Qt::NoFocus);
    supplierSearch_->setProperty("tag", kLeavingSkipsChecks);
    supplierName_ = named(new QLabel(this), "Supplier_Name");
    auto* supplier = new QHBoxLayout;
    supplier->addWidget(supplierCode_);
    supplier->addWidget(supplierSearch_);
    supplier->addWidget(supplierName_, 1);
    grid->addWidget(label(this, "SupplierLabel", "&Supplier code", supplierCode_), 0, 0);
    grid->addLayout(supplier, 0, 1, 1, 3);

    notToSupplier_ = named(new QCheckBox("Disbursement not to a supplier", this), "CheckBox1");
    grid->addWidget(notToSupplier_, 1, 1, 1, 3);

    date_ = edit(this, "TransDate");
    SetEditMask(*date_, kDateMask);
    reference_ = edit(this, "DebCreRef", kReferenceWidth);
    memo_ = named(new QPlainTextEdit(this), "TransMemo");
    memo_->setMaximumHeight(56);
    memo_->setTabChangesFocus(true);
    grid->addWidget(label(this, "DateLabel", "&Transaction date", date_), 2, 0);
    grid->addWidget(date_, 2, 1);
    grid->addWidget(label(this, "RefLabel", "&Reference", reference_), 2, 2);
    grid->addWidget(reference_, 2, 3);
    grid->addWidget(label(this, "MemoLabel", "Transaction &memo", memo_), 3, 0);
    grid->addWidget(memo_, 3, 1, 1, 3);

    watch(supplierCode_, DisbursementField::Supplier);
    watch(date_, DisbursementField::Date);
    watch(reference_, DisbursementField::Reference);
    watch(memo_, DisbursementField::Memo);
    notToSupplier_->installEventFilter(this);
    connect(supplierSearch_, &QPushButton::clicked, this, ui::Guarded([this] { lookUpSupplier(); }));
    connect(notToSupplier_, &QCheckBox::toggled, this, ui::Guarded([this](bool on) {
                if (screen_) act([this, on] { screen_->setNotToSupplier(on); });
            }));
}

sidedialogs::PaymentGrids* Tvnddisburse_frm::buildGrids()
{
    sidedialogs::PaymentGridActions actions;
    actions.paymentTyped = [this](int row, const QString& text) {
        if (screen_) act([this, row, text] { screen_->setPayment(row, amountIn(text)); });
    };
    actions.payInFull = [this](int row) {
        if (screen_) act([this, row] { screen_->payInFull(row); });
    };
    actions.lineTyped = [this](int row, int column, const QString& text, bool towardsTag13) { lineTyped(row, column, text, towardsTag13); };
    actions.addLine = [this] { return screen_ && screen_->addLine(); };
    actions.pickAccount = [this](int row) {
        if (screen_) act([this, row] { screen_->pickAccount(row); });
    };
    actions.deleteLine = [this](int row) {
        if (screen_) act([this, row] { screen_->deleteLine(row); });
    };
    return new sidedialogs::PaymentGrids(this, {"DBEdit1", "DBEdit2"}, kAccountWidth, kRowDescriptionWidth, std::move(actions));
}

QWidget* Tvnddisburse_frm::buildButtons()
{
    auto* bar = new QWidget(this);
    auto* buttons = new QHBoxLayout(bar);
    buttons->setContentsMargins(0, 0, 0, 0);
    const auto tool = [&](const char* name, const char* caption, std::function<void()> action) {
        auto* b = named(new QToolButton(bar), name);
        b->setText(QString::fromUtf8(caption));
        b->setFocusPolicy(Qt::NoFocus);
        connect(b, &QToolButton::clicked, this, ui::Guarded(std::move(action)));
        buttons->addWidget(b);
    };
    tool("PeriodBtn", "Change period", [this] { act([this] { screen_->changePeriod(); }); });
    tool("EmailBtn", "E-Mail to", [this] { emailSupplier(); });
    tool("QuickLinkBtn", "Quick Link", [this] { openQuickLink(); });
    tool("PrintBtn", "Print screen", [this] { printScreen(); });
    buttons->addStretch();
    const auto button = [&](const char* name, const char* caption, bool skipsChecks) {
        auto* b = named(new QPushButton(QString::fromUtf8(caption), bar), name);
        b->setAutoDefault(false);
        if (skipsChecks) b->setProperty("tag", kLeavingSkipsChecks);
        buttons->addWidget(b);
        return b;
    };
    QPushButton* post = button("PostBtn", "&Accept transaction", false);
    QPushButton* cancel = button("CancelBtn", "&Cancel entry", true);
    QPushButton* exit = button("Exit_btn", "E&xit", true);
    QPushButton* help = button("Help_btn", "&Help", true);
    connect(post, &QPushButton::clicked, this, ui::Guarded([this] { accept(); }));
    connect(cancel, &QPushButton::clicked, this, ui::Guarded([this] { act([this] { screen_->cancel(); }); }));
    connect(exit, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, ui::Guarded([this] { showHelp(); }));
    return bar;
}

// Enter and Tab go through the header, then the open items and the distribution; the buttons
// come last.
void Tvnddisburse_frm::setTabOrder()
{
    std::vector<QWidget*> order{supplierCode_, notToSupplier_, date_, reference_, memo_, grids_->items(), grids_->lines()};
    for (const char* button : {"PostBtn", "CancelBtn", "Exit_btn", "Help_btn"}) order.push_back(findChild<QWidget*>(button));
    for (std::size_t i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}

void Tvnddisburse_frm::watch(QWidget* widget, DisbursementField field)
{
    places_.insert(widget, field);
    widget->installEventFilter(this);
}

QWidget* Tvnddisburse_frm::widgetAt(DisbursementField field) const
{
    if (field == DisbursementField::OpenItem) return grids_->items();
    if (field == DisbursementField::RowAccount || field == DisbursementField::RowDebit || field == DisbursementField::RowCredit)
        return grids_->lines();
    if (field == DisbursementField::NotToSupplier) return notToSupplier_;
    for (auto it = places_.begin(); it != places_.end(); ++it)
        if (it.value() == field) return it.key();
    return nullptr;
}

void Tvnddisburse_frm::start(Tvnddisburse_dm& data, DisbursementDialogs dialogs)
{
    dialogs_ = dialogs;
    const auto messageText = [this](int number) { return ui::FormMessageText(*this, number).toStdString(); };
    SetCurrencySigns(Registry::open(), data.books().settings().currencySigns);
    screen_ = std::make_unique<DisbursementsScreen>(data.books(), data.posting(), *this, session_, messageText);
    grids_->setSource(screen_.get());
    screen_->start();
}

// Leaving a field runs its exit rules. Only moves within the form count: a message box taking
// the focus is not the user leaving.
void Tvnddisburse_frm::focusMoved(QWidget* old, QWidget* now)
{
    if (!screen_ || !now || now->window() != this) return;
    // The focus sent back to a refused field: the field it passed through was not left by
    // the user, and checking it would send the focus away again.
    const bool sentBack = now == sentBackTo_;
    if (sentBack) sentBackTo_ = nullptr;
    if (old && places_.contains(old) && old->window() == this && !sentBack) {
        const bool towardsTag13 = SkipsFieldChecks(now);
        QWidget* left = old;
        act([this, left, towardsTag13] { leave(left, towardsTag13); });
    }
}

void Tvnddisburse_frm::act(std::function<void()> call) { actions_.run(std::move(call)); }

void Tvnddisburse_frm::leave(QWidget* widget, bool towardsTag13)
{
    if (auto* line = qobject_cast<QLineEdit*>(widget)) line->setModified(false);
    switch (places_.value(widget)) {
    case DisbursementField::Supplier: return screen_->leaveSupplierCode(supplierCode_->text().toStdString(), towardsTag13);
    case DisbursementField::Date: return screen_->leaveDate(ParseDate(date_->text().toStdString(), ShortDateFormat()), towardsTag13);
    case DisbursementField::Reference: return screen_->leaveReference(reference_->text().toStdString());
    case DisbursementField::Memo:
        memo_->document()->setModified(false);
        return screen_->setMemo(memo_->toPlainText().toStdString());
    default: return;
    }
}

void Tvnddisburse_frm::lineTyped(int row, int column, const QString& text, bool towardsTag13)
{
    if (!screen_) return;
    act([this, row, column, text, towardsTag13] {
        switch (column) {
        case DistributionModel::Account: return screen_->leaveAccount(row, text.toStdString(), towardsTag13);
        case DistributionModel::Description: return screen_->setDescription(row, text.toStdString());
        case DistributionModel::Debit: return screen_->setDebit(row, amountIn(text));
        case DistributionModel::Credit: return screen_->setCredit(row, amountIn(text));
        default: return;
        }
    });
}

// Accept reads the field being typed in first: a shortcut presses the button without moving
// the focus.
void Tvnddisburse_frm::leaveFocusedField()
{
    grids_->commitPendingEdits();
    QWidget* focused = QApplication::focusWidget();
    if (places_.contains(focused)) leave(focused, false);
}

void Tvnddisburse_frm::accept()
{
    // The field being typed in and the cell being edited are handed over first (a cell reaches
    // the logic on the next turn of the event loop); a refusal of either ends Accept there, its
    // message said once.
    act([this] {
        focusAsked_ = false;
        leaveFocusedField();
        QTimer::singleShot(0, this, ui::Guarded([this] {
            act([this] {
                if (focusAsked_) return;
                // A posting that fails is rolled back: the error is shown and the disbursement stays typed.
                ui::RunPosting([this] { screen_->accept(); });
            });
        }));
    });
}

bool Tvnddisburse_frm::eventFilter(QObject* watched, QEvent* event)
{
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || !screen_ || event->type() != QEvent::KeyPress) return QDialog::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (widget == supplierCode_ && key->key() == Qt::Key_F2) {
        lookUpSupplier();
        return true;
    }
    return moveOnKey(widget, key->key()) || QDialog::eventFilter(watched, event);
}

// Enter and Down go to the next field, Up to the previous one. Enter in the supplier code
// accepts the supplier, whose date then takes the focus. The memo keeps its keys for its lines.
bool Tvnddisburse_frm::moveOnKey(QWidget* widget, int key)
{
    const bool forward = key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Down;
    if ((!places_.contains(widget) && widget != notToSupplier_) || widget == memo_) return false;
    if (widget == supplierCode_ && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
        act([this] { leave(supplierCode_, false); });
        return true;
    }
    if (forward) {
        focusNextChild();
        return true;
    }
    if (key == Qt::Key_Up) {
        focusPreviousChild();
        return true;
    }
    return false;
}

ui::Answer Tvnddisburse_frm::message(int number, ui::MessageKind kind) { return ui::ShowFormMessage(*this, number, kind); }

void Tvnddisburse_frm::focus(DisbursementField field, int row)
{
    focusAsked_ = true;
    QWidget* target = widgetAt(field);
    if (!target) return;
    sentBackTo_ = target->hasFocus() ? nullptr : target;
    if (auto* grid = dynamic_cast<sidedialogs::EntryGrid*>(target)) return sidedialogs::PaymentGrids::focusCell(*grid, row, GridColumnOf(field));
    QTimer::singleShot(0, target, [target] {
        target->setFocus(Qt::OtherFocusReason);
        if (auto* line = qobject_cast<QLineEdit*>(target)) line->selectAll();
    });
}

void Tvnddisburse_frm::refresh()
{
    if (!screen_) return;
    const DisbursementDocument& disbursement = screen_->document();
    setText(supplierCode_, qt(screen_->supplierCodeText()));
    supplierName_->setText(screen_->shownSupplier() ? qt(screen_->shownSupplier()->name) : QString());
    for (QWidget* code : std::initializer_list<QWidget*>{supplierCode_, supplierSearch_}) code->setEnabled(screen_->supplierCodeEnabled());
    for (QWidget* field : std::initializer_list<QWidget*>{date_, reference_, memo_}) field->setEnabled(screen_->entryEnabled());
    grids_->setLinesEnabled(screen_->entryEnabled());
    grids_->setItemsEnabled(screen_->itemsEnabled());
    {
        const QSignalBlocker quiet(notToSupplier_);
        notToSupplier_->setChecked(disbursement.notToSupplier);
    }
    setText(date_, disbursement.date.isValid() ? qt(FormatDate(disbursement.date, ShortDateFormat())) : QString());
    setText(reference_, qt(disbursement.reference));
    if (memo_->toPlainText() != qt(disbursement.memo) && !(memo_->hasFocus() && memo_->document()->isModified()))
        memo_->setPlainText(qt(disbursement.memo));
    UseCurrency(screen_->currency());
    grids_->sync();
    if (!screen_->periodCaption().empty()) setWindowTitle(qt(screen_->periodCaption()));
}

void Tvnddisburse_frm::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) return event->accept();
    QDialog::keyPressEvent(event);
}

void Tvnddisburse_frm::lookUpSupplier()
{
    supplierCode_->setModified(false);
    act([this] { screen_->pickSupplier(); });
}

void Tvnddisburse_frm::waiting(const std::string& text) { wait_.show(qt(text)); }

bool Tvnddisburse_frm::waitCancelled() { return wait_.cancelled(); }

void Tvnddisburse_frm::waitOver() { wait_.close(); }

std::string Tvnddisburse_frm::pickSupplier()
{
    char code[kSupplierWidth + 1] = {};
    PickSupplier(LinkFor(session_), code, sizeof code);
    return code;
}

int Tvnddisburse_frm::pickAccount() { return PickAccount(LinkFor(session_)); }

std::optional<std::vector<sidedialogs::TaxPerRateLine>> Tvnddisburse_frm::askTaxes(const std::vector<sidedialogs::TaxPerRateLine>& lines)
{
    return dialogs_.taxes->run(lines);
}

std::optional<int> Tvnddisburse_frm::askPeriod(int period) { return dialogs_.period->run(period, session_.language); }

void Tvnddisburse_frm::showHelp() { OpenHelp(helpFile_, kHelpContext); }

void Tvnddisburse_frm::emailSupplier()
{
    const auto& supplier = screen_ ? screen_->shownSupplier() : std::nullopt;
    QDesktopServices::openUrl(QUrl(QStringLiteral("mailto:") + (supplier ? qt(supplier->email) : QString())));
}

void Tvnddisburse_frm::openQuickLink() { QuickLink(LinkFor(session_)); }

void Tvnddisburse_frm::printScreen()
{
    report::printReport(report::documentFromWidget(this), this, QString::fromStdString(session_.printerIndex).toInt(), false);
}

}  // namespace orvant::disbursements
