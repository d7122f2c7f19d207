#pragma once
// A script played in the real launcher program: the program is started on the data root with
// the driver's agent library preloaded into it, and the agent plays the script from inside the
// program's own event loops (login, menus, the modules they open), printing the transcript.

#include <QString>
#include <chrono>
#include <ostream>

namespace orvant::screendriver {

struct LauncherRun {
    QString dataRoot;  // must end in /Orvant/data: the launcher finds it from the registry's datadrive
    QString program;   // the launcher
    QString agent;     // the library that plays the script inside it
    QString scriptFile;
    std::chrono::milliseconds timeout;
};

// The program's exit status: 0 every expectation was met, 1 a step failed or the program
// crashed, 2 a data root the launcher cannot be pointed at or a program that does not start.
int RunInLauncher(const LauncherRun& run, std::ostream& err);

// What the agent reads from its environment.
inline constexpr char kAgentScript[] = "ORVANT_DRIVER_SCRIPT";
inline constexpr char kAgentTimeout[] = "ORVANT_DRIVER_TIMEOUT_MS";

}  // namespace orvant::screendriver
