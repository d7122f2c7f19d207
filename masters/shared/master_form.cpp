#include "shared/master_form.h"

#include <algorithm>

#include <QApplication>
#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QRegularExpression>
#include <QDesktopServices>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

#include "dates/date_format.h"
#include "money/currency_format.h"
#include "quick_link.h"
#include "session/module_frame.h"
#include "shared/maintenance_screen.h"
#include "report/printing.h"
#include "report/screen_print.h"
#include "session/help.h"
#include "ui/error_reporting.h"
#include "ui/form_messages.h"

namespace orvant::masters {

using ui::NavigatorButton;

namespace {

QString qt(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

bool WindowOpen(const QString& title)
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    return std::any_of(windows.begin(), windows.end(), [&](const QWidget* w) { return w->isVisible() && w->windowTitle() == title; });
}

std::string PickCode(int32_t (*picker)(TLinkSection, char*, int32_t), const Session& session)
{
    char code[64] = {};
    picker(LinkFor(session), code, sizeof code);
    return code;
}

MasterForm::MasterForm(Session& session, QString helpFile, const char* objectName, const char* caption, int helpContext,
                       std::string emailField)
    : session_(session), helpFile_(std::move(helpFile)), helpContext_(helpContext), emailField_(std::move(emailField)),
      serial_(*this), wait_(*this)
{
    setObjectName(QLatin1String(objectName));
    setWindowTitle(QString::fromUtf8(caption));
    pages_ = new QTabWidget(this);
    pages_->setObjectName("PageControl");
    navigator_ = new ui::RecordNavigator(this, "Navigator", false, [this](NavigatorButton which) { navigate(which); });
    auto* bottom = new QWidget(this);
    buildBottomBar(bottom);
    statusBar_ = new QStatusBar(this);
    statusBar_->setObjectName("StatusBar");
    for (const char* panel : {"CompanyPanel", "UserPanel", "VersionPanel"}) {
        auto* label = new QLabel(statusBar_);
        label->setObjectName(panel);
        statusBar_->addPermanentWidget(label);
    }
    auto* messages = new QPlainTextEdit(this);
    messages->setObjectName("IntlStrings1");
    messages->hide();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages_, 1);
    layout->addWidget(navigator_);
    layout->addWidget(bottom);
    layout->addWidget(statusBar_);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget* now) { focusMoved(old, now); });
    resize(760, 560);
}

MasterForm::~MasterForm() { disconnect(qApp, nullptr, this, nullptr); }

void MasterForm::navigate(NavigatorButton which)
{
    if (which == NavigatorButton::Post && !unreadAmounts_.isEmpty() && refuseUnreadAmount(*unreadAmounts_.begin())) return;
    runAction(actionOf(which));
}

std::function<void()> MasterForm::actionOf(NavigatorButton which) const
{
    switch (which) {
    case NavigatorButton::First: return actions_.first;
    case NavigatorButton::Prior: return actions_.prior;
    case NavigatorButton::Next: return actions_.next;
    case NavigatorButton::Last: return actions_.last;
    case NavigatorButton::Insert: return actions_.insert;
    case NavigatorButton::Delete: return actions_.remove;
    case NavigatorButton::Edit: return actions_.edit;
    case NavigatorButton::Post: return actions_.post;
    case NavigatorButton::Cancel: return actions_.cancel;
    case NavigatorButton::Refresh: break;  // not on these screens
    }
    return {};
}

// An action of the navigator or of its keys, once a code typed has given way.
void MasterForm::runAction(std::function<void()> action)
{
    forgetTypedCode();
    act([action = std::move(action)] { action(); });
}

void MasterForm::buildBottomBar(QWidget* bar)
{
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    const auto button = [&](const char* name, const char* caption, void (MasterForm::*action)()) {
        auto* b = new QPushButton(QString::fromUtf8(caption), bar);
        b->setObjectName(name);
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, ui::Guarded([this, action] { (this->*action)(); }));
        row->addWidget(b);
        return b;
    };
    button("PrintBtn", "Print screen", &MasterForm::printScreen)->setFocusPolicy(Qt::NoFocus);
    button("EmailBtn", "E-Mail", &MasterForm::emailParty)->setFocusPolicy(Qt::NoFocus);
    button("QuickLinkBtn", "Quick Link", &MasterForm::openQuickLink)->setFocusPolicy(Qt::NoFocus);
    row->addStretch();
    auto* exit = new QPushButton("E&xit", bar);
    exit->setObjectName("Exit_btn");
    exit->setAutoDefault(false);
    exit_ = exit;
    connect(static_cast<QPushButton*>(exit_), &QPushButton::clicked, this, &QDialog::reject);
    row->addWidget(exit_);
    help_ = button("Help_btn", "&Help", &MasterForm::showHelp);
}

void MasterForm::setScreen(MaintenanceScreen& s)
{
    actions_ = {[&s] { s.first(); }, [&s] { s.prior(); }, [&s] { s.next(); }, [&s] { s.last(); }, [&s] { s.insert(); },
                [&s] { s.remove(); }, [&s] { s.edit(); }, [&s] { s.post(); }, [&s] { s.cancel(); },
                [&s] { s.findWithPicker(); }, [&s]() -> const RecordView& { return s.record(); }, [&s] { return s.state(); },
                [&s] { return s.codeBoxEnabled(); }, [&s](const std::string& f, store::Value v) { s.set(f, std::move(v)); }};
}

QLineEdit* MasterForm::addField(QWidget* page, QGridLayout* grid, int row, int column, const char* label, const std::string& name,
                                Kind kind, int width, std::string tableField)
{
    auto* edit = Named(new QLineEdit(page), name);
    if (width > 0) edit->setMaxLength(width);
    auto* caption = Named(new QLabel(QString::fromUtf8(label), page), name + "Label");
    caption->setBuddy(edit);
    grid->addWidget(caption, row, column);
    grid->addWidget(edit, row, column + 1);
    bind(edit, tableField.empty() ? name : tableField, kind);
    return edit;
}

QPushButton* MasterForm::addListButton(QWidget* page, const std::string& name, const char* hint)
{
    auto* button = Named(new QPushButton("...", page), name);
    button->setToolTip(QString::fromUtf8(hint));
    button->setAutoDefault(false);
    button->setMaximumWidth(32);
    button->setFocusPolicy(Qt::ClickFocus);
    return button;
}

QWidget* MasterForm::addPage(const char* objectName, const char* caption)
{
    auto* page = new QWidget(pages_);
    page->setObjectName(QLatin1String(objectName));
    pages_->addTab(page, QString::fromUtf8(caption));
    return page;
}

void MasterForm::bind(QWidget* widget, const std::string& field, Kind kind)
{
    bindings_.insert(widget, {field, kind});
    widget->installEventFilter(this);
    if (widget == codeBox_) return;
    if (auto* line = qobject_cast<QLineEdit*>(widget)) {
        if (kind == Kind::Date && !datesShownOnly_) SetEditMask(*line, "!99/99/9999;1; ");  // the format's mask once the screen starts
        connect(line, &QLineEdit::textEdited, this, [this, widget] { store(widget); });
    }
    else if (auto* box = qobject_cast<QCheckBox*>(widget))
        connect(box, &QCheckBox::toggled, this, [this, widget] { store(widget); });
    else if (auto* memo = qobject_cast<QPlainTextEdit*>(widget))
        connect(memo, &QPlainTextEdit::textChanged, this, [this, widget] { store(widget); });
    else if (auto* spin = qobject_cast<QSpinBox*>(widget))
        connect(spin, &QSpinBox::valueChanged, this, [this, widget] { store(widget); });
}

void MasterForm::onLeave(QWidget* widget, std::function<void(bool)> leave, QList<QWidget*> ownButtons)
{
    leaves_.insert(widget, std::move(leave));
    ownButtons_.insert(widget, std::move(ownButtons));
    widget->installEventFilter(this);
}

void MasterForm::onEnter(QWidget* widget, std::function<void()> enter) { enters_.insert(widget, std::move(enter)); }

void MasterForm::pressOnEnter(QWidget* widget, QPushButton* button)
{
    enterButtons_.insert(widget, button);
    widget->installEventFilter(this);
}

void MasterForm::onF2(QWidget* widget, std::function<void()> lookUp)
{
    lookUps_.insert(widget, std::move(lookUp));
    widget->installEventFilter(this);
}

// What the user typed, into the record, as the field's kind reads it. Text that does not read
// (letters in a number, half a date) changes nothing: the field shows the record's value again
// when it is left.
void MasterForm::store(QWidget* widget)
{
    if (refreshing_ || !actions_.set || actions_.state() == EditState::Browse) return;
    const Binding binding = bindings_.value(widget);
    std::optional<store::Value> value;
    if (auto* line = qobject_cast<QLineEdit*>(widget)) value = read(line->text(), binding.kind);
    else if (auto* box = qobject_cast<QCheckBox*>(widget)) value = box->isChecked();
    else if (auto* memo = qobject_cast<QPlainTextEdit*>(widget)) value = memo->toPlainText().toStdString();
    else if (auto* spin = qobject_cast<QSpinBox*>(widget)) value = spin->value();
    if (binding.kind == Kind::Money) {
        if (value) unreadAmounts_.remove(widget);
        else unreadAmounts_.insert(widget);
    }
    if (value) actions_.set(binding.field, std::move(*value));
}

std::optional<store::Value> MasterForm::read(const QString& typed, Kind kind)
{
    QString text = typed.trimmed();
    bool ok = true;
    switch (kind) {
    case Kind::Integer: {
        text.remove(u',').remove(u' ');  // "10,000"
        const int number = text.isEmpty() ? 0 : text.toInt(&ok);
        return ok ? std::optional<store::Value>(number) : std::nullopt;
    }
    case Kind::Number: {
        if (!text.contains(u'.')) text.replace(u',', u'.');  // "2,5" as typed in French
        const double number = text.isEmpty() ? 0.0 : text.toDouble(&ok);
        return ok ? std::optional<store::Value>(number) : std::nullopt;
    }
    case Kind::Money: {
        if (text.isEmpty()) return store::Value(Money());
        const auto amount = ReadTypedAmount(text.toStdString());
        return amount ? std::optional<store::Value>(*amount) : std::nullopt;
    }
    case Kind::Date: {
        if (!text.contains(QRegularExpression(QStringLiteral("\\d")))) return store::Value();  // an empty date
        const auto date = ParseDate(text.toStdString(), ShortDateFormat());
        return date ? std::optional<store::Value>(*date) : std::nullopt;
    }
    default: return store::Value(typed.toStdString());
    }
}

void MasterForm::show(QWidget* widget, const Binding& binding)
{
    const store::Value value = actions_.record().value(binding.field);
    if (auto* line = qobject_cast<QLineEdit*>(widget)) {
        if (line->hasFocus() && line->isModified()) return;  // being typed in
        unreadAmounts_.remove(widget);
        QString text;
        switch (binding.kind) {
        case Kind::Integer: text = value.isNull() ? QString() : QString::number(value.asInt()); break;
        case Kind::Number: text = value.isNull() ? QString() : QString::number(value.asFloat(), 'f', 2); break;
        case Kind::Money: text = value.isNull() ? QString() : amountText(value.asMoney()); break;
        case Kind::Date: text = qt(FormatDate(value.asDate(), ShortDateFormat())); break;
        default: text = qt(value.asString()); break;
        }
        if (line->text() != text) line->setText(text);
    } else if (auto* box = qobject_cast<QCheckBox*>(widget)) {
        box->setChecked(value.asBool());
    } else if (auto* memo = qobject_cast<QPlainTextEdit*>(widget)) {
        if (memo->toPlainText() != qt(value.asString()) && !memo->hasFocus()) memo->setPlainText(qt(value.asString()));
    } else if (auto* spin = qobject_cast<QSpinBox*>(widget)) {
        spin->setValue(static_cast<int>(value.asInt()));
    }
}

// A record being changed shows its amounts as typed, to the last decimal they hold; a record
// browsed shows them in its currency.
QString MasterForm::amountText(Money amount) const
{
    return qt(actions_.state() == EditState::Browse ? FormatMoney(amount) : FormatAmount(amount));
}

void MasterForm::refresh()
{
    if (!actions_.record) return;
    refreshing_ = true;
    const EditState state = actions_.state();
    const bool editing = state != EditState::Browse;
    if (!currencyField_.empty()) UseCurrency(static_cast<int>(actions_.record().value(currencyField_).asInt()));
    for (auto it = bindings_.begin(); it != bindings_.end(); ++it) {
        show(it.key(), it.value());
        it.key()->setEnabled(it.key() == codeBox_ ? actions_.codeBoxEnabled() : editing);
    }
    navigator_->setBrowsing(!editing);
    refreshLists();
    refreshing_ = false;
}

QWidget* MasterForm::widgetFor(const std::string& field) const
{
    if (field == kNavigator) return navigator_;
    for (auto it = bindings_.begin(); it != bindings_.end(); ++it)
        if (it.value().field == field) return it.key();
    return nullptr;
}

void MasterForm::focus(const std::string& field)
{
    QWidget* target = widgetFor(field);
    if (field == kNavigator) target = navigator_->button(NavigatorButton::First);
    if (!target) return;
    sentBackTo_ = target->hasFocus() ? nullptr : target;
    QTimer::singleShot(0, target, [this, target] {
        for (int page = 0; page < pages_->count(); ++page)
            if (pages_->widget(page)->isAncestorOf(target)) pages_->setCurrentIndex(page);
        target->setFocus(Qt::OtherFocusReason);
        if (!target->hasFocus() && sentBackTo_ == target) sentBackTo_ = nullptr;  // disabled meanwhile
        if (auto* line = qobject_cast<QLineEdit*>(target)) line->selectAll();
    });
}

void MasterForm::showPage(int page) { pages_->setCurrentIndex(page); }

QWidget* MasterForm::navigator() const { return navigator_; }

// An amount that does not read is refused by its message and typed again: it is never saved as
// the part of it that read, nor silently given up.
bool MasterForm::refuseUnreadAmount(QWidget* widget)
{
    if (!unreadAmounts_.contains(widget) || amountMessage_ < 0 || actions_.state() == EditState::Browse) return false;
    act([this] { message(amountMessage_, ui::MessageKind::Information); });
    focus(bindings_.value(widget).field);
    return true;
}

ui::Answer MasterForm::message(int number, ui::MessageKind kind) { return ui::ShowFormMessage(*this, number, kind); }

QString MasterForm::messageText(int number) const { return ui::FormMessageText(*this, number); }

void MasterForm::act(std::function<void()> call) { serial_.run(std::move(call)); }

// Leaving a field runs its exit; moves within the form only (a message box taking the focus is
// not the user leaving), and not when the focus comes back to a refused field.
void MasterForm::focusMoved(QWidget* old, QWidget* now)
{
    if (!actions_.state || !now || now->window() != this) return;
    const bool sentBack = now == sentBackTo_;
    if (sentBack) sentBackTo_ = nullptr;
    if (old && old->window() == this && leaves_.contains(old) && !sentBack) {
        const bool skip = now == exit_ || now == help_ || ownButtons_.value(old).contains(now);
        const auto leave = leaves_.value(old);
        if (auto* line = qobject_cast<QLineEdit*>(old)) line->setModified(false);
        act([leave, skip] { leave(skip); });
    }
    if (old && bindings_.contains(old) && old != codeBox_) {
        // Post refuses an amount that does not read by itself; exit and cancel give it up.
        const bool givenUp = now == exit_ || now == navigator_->button(NavigatorButton::Cancel);
        if (!unreadAmounts_.contains(old)) {
            if (auto* line = qobject_cast<QLineEdit*>(old)) line->setModified(false);
            show(old, bindings_.value(old));  // what the record holds
        } else if (!givenUp && now != navigator_->button(NavigatorButton::Post)) {
            refuseUnreadAmount(old);
        }
    }
    if (enters_.contains(now)) {
        const auto enter = enters_.value(now);
        act([enter] { enter(); });
    }
}

bool MasterForm::eventFilter(QObject* watched, QEvent* event)
{
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget && widget == codeBox_ && event->type() == QEvent::MouseButtonDblClick && actions_.state &&
        actions_.state() == EditState::Browse) {
        forgetTypedCode();
        const auto find = actions_.findWithPicker;
        act([find] { find(); });
        return true;
    }
    if (!widget || event->type() != QEvent::KeyPress) return QDialog::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (enterButtons_.contains(widget)) {  // its other keys are its own (Delete, the arrows)
        if (key != Qt::Key_Return && key != Qt::Key_Enter) return QDialog::eventFilter(watched, event);
        if (QPushButton* button = enterButtons_.value(widget); button->isEnabled()) button->click();
        return true;
    }
    if (!actions_.state) return QDialog::eventFilter(watched, event);
    if (key == Qt::Key_F2 && lookUps_.contains(widget) && actions_.state() != EditState::Browse) {
        if (auto* line = qobject_cast<QLineEdit*>(widget)) line->setModified(false);
        const auto lookUp = lookUps_.value(widget);
        act([lookUp] { lookUp(); });
        return true;
    }
    if (actions_.state() == EditState::Browse) return browseKey(key) || QDialog::eventFilter(watched, event);
    return editKey(widget, key) || QDialog::eventFilter(watched, event);
}

void MasterForm::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) return event->accept();  // a key never throws away what was typed
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        // No button is the default: Enter presses only the button that has the focus.
        if (auto* button = qobject_cast<QPushButton*>(focusWidget()); button && button->isEnabled()) button->click();
        return event->accept();
    }
    if (actions_.state && actions_.state() == EditState::Browse && browseKey(event->key())) return event->accept();
    QDialog::keyPressEvent(event);
}

// No button of the form is its default, nor becomes it when focused: Enter in a field would
// press it (Exit closing the screen).
void MasterForm::showEvent(QShowEvent* event)
{
    for (QPushButton* button : findChildren<QPushButton*>()) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
    QDialog::showEvent(event);
}

// While browsing the keys move through the records, as the navigator does; F2 finds one with
// the picker.
bool MasterForm::browseKey(int key)
{
    NavigatorButton which = NavigatorButton::First;
    if (key != Qt::Key_F2 && !ui::BrowseKeyButton(key, which)) return false;
    runAction(key == Qt::Key_F2 ? actions_.findWithPicker : actionOf(which));
    return true;
}

// A code typed but not yet left gives way to the record a move or a cancel shows.
void MasterForm::forgetTypedCode()
{
    if (auto* line = qobject_cast<QLineEdit*>(codeBox_)) line->setModified(false);
}

void MasterForm::watchKeys(QWidget* widget) { widget->installEventFilter(this); }

// While inserting or editing, Enter and Down go to the next field and Up to the previous one,
// except in a memo.
bool MasterForm::editKey(QWidget* widget, int key)
{
    if (qobject_cast<QPlainTextEdit*>(widget)) return false;
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    if (qobject_cast<QComboBox*>(widget) || qobject_cast<QAbstractItemView*>(widget)) {  // the arrows choose
        if (enter) focusNextChild();
        return enter;
    }
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

void MasterForm::waiting() { wait_.show(messageText(waitMessage_)); }

bool MasterForm::waitCancelled() { return wait_.cancelled(); }

void MasterForm::waitOver() { wait_.close(); }

void MasterForm::emailParty()
{
    const std::string address = actions_.record ? actions_.record().text(emailField_) : std::string();
    QDesktopServices::openUrl(QUrl(QStringLiteral("mailto:") + qt(address)));
}

void MasterForm::printScreen()
{
    report::printReport(report::documentFromWidget(this), this, QString::fromStdString(session_.printerIndex).toInt(), false);
}

void MasterForm::openQuickLink() { QuickLink(LinkFor(session_)); }

void MasterForm::showHelp() { OpenHelp(helpFile_, helpContext_); }

}  // namespace orvant::masters
