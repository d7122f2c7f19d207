#pragma once
// An icon of the desktop: a picture over its caption, dragged anywhere on the desktop. A panel's
// icon opens or closes its panel with a click or with Enter; a shortcut starts its option with a
// double-click, or with Enter from the keyboard.

#include <QToolButton>

namespace orvant::launcher {

class DesktopIcon : public QToolButton {
    Q_OBJECT
public:
    DesktopIcon(const QString& name, const QString& caption, QWidget* parent);

    QString picture() const { return picture_; }
    // False, and the picture kept, when the file cannot be read as a picture.
    bool setPicture(const QString& file);

signals:
    void activated();     // double-click or Enter
    void enterPressed();  // Enter alone: a double-click has clicked already
    void moved();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QString picture_;
    QPoint grab_;
    bool dragging_ = false;
};

}  // namespace orvant::launcher
