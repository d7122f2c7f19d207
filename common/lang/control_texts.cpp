#include "lang/control_texts.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMetaProperty>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTextEdit>
#include <algorithm>

namespace orvant::lang {

namespace {

// A tab page sits in the tab widget's stack of pages.
QTabWidget* tabWidgetOf(QWidget* page)
{
    auto* stack = qobject_cast<QStackedWidget*>(page->parentWidget());
    return stack ? qobject_cast<QTabWidget*>(stack->parentWidget()) : nullptr;
}

bool writeProperty(QObject* object, const char* name, const QString& value)
{
    const QMetaObject* type = object->metaObject();
    const int index = type->indexOfProperty(name);
    return index >= 0 && type->property(index).isWritable() && object->setProperty(name, value);
}

// Gives buttons their texts in order; buttons beyond the last text keep theirs.
template <typename Button>
void setButtonTexts(const QList<Button*>& buttons, const QStringList& texts, void (QAbstractButton::*set)(const QString&))
{
    const qsizetype count = std::min(buttons.size(), texts.size());
    for (qsizetype i = 0; i < count; ++i) (buttons[i]->*set)(texts[i]);
}

}  // namespace

void SetMemoText(QObject* memo, const QStringList& lines)
{
    const QString text = lines.join(u'\n');
    if (auto* edit = qobject_cast<QPlainTextEdit*>(memo)) edit->setPlainText(text);
    else if (auto* edit = qobject_cast<QTextEdit*>(memo)) edit->setPlainText(text);
    else SetTextProperty(memo, text);
}

QStringList MemoLines(const QObject* memo)
{
    QString text;
    if (auto* edit = qobject_cast<const QPlainTextEdit*>(memo)) text = edit->toPlainText();
    else if (auto* edit = qobject_cast<const QTextEdit*>(memo)) text = edit->toPlainText();
    else text = memo->property("text").toString();
    return text.isEmpty() ? QStringList() : text.split(u'\n');
}

void SetColumnTitles(QObject* grid, const QStringList& titles)
{
    auto* view = qobject_cast<QAbstractItemView*>(grid);
    QAbstractItemModel* model = view ? view->model() : nullptr;
    if (!model || model->columnCount() != titles.size()) return;
    for (int column = 0; column < titles.size(); ++column)
        model->setHeaderData(column, Qt::Horizontal, titles[column]);
}

void SetChoices(QObject* group, const QString& caption, const QStringList& choices)
{
    if (auto* box = qobject_cast<QGroupBox*>(group)) box->setTitle(caption);
    setButtonTexts(group->findChildren<QRadioButton*>(), choices, &QAbstractButton::setText);
}

void ReplaceItems(QObject* list, const QStringList& items, bool checkable)
{
    if (auto* combo = qobject_cast<QComboBox*>(list)) {
        combo->clear();
        combo->addItems(items);
    } else if (auto* listWidget = qobject_cast<QListWidget*>(list)) {
        listWidget->clear();
        for (const QString& text : items) {
            auto* item = new QListWidgetItem(text, listWidget);
            if (checkable) item->setCheckState(Qt::Unchecked);  // a state shows the item's check box
        }
    }
}

bool SetMenuCaption(QObject* item, const QString& caption)
{
    if (auto* menu = qobject_cast<QMenu*>(item)) menu->setTitle(caption);
    else if (auto* action = qobject_cast<QAction*>(item)) action->setText(caption);
    else return false;
    return true;
}

bool SetTextProperty(QObject* object, const QString& text)
{
    return writeProperty(object, "text", text) || writeProperty(object, "caption", text);
}

void SetCaptionAndHint(QWidget* control, const QString& caption, const QString& hint)
{
    if (QTabWidget* tabs = tabWidgetOf(control)) {
        const int index = tabs->indexOf(control);
        tabs->setTabText(index, caption);
        tabs->setTabToolTip(index, hint);
        return;
    }
    control->setToolTip(hint);
    if (auto* label = qobject_cast<QLabel*>(control)) label->setText(caption);
    else if (auto* button = qobject_cast<QAbstractButton*>(control)) button->setText(caption);
    else if (auto* box = qobject_cast<QGroupBox*>(control)) box->setTitle(caption);
}

void SetNavigatorHints(QWidget* navigator, const QStringList& hints)
{
    setButtonTexts(navigator->findChildren<QAbstractButton*>(), hints, &QAbstractButton::setToolTip);
}

}  // namespace orvant::lang
