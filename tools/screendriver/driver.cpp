#include "driver.h"

#include <QFile>
#include <cstdlib>

#include "command_line.h"
#include "company/installation.h"
#include "driver_session.h"
#include "launcher_run.h"
#include "screen_observer.h"
#include "script.h"
#include "script_player.h"
#include "scripted_messages.h"
#include "session/module_launch.h"
#include "store/error.h"
#include "transcript.h"

namespace orvant::screendriver {

namespace {

QString orDefault(const QString& given, const char* variable, const char* builtIn)
{
    if (!given.isEmpty()) return given;
    const QString fromEnvironment = qEnvironmentVariable(variable);
    return fromEnvironment.isEmpty() ? QString::fromUtf8(builtIn) : fromEnvironment;
}

struct LoadedScript {
    ParsedScript parsed;
    QString problem;  // the file could not be read
};

LoadedScript loadScript(const QString& file)
{
    QFile script(file);
    if (!script.open(QIODevice::ReadOnly | QIODevice::Text)) return {{}, script.errorString()};
    return {ParseScript(QString::fromUtf8(script.readAll())), {}};
}

QString describeSession(const Options& options, const Session& s)
{
    return QStringLiteral("screendriver %1: company %2 %3, user %4, language %5 (%6), session %7")
        .arg(options.module, QString::fromStdString(s.companyCode), QString::fromStdString(s.companyName),
             QString::fromStdString(s.userName))
        .arg(s.language)
        .arg(QString::fromStdString(s.langCode))
        .arg(s.sessionNo);
}

// Runs the module with the script playing on its screen; the exit status.
int play(const Options& options, const Session& session, std::vector<Step> steps, std::ostream& out, std::ostream& err)
{
    Transcript transcript(out);
    transcript.note(describeSession(options, session));
    ScriptedMessages messages(transcript);
    ui::MessageServiceScope scope(messages);
    ScreenObserver observer(transcript);
    ScriptPlayer player(std::move(steps), messages, transcript, options.timeout);
    player.onScreenStuck([&] {
        err << "screendriver: the screen of " << options.module.toStdString() << " would not close" << std::endl;
        std::_Exit(kFailed);
    });

    player.start();
    const LaunchResult result = LaunchModule(options.modulesDir, options.module, session, false);
    if (result.status == LaunchResult::NotLoaded || result.status == LaunchResult::NoEntryPoint) {
        err << "screendriver: cannot run " << options.module.toStdString() << ": " << result.error.toStdString() << "\n";
        return kRefused;
    }
    player.screenReturned();
    transcript.note(QStringLiteral("module returned %1").arg(result.returned));
    return ReportOutcome(player, options.scriptFile, transcript, err);
}

}  // namespace

int RunScreenDriver(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err)
{
    const ParsedArguments parsed = ParseArguments(arguments);
    if (parsed.help) {
        out << kUsage;
        return kPassed;
    }
    if (!parsed.options) {
        err << "screendriver: " << parsed.error << "\n\n" << kUsage;
        return kRefused;
    }
    Options options = *parsed.options;
    LoadedScript script = loadScript(options.scriptFile);
    if (!script.problem.isEmpty()) {
        err << "screendriver: " << options.scriptFile.toStdString() << ": " << script.problem.toStdString() << "\n";
        return kRefused;
    }
    if (const auto& error = script.parsed.error) {
        err << "screendriver: " << options.scriptFile.toStdString() << ":" << error->line << ": " << error->message.toStdString() << "\n";
        return kRefused;
    }
    // The module's frame, or the launcher, finds the language tables through the environment.
    qputenv("ORVANT_LANGUAGES", orDefault(options.languagesDir, "ORVANT_LANGUAGES", ORVANT_SOURCE_LANGUAGES).toLocal8Bit());
    options.modulesDir = orDefault(options.modulesDir, "ORVANT_MODULES", ORVANT_BUILD_MODULES);
    if (options.launcher) {
        qputenv("ORVANT_MODULES", options.modulesDir.toLocal8Bit());
        return RunInLauncher(LauncherRun{options.dataRoot, orDefault(options.program, "", ORVANT_BUILD_LAUNCHER),
                                         ORVANT_BUILD_AGENT, options.scriptFile, options.timeout},
                             err);
    }
    try {
        const DriverSession session({options.dataRoot, options.user, options.password, options.company, options.language});
        return play(options, session.session(), std::move(script.parsed.steps), out, err);
    } catch (const company::SetupError& e) {
        err << "screendriver: " << e.what() << "\n";
    } catch (const store::StoreError& e) {
        err << "screendriver: store error: " << e.what() << "\n";
    }
    return kRefused;
}

}  // namespace orvant::screendriver
