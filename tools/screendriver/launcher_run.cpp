#include "launcher_run.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include "script_player.h"
#include "settings/registry.h"

namespace orvant::screendriver {

namespace {

constexpr QLatin1String kDataTail("/Orvant/data");
// The agent ends a stuck screen itself; this bounds a program that hangs anyway.
constexpr int kLongestRunMs = 10 * 60 * 1000;

// The launcher's registry: the one in use, with datadrive pointing at the data root, in a
// folder of the run's own so that the installation's registry is not touched.
bool writeRegistry(const QString& file, const QString& dataDrive)
{
    const QString current = Registry::defaultPath();
    if (QFileInfo::exists(current) && !QFile::copy(current, file)) return false;
    return Registry(file).setValue(kProductSection, u"datadrive", dataDrive);
}

}  // namespace

int RunInLauncher(const LauncherRun& run, std::ostream& err)
{
    const QString root = QDir::cleanPath(QDir(run.dataRoot).absolutePath());
    if (!root.endsWith(kDataTail)) {
        err << "screendriver: the launcher finds its data in a folder ending in /Orvant/data, not in " << root.toStdString() << "\n";
        return kRefused;
    }
    QTemporaryDir home;
    const QString registryFile = home.filePath(QStringLiteral("registry.ini"));
    if (!home.isValid() || !writeRegistry(registryFile, root.chopped(kDataTail.size()))) {
        err << "screendriver: cannot write the launcher's registry in " << home.path().toStdString() << "\n";
        return kRefused;
    }

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("ORVANT_REGISTRY"), registryFile);
    environment.insert(QStringLiteral("LD_PRELOAD"), QFileInfo(run.agent).absoluteFilePath());
    environment.insert(QString::fromLatin1(kAgentScript), QFileInfo(run.scriptFile).absoluteFilePath());
    environment.insert(QString::fromLatin1(kAgentTimeout), QString::number(run.timeout.count()));
    if (!environment.contains(QStringLiteral("QT_QPA_PLATFORM"))) environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));

    QProcess launcher;
    launcher.setProcessEnvironment(environment);
    launcher.setProcessChannelMode(QProcess::ForwardedChannels);
    launcher.start(run.program, {});
    if (!launcher.waitForStarted()) {
        err << "screendriver: cannot start " << run.program.toStdString() << ": " << launcher.errorString().toStdString() << "\n";
        return kRefused;
    }
    if (!launcher.waitForFinished(kLongestRunMs)) {
        launcher.kill();
        launcher.waitForFinished();
        err << "screendriver: the launcher was still running after " << kLongestRunMs / 60000 << " minutes\n";
        return kFailed;
    }
    if (launcher.exitStatus() != QProcess::NormalExit) {
        err << "screendriver: the launcher did not end normally: " << launcher.errorString().toStdString() << "\n";
        return kFailed;
    }
    return launcher.exitCode();
}

}  // namespace orvant::screendriver
