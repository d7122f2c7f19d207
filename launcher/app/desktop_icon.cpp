#include "desktop_icon.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPixmap>
#include <QStyle>

namespace orvant::launcher {

namespace {
constexpr int kIconSide = 89, kPictureSide = 48;
}

DesktopIcon::DesktopIcon(const QString& name, const QString& caption, QWidget* parent) : QToolButton(parent)
{
    setObjectName(name);
    setText(caption);
    setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    setAutoRaise(true);  // borderless
    setFixedSize(kIconSide, kIconSide);
    setIconSize({kPictureSide, kPictureSide});
    setIcon(style()->standardIcon(QStyle::SP_FileDialogDetailedView));
    QFont font(QStringLiteral("Arial"), 10);
    setFont(font);
    // Dark on the light wallpaper, on a pale band so that any picture leaves the caption readable.
    setStyleSheet(QStringLiteral("QToolButton { color: #13263d; background: rgba(255, 255, 255, 150); border-radius: 4px; }"));
    setContextMenuPolicy(Qt::CustomContextMenu);
}

bool DesktopIcon::setPicture(const QString& file)
{
    const QPixmap pixmap(file);
    if (pixmap.isNull()) return false;
    picture_ = file;
    setIcon(pixmap);
    return true;
}

void DesktopIcon::mousePressEvent(QMouseEvent* event)
{
    grab_ = event->position().toPoint();
    dragging_ = false;
    QToolButton::mousePressEvent(event);
}

void DesktopIcon::mouseMoveEvent(QMouseEvent* event)
{
    if (!(event->buttons() & Qt::LeftButton)) return QToolButton::mouseMoveEvent(event);
    const QPoint offset = event->position().toPoint() - grab_;
    if (!dragging_ && offset.manhattanLength() < QApplication::startDragDistance()) return;
    dragging_ = true;
    setDown(false);
    move(pos() + offset);
}

// A drag moves the icon and does not click it.
void DesktopIcon::mouseReleaseEvent(QMouseEvent* event)
{
    if (!dragging_) return QToolButton::mouseReleaseEvent(event);
    dragging_ = false;
    setDown(false);
    emit moved();
}

// The first click of a double-click has clicked already: the second one is not a click again.
void DesktopIcon::mouseDoubleClickEvent(QMouseEvent* event)
{
    event->accept();
    emit activated();
}

void DesktopIcon::keyPressEvent(QKeyEvent* event)
{
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) return QToolButton::keyPressEvent(event);
    emit enterPressed();
    emit activated();
}

}  // namespace orvant::launcher
