#pragma once
// How the texts of a language row reach each kind of control. A function given a control it does
// not know leaves it as it is.

#include <QString>
#include <QStringList>

class QObject;
class QWidget;

namespace orvant::lang {

// The whole text of a multi-line control (plain or rich text edit, label, or any object with a
// "text" property), one line per entry. An empty text has no lines.
void SetMemoText(QObject* memo, const QStringList& lines);
QStringList MemoLines(const QObject* memo);

// A grid's column titles, replaced only when there is one title per column.
void SetColumnTitles(QObject* grid, const QStringList& titles);

// A group box's title, and the texts of its radio buttons in order; buttons beyond the last
// choice keep theirs.
void SetChoices(QObject* group, const QString& caption, const QStringList& choices);

// A combo box's or list's items, replaced; `checkable` gives each item of a list a check box.
void ReplaceItems(QObject* list, const QStringList& items, bool checkable);

// The caption of a menu or menu item; false when the object is neither.
bool SetMenuCaption(QObject* item, const QString& caption);

// For objects that are not widgets, such as report labels: writes their "text" property, else
// their "caption" property. False when they have neither.
bool SetTextProperty(QObject* object, const QString& text);

// The caption and hint of a label, button, check box, group box or tab page. Boxes whose text is
// the user's data (edit boxes, lists) take only the hint.
void SetCaptionAndHint(QWidget* control, const QString& caption, const QString& hint);

// The hints of a record navigator's buttons, in order; buttons beyond the last hint keep theirs.
void SetNavigatorHints(QWidget* navigator, const QStringList& hints);

}  // namespace orvant::lang
