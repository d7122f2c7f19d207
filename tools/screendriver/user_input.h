#pragma once
// A user's hands: keys and mouse clicks sent to the real widgets, the way the window system
// would deliver them, so that the screen's own handlers (focus changes, masks, shortcuts,
// default buttons) run as they do for a person. Each call may run the screen's code, and may
// not return until a window it opens is closed.

#include <QString>

#include "key_names.h"

class QAbstractItemView;
class QComboBox;
class QModelIndex;
class QWidget;

namespace orvant::screendriver {

// Puts the focus on the control as Tab would, which selects a box's whole text.
void FocusControl(QWidget& control);

// Types over the control's text: focus, select all, then one key per character to whatever has
// the focus (a screen may move it on by itself). An empty text deletes the old one.
void TypeText(QWidget& control, const QString& text);

// Presses the key on the focused widget, or on `fallback` when the window has no focus yet.
void PressKey(const KeyChord& chord, QWidget* fallback);

void ClickWidget(QWidget& widget);

// Chooses the item as a pick from the drop-down would.
void ChooseInCombo(QComboBox& combo, int index);
// Clicks the row, as a user clicking it in the list.
void ChooseInList(QAbstractItemView& list, int row);

// Clicks the cell, opens its editor, types the text and presses Enter. The cell must be
// editable.
void EditCell(QAbstractItemView& grid, const QModelIndex& cell, const QString& text);

}  // namespace orvant::screendriver
