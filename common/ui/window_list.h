#pragma once
// The top-level windows of the application, as a list of entries; the quick link uses it to
// find whether a quick link is already open.

#include <QRect>
#include <QString>
#include <vector>

class QWidget;

namespace orvant::ui {

struct WindowEntry {
    QWidget* window = nullptr;
    QString title;  // at most 254 characters
    bool visible = false, enabled = false, minimised = false;
    QRect rectangle;
};

class TWindowList {
public:
    TWindowList() { Refresh(); }
    void Refresh();
    int Count() const { return static_cast<int>(entries_.size()); }
    const WindowEntry& Item(int i) const { return entries_.at(static_cast<std::size_t>(i)); }

private:
    std::vector<WindowEntry> entries_;
};

// True when a visible top-level window titled "Quick Link" or "Lien Rapide" exists.
bool QuickLinkOpen();

}  // namespace orvant::ui
