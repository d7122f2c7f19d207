#include "trcvsales_frm.h"

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
#include "trcvsales_dm.h"
#include "ui/error_reporting.h"
#include "ui/form_messages.h"

namespace orvant::sales {

namespace {

constexpr int kHelpContext = 205;
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

Trcvsales_frm::Trcvsales_frm(Session& session, QString helpFile)
    : session_(session), helpFile_(std::move(helpFile)), actions_(*this), wait_(*this)
{
    setObjectName("Trcvsales_frm");
    setWindowTitle("Sales and adjustments current period is");
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

Trcvsales_frm::~Trcvsales_frm() { disconnect(qApp, nullptr, this, nullptr); }

void Trcvsales_frm::buildHeader(QGridLayout* grid)
{
    clientCode_ = NamedEdit(this, "ClientCode", kClientWidth);
    clientCode_->setProperty("tag", kLeavingSkipsChecks);
    clientSearch_ = named(new QPushButton("...", this), "ClientSearchBtn");
    clientSearch_->setToolTip("List of clients");
    clientSearch_->setProperty("tag", kLeavingSkipsChecks);
    clientSearch_->setAutoDefault(false);
    clientSearch_->setFocusPolicy(Qt::NoFocus);
    cashSale_ = named(new QCheckBox("Direct/cash sale", this), "CheckBox1");
    auto* client = new QHBoxLayout;
    client->addWidget(clientCode_);
    client->addWidget(clientSearch_);
    client->addStretch();
    client->addWidget(cashSale_);
    grid->addWidget(BuddyLabel(this, "ClientLabel", "&Client", clientCode_), 0, 0);
    grid->addLayout(client, 0, 1, 1, 3);

    const char* addressNames[] = {"ClientName", "ClientAddress1", "ClientAddress2", "ClientCity"};
    auto* address = new QVBoxLayout;
    for (std::size_t i = 0; i < address_.size(); ++i) address->addWidget(address_[i] = named(new QLabel(this), addressNames[i]));
    grid->addLayout(address, 1, 1, 1, 3);

    type_ = named(new QComboBox(this), "TransType");
    type_->addItems({"Sale", "Debit", "Credit", "Adjustment"});
    invoice_ = NamedEdit(this, "InvoiceNum", kNumberWidth);
    reference_ = NamedEdit(this, "DebCreRef", kNumberWidth);
    date_ = NamedEdit(this, "TransDate");
    dueDate_ = NamedEdit(this, "TransDueDate");
    for (QLineEdit* day : {date_, dueDate_}) SetEditMask(*day, kDateMask);
    memo_ = named(new QPlainTextEdit(this), "TransMemo");
    memo_->setMaximumHeight(56);
    memo_->setTabChangesFocus(true);
    grid->addWidget(BuddyLabel(this, "TypeLabel", "T&ype", type_), 2, 0);
    grid->addWidget(type_, 2, 1);
    grid->addWidget(BuddyLabel(this, "InvoiceLabel", "&Invoice number", invoice_), 2, 2);
    grid->addWidget(invoice_, 2, 3);
    grid->addWidget(BuddyLabel(this, "DateLabel", "&Transaction date", date_), 3, 0);
    grid->addWidget(date_, 3, 1);
    grid->addWidget(BuddyLabel(this, "RefLabel", "&Reference Debit /Credit", reference_), 3, 2);
    grid->addWidget(reference_, 3, 3);
    grid->addWidget(BuddyLabel(this, "DueDateLabel", "D&ue date", dueDate_), 4, 0);
    grid->addWidget(dueDate_, 4, 1);
    grid->addWidget(BuddyLabel(this, "MemoLabel", "C&omments", memo_), 5, 0);
    grid->addWidget(memo_, 5, 1, 1, 3);

    watch(clientCode_, SalesField::Client);
    watch(type_, SalesField::Type);
    watch(invoice_, SalesField::Invoice);
    watch(reference_, SalesField::Reference);
    watch(date_, SalesField::Date);
    watch(dueDate_, SalesField::DueDate);
    watch(memo_, SalesField::Comment);
    connect(clientSearch_, &QPushButton::clicked, this, ui::Guarded([this] { lookUpClient(); }));
    connect(cashSale_, &QCheckBox::toggled, this, ui::Guarded([this](bool on) {
                if (screen_) act([this, on] { screen_->setDirectCash(on); });
            }));
    connect(type_, &QComboBox::currentIndexChanged, this, ui::Guarded([this](int index) {
                if (screen_) screen_->setType(index);
            }));
}

QWidget* Trcvsales_frm::buildDistribution()
{
    distribution_ = new entryscreens::DistributionBox(this, kVisibleRows, kRowDescriptionWidth);
    for (int r = 0; r < kVisibleRows; ++r) {
        const auto& row = distribution_->row(r);
        watch(row.account, SalesField::RowAccount, r);
        watch(row.description, SalesField::RowDescription, r);
        watch(row.debit, SalesField::RowDebit, r);
        watch(row.credit, SalesField::RowCredit, r);
    }
    connect(distribution_->accountSearch(), &QPushButton::clicked, this, ui::Guarded([this] { lookUpAccount(lastRow_); }));
    return distribution_;
}

QWidget* Trcvsales_frm::buildButtons()
{
    return entryscreens::EntryButtonBar(
        this, {[this] { changePeriod(); }, [this] { emailClient(); }, [this] { openQuickLink(); }, [this] { printScreen(); },
               [this] { accept(); }, [this] { act([this] { screen_->cancel(); }); }, [this] { reject(); }, [this] { showHelp(); }});
}

// Enter and Tab go through the header, then the grid row by row; the cash sale box and the
// buttons come last.
void Trcvsales_frm::setTabOrder()
{
    std::vector<QWidget*> order{clientCode_, type_, invoice_, reference_, date_, dueDate_, memo_};
    for (QWidget* field : distribution_->fieldsInOrder()) order.push_back(field);
    order.push_back(cashSale_);
    for (const char* button : {"PostBtn", "CancelBtn", "Exit_btn", "Help_btn"}) order.push_back(findChild<QWidget*>(button));
    for (std::size_t i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}

void Trcvsales_frm::watch(QWidget* widget, SalesField field, int row)
{
    places_.insert(widget, {field, row});
    widget->installEventFilter(this);
}

QWidget* Trcvsales_frm::widgetAt(SalesField field, int row) const
{
    for (auto it = places_.begin(); it != places_.end(); ++it)
        if (it.value().field == field && (row < 0 || it.value().row == row || it.value().row < 0)) return it.key();
    return nullptr;
}

void Trcvsales_frm::start(Trcvsales_dm& data, SalesDialogs dialogs)
{
    data_ = &data;
    dialogs_ = dialogs;
    designCaption_ = windowTitle();
    const auto messageText = [this](int number) { return ui::FormMessageText(*this, number).toStdString(); };
    SetCurrencySigns(Registry::open(), data.books().settings().currencySigns);
    screen_ = std::make_unique<SalesScreen>(data.books(), data.posting(), *this, session_, messageText);
    screen_->start();
}

// Leaving a field runs its exit rules, entering one may send the focus back to the client.
// Only moves within the form count: a message box taking the focus is not the user leaving.
void Trcvsales_frm::focusMoved(QWidget* old, QWidget* now)
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
        const SalesField field = places_.value(now).field;
        if (places_.value(now).row >= 0) lastRow_ = places_.value(now).row;
        act([this, field] { screen_->enterField(field); });
    }
}

void Trcvsales_frm::act(std::function<void()> call) { actions_.run(std::move(call)); }

void Trcvsales_frm::leave(QWidget* widget, bool towardsTag13)
{
    if (auto* line = qobject_cast<QLineEdit*>(widget)) line->setModified(false);
    const Place place = places_.value(widget);
    const auto& row = distribution_->row(place.row < 0 ? 0 : place.row);
    switch (place.field) {
    case SalesField::Client: return screen_->leaveClientCode(clientCode_->text().toStdString(), towardsTag13);
    case SalesField::Invoice: return screen_->leaveInvoice(invoice_->text().toStdString(), towardsTag13);
    case SalesField::Reference: return screen_->leaveReference(reference_->text().toStdString(), towardsTag13);
    case SalesField::Date: return screen_->leaveDate(dateIn(date_));
    case SalesField::DueDate: return screen_->leaveDueDate(dateIn(dueDate_));
    case SalesField::Comment:
        memo_->document()->setModified(false);
        return screen_->setComment(memo_->toPlainText().toStdString());
    case SalesField::RowAccount: return screen_->leaveAccount(place.row, row.account->text().toStdString());
    case SalesField::RowDescription: return screen_->setDescription(place.row, row.description->text().toStdString());
    case SalesField::RowDebit: return screen_->leaveDebit(place.row, AmountIn(*row.debit));
    case SalesField::RowCredit: return screen_->leaveCredit(place.row, AmountIn(*row.credit));
    default: return;
    }
}

std::optional<Date> Trcvsales_frm::dateIn(const QLineEdit* edit) const
{
    return ParseDate(edit->text().toStdString(), ShortDateFormat());
}

// Accept reads the field being typed in first: a shortcut presses the button without moving
// the focus.
void Trcvsales_frm::leaveFocusedField()
{
    QWidget* focused = QApplication::focusWidget();
    if (places_.contains(focused)) leave(focused, false);
}

void Trcvsales_frm::accept()
{
    act([this] {
        focusAsked_ = false;
        leaveFocusedField();
        if (focusAsked_) return;  // the field refused what it holds: its message said so once
        // A posting that fails is rolled back: the error is shown and the document stays typed.
        ui::RunPosting([this] { screen_->accept(); });
    });
}

bool Trcvsales_frm::eventFilter(QObject* watched, QEvent* event)
{
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || !places_.contains(widget) || !screen_) return QDialog::eventFilter(watched, event);
    const Place place = places_.value(widget);
    if (event->type() == QEvent::MouseButtonDblClick && place.field == SalesField::RowAccount) {
        lookUpAccount(place.row);
        return true;
    }
    if (event->type() != QEvent::KeyPress) return QDialog::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_F2 && place.field == SalesField::Client) {
        lookUpClient();
        return true;
    }
    if (key == Qt::Key_F2 && place.field == SalesField::RowAccount) {
        lookUpAccount(place.row);
        return true;
    }
    return moveOnKey(widget, key) || QDialog::eventFilter(watched, event);
}

// Enter and Down go to the next field, Up to the previous one, from the list of types and the
// distribution's boxes alike; the comment keeps its keys for its lines.
bool Trcvsales_frm::moveOnKey(QWidget* widget, int key)
{
    if (places_.value(widget).field == SalesField::Comment) return false;
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

ui::Answer Trcvsales_frm::message(int number, ui::MessageKind kind) { return ui::ShowFormMessage(*this, number, kind); }

void Trcvsales_frm::focus(SalesField field, int row)
{
    focusAsked_ = true;
    QWidget* target = widgetAt(field, row);
    if (!target) return;
    sentBackTo_ = target->hasFocus() ? nullptr : target;
    entryscreens::FocusSoon(target);
}

// The field being typed in keeps what the user typed: it reaches the logic when it is left.
void Trcvsales_frm::setText(QLineEdit* edit, const QString& text) { entryscreens::ShowText(*edit, text); }

void Trcvsales_frm::refresh()
{
    if (!screen_) return;
    const SalesDocument& document = screen_->document();
    setText(clientCode_, qt(screen_->clientCodeText()));
    const auto& client = screen_->shownClient();
    const QString lines[] = {client ? qt(client->name) : QString(), client ? qt(client->address1) : QString(),
                             client ? qt(client->address2) : QString(),
                             client ? qt(client->city) + (client->province.empty() ? QString() : ", " + qt(client->province)) : QString()};
    for (std::size_t i = 0; i < address_.size(); ++i) {
        address_[i]->setText(lines[i]);
        address_[i]->setVisible(client.has_value());
    }
    {
        const QSignalBlocker quiet(cashSale_);
        cashSale_->setChecked(document.directCash);
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

void Trcvsales_frm::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) return event->accept();
    QDialog::keyPressEvent(event);
}

void Trcvsales_frm::lookUpClient()
{
    clientCode_->setModified(false);
    act([this] { screen_->pickClient(); });
}

void Trcvsales_frm::lookUpAccount(int row)
{
    distribution_->row(row).account->setModified(false);
    act([this, row] { screen_->pickAccount(row); });
}

void Trcvsales_frm::waiting(const std::string& text) { wait_.show(qt(text)); }

bool Trcvsales_frm::waitCancelled() { return wait_.cancelled(); }

void Trcvsales_frm::waitOver() { wait_.close(); }

std::string Trcvsales_frm::pickClient()
{
    char code[kClientWidth + 1] = {};
    PickClient(LinkFor(session_), code, sizeof code);
    return code;
}

int Trcvsales_frm::pickAccount() { return PickAccount(LinkFor(session_)); }

std::optional<std::vector<sidedialogs::TaxPerRateLine>> Trcvsales_frm::askTaxes(const std::vector<sidedialogs::TaxPerRateLine>& lines)
{
    return dialogs_.taxes->run(lines);
}

HoldbackAnswer Trcvsales_frm::askHoldback(Money net, Money federalTax, Money provincialTax, HoldbackChoice choice)
{
    const auto entered = dialogs_.holdback->run(sidedialogs::HoldbackEntry::forSales(net, federalTax, provincialTax, choice), *this);
    return entered ? entered->answer : HoldbackAnswer{};
}

std::optional<std::vector<sidedialogs::ProjectLine>> Trcvsales_frm::askProjects(Money toDistribute)
{
    return dialogs_.projects->run(toDistribute, data_->company(), *this, sidedialogs::SuiteProjectLookups(session_));
}

std::optional<int> Trcvsales_frm::askPeriod(int period) { return dialogs_.period->run(period, session_.language); }

void Trcvsales_frm::showHelp() { OpenHelp(helpFile_, kHelpContext); }

void Trcvsales_frm::emailClient()
{
    const auto& client = screen_ ? screen_->shownClient() : std::nullopt;
    QDesktopServices::openUrl(QUrl(QStringLiteral("mailto:") + (client ? qt(client->email) : QString())));
}

void Trcvsales_frm::changePeriod()
{
    act([this] { screen_->changePeriod(); });
}

void Trcvsales_frm::openQuickLink() { QuickLink(LinkFor(session_)); }

void Trcvsales_frm::printScreen()
{
    report::printReport(report::documentFromWidget(this), this, QString::fromStdString(session_.printerIndex).toInt(), false);
}

}  // namespace orvant::sales
