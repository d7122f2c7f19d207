#pragma once
// A panel of the desktop: a band with its title and its reduce, enlarge and close buttons at the
// top right, above a read-only grid or the things-to-do text that fills the rest. The panel is
// placed freely on the desktop, dragged by its band; its inside is laid out.

#include <QFrame>

#include "core/desktop_grid_model.h"
#include "core/desktop_sizes.h"

class QLabel;
class QTableView;
class QTextEdit;
class QToolButton;

namespace orvant::launcher {

class DesktopPanel : public QFrame {
    Q_OBJECT
public:
    DesktopPanel(const PanelDef& panel, int language, QWidget* parent);

    const PanelDef& definition() const { return panel_; }
    PanelGridModel* model() { return model_; }
    QTableView* grid() const { return grid_; }
    QTextEdit* text() const { return text_; }

    void step(bool enlarge, SizeStep step);
    QList<int> columnWidths() const;
    void setColumnWidths(const QList<int>& widths);

signals:
    void closeRequested();
    void insertRequested();  // Insert in the grid: the option that maintains the table
    void changed();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QToolButton* bandButton(const char* name, const QString& text);
    void showContextMenu(const QPoint& at);

    const PanelDef& panel_;
    int language_;
    PanelGridModel* model_ = nullptr;
    QTableView* grid_ = nullptr;
    QTextEdit* text_ = nullptr;
    QWidget* band_;
    QPoint grab_;
    bool dragging_ = false;
};

}  // namespace orvant::launcher
