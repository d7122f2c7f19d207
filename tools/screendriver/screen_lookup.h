#pragma once
// Finding things on the screen as a script names them: windows and controls by object name,
// what a control shows, whether a form has finished starting, and the picker that a code field
// opens.

#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <optional>

class QAbstractItemView;
class QAction;
class QDialog;

namespace orvant::screendriver {

// A window a user works in; a combo box's drop-down or a tooltip is part of something else.
bool IsWorkWindow(const QWidget& widget);

// The shown top-level window of that name.
QWidget* ShownWindow(const QString& name);
QWidgetList ShownWindows();
// Names of the shown top-level windows, for telling what the screen looked like.
QStringList ShownWindowNames();

// The launcher's main window.
inline const QString kLauncherWindow = QStringLiteral("MainForm");

// An entry of the window's menu bar, at any depth: the one whose object name (an option's code)
// is `entry`, else the one whose caption without its "&" is `entry`.
QAction* FindMenuEntry(const QWidget& window, const QString& entry);

// A module's frame starts the screen from a zero timer of its main form once the form is shown
// (language strings, tables, caption, the module's own start), so the form is ready for the
// user once that timer has gone off.
bool HasFinishedStarting(const QWidget& form);

QWidget* FindControl(const QWidget& form, const QString& name);

// The name a script uses for the widget: its own object name, or that of the nearest named
// widget around it (the table around a cell editor); Qt's inner parts ("qt_...") do not count.
QString ControlName(const QWidget* widget);

// The row of the list whose first column shows the text; -1 when none does.
int ListRowOf(const QAbstractItemView& list, const QString& text);

// What the control shows: the text of a box, label, button or memo, the current item of a combo
// box; nothing for a control without a text.
std::optional<QString> ControlText(const QWidget& control);

// A picker: a dialog that is not one of the module's own forms, with a list or table to choose
// from and a box to type the code in. Pickers come from picker libraries, so they are known by
// their make-up rather than their names.
QDialog* ShownPicker(const QList<QPointer<QWidget>>& moduleForms);

}  // namespace orvant::screendriver
