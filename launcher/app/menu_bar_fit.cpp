#include "menu_bar_fit.h"

#include <QAction>
#include <QMenuBar>
#include <QStyle>
#include <QStyleOptionMenuItem>

namespace orvant::launcher {

// Measured as the bar lays its menus out: each caption's size made a bar item by the style,
// with the style's spacing between items and its margins around them.
int MenuBarWidth(const QMenuBar& bar)
{
    const QStyle* style = bar.style();
    const int spacing = style->pixelMetric(QStyle::PM_MenuBarItemSpacing, nullptr, &bar);
    int width = 2 * (style->pixelMetric(QStyle::PM_MenuBarHMargin, nullptr, &bar) +
                     style->pixelMetric(QStyle::PM_MenuBarPanelWidth, nullptr, &bar));
    for (const QAction* menu : bar.actions()) {
        if (!menu->isVisible()) continue;
        QStyleOptionMenuItem option;
        option.initFrom(&bar);
        option.menuItemType = QStyleOptionMenuItem::Normal;
        option.text = menu->text();
        const QSize caption = bar.fontMetrics().size(Qt::TextShowMnemonic, menu->text());
        width += style->sizeFromContents(QStyle::CT_MenuBarItem, &option, caption, &bar).width() + spacing;
    }
    return width;
}

}  // namespace orvant::launcher
