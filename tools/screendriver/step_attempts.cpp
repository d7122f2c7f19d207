#include "step_attempts.h"

#include <QAbstractButton>
#include <QAction>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>

#include "screen_lookup.h"
#include "session/module_frame.h"
#include "script_tokens.h"
#include "scripted_messages.h"
#include "user_input.h"

namespace orvant::screendriver {

namespace {

// Steps a user takes with keyboard and mouse, which a question box on top would not let through.
bool isUserAction(const StepAction& action)
{
    return std::holds_alternative<step::Type>(action) || std::holds_alternative<step::Key>(action) ||
           std::holds_alternative<step::Click>(action) || std::holds_alternative<step::Check>(action) ||
           std::holds_alternative<step::Choose>(action) || std::holds_alternative<step::Cell>(action) ||
           std::holds_alternative<step::Pick>(action) || std::holds_alternative<step::Menu>(action);
}

QString listOrNone(const QStringList& items) { return items.isEmpty() ? QStringLiteral("none") : items.join(QStringLiteral(", ")); }

QString shownWindows() { return QStringLiteral("windows shown: ") + listOrNone(ShownWindowNames()); }

ui::Answer answerFor(Reply reply)
{
    switch (reply) {
    case Reply::Yes: return ui::Answer::Yes;
    case Reply::No: return ui::Answer::No;
    case Reply::Cancel: return ui::Answer::Cancel;
    case Reply::Ok: break;
    }
    return ui::Answer::Ok;
}

QStringList comboItems(const QComboBox& combo)
{
    QStringList items;
    for (int i = 0; i < combo.count(); ++i) items << Quoted(combo.itemText(i));
    return items;
}

// The action runs later, from the event loop: by then the widget may be gone.
template <class W, class Act>
std::function<void()> onWidget(W* widget, Act act)
{
    return [widget = QPointer<W>(widget), act] {
        if (widget) act(*widget);
    };
}

}  // namespace

Attempt StepAttempts::attempt(const StepAction& action, bool acted)
{
    if (isUserAction(action) && !acted) {
        if (returned_) return Attempt::fail(QStringLiteral("the screen has closed"));
        if (const ui::Message* question = messages_.question())
            return Attempt::fail(QStringLiteral("the screen is asking a question, which must be answered first: ") + DescribeMessage(*question));
    }
    return std::visit(
        [&](const auto& s) {
            if constexpr (std::is_same_v<std::decay_t<decltype(s)>, step::Pick>) return attempt(s, acted);
            else return attempt(s);
        },
        action);
}

QString StepAttempts::formProblem() const
{
    if (!form_) return QStringLiteral("the form %1 has closed").arg(formName_);
    if (!form_->isVisible()) return QStringLiteral("the form %1 is not shown").arg(formName_);
    return {};
}

StepAttempts::Lookup StepAttempts::existing(const QString& name) const
{
    if (QString problem = formProblem(); !problem.isEmpty()) return {nullptr, problem};
    QWidget* control = FindControl(*form_, name);
    if (!control) return {nullptr, QStringLiteral("the form %1 has no control %2").arg(formName_, name)};
    return {control, {}};
}

StepAttempts::Lookup StepAttempts::usable(const QString& name) const
{
    Lookup found = existing(name);
    if (!found.control) return found;
    if (!found.control->isVisible()) return {nullptr, name + QStringLiteral(" is hidden")};
    if (!found.control->isEnabled()) return {nullptr, name + QStringLiteral(" is disabled")};
    return found;
}

Attempt StepAttempts::attempt(const step::Form& s)
{
    QWidget* window = ShownWindow(s.name);
    if (!window) return Attempt::wait(shownWindows());
    if (!HasFinishedStarting(*window)) return Attempt::wait(s.name + QStringLiteral(" is still starting"));
    formName_ = s.name;
    form_ = window;
    // Pickers are the windows that were not there when the module's screen had started.
    const bool newModule = window->property(kFirstActivationDone).isValid() && !moduleForms_.contains(window);
    if (moduleForms_.isEmpty() || newModule) {
        moduleForms_.clear();
        for (QWidget* w : QApplication::topLevelWidgets()) moduleForms_ << w;
    }
    return Attempt::act(onWidget(window, [](QWidget& w) {
        if (!w.isActiveWindow()) w.activateWindow();
    }));
}

Attempt StepAttempts::attempt(const step::Type& s)
{
    const Lookup found = usable(s.control);
    if (!found.control) return Attempt::wait(found.problem);
    return Attempt::act(onWidget(found.control, [text = s.text](QWidget& w) { TypeText(w, text); }));
}

Attempt StepAttempts::attempt(const step::Key& s)
{
    if (s.control.isEmpty()) {
        QWidget* focused = QApplication::focusWidget();
        if (!focused) return Attempt::wait(QStringLiteral("nothing has the focus"));
        return Attempt::act(onWidget(focused, [chord = s.chord](QWidget& w) { PressKey(chord, &w); }));
    }
    const Lookup found = usable(s.control);
    if (!found.control) return Attempt::wait(found.problem);
    return Attempt::act(onWidget(found.control, [chord = s.chord](QWidget& w) {
        if (!w.hasFocus()) FocusControl(w);
        PressKey(chord, &w);
    }));
}

Attempt StepAttempts::attempt(const step::Click& s)
{
    const Lookup found = usable(s.control);
    if (!found.control) return Attempt::wait(found.problem);
    return Attempt::act(onWidget(found.control, [](QWidget& w) { ClickWidget(w); }));
}

Attempt StepAttempts::attempt(const step::Check& s)
{
    const Lookup found = usable(s.control);
    if (!found.control) return Attempt::wait(found.problem);
    auto* box = qobject_cast<QAbstractButton*>(found.control);
    if (!box || !box->isCheckable()) return Attempt::fail(s.control + QStringLiteral(" cannot be checked"));
    if (box->isChecked() == s.on) return Attempt::done();
    return Attempt::act(onWidget(box, [](QAbstractButton& b) { ClickWidget(b); }));
}

Attempt StepAttempts::attempt(const step::Choose& s)
{
    const Lookup found = usable(s.control);
    if (!found.control) return Attempt::wait(found.problem);
    if (auto* combo = qobject_cast<QComboBox*>(found.control)) {
        const int index = combo->findText(s.item, Qt::MatchExactly);
        if (index < 0) return Attempt::wait(QStringLiteral("items: ") + listOrNone(comboItems(*combo)));
        return Attempt::act(onWidget(combo, [index](QComboBox& c) { ChooseInCombo(c, index); }));
    }
    if (auto* list = qobject_cast<QAbstractItemView*>(found.control)) {
        const int row = ListRowOf(*list, s.item);
        if (row < 0) return Attempt::wait(s.control + QStringLiteral(" has no item ") + Quoted(s.item));
        return Attempt::act(onWidget(list, [row](QAbstractItemView& l) { ChooseInList(l, row); }));
    }
    return Attempt::fail(s.control + QStringLiteral(" is neither a combo box nor a list"));
}

Attempt StepAttempts::attempt(const step::Cell& s)
{
    const Lookup found = usable(s.control);
    if (!found.control) return Attempt::wait(found.problem);
    auto* grid = qobject_cast<QAbstractItemView*>(found.control);
    if (!grid || !grid->model()) return Attempt::fail(s.control + QStringLiteral(" is not a grid"));
    const QModelIndex cell = grid->model()->index(s.row, s.column, grid->rootIndex());
    if (!cell.isValid())
        return Attempt::wait(QStringLiteral("%1 has %2 rows and %3 columns")
                                 .arg(s.control)
                                 .arg(grid->model()->rowCount(grid->rootIndex()))
                                 .arg(grid->model()->columnCount(grid->rootIndex())));
    if (!(cell.flags() & Qt::ItemIsEditable)) return Attempt::fail(QStringLiteral("that cell cannot be edited"));
    return Attempt::act(onWidget(grid, [cell = QPersistentModelIndex(cell), text = s.text](QAbstractItemView& g) {
        if (cell.isValid()) EditCell(g, cell, text);
    }));
}

Attempt StepAttempts::attempt(const step::Answer& s)
{
    if (!messages_.question()) return Attempt::wait(QStringLiteral("no question waiting"));
    messages_.answer(answerFor(s.reply));
    return Attempt::done();
}

Attempt StepAttempts::attempt(const step::Pick& s, bool acted)
{
    if (acted) return picker_ && picker_->isVisible() ? Attempt::wait(QStringLiteral("the picker is still open")) : Attempt::done();
    QDialog* picker = ShownPicker(moduleForms_);
    if (!picker) return Attempt::wait(QStringLiteral("no picker; ") + shownWindows());
    picker_ = picker;
    QLineEdit* codeBox = picker->findChild<QLineEdit*>();
    return Attempt::act(onWidget(codeBox,
                                 [code = s.code](QLineEdit& box) {
                                     TypeText(box, code);
                                     PressKey({Qt::Key_Return, Qt::NoModifier}, &box);
                                 }),
                        true);
}

Attempt StepAttempts::attempt(const step::Snapshot& s)
{
    if (QString problem = formProblem(); !problem.isEmpty()) return Attempt::wait(problem);
    if (!form_->grab().save(s.file, "PNG")) return Attempt::fail(QStringLiteral("cannot write ") + s.file);
    return Attempt::done();
}

Attempt StepAttempts::attempt(const step::Menu& s)
{
    QWidget* launcher = ShownWindow(kLauncherWindow);
    if (!launcher) return Attempt::wait(QStringLiteral("no launcher; ") + shownWindows());
    if (!launcher->isEnabled() || QApplication::activeModalWidget())
        return Attempt::wait(QStringLiteral("the launcher is busy; ") + shownWindows());
    QAction* entry = FindMenuEntry(*launcher, s.entry);
    if (!entry) return Attempt::wait(QStringLiteral("the launcher's menus have no entry ") + Quoted(s.entry));
    if (!entry->isEnabled()) return Attempt::wait(Quoted(s.entry) + QStringLiteral(" is disabled"));
    return Attempt::act([entry = QPointer<QAction>(entry)] {
        if (entry) entry->trigger();
    });
}

template <class Fits>
bool StepAttempts::consume(Fits fits)
{
    const auto& shown = messages_.shown();
    for (std::size_t i = cursor_; i < shown.size(); ++i) {
        if (!fits(shown[i])) continue;
        cursor_ = i + 1;
        return true;
    }
    return false;
}

QString StepAttempts::shownSinceCursor(bool errorForms) const
{
    QStringList seen;
    const auto& shown = messages_.shown();
    for (std::size_t i = cursor_; i < shown.size(); ++i)
        if (shown[i].errorForm == errorForms)
            seen << (errorForms ? DescribeErrorForm(shown[i].error) : DescribeMessage(shown[i].message));
    const QString what = errorForms ? QStringLiteral("error forms") : QStringLiteral("messages");
    return what + QStringLiteral(" since the last expectation: ") + listOrNone(seen);
}

Attempt StepAttempts::attempt(const step::ExpectMessage& s)
{
    if (consume([&](const ui::ShownMessage& m) { return !m.errorForm && m.message.number == s.number; })) return Attempt::done();
    return Attempt::wait(shownSinceCursor(false));
}

Attempt StepAttempts::attempt(const step::ExpectErrorForm& s)
{
    const auto fits = [&](const ui::ShownMessage& m) {
        return m.errorForm && (!s.category || m.error.category == *s.category) && (!s.code || m.error.code == *s.code);
    };
    if (consume(fits)) return Attempt::done();
    return Attempt::wait(shownSinceCursor(true));
}

Attempt StepAttempts::attempt(const step::ExpectCaption& s)
{
    if (QString problem = formProblem(); !problem.isEmpty()) return Attempt::wait(problem);
    const QString caption = form_->windowTitle();
    return s.caption.matches(caption) ? Attempt::done() : Attempt::wait(QStringLiteral("caption ") + Quoted(caption));
}

Attempt StepAttempts::attempt(const step::ExpectText& s)
{
    const Lookup found = existing(s.control);
    if (!found.control) return Attempt::wait(found.problem);
    const std::optional<QString> text = ControlText(*found.control);
    if (!text) return Attempt::fail(s.control + QStringLiteral(" shows no text"));
    return s.text.matches(*text) ? Attempt::done() : Attempt::wait(s.control + QStringLiteral(" shows ") + Quoted(*text));
}

Attempt StepAttempts::attempt(const step::ExpectFocus& s)
{
    QWidget* focused = QApplication::focusWidget();
    if (focused && ControlName(focused) == s.control) return Attempt::done();
    return Attempt::wait(focused ? QStringLiteral("the focus on ") + ControlName(focused) : QStringLiteral("nothing has the focus"));
}

Attempt StepAttempts::attempt(const step::ExpectEnabled& s)
{
    const Lookup found = existing(s.control);
    if (!found.control) return Attempt::wait(found.problem);
    if (found.control->isEnabled() == s.enabled) return Attempt::done();
    return Attempt::wait(s.control + (s.enabled ? QStringLiteral(" is disabled") : QStringLiteral(" is enabled")));
}

Attempt StepAttempts::attempt(const step::ExpectClosed&)
{
    if (returned_) return Attempt::done();
    if (inLauncher_) {
        const QWidget* launcher = ShownWindow(kLauncherWindow);
        const bool back = launcher && launcher->isEnabled() && !QApplication::activeModalWidget();
        if ((!form_ || !form_->isVisible()) && back) return Attempt::done();
    }
    return Attempt::wait(QStringLiteral("the screen still open; ") + shownWindows());
}

}  // namespace orvant::screendriver
