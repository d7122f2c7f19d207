#include "sidedialogs/entry_grid.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <utility>

namespace orvant::sidedialogs {

EntryGrid::EntryGrid(QWidget* parent) : QTableView(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::EditKeyPressed | QAbstractItemView::DoubleClicked);
    setTabKeyNavigation(true);
    verticalHeader()->hide();
    horizontalHeader()->setStretchLastSection(true);
}

bool EntryGrid::commitPendingEdit()
{
    if (state() != QAbstractItemView::EditingState) return true;
    QWidget* editor = indexWidget(currentIndex());
    if (!editor) return true;
    if (auto* line = qobject_cast<QLineEdit*>(editor); line && !line->hasAcceptableInput()) {
        editor->setFocus();
        return false;
    }
    commitData(editor);
    QTableView::closeEditor(editor, QAbstractItemDelegate::NoHint);
    return true;
}

void EntryGrid::moveDown()
{
    const QModelIndex current = currentIndex();
    if (!current.isValid()) return;
    if (current.row() + 1 >= model()->rowCount() && !(pastLastRow_ && pastLastRow_())) return;
    const QModelIndex below = model()->index(current.row() + 1, current.column());
    if (below.isValid()) setCurrentIndex(below);
}

void EntryGrid::keyPressEvent(QKeyEvent* event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (enter && plain && state() == QAbstractItemView::EditingState) {
        // The editor's delegate has seen the text through and commits it next; move once it has.
        moveAfterEdit_ = true;
        event->accept();
        return;
    }
    if ((enter || event->key() == Qt::Key_Down) && plain) {
        moveDown();
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

void EntryGrid::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint)
{
    QTableView::closeEditor(editor, hint);
    if (std::exchange(moveAfterEdit_, false)) moveDown();
}

}  // namespace orvant::sidedialogs
