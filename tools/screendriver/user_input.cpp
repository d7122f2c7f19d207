#include "user_input.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>

namespace orvant::screendriver {

namespace {

// Keys go where the window system would send them: to the focused widget of the active window.
QWidget* keyTarget(QWidget* fallback)
{
    QWidget* focused = QApplication::focusWidget();
    return focused ? focused : fallback;
}

void typeCharacters(const QString& text, QWidget& fallback)
{
    for (const QChar c : text) {
        const QChar upper = c.toUpper();
        const auto key = upper.unicode() > u' ' && upper.unicode() <= u'~' ? static_cast<Qt::Key>(upper.unicode()) : Qt::Key_unknown;
        const Qt::KeyboardModifiers shift = c.isUpper() ? Qt::ShiftModifier : Qt::NoModifier;
        QTest::sendKeyEvent(QTest::Click, keyTarget(&fallback), key, QString(c), shift);
    }
}

// Check boxes and radio buttons take clicks on their box and label only, not on the whole width
// a layout gives them.
QPoint clickPoint(const QWidget& widget)
{
    QStyle::SubElement clickArea;
    if (qobject_cast<const QCheckBox*>(&widget)) clickArea = QStyle::SE_CheckBoxClickRect;
    else if (qobject_cast<const QRadioButton*>(&widget)) clickArea = QStyle::SE_RadioButtonClickRect;
    else return widget.rect().center();
    QStyleOptionButton option;
    option.initFrom(&widget);
    option.text = static_cast<const QAbstractButton&>(widget).text();
    return widget.style()->subElementRect(clickArea, &option, &widget).center();
}

void clickAt(QAbstractItemView& view, const QModelIndex& index)
{
    view.scrollTo(index);
    QTest::mouseClick(view.viewport(), Qt::LeftButton, Qt::NoModifier, view.visualRect(index).center());
}

}  // namespace

void FocusControl(QWidget& control)
{
    if (!control.isActiveWindow()) control.activateWindow();
    control.setFocus(Qt::TabFocusReason);
}

void TypeText(QWidget& control, const QString& text)
{
    FocusControl(control);
    QTest::keyClick(keyTarget(&control), Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty()) QTest::keyClick(keyTarget(&control), Qt::Key_Delete);
    typeCharacters(text, control);
}

void PressKey(const KeyChord& chord, QWidget* fallback)
{
    QWidget* target = keyTarget(fallback);
    if (target) QTest::keyClick(target, chord.key, chord.modifiers);
}

void ClickWidget(QWidget& widget) { QTest::mouseClick(&widget, Qt::LeftButton, Qt::NoModifier, clickPoint(widget)); }

void ChooseInCombo(QComboBox& combo, int index)
{
    FocusControl(combo);
    combo.setCurrentIndex(index);
    emit combo.activated(index);
    emit combo.textActivated(combo.itemText(index));
}

void ChooseInList(QAbstractItemView& list, int row) { clickAt(list, list.model()->index(row, 0, list.rootIndex())); }

void EditCell(QAbstractItemView& grid, const QModelIndex& cell, const QString& text)
{
    clickAt(grid, cell);
    grid.setCurrentIndex(cell);
    grid.edit(cell);
    if (QWidget* editor = grid.indexWidget(cell)) {
        TypeText(*editor, text);
        PressKey({Qt::Key_Return, Qt::NoModifier}, editor);
    }
}

}  // namespace orvant::screendriver
