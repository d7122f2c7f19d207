#pragma once
// Keyboard access to the launcher's menus: every entry of each menu, and each menu of the bar,
// given its own Alt+letter.

class QWidget;

namespace orvant::launcher {

// `menuOrBar` is a QMenuBar or a QMenu; its sub-menus are given their letters too.
void GiveAccelerators(QWidget& menuOrBar);

}  // namespace orvant::launcher
