#pragma once
// The width a menu bar needs to show every one of its visible menus, none of them behind the
// bar's overflow arrow.

class QMenuBar;

namespace orvant::launcher {

int MenuBarWidth(const QMenuBar& bar);

}  // namespace orvant::launcher
