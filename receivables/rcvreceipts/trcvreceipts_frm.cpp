#include "trcvreceipts_frm.h"

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
#include "sidedialogs/grid_editors.h"
#include "sidedialogs/period_dialog.h"
#include "sidedialogs/taxperrate_dialog.h"
#include "trcvreceipts_dm.h"
#include "ui/error_reporting.h"
#include "ui/form_messages.h"

namespace orvant::receipts {

namespace {

constexpr int kHelpContext = 206;
using sidedialogs::kLeavingSkipsChecks;  // the tag of the buttons whose focus skips a field's exit checks
constexpr const char* kDateMask = "!99/99/9999;1; ";
constexpr int kAccountWidth = 9;

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

QPushButton* searchButton(QWidget* parent, const char* name, const char* hint)
{
    auto* b = named(new QPushButton("...", parent), name);
    b->setToolTip(QString::fromUtf8(hint));
    b->setAutoDefault(false);
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

// The text the field shows unless the user is typing in it: what is typed reaches the logic
// when the field is left.
void setText(QLineEdit* edit, const QString& text)
{
    if (edit->text() != text && !(edit->hasFocus() && edit->isModified())) edit->setText(text);
}

// The grid column of a field the focus is sent to.
int GridColumnOf(ReceiptField field)
{
    switch (field) {
    case ReceiptField::OpenItem: return sidedialogs::OpenItemsModel::Payment;
    case ReceiptField::RowDebit: return sidedialogs::DistributionModel::Debit;
    case ReceiptField::RowCredit: return sidedialogs::DistributionModel::Credit;
    default: return sidedialogs::DistributionModel::Account;
    }
}

}  // namespace

Trcvreceipts_frm::Trcvreceipts_frm(Session& session, QString helpFile)
    : session_(session), helpFile_(std::move(helpFile)), actions_(*this), wait_(*this)
{
    setObjectName("Trcvreceipts_frm");
    setWindowTitle("Cash receipts current period is");
    auto* header = new QGridLayout;
    buildHeader(header);
    auto* layout = new QVBoxLayout(this);
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

Trcvreceipts_frm::~Trcvreceipts_frm() { disconnect(qApp, nullptr, this, nullptr); }

void Trcvreceipts_frm::buildHeader(QGridLayout* grid)
{
    clientCode_ = edit(this, "Client_code_edit", kClientWidth);
    clientCode_->setProperty("tag", kLeavingSkipsChecks);
    clientSearch_ = searchButton(this, "ClientSearchBtn", "List of clients");
    clientSearch_->setProperty("tag", kLeavingSkipsChecks);
    clientName_ = named(new QLabel(this), "ClientName");
    auto* client = new QHBoxLayout;
    client->addWidget(clientCode_);
    client->addWidget(clientSearch_);
    client->addWidget(clientName_, 1);
    grid->addWidget(label(this, "ClientLabel", "&Client code", clientCode_), 0, 0);
    grid->addLayout(client, 0, 1, 1, 3);

    notFromClient_ = named(new QCheckBox("Receipt not from a client", this), "CheckBox2");
    nsf_ = named(new QCheckBox("NSF cheque", this), "CheckBox1");
    grid->addWidget(notFromClient_, 1, 1);
    grid->addWidget(nsf_, 1, 3);

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

    watch(clientCode_, ReceiptField::Client);
    watch(date_, ReceiptField::Date);
    watch(reference_, ReceiptField::Reference);
    watch(memo_, ReceiptField::Memo);
    for (QWidget* box : std::initializer_list<QWidget*>{notFromClient_, nsf_}) {
        boxes_.insert(box);
        box->installEventFilter(this);
    }
    connect(clientSearch_, &QPushButton::clicked, this, ui::Guarded([this] { lookUpClient(); }));
    connect(notFromClient_, &QCheckBox::toggled, this, ui::Guarded([this](bool on) {
                if (screen_) act([this, on] { screen_->setNotFromClient(on); });
            }));
    connect(nsf_, &QCheckBox::toggled, this, ui::Guarded([this](bool on) {
                if (screen_) screen_->setNsfCheque(on);
            }));
}

sidedialogs::PaymentGrids* Trcvreceipts_frm::buildGrids()
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
    return new sidedialogs::PaymentGrids(this, {"TotalDBEdit", "TotalCDEdit"}, kAccountWidth, kRowDescriptionWidth, std::move(actions));
}

QWidget* Trcvreceipts_frm::buildButtons()
{
    auto* bar = new QWidget(this);
    auto* buttons = new QHBoxLayout(bar);
    buttons->setContentsMargins(0, 0, 0, 0);
    const auto tool = [&](const char* name, const char* caption, void (Trcvreceipts_frm::*action)()) {
        auto* b = named(new QToolButton(bar), name);
        b->setText(QString::fromUtf8(caption));
        b->setFocusPolicy(Qt::NoFocus);
        connect(b, &QToolButton::clicked, this, ui::Guarded([this, action] { (this->*action)(); }));
        buttons->addWidget(b);
    };
    tool("PeriodBtn", "Change period", &Trcvreceipts_frm::changePeriod);
    tool("EmailBtn", "E-Mail to", &Trcvreceipts_frm::emailClient);
    tool("QuickLinkBtn", "Quick Link", &Trcvreceipts_frm::openQuickLink);
    tool("PrintBtn", "Print screen", &Trcvreceipts_frm::printScreen);
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
void Trcvreceipts_frm::setTabOrder()
{
    std::vector<QWidget*> order{clientCode_, notFromClient_, date_, reference_, memo_, nsf_, grids_->items(), grids_->lines()};
    for (const char* button : {"PostBtn", "CancelBtn", "Exit_btn", "Help_btn"}) order.push_back(findChild<QWidget*>(button));
    for (std::size_t i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}

void Trcvreceipts_frm::watch(QWidget* widget, ReceiptField field)
{
    places_.insert(widget, field);
    widget->installEventFilter(this);
}

QWidget* Trcvreceipts_frm::widgetAt(ReceiptField field) const
{
    if (field == ReceiptField::OpenItem) return grids_->items();
    if (field == ReceiptField::RowAccount || field == ReceiptField::RowDebit || field == ReceiptField::RowCredit) return grids_->lines();
    if (field == ReceiptField::NotFromClient) return notFromClient_;
    for (auto it = places_.begin(); it != places_.end(); ++it)
        if (it.value() == field) return it.key();
    return nullptr;
}

void Trcvreceipts_frm::start(Trcvreceipts_dm& data, ReceiptDialogs dialogs)
{
    data_ = &data;
    dialogs_ = dialogs;
    const auto messageText = [this](int number) { return ui::FormMessageText(*this, number).toStdString(); };
    SetCurrencySigns(Registry::open(), data.books().settings().currencySigns);
    showNsfCaption();
    screen_ = std::make_unique<ReceiptsScreen>(data.books(), data.posting(), *this, session_, messageText);
    grids_->setSource(screen_.get());
    screen_->start();
}

// Where cheques are "checks", the box says so, except on a French screen.
void Trcvreceipts_frm::showNsfCaption()
{
    const QString intl = Registry::open().value(kSettingsSection, u"Intl");
    if (intl.compare("y", Qt::CaseInsensitive) == 0 && session_.language != 2)
        nsf_->setText(ui::FormMessageText(*this, kNsfCheckCaption));
}

// Leaving a field runs its exit rules. Only moves within the form count: a message box taking
// the focus is not the user leaving.
void Trcvreceipts_frm::focusMoved(QWidget* old, QWidget* now)
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
}

void Trcvreceipts_frm::act(std::function<void()> call) { actions_.run(std::move(call)); }

void Trcvreceipts_frm::leave(QWidget* widget, bool towardsTag13)
{
    if (auto* line = qobject_cast<QLineEdit*>(widget)) line->setModified(false);
    switch (places_.value(widget)) {
    case ReceiptField::Client: return screen_->leaveClientCode(clientCode_->text().toStdString(), towardsTag13);
    case ReceiptField::Date: return screen_->leaveDate(ParseDate(date_->text().toStdString(), ShortDateFormat()), towardsTag13);
    case ReceiptField::Reference: return screen_->leaveReference(reference_->text().toStdString());
    case ReceiptField::Memo:
        memo_->document()->setModified(false);
        return screen_->setMemo(memo_->toPlainText().toStdString());
    default: return;
    }
}

void Trcvreceipts_frm::lineTyped(int row, int column, const QString& text, bool towardsTag13)
{
    if (!screen_) return;
    act([this, row, column, text, towardsTag13] {
        switch (column) {
        case sidedialogs::DistributionModel::Account: return screen_->leaveAccount(row, text.toStdString(), towardsTag13);
        case sidedialogs::DistributionModel::Description: return screen_->setDescription(row, text.toStdString());
        case sidedialogs::DistributionModel::Debit: return screen_->setDebit(row, amountIn(text));
        case sidedialogs::DistributionModel::Credit: return screen_->setCredit(row, amountIn(text));
        default: return;
        }
    });
}

// Accept reads the field being typed in first: a shortcut presses the button without moving
// the focus.
void Trcvreceipts_frm::leaveFocusedField()
{
    grids_->commitPendingEdits();
    QWidget* focused = QApplication::focusWidget();
    if (places_.contains(focused)) leave(focused, false);
}

void Trcvreceipts_frm::accept()
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
                // A posting that fails is rolled back: the error is shown and the receipt stays typed.
                ui::RunPosting([this] { screen_->accept(); });
            });
        }));
    });
}

bool Trcvreceipts_frm::eventFilter(QObject* watched, QEvent* event)
{
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || !screen_ || event->type() != QEvent::KeyPress) return QDialog::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (widget == clientCode_ && key->key() == Qt::Key_F2) {
        lookUpClient();
        return true;
    }
    return moveOnKey(widget, key->key()) || QDialog::eventFilter(watched, event);
}

// Enter and Down go to the next field, Up to the previous one. Enter in the client code accepts
// the client, whose date then takes the focus. The memo keeps its keys for its lines.
bool Trcvreceipts_frm::moveOnKey(QWidget* widget, int key)
{
    const bool forward = key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Down;
    if ((!places_.contains(widget) && !boxes_.contains(widget)) || widget == memo_) return false;
    if (widget == clientCode_ && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
        act([this] { leave(clientCode_, false); });
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

ui::Answer Trcvreceipts_frm::message(int number, ui::MessageKind kind) { return ui::ShowFormMessage(*this, number, kind); }

void Trcvreceipts_frm::focus(ReceiptField field, int row)
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

void Trcvreceipts_frm::refresh()
{
    if (!screen_) return;
    const ReceiptDocument& receipt = screen_->document();
    setText(clientCode_, qt(screen_->clientCodeText()));
    clientName_->setText(screen_->shownClient() ? qt(screen_->shownClient()->name) : QString());
    for (QWidget* code : std::initializer_list<QWidget*>{clientCode_, clientSearch_}) code->setEnabled(screen_->clientCodeEnabled());
    for (QWidget* field : std::initializer_list<QWidget*>{date_, reference_, memo_, nsf_}) field->setEnabled(screen_->entryEnabled());
    grids_->setLinesEnabled(screen_->entryEnabled());
    grids_->setItemsEnabled(screen_->clientMode());
    {
        const QSignalBlocker quiet(notFromClient_);
        notFromClient_->setChecked(receipt.notFromClient);
    }
    {
        const QSignalBlocker quiet(nsf_);
        nsf_->setChecked(receipt.nsfCheque);
    }
    setText(date_, receipt.date.isValid() ? qt(FormatDate(receipt.date, ShortDateFormat())) : QString());
    setText(reference_, qt(receipt.reference));
    if (memo_->toPlainText() != qt(receipt.memo) && !(memo_->hasFocus() && memo_->document()->isModified()))
        memo_->setPlainText(qt(receipt.memo));
    UseCurrency(screen_->currency());
    grids_->sync();
    if (!screen_->periodCaption().empty()) setWindowTitle(qt(screen_->periodCaption()));
}

void Trcvreceipts_frm::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) return event->accept();
    QDialog::keyPressEvent(event);
}

void Trcvreceipts_frm::lookUpClient()
{
    clientCode_->setModified(false);
    act([this] { screen_->pickClient(); });
}

void Trcvreceipts_frm::waiting(const std::string& text) { wait_.show(qt(text)); }

bool Trcvreceipts_frm::waitCancelled() { return wait_.cancelled(); }

void Trcvreceipts_frm::waitOver() { wait_.close(); }

std::string Trcvreceipts_frm::pickClient()
{
    char code[kClientWidth + 1] = {};
    PickClient(LinkFor(session_), code, sizeof code);
    return code;
}

int Trcvreceipts_frm::pickAccount() { return PickAccount(LinkFor(session_)); }

std::optional<std::vector<sidedialogs::TaxPerRateLine>> Trcvreceipts_frm::askTaxes(const std::vector<sidedialogs::TaxPerRateLine>& lines)
{
    return dialogs_.taxes->run(lines);
}

std::optional<int> Trcvreceipts_frm::askPeriod(int period) { return dialogs_.period->run(period, session_.language); }

void Trcvreceipts_frm::showHelp() { OpenHelp(helpFile_, kHelpContext); }

void Trcvreceipts_frm::emailClient()
{
    const auto& client = screen_ ? screen_->shownClient() : std::nullopt;
    QDesktopServices::openUrl(QUrl(QStringLiteral("mailto:") + (client ? qt(client->email) : QString())));
}

void Trcvreceipts_frm::changePeriod()
{
    act([this] { screen_->changePeriod(); });
}

void Trcvreceipts_frm::openQuickLink() { QuickLink(LinkFor(session_)); }

void Trcvreceipts_frm::printScreen()
{
    report::printReport(report::documentFromWidget(this), this, QString::fromStdString(session_.printerIndex).toInt(), false);
}

}  // namespace orvant::receipts
