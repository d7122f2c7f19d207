#include "screen_lookup.h"

#include "session/module_frame.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
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
