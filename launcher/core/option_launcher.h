#pragma once
// `ExecuteOption`: runs the option a menu entry, a desktop shortcut or a Tools entry names.
// The name is checked; its marks are read (an option's code + "p" or + "f", a menu shortcut,
// runs the option; a trailing "S" marks a desktop shortcut, which runs only an option of
// `DllList`); the tracker, payroll and job-cost options are checked for their tables; and the
// module library runs, loaded by absolute path from the module directory. Every refusal shows
// its message through the message service; once a module has returned, the window is told
// what to redraw.

#include <QString>
#include <QStringView>
#include <optional>
#include <vector>

#include "core/launch_host.h"
#include "session/module_launch.h"
#include "ui/message_service.h"

namespace orvant::launcher {

struct LaunchSettings {
    QString modulesDir;    // where the module libraries are
    bool payroll = false;  // the registry's `payroll` is "Y"
};

enum class LaunchOutcome {
    Ran,        // the module ran and returned
    Denied,     // the module refused to run: "Access denied..."
    NotLoaded,  // the library could not be loaded
    Stopped,    // a check refused the launch before loading anything
};

class OptionLauncher {
public:
    OptionLauncher(LaunchHost& host, LaunchSettings settings);

    // A store error met on the way (taking a session number for a module run beside another)
    // goes to the caller, as any error of a menu action does.
    LaunchOutcome launch(QStringView entryName);

private:
    struct Launch {
        QString code;
        std::optional<QString> ledgerCode;
    };

    std::optional<Launch> checked(QStringView entryName);
    bool hasItsTables(const QString& code);
    bool companyHas(const char* table);
    LaunchOutcome run(const Launch& launch);
    LaunchResult call(const QString& library, const Session& session, bool nested);
    LaunchOutcome report(const QString& code, const LaunchResult& result);
    void afterUnload(const QString& code);
    void afterLaunch(const QString& code);
    // Shows message `message` of `Error_Messages`; a launch stops there.
    std::nullopt_t stop(int message, ui::MessageKind kind = ui::MessageKind::Plain);
    std::nullopt_t refuseName(QStringView name);
    void say(const QString& text, ui::MessageKind kind = ui::MessageKind::Plain);
    int language() { return host_.session().language; }

    LaunchHost& host_;
    LaunchSettings settings_;
};

}  // namespace orvant::launcher
