#pragma once
// `ExecuteExe`: starts the separate program of a Tools entry and does not wait for it. The
// program runs without a shell, in the entry's directory when it names one; the launcher's own
// current directory never changes.

#include "core/tools_menu.h"

namespace orvant::launcher {

// The program is looked for in the entry's directory, then along the PATH. A name that is not a
// plain file name, or a program that cannot be started, is said through the message service.
bool ExecuteExe(const ToolsEntry& entry, int language);

}  // namespace orvant::launcher
