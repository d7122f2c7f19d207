#include "ui/window_list.h"

#include <QApplication>
#include <QWidget>

namespace orvant::ui {

void TWindowList::Refresh()
{
    entries_.clear();
    for (QWidget* w : QApplication::topLevelWidgets())
        entries_.push_back({w, w->windowTitle().left(254), w->isVisible(), w->isEnabled(), w->isMinimized(), w->frameGeometry()});
}

bool QuickLinkOpen()
{
    const TWindowList windows;
    for (int i = 0; i < windows.Count(); ++i) {
        const WindowEntry& w = windows.Item(i);
        if (w.visible && (w.title == QLatin1String("Quick Link") || w.title == QLatin1String("Lien Rapide"))) return true;
    }
    return false;
}

}  // namespace orvant::ui
