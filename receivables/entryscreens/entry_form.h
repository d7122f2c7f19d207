#pragma once
// The form of the sales and the purchases screens: a party's document (a client's or a
// supplier's) over a distribution. It holds no rule: it forwards the entering and leaving of
// fields, the keys and the buttons to the screen's logic (`Screen`, which talks back through
// `Host`), and shows its state. `Party` says what the screen calls its party:
//
//   static constexpr Field kField;        the party's code among the screen's fields
//   static void leave(Screen&, const std::string& code, bool towardsTag13);
//   static void pick(Screen&);
//   static const std::string& code(const Screen&);
//   static const std::optional<Facts>& shown(const Screen&);   name, address, city, e-mail
//   static bool locked(const Screen&);    optional: the party may no longer change

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QDialog>
#include <QGridLayout>
#include <QHash>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>
#include <QUrl>
#include <functional>
#include <memory>
#include <type_traits>

#include "dates/date_format.h"
#include "entryscreens/distribution_box.h"
#include "entryscreens/entry_buttons.h"
#include "entryscreens/entry_fields.h"
#include "entryscreens/entry_layout.h"
#include "entryscreens/form_answers.h"
#include "money/currency_format.h"
#include "pickers.h"
#include "quick_link.h"
#include "report/printing.h"
#include "report/screen_print.h"
#include "session/help.h"
#include "session/module_frame.h"
#include "session/session.h"
#include "settings/regional.h"
#include "sidedialogs/holdback_dialog.h"
#include "sidedialogs/period_dialog.h"
#include "sidedialogs/project_dialog.h"
#include "sidedialogs/taxperrate_dialog.h"
#include "ui/error_reporting.h"
#include "ui/form_messages.h"
#include "ui/screen_actions.h"

namespace orvant::entryscreens {

// The dialogs the form opens, made once with the module's other forms.
struct EntryDialogs {
    sidedialogs::Ttaxperrate_dlg* taxes = nullptr;
    sidedialogs::Tholdback_dlg* holdback = nullptr;
    sidedialogs::Tproject_dlg* projects = nullptr;
    sidedialogs::Tperiod_dlg* period = nullptr;
};

// What a form is called and how it is laid out.
struct EntryFormNames {
    const char* objectName;
    const char* title;  // until a change of period gives its caption
    int helpContext;
    HeaderNames header;
    int rowBoxes;  // the distribution's rows of boxes
    int rowsShownAtOnce;  // the others scroll into view; all of them are shown when 0
    int descriptionWidth;
    sidedialogs::ProjectForm projects;
};

template <class Host, class Screen, class Data, class Party>
class EntryForm : public QDialog, public FormAnswers<Host> {
public:
    using Field = std::remove_const_t<decltype(Party::kField)>;

    ~EntryForm() override { disconnect(qApp, nullptr, this, nullptr); }

    // After the first activation has opened the books.
    void start(Data& data, EntryDialogs dialogs);

    // The host, but for the party's picker and the holdback
    void focus(Field field, int row) override;
    void refresh() override;
    std::optional<std::vector<sidedialogs::ProjectLine>> askProjects(Money toDistribute) override
    {
        return dialogs_.projects->run(toDistribute, *company_, *this, sidedialogs::SuiteProjectLookups(this->session()), projectForm_);
    }

protected:
    EntryForm(Session& session, QString helpFile, const EntryFormNames& names);

    const EntryDialogs& dialogs() const { return dialogs_; }

    bool eventFilter(QObject* watched, QEvent* event) override;
    // Escape does not close the screen: a document being typed is not thrown away by a key.
    void keyPressEvent(QKeyEvent* event) override
    {
        if (event->key() == Qt::Key_Escape) return event->accept();
        QDialog::keyPressEvent(event);
    }

private:
    struct Place {
        Field field;
        int row = -1;
    };

    void watchFields();
    void watch(QWidget* widget, Field field, int row = -1);
    QWidget* widgetAt(Field field, int row) const;

    void focusMoved(QWidget* old, QWidget* now);
    void leave(QWidget* widget, bool towardsTag13);
    void leaveFocusedField();
    void act(std::function<void()> call) { actions_.run(std::move(call)); }
    bool moveOnKey(QWidget* widget, int key);

    void accept() override;
    // The pickers opened from the form: what they choose replaces what was typed.
    void lookUpParty();
    void lookUpAccount(int row);
    void emailParty();
    void printScreen();

    QString helpFile_;
    int helpContext_;
    sidedialogs::ProjectForm projectForm_;
    store::Database* company_ = nullptr;
    EntryDialogs dialogs_;
    std::unique_ptr<Screen> screen_;
    QHash<QWidget*, Place> places_;
    QWidget* sentBackTo_ = nullptr;
    bool focusAsked_ = false;  // the logic sent the focus somewhere since it was last cleared
    int lastRow_ = 0;  // the grid row whose field last had the focus
    ui::SerialActions actions_;

    EntryHeader header_;
    DistributionBox* distribution_;
};

template <class Host, class Screen, class Data, class Party>
EntryForm<Host, Screen, Data, Party>::EntryForm(Session& session, QString helpFile, const EntryFormNames& names)
    : FormAnswers<Host>(*this, session), helpFile_(std::move(helpFile)), helpContext_(names.helpContext), projectForm_(names.projects),
      actions_(*this)
{
    setObjectName(QLatin1String(names.objectName));
    setWindowTitle(QString::fromUtf8(names.title));
    auto* headerGrid = new QGridLayout;
    header_ = BuildEntryHeader(*this, *headerGrid, names.header);
    distribution_ = new DistributionBox(this, names.rowBoxes, names.descriptionWidth, names.rowsShownAtOnce);
    watchFields();
    QWidget* buttons = EntryButtonBar(this, {[this] { act([this] { screen_->changePeriod(); }); }, [this] { emailParty(); },
                                             [this] { QuickLink(LinkFor(this->session())); }, [this] { printScreen(); }, [this] { accept(); },
                                             [this] { act([this] { screen_->cancel(); }); }, [this] { reject(); },
                                             [this] { OpenHelp(helpFile_, helpContext_); }});
    LayOutEntryForm(*this, headerGrid, header_, distribution_, buttons);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget* now) { focusMoved(old, now); });
}

template <class Host, class Screen, class Data, class Party>
void EntryForm<Host, Screen, Data, Party>::watchFields()
{
    watch(header_.partyCode, Party::kField);
    watch(header_.type, Field::Type);
    watch(header_.invoice, Field::Invoice);
    watch(header_.reference, Field::Reference);
    watch(header_.date, Field::Date);
    watch(header_.dueDate, Field::DueDate);
    watch(header_.memo, Field::Comment);
    for (int r = 0; r < distribution_->rowCount(); ++r) {
        const auto& row = distribution_->row(r);
        watch(row.account, Field::RowAccount, r);
        watch(row.description, Field::RowDescription, r);
        watch(row.debit, Field::RowDebit, r);
        watch(row.credit, Field::RowCredit, r);
    }
    connect(header_.partySearch, &QPushButton::clicked, this, ui::Guarded([this] { lookUpParty(); }));
    connect(header_.cash, &QCheckBox::toggled, this, ui::Guarded([this](bool on) {
                if (screen_) act([this, on] { screen_->setDirectCash(on); });
            }));
    connect(header_.type, &QComboBox::currentIndexChanged, this, ui::Guarded([this](int index) {
                if (screen_) screen_->setType(index);
            }));
    connect(distribution_->accountSearch(), &QPushButton::clicked, this, ui::Guarded([this] { lookUpAccount(lastRow_); }));
}

template <class Host, class Screen, class Data, class Party>
void EntryForm<Host, Screen, Data, Party>::watch(QWidget* widget, Field field, int row)
{
    places_.insert(widget, {field, row});
    widget->installEventFilter(this);
}

template <class Host, class Screen, class Data, class Party>
QWidget* EntryForm<Host, Screen, Data, Party>::widgetAt(Field field, int row) const
{
    for (auto it = places_.begin(); it != places_.end(); ++it)
        if (it.value().field == field && (row < 0 || it.value().row == row || it.value().row < 0)) return it.key();
    return nullptr;
}

template <class Host, class Screen, class Data, class Party>
void EntryForm<Host, Screen, Data, Party>::start(Data& data, EntryDialogs dialogs)
{
    company_ = &data.company();
    dialogs_ = dialogs;
    this->useDialogs(dialogs.taxes, dialogs.period);
    const auto messageText = [this](int number) { return ui::FormMessageText(*this, number).toStdString(); };
    SetCurrencySigns(Registry::open(), data.books().settings().currencySigns);
    screen_ = std::make_unique<Screen>(data.books(), data.posting(), *this, this->session(), messageText);
    screen_->start();
}

// Leaving a field runs its exit rules, entering one may send the focus back to the party.
// Only moves within the form count: a message box taking the focus is not the user leaving.
template <class Host, class Screen, class Data, class Party>
void EntryForm<Host, Screen, Data, Party>::focusMoved(QWidget* old, QWidget* now)
{
    if (!screen_ || !now || now->window() != this) return;
    // The focus sent back to a refused field: the field it passed through was not left by
    // the user, and checking it would send the focus away again.
    const bool sentBack = now == sentBackTo_;
    if (sentBack) sentBackTo_ = nullptr;
    if (old && places_.contains(old) && old->window() == this && !sentBack) {
        const bool towardsTag13 = ui::SkipsFieldChecks(now);
        QWidget* left = old;
        act([this, left, towardsTag13] { leave(left, towardsTag13); });
    }
    if (places_.contains(now)) {
        const Field field = places_.value(now).field;
        if (places_.value(now).row >= 0) lastRow_ = places_.value(now).row;
        act([this, field] { screen_->enterField(field); });
    }
}

template <class Host, class Screen, class Data, class Party>
void EntryForm<Host, Screen, Data, Party>::leave(QWidget* widget, bool towardsTag13)
{
    if (auto* line = qobject_cast<QLineEdit*>(widget)) line->setModified(false);
    const Place place = places_.value(widget);
    if (place.field == Party::kField) return Party::leave(*screen_, header_.partyCode->text().toStdString(), towardsTag13);
    const auto dateIn = [](const QLineEdit* edit) { return ParseDate(edit->text().toStdString(), ShortDateFormat()); };
    const auto& row = distribution_->row(place.row < 0 ? 0 : place.row);
    switch (place.field) {
    case Field::Invoice: return screen_->leaveInvoice(header_.invoice->text().toStdString(), towardsTag13);
    case Field::Reference: return screen_->leaveReference(header_.reference->text().toStdString(), towardsTag13);
    case Field::Date: return screen_->leaveDate(dateIn(header_.date));
    case Field::DueDate: return screen_->leaveDueDate(dateIn(header_.dueDate));
    case Field::Comment:
        header_.memo->document()->setModified(false);
        return screen_->setComment(header_.memo->toPlainText().toStdString());
    case Field::RowAccount: return screen_->leaveAccount(place.row, row.account->text().toStdString());
    case Field::RowDescription: return screen_->setDescription(place.row, row.description->text().toStdString());
    case Field::RowDebit: return screen_->leaveDebit(place.row, AmountIn(*row.debit));
    case Field::RowCredit: return screen_->leaveCredit(place.row, AmountIn(*row.credit));
    default: return;
    }
}

// Accept reads the field being typed in first: a shortcut presses the button without moving
// the focus.
template <class Host, class Screen, class Data, class Party>
void EntryForm<Host, Screen, Data, Party>::leaveFocusedField()
{
    QWidget* focused = QApplication::focusWidget();
    if (places_.contains(focused)) leave(focused, false);
}

template <class Host, class Screen, class Data, class Party>
void EntryForm<Host, Screen, Data, Party>::accept()
{
    act([this] {
        focusAsked_ = false;
        leaveFocusedField();
        if (focusAsked_) return;  // the field refused what it holds: its message said so once
        // A posting that fails is rolled back: the error is shown and the document stays typed.
        ui::RunPosting([this] { screen_->accept(); });
    });
}

template <class Host, class Screen, class Data, class Party>
bool EntryForm<Host, Screen, Data, Party>::eventFilter(QObject* watched, QEvent* event)
{
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || !places_.contains(widget) || !screen_) return QDialog::eventFilter(watched, event);
    const Place place = places_.value(widget);
    if (event->type() == QEvent::MouseButtonDblClick && place.field == Field::RowAccount) {
        lookUpAccount(place.row);
        return true;
    }
    if (event->type() != QEvent::KeyPress) return QDialog::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_F2 && place.field == Party::kField) {
        lookUpParty();
        return true;
    }
    if (key == Qt::Key_F2 && place.field == Field::RowAccount) {
        lookUpAccount(place.row);
        return true;
    }
    return moveOnKey(widget, key) || QDialog::eventFilter(watched, event);
}

// Enter and Down go to the next field, Up to the previous one, from the list of types and the
// distribution's boxes alike; the comment keeps its keys for its lines.
template <class Host, class Screen, class Data, class Party>
bool EntryForm<Host, Screen, Data, Party>::moveOnKey(QWidget* widget, int key)
{
    const bool forward = key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Down;
    if (places_.value(widget).field == Field::Comment || (!forward && key != Qt::Key_Up)) return false;
    focusNextPrevChild(forward);
    return true;
}

template <class Host, class Screen, class Data, class Party>
void EntryForm<Host, Screen, Data, Party>::focus(Field field, int row)
{
    focusAsked_ = true;
    QWidget* target = widgetAt(field, row);
    if (!target) return;
    sentBackTo_ = target->hasFocus() ? nullptr : target;
    FocusSoon(target);
}

// The field being typed in keeps what the user typed: it reaches the logic when it is left.
template <class Host, class Screen, class Data, class Party>
void EntryForm<Host, Screen, Data, Party>::refresh()
{
    if (!screen_) return;
    const auto qt = [](const std::string& s) { return QString::fromStdString(s); };
    const auto& document = screen_->document();
    ShowText(*header_.partyCode, qt(Party::code(*screen_)));
    if constexpr (requires { Party::locked(*screen_); }) {
        header_.partyCode->setEnabled(!Party::locked(*screen_));
        header_.partySearch->setEnabled(!Party::locked(*screen_));
    }
    const auto& party = Party::shown(*screen_);
    ShowAddress(header_, party ? std::optional(std::array{qt(party->name), qt(party->address1), qt(party->address2),
                                                          qt(party->city) + (party->province.empty() ? QString() : ", " + qt(party->province))})
                               : std::nullopt);
    {
        const QSignalBlocker quiet(header_.cash);
        header_.cash->setChecked(document.directCash);
    }
    {
        const QSignalBlocker quiet(header_.type);
        header_.type->setCurrentIndex(static_cast<int>(document.type));
    }
    ShowText(*header_.invoice, qt(document.invoice));
    ShowText(*header_.reference, qt(document.reference));
    ShowText(*header_.date, qt(FormatDate(document.date, ShortDateFormat())));
    ShowText(*header_.dueDate, qt(FormatDate(document.dueDate, ShortDateFormat())));
    QPlainTextEdit& memo = *header_.memo;
    if (memo.toPlainText() != qt(document.comment) && !(memo.hasFocus() && memo.document()->isModified()))
        memo.setPlainText(qt(document.comment));
    UseCurrency(screen_->currency());
    distribution_->show(document.rows);
    if (!screen_->periodCaption().empty()) setWindowTitle(qt(screen_->periodCaption()));
}

template <class Host, class Screen, class Data, class Party>
void EntryForm<Host, Screen, Data, Party>::lookUpParty()
{
    header_.partyCode->setModified(false);
    act([this] { Party::pick(*screen_); });
}

template <class Host, class Screen, class Data, class Party>
void EntryForm<Host, Screen, Data, Party>::lookUpAccount(int row)
{
    distribution_->row(row).account->setModified(false);
    act([this, row] { screen_->pickAccount(row); });
}

template <class Host, class Screen, class Data, class Party>
void EntryForm<Host, Screen, Data, Party>::emailParty()
{
    const auto& party = screen_ ? Party::shown(*screen_) : std::nullopt;
    QDesktopServices::openUrl(QUrl(QStringLiteral("mailto:") + (party ? QString::fromStdString(party->email) : QString())));
}

template <class Host, class Screen, class Data, class Party>
void EntryForm<Host, Screen, Data, Party>::printScreen()
{
    report::printReport(report::documentFromWidget(this), this, QString::fromStdString(this->session().printerIndex).toInt(), false);
}

}  // namespace orvant::entryscreens
