#pragma once
// A user's desktop as values: what the window shows and what `Desktop.db` keeps, one element a
// row. Each element's state is stored as self-describing JSON text; a row whose text cannot be
// read is not an element.

#include <QList>
#include <QRect>
#include <QString>
#include <array>
#include <optional>

#include "desktop_panels.h"

namespace orvant::launcher {

enum class ElementType { Wallpaper = 0, Shortcut = 1, Panel = 2, Grid = 3, RichText = 4 };

struct ShortcutState {
    QString name;  // an option's code + "S", or a panel's standard icon name
    QString caption;
    QString picture;
    QPoint position;
    bool operator==(const ShortcutState&) const = default;
};

struct PanelState {
    QRect geometry;
    bool visible = false;
    bool operator==(const PanelState&) const = default;
};

struct DesktopState {
    QString wallpaper;
    QList<ShortcutState> icons;
    std::array<PanelState, kPanelCount> panels;
    std::array<QList<int>, kGridCount> gridColumns;  // column widths; empty = as designed
    QString thingsToDo;                               // rich text, as HTML
    bool operator==(const DesktopState&) const = default;
};

// The desktop as designed: the wallpaper and the five panel icons from the program's folder,
// every panel closed.
DesktopState StandardDesktop(const QString& programDir, int language);

// One stored row.
struct DesktopRow {
    ElementType type;
    int index;
    QString state;
};

// The rows of a desktop in the window's element order: wallpaper, shortcuts, panels, grids,
// rich text.
QList<DesktopRow> EncodeDesktop(const DesktopState& desktop);

// Applies a row to the desktop; false, and the desktop unchanged, for a row that cannot be read.
bool ApplyRow(DesktopState& desktop, const DesktopRow& row);

}  // namespace orvant::launcher
