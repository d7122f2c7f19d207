// The driver's agent: preloaded into the launcher program, it plays the script named by its
// environment from inside the program's event loops. It starts once the application object
// exists, answers the launcher's messages through the scripted message service, and ends the
// program with the run's status. Without the environment it does nothing at all.

#include <QCoreApplication>
#include <QFile>
#include <cstdlib>
#include <iostream>
#include <memory>

#include "launcher_run.h"
#include "screen_observer.h"
#include "script.h"
#include "script_player.h"
#include "scripted_messages.h"
#include "transcript.h"
#include "ui/message_service.h"

namespace orvant::screendriver {

namespace {

class Agent {
public:
    Agent(QString scriptFile, std::vector<Step> steps, std::chrono::milliseconds timeout)
        : scriptFile_(std::move(scriptFile)), messages_(transcript_), scope_(messages_), observer_(transcript_),
          player_(std::move(steps), messages_, transcript_, timeout)
    {
        transcript_.note(QStringLiteral("screendriver: %1 in the launcher").arg(scriptFile_));
        player_.playInLauncher();
        player_.onScreenStuck([] {
            std::cerr << "screendriver: the launcher's windows would not close" << std::endl;
            std::_Exit(kFailed);
        });
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, qApp, [this] { finish(); });
        player_.start();
    }

private:
    // The launcher is closing: what is left of the script is judged, and a failure is the
    // program's exit status.
    void finish()
    {
        player_.screenReturned();
        transcript_.note(QStringLiteral("the launcher has closed"));
        if (ReportOutcome(player_, scriptFile_, transcript_, std::cerr) != kPassed) std::_Exit(kFailed);
    }

    QString scriptFile_;
    Transcript transcript_{std::cout};
    ScriptedMessages messages_;
    ui::MessageServiceScope scope_;
    ScreenObserver observer_;
    ScriptPlayer player_;
};

Agent* agent = nullptr;

void startAgent()
{
    const QString scriptFile = qEnvironmentVariable(kAgentScript);
    if (scriptFile.isEmpty()) return;
    const std::chrono::milliseconds timeout(qEnvironmentVariableIntValue(kAgentTimeout));
    // Programs the launcher starts run without the agent.
    qunsetenv(kAgentScript);
    qunsetenv("LD_PRELOAD");
    QFile file(scriptFile);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        std::cerr << "screendriver: " << scriptFile.toStdString() << ": " << file.errorString().toStdString() << std::endl;
        std::_Exit(kRefused);
    }
    ParsedScript script = ParseScript(QString::fromUtf8(file.readAll()));
    if (script.error) {
        std::cerr << "screendriver: " << scriptFile.toStdString() << ":" << script.error->line << ": " << script.error->message.toStdString() << std::endl;
        std::_Exit(kRefused);
    }
    // Once the program's loop runs: the application object is still being made now.
    QMetaObject::invokeMethod(
        qApp,
        [scriptFile, steps = std::move(script.steps), timeout]() mutable {
            agent = new Agent(scriptFile, std::move(steps), timeout.count() > 0 ? timeout : std::chrono::milliseconds(5000));
        },
        Qt::QueuedConnection);
    // Gone with the application object, while its widgets and event filters still can be.
    qAddPostRoutine([] {
        delete agent;
        agent = nullptr;
    });
}

}  // namespace

}  // namespace orvant::screendriver

namespace {
void startScreenDriverAgent() { orvant::screendriver::startAgent(); }
}  // namespace

Q_COREAPP_STARTUP_FUNCTION(startScreenDriverAgent)
