#include "screen_lookup.h"

#include "session/module_frame.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace orvant::screendriver {

namespace {

bool isShownWorkWindow(const QWidget* w) { return w->isVisible() && IsWorkWindow(*w); }

QString withoutMnemonic(QString caption)
{
    caption.replace(QLatin1String("&&"), QStringLiteral("\x01"));
    caption.remove(u'&');
    return caption.replace(u'\x01', u'&');
}

// Depth first through the menus; `fits` says which entry is wanted.
template <class Fits>
QAction* findEntry(const QList<QAction*>& entries, const Fits& fits)
{
    for (QAction* entry : entries) {
        if (!entry->isVisible()) continue;
        if (fits(*entry)) return entry;
        if (entry->menu())
            if (QAction* inside = findEntry(entry->menu()->actions(), fits)) return inside;
    }
    return nullptr;
}

}  // namespace

bool IsWorkWindow(const QWidget& widget)
{
    const Qt::WindowType type = widget.windowType();
    return widget.isWindow() && type != Qt::Popup && type != Qt::ToolTip && type != Qt::SplashScreen;
}

QWidget* ShownWindow(const QString& name)
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == name && isShownWorkWindow(w)) return w;
    return nullptr;
}

QWidgetList ShownWindows()
{
    QWidgetList shown;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (isShownWorkWindow(w)) shown << w;
    return shown;
}

QStringList ShownWindowNames()
{
    QStringList names;
    for (const QWidget* w : ShownWindows()) names << ControlName(w);
    return names;
}

QAction* FindMenuEntry(const QWidget& window, const QString& entry)
{
    const auto* main = qobject_cast<const QMainWindow*>(&window);
    if (!main || !main->menuBar()) return nullptr;
    const QList<QAction*> top = main->menuBar()->actions();
    if (QAction* byCode = findEntry(top, [&](const QAction& a) { return a.objectName() == entry; })) return byCode;
    return findEntry(top, [&](const QAction& a) { return withoutMnemonic(a.text()).trimmed() == entry; });
}

// A module's main form says when its first activation has run; other windows start at once.
bool HasFinishedStarting(const QWidget& form)
{
    const QVariant done = form.property(kFirstActivationDone);
    return !done.isValid() || done.toBool();
}

QWidget* FindControl(const QWidget& form, const QString& name) { return form.findChild<QWidget*>(name); }

QString ControlName(const QWidget* widget)
{
    for (const QWidget* w = widget; w; w = w->isWindow() ? nullptr : w->parentWidget()) {
        const QString name = w->objectName();
        if (!name.isEmpty() && !name.startsWith(QLatin1String("qt_"))) return name;
    }
    return widget ? QString::fromLatin1(widget->metaObject()->className()) : QString();
}

int ListRowOf(const QAbstractItemView& list, const QString& text)
{
    const QAbstractItemModel* model = list.model();
    if (!model) return -1;
    for (int row = 0; row < model->rowCount(list.rootIndex()); ++row)
        if (model->index(row, 0, list.rootIndex()).data().toString() == text) return row;
    return -1;
}

std::optional<QString> ControlText(const QWidget& control)
{
    if (auto* w = qobject_cast<const QLineEdit*>(&control)) return w->text();
    if (auto* w = qobject_cast<const QComboBox*>(&control)) return w->currentText();
    if (auto* w = qobject_cast<const QLabel*>(&control)) return w->text();
    if (auto* w = qobject_cast<const QAbstractButton*>(&control)) return w->text();
    if (auto* w = qobject_cast<const QPlainTextEdit*>(&control)) return w->toPlainText();
    if (auto* w = qobject_cast<const QTextEdit*>(&control)) return w->toPlainText();
    if (auto* w = qobject_cast<const QAbstractSpinBox*>(&control)) return w->text();
    return std::nullopt;
}

QDialog* ShownPicker(const QList<QPointer<QWidget>>& moduleForms)
{
    for (QWidget* w : QApplication::topLevelWidgets()) {
        auto* dialog = qobject_cast<QDialog*>(w);
        if (!dialog || !isShownWorkWindow(dialog) || moduleForms.contains(dialog)) continue;
        if (dialog->findChild<QLineEdit*>() && dialog->findChild<QAbstractItemView*>()) return dialog;
    }
    return nullptr;
}

}  // namespace orvant::screendriver
