#pragma once
// Runs the tools maintenance library as a module, giving its entry point the option lists
// after the session.

#include <QString>

#include "options/enabled_options.h"
#include "session/module_launch.h"

namespace orvant::launcher {

LaunchResult CallToolsMaintenance(const QString& modulesDir, const QString& library, const Session& session, bool nested,
                                  const OptionLists& lists);

}  // namespace orvant::launcher
