#include "sidedialogs/dialog_parts.h"

#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

namespace orvant::sidedialogs {

QPushButton* NamedButton(const char* name, const QString& caption, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

QLabel* NamedLabel(const char* name, const QString& caption, QWidget* parent)
{
    auto* label = new QLabel(caption, parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

void RemoveCloseBox(QDialog& dialog)
{
    dialog.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
}

namespace {

// The control after `field` in the tab order of its window.
void focusAfter(QWidget* field)
{
    for (QWidget* w = field->nextInFocusChain(); w && w != field; w = w->nextInFocusChain()) {
        if ((w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(w->window()) && w->isEnabled() && w->window() == field->window()) {
            w->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

}  // namespace

FieldKeys::FieldKeys(std::initializer_list<QWidget*> fields, QObject* parent) : QObject(parent), fields_(fields)
{
    for (QWidget* field : fields_) field->installEventFilter(this);
}

bool FieldKeys::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) return false;
    const auto at = std::find(fields_.begin(), fields_.end(), watched);
    if (at == fields_.end()) return false;
    // The next or previous field that can take the focus now (a hidden one is passed over).
    const auto usable = [](QWidget* w) { return w->isVisibleTo(w->window()) && w->isEnabled(); };
    switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Down: {
        const auto next = std::find_if(at + 1, fields_.end(), usable);
        if (next != fields_.end()) (*next)->setFocus(Qt::TabFocusReason);
        else if (key->key() != Qt::Key_Down) focusAfter(static_cast<QWidget*>(watched));
        return true;
    }
    case Qt::Key_Up: {
        const auto previous = std::find_if(std::make_reverse_iterator(at), fields_.rend(), usable);
        if (previous != fields_.rend()) (*previous)->setFocus(Qt::BacktabFocusReason);
        return true;
    }
    default: return false;
    }
}

}  // namespace orvant::sidedialogs
