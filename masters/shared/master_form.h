#pragma once
// The form of a maintenance screen, as client and supplier maintenance share it: the pages, the
// record navigator, the fields bound to the record's fields, the exit rule of a field (its check
// runs unless the focus goes to its own list button, to exit or to help), the keys, the
// messages and the wait for a record held elsewhere. A screen's form adds its widgets and says
// what each does; the rules stay in the screen's logic.

#include <QDialog>
#include <QHash>
#include <QSet>
#include <functional>
#include <map>
#include <memory>
#include <optional>

#include "session/session.h"
#include "shared/master_host.h"
#include "shared/record_editor.h"
#include "ui/record_navigator.h"
#include "ui/screen_actions.h"

class QGridLayout;
class QLineEdit;
class QPushButton;
class QStatusBar;
class QTabWidget;
class QWidget;

namespace orvant::masters {

// What a maintenance screen's logic offers its form.
struct NavigatorActions {
    std::function<void()> first, prior, next, last, insert, remove, edit, post, cancel, findWithPicker;
    std::function<const RecordView&()> record;
    std::function<EditState()> state;
    std::function<bool()> codeBoxEnabled;
    std::function<void(const std::string& field, store::Value value)> set;
};

// Whether a window with this title is shown (a list window another screen opened).
bool WindowOpen(const QString& title);

// The widget, given its object name (the name its language table and the screen driver use).
template <class Widget>
Widget* Named(Widget* widget, const std::string& name)
{
    widget->setObjectName(QString::fromStdString(name));
    return widget;
}

// What a code picker of the suite chose for the session: "" when cancelled.
std::string PickCode(int32_t (*picker)(TLinkSection, char*, int32_t), const Session& session);

class MaintenanceScreen;

class MasterForm : public QDialog, public MasterHost {
public:
    // `emailField` holds the address the e-mail button writes to.
    MasterForm(Session& session, QString helpFile, const char* objectName, const char* caption, int helpContext,
               std::string emailField);
    ~MasterForm() override;

    // The screen the navigator and the fields act on.
    void setScreen(MaintenanceScreen& screen);

    // MasterHost
    ui::Answer message(int number, ui::MessageKind kind) override;
    void focus(const std::string& field) override;
    void showPage(int page) override;
    void refresh() override;
    void waiting() override;
    bool waitCancelled() override;
    void waitOver() override;

protected:
    enum class Kind { Text, Integer, Number, Money, Date, Flag, Memo };

    // A labelled edit box in a grid, bound to `tableField` (by default its own name); its label
    // is named after it + "Label".
    QLineEdit* addField(QWidget* page, QGridLayout* grid, int row, int column, const char* label, const std::string& name,
                        Kind kind, int width = 0, std::string tableField = {});
    // The "..." button of a field's list: clicked it takes the focus (the field's check waits
    // for its choice), Tab passes it by.
    QPushButton* addListButton(QWidget* page, const std::string& name, const char* hint);
    // A page of the form, by its object name and caption.
    QWidget* addPage(const char* objectName, const char* caption);
    // Binds a field widget to a record field. The code box is `codeBox`; all others are data
    // fields, enabled only while inserting or editing.
    void bind(QWidget* widget, const std::string& field, Kind kind);
    void setCodeBox(QWidget* widget, const std::string& field) { codeBox_ = widget, codeField_ = field; }
    // The record field holding the currency its amounts are shown in (UseCurrency).
    void setCurrencyField(std::string field) { currencyField_ = std::move(field); }
    // A form that only shows its records, before its fields are bound: nothing is typed in its
    // date fields, so they take no input mask and an empty date shows empty, not the mask's
    // separators.
    void showDatesOnly() { datesShownOnly_ = true; }
    // A form that shows records without a maintenance screen: what its keys and its fields act
    // on, and the navigator it may hide.
    void setActions(NavigatorActions actions) { actions_ = std::move(actions); }
    QWidget* navigator() const;
    // Runs when the field is left; `skipCheck` when the focus went to one of `ownButtons`, to
    // exit or to help.
    void onLeave(QWidget* widget, std::function<void(bool skipCheck)> leave, QList<QWidget*> ownButtons = {});
    void onEnter(QWidget* widget, std::function<void()> enter);
    // Enter in `widget` presses `button`. Elsewhere Enter presses nothing: the form has no
    // default button, so Enter never closes the screen.
    void pressOnEnter(QWidget* widget, QPushButton* button);
    // F2 in the field.
    void onF2(QWidget* widget, std::function<void()> lookUp);
    // A list that Enter leaves, like the fields.
    void watchKeys(QWidget* widget);
    // A widget to show under another name (the state's own, like a list), refreshed by hand.
    virtual void refreshLists() {}
    // The widget of a record field, for the focus; the code box and bound fields by default.
    virtual QWidget* widgetFor(const std::string& field) const;
    QWidget* exitButton() const { return exit_; }
    QWidget* helpButton() const { return help_; }
    QTabWidget* pages() const { return pages_; }
    // Text of the form's message list (the screen's texts that are not messages: a title).
    QString messageText(int number) const;
    // Runs a call of the logic, guarded, unless one is running already (a message box of the
    // first runs its own event loop); then later.
    void act(std::function<void()> call);
    Session& session() { return session_; }
    // The message that says a record is held elsewhere, shown while a save waits for it.
    void setWaitMessage(int number) { waitMessage_ = number; }
    // The message that refuses an amount typed that does not read.
    void setAmountMessage(int number) { amountMessage_ = number; }

    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildBottomBar(QWidget* bar);
    void emailParty();
    void printScreen();
    void openQuickLink();
    void showHelp();

    struct Binding {
        std::string field;
        Kind kind;
    };
    void navigate(ui::NavigatorButton which);
    std::function<void()> actionOf(ui::NavigatorButton which) const;
    void runAction(std::function<void()> action);
    void focusMoved(QWidget* old, QWidget* now);
    void store(QWidget* widget);
    static std::optional<store::Value> read(const QString& typed, Kind kind);
    QString amountText(Money amount) const;
    bool refuseUnreadAmount(QWidget* widget);
    void forgetTypedCode();
    void show(QWidget* widget, const Binding& binding);
    bool browseKey(int key);
    bool editKey(QWidget* widget, int key);

    Session& session_;
    QString helpFile_;
    int helpContext_;
    std::string emailField_;
    NavigatorActions actions_;
    QTabWidget* pages_;
    QStatusBar* statusBar_;
    QWidget* exit_ = nullptr;
    QWidget* help_ = nullptr;
    QWidget* codeBox_ = nullptr;
    std::string codeField_;
    std::string currencyField_;
    QHash<QWidget*, Binding> bindings_;
    QHash<QWidget*, std::function<void(bool)>> leaves_;
    QHash<QWidget*, QList<QWidget*>> ownButtons_;
    QHash<QWidget*, std::function<void()>> enters_;
    QHash<QWidget*, std::function<void()>> lookUps_;
    QHash<QWidget*, QPushButton*> enterButtons_;
    ui::RecordNavigator* navigator_;
    QWidget* sentBackTo_ = nullptr;
    bool refreshing_ = false;
    ui::SerialActions serial_;
    ui::RecordWaitBox wait_;
    int waitMessage_ = -1;
    int amountMessage_ = -1;
    bool datesShownOnly_ = false;
    QSet<QWidget*> unreadAmounts_;  // amount boxes holding a text that does not read
};

}  // namespace orvant::masters
