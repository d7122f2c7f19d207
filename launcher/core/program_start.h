#pragma once
// `ExecuteExe`: starts the separate program of a Tools entry and does not wait for it. The
// program runs without a shell, in the entry's directory; the launcher's own current directory
// never changes.

#include "core/tools_menu.h"

namespace orvant::launcher {

// The program is looked for in the entry's directory only, never along the PATH. A name that is
// not a plain file name, a program not there, or one that cannot be started, is said through the
// message service.
bool ExecuteExe(const ToolsEntry& entry, int language);

}  // namespace orvant::launcher
