#pragma once
// The form of the cash receipts and the cash disbursements screens: a party's payment on its
// open items, or a payment with no party, over the two grids. It holds no rule: it forwards the
// leaving of fields, the cells typed, the keys and the buttons to the screen's logic (`Screen`,
// which talks back through `Host`), and shows its state. What differs between the two forms is
// in their `PaymentFormNames`.

#include <QApplication>
#include <QCheckBox>
#include <QDesktopServices>
#include <QDialog>
#include <QGridLayout>
#include <QHash>
#include <QKeyEvent>
#include <QList>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>
#include <QTimer>
#include <QUrl>
#include <functional>
#include <memory>
#include <type_traits>
#include <utility>

#include "dates/date_format.h"
#include "entryscreens/entry_buttons.h"
#include "entryscreens/form_answers.h"
#include "money/currency_format.h"
#include "pickers.h"
#include "quick_link.h"
#include "report/printing.h"
#include "report/screen_print.h"
#include "session/help.h"
#include "session/session.h"
#include "settings/regional.h"
#include "settings/registry.h"
#include "sidedialogs/entry_grid.h"
#include "sidedialogs/payment_grids.h"
#include "sidedialogs/payment_layout.h"
#include "sidedialogs/period_dialog.h"
#include "sidedialogs/taxperrate_dialog.h"
#include "ui/error_reporting.h"
#include "ui/form_messages.h"
#include "ui/screen_actions.h"

namespace orvant::sidedialogs {

// The dialogs the form opens, made once with the module's other forms.
struct PaymentDialogs {
    Ttaxperrate_dlg* taxes = nullptr;
    Tperiod_dlg* period = nullptr;
};

// What a form is called, how it is laid out, and what its screen calls the party.
template <class Screen>
struct PaymentFormNames {
    using Field = typename Screen::Field;
    using Document = std::remove_cvref_t<decltype(std::declval<const Screen&>().document())>;

    const char* objectName;
    const char* title;  // until a change of period gives its caption
    int helpContext;
    const char* caption;  // over the header (nullptr: none)
    PaymentHeaderNames header;
    PaymentGridNames grids;
    int accountWidth;
    int descriptionWidth;
    Field party, noParty;  // the fields of the party's code and of its box
    void (Screen::*leaveParty)(const std::string& code, bool towardsTag13);
    void (Screen::*pickParty)();
    void (Screen::*setNoParty)(bool on);
    void (Screen::*setSecond)(bool on);  // the second box ticked or not (with the box)
    bool Document::*second;              // what the second box shows
};

template <class Host, class Screen, class Data>
class PaymentForm : public QDialog, public entryscreens::FormAnswers<Host> {
public:
    using Field = typename Screen::Field;
    using Names = PaymentFormNames<Screen>;

    ~PaymentForm() override { disconnect(qApp, nullptr, this, nullptr); }

    // After the first activation has opened the books.
    void start(Data& data, PaymentDialogs dialogs)
    {
        this->useDialogs(dialogs.taxes, dialogs.period);
        const auto messageText = [this](int number) { return ui::FormMessageText(*this, number).toStdString(); };
        SetCurrencySigns(Registry::open(), data.books().settings().currencySigns);
        started();
        screen_ = std::make_unique<Screen>(data.books(), data.posting(), *this, this->session(), messageText);
        grids_->setSource(screen_.get());
        screen_->start();
    }

    // The host, but for the party's picker
    void focus(Field field, int row) override;
    void refresh() override;

protected:
    PaymentForm(Session& session, QString helpFile, const Names& names);

    const PaymentHeader& header() const { return header_; }
    // Once the books are open, before the screen's logic starts.
    virtual void started() {}

    bool eventFilter(QObject* watched, QEvent* event) override;
    // Escape does not close the screen: a payment being typed is not thrown away by a key.
    void keyPressEvent(QKeyEvent* event) override
    {
        if (event->key() == Qt::Key_Escape) return event->accept();
        QDialog::keyPressEvent(event);
    }

private:
    PaymentGrids* buildGrids();
    void watchFields();
    QWidget* widgetAt(Field field) const;

    void focusMoved(QWidget* old, QWidget* now);
    void leave(QWidget* widget, bool towardsTag13);
    void lineTyped(int row, int column, const QString& text, bool towardsTag13);
    void leaveFocusedField();
    void act(std::function<void()> call) { actions_.run(std::move(call)); }
    bool moveOnKey(QWidget* widget, int key);

    void accept() override;
    void lookUpParty();
    void emailParty();

    // An empty amount cell is 0; a text is read in the session's language.
    static std::optional<Money> amountIn(const QString& typed)
    {
        const std::string text = typed.trimmed().toStdString();
        return text.empty() ? Money() : ReadTypedAmount(text);
    }

    QString helpFile_;
    const Names& names_;
    std::unique_ptr<Screen> screen_;
    QHash<QWidget*, Field> places_;  // the fields with rules on leaving
    QList<QWidget*> boxes_;          // the check boxes, which Enter and the arrows leave too
    QWidget* sentBackTo_ = nullptr;
    bool focusAsked_ = false;  // the logic sent the focus somewhere since it was last cleared
    ui::SerialActions actions_;

    PaymentHeader header_;
    PaymentGrids* grids_;
};

template <class Host, class Screen, class Data>
PaymentForm<Host, Screen, Data>::PaymentForm(Session& session, QString helpFile, const Names& names)
    : entryscreens::FormAnswers<Host>(*this, session), helpFile_(std::move(helpFile)), names_(names), actions_(*this)
{
    setObjectName(QLatin1String(names.objectName));
    setWindowTitle(QString::fromUtf8(names.title));
    auto* headerGrid = new QGridLayout;
    header_ = BuildPaymentHeader(*this, *headerGrid, names.header);
    watchFields();
    grids_ = buildGrids();
    QWidget* buttons = entryscreens::EntryButtonBar(
        this,
        {[this] { act([this] { screen_->changePeriod(); }); }, [this] { emailParty(); }, [this] { QuickLink(LinkFor(this->session())); },
         [this] {
             report::printReport(report::documentFromWidget(this), this, QString::fromStdString(this->session().printerIndex).toInt(), false);
         },
         [this] { accept(); }, [this] { act([this] { screen_->cancel(); }); }, [this] { reject(); },
         [this] { OpenHelp(helpFile_, names_.helpContext); }},
        {"&Accept transaction", "&Cancel entry", false, true});
    LayOutPaymentForm(*this, names.caption, headerGrid, header_, grids_, buttons);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget* now) { focusMoved(old, now); });
}

template <class Host, class Screen, class Data>
void PaymentForm<Host, Screen, Data>::watchFields()
{
    const std::pair<QWidget*, Field> fields[] = {
        {header_.partyCode, names_.party}, {header_.date, Field::Date}, {header_.reference, Field::Reference}, {header_.memo, Field::Memo}};
    for (const auto& [widget, field] : fields) {
        places_.insert(widget, field);
        widget->installEventFilter(this);
    }
    for (QCheckBox* box : {header_.noParty, header_.second}) {
        if (!box) continue;
        boxes_.append(box);
        box->installEventFilter(this);
    }
    connect(header_.partySearch, &QPushButton::clicked, this, ui::Guarded([this] { lookUpParty(); }));
    connect(header_.noParty, &QCheckBox::toggled, this, ui::Guarded([this](bool on) {
                if (screen_) act([this, on] { (*screen_.*names_.setNoParty)(on); });
            }));
    if (header_.second)
        connect(header_.second, &QCheckBox::toggled, this, ui::Guarded([this](bool on) {
                    if (screen_) (*screen_.*names_.setSecond)(on);
                }));
}

template <class Host, class Screen, class Data>
PaymentGrids* PaymentForm<Host, Screen, Data>::buildGrids()
{
    PaymentGridActions actions;
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
    return new PaymentGrids(this, names_.grids, names_.accountWidth, names_.descriptionWidth, std::move(actions));
}

template <class Host, class Screen, class Data>
QWidget* PaymentForm<Host, Screen, Data>::widgetAt(Field field) const
{
    if (field == Field::OpenItem) return grids_->items();
    if (field == Field::RowAccount || field == Field::RowDebit || field == Field::RowCredit) return grids_->lines();
    if (field == names_.noParty) return header_.noParty;
    for (auto it = places_.begin(); it != places_.end(); ++it)
        if (it.value() == field) return it.key();
    return nullptr;
}

// Leaving a field runs its exit rules. Only moves within the form count: a message box taking
// the focus is not the user leaving.
template <class Host, class Screen, class Data>
void PaymentForm<Host, Screen, Data>::focusMoved(QWidget* old, QWidget* now)
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

template <class Host, class Screen, class Data>
void PaymentForm<Host, Screen, Data>::leave(QWidget* widget, bool towardsTag13)
{
    if (auto* line = qobject_cast<QLineEdit*>(widget)) line->setModified(false);
    const Field field = places_.value(widget);
    if (field == names_.party) return (*screen_.*names_.leaveParty)(header_.partyCode->text().toStdString(), towardsTag13);
    switch (field) {
    case Field::Date: return screen_->leaveDate(ParseDate(header_.date->text().toStdString(), ShortDateFormat()), towardsTag13);
    case Field::Reference: return screen_->leaveReference(header_.reference->text().toStdString());
    case Field::Memo:
        header_.memo->document()->setModified(false);
        return screen_->setMemo(header_.memo->toPlainText().toStdString());
    default: return;
    }
}

template <class Host, class Screen, class Data>
void PaymentForm<Host, Screen, Data>::lineTyped(int row, int column, const QString& text, bool towardsTag13)
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
template <class Host, class Screen, class Data>
void PaymentForm<Host, Screen, Data>::leaveFocusedField()
{
    grids_->commitPendingEdits();
    QWidget* focused = QApplication::focusWidget();
    if (places_.contains(focused)) leave(focused, false);
}

template <class Host, class Screen, class Data>
void PaymentForm<Host, Screen, Data>::accept()
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
                // A posting that fails is rolled back: the error is shown and the payment stays typed.
                ui::RunPosting([this] { screen_->accept(); });
            });
        }));
    });
}

template <class Host, class Screen, class Data>
bool PaymentForm<Host, Screen, Data>::eventFilter(QObject* watched, QEvent* event)
{
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || !screen_ || event->type() != QEvent::KeyPress) return QDialog::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (widget == header_.partyCode && key->key() == Qt::Key_F2) {
        lookUpParty();
        return true;
    }
    return moveOnKey(widget, key->key()) || QDialog::eventFilter(watched, event);
}

// Enter and Down go to the next field, Up to the previous one. Enter in the party's code
// accepts the party, whose date then takes the focus. The memo keeps its keys for its lines.
template <class Host, class Screen, class Data>
bool PaymentForm<Host, Screen, Data>::moveOnKey(QWidget* widget, int key)
{
    const bool forward = key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Down;
    if ((!places_.contains(widget) && !boxes_.contains(widget)) || widget == header_.memo) return false;
    if (widget == header_.partyCode && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
        act([this] { leave(header_.partyCode, false); });
        return true;
    }
    if (!forward && key != Qt::Key_Up) return false;
    focusNextPrevChild(forward);
    return true;
}

template <class Host, class Screen, class Data>
void PaymentForm<Host, Screen, Data>::focus(Field field, int row)
{
    focusAsked_ = true;
    QWidget* target = widgetAt(field);
    if (!target) return;
    sentBackTo_ = target->hasFocus() ? nullptr : target;
    if (auto* grid = dynamic_cast<EntryGrid*>(target)) {
        const int column = field == Field::OpenItem    ? int{OpenItemsModel::Payment}
                           : field == Field::RowDebit  ? int{DistributionModel::Debit}
                           : field == Field::RowCredit ? int{DistributionModel::Credit}
                                                       : int{DistributionModel::Account};
        return PaymentGrids::focusCell(*grid, row, column);
    }
    QTimer::singleShot(0, target, [target] {
        target->setFocus(Qt::OtherFocusReason);
        if (auto* line = qobject_cast<QLineEdit*>(target)) line->selectAll();
    });
}

// The field being typed in keeps what the user typed: it reaches the logic when it is left.
template <class Host, class Screen, class Data>
void PaymentForm<Host, Screen, Data>::refresh()
{
    if (!screen_) return;
    const auto qt = [](const std::string& s) { return QString::fromStdString(s); };
    const auto showText = [](QLineEdit* edit, const QString& text) {
        if (edit->text() != text && !(edit->hasFocus() && edit->isModified())) edit->setText(text);
    };
    const auto& document = screen_->document();
    showText(header_.partyCode, qt(screen_->partyCodeText()));
    header_.partyName->setText(screen_->shownParty() ? qt(screen_->shownParty()->name) : QString());
    for (QWidget* code : std::initializer_list<QWidget*>{header_.partyCode, header_.partySearch}) code->setEnabled(screen_->partyCodeEnabled());
    for (QWidget* field : std::initializer_list<QWidget*>{header_.date, header_.reference, header_.memo, header_.second})
        if (field) field->setEnabled(screen_->entryEnabled());
    grids_->setLinesEnabled(screen_->entryEnabled());
    grids_->setItemsEnabled(screen_->itemsEnabled());
    {
        const QSignalBlocker quiet(header_.noParty);
        header_.noParty->setChecked(screen_->withoutParty());
    }
    if (header_.second) {
        const QSignalBlocker quiet(header_.second);
        header_.second->setChecked(document.*names_.second);
    }
    showText(header_.date, document.date.isValid() ? qt(FormatDate(document.date, ShortDateFormat())) : QString());
    showText(header_.reference, qt(document.reference));
    QPlainTextEdit& memo = *header_.memo;
    if (memo.toPlainText() != qt(document.memo) && !(memo.hasFocus() && memo.document()->isModified())) memo.setPlainText(qt(document.memo));
    UseCurrency(screen_->currency());
    grids_->sync();
    if (!screen_->periodCaption().empty()) setWindowTitle(qt(screen_->periodCaption()));
}

template <class Host, class Screen, class Data>
void PaymentForm<Host, Screen, Data>::lookUpParty()
{
    header_.partyCode->setModified(false);
    act([this] { (*screen_.*names_.pickParty)(); });
}

template <class Host, class Screen, class Data>
void PaymentForm<Host, Screen, Data>::emailParty()
{
    const auto& party = screen_ ? screen_->shownParty() : std::nullopt;
    QDesktopServices::openUrl(QUrl(QStringLiteral("mailto:") + (party ? QString::fromStdString(party->email) : QString())));
}

}  // namespace orvant::sidedialogs
