#include "core/launch_texts.h"

#include "session/module_launch.h"

namespace orvant::launcher {

namespace {

QString errorOf(const LaunchResult& result)
{
    return result.errorNumber ? QString::number(result.errorNumber) : result.error;
}

bool french(int language) { return language == 2; }

}  // namespace

QString LoadErrorText(QStringView code, const LaunchResult& result)
{
    return QStringLiteral("error loading option ") + code.toString() + QStringLiteral("  ") + errorOf(result);
}

QString ToolsMaintenanceLoadErrorText(const LaunchResult& result)
{
    return QStringLiteral("error loading toolsmaint  ") + errorOf(result);
}

QString ProgramNotStartedText(QStringView name, bool found)
{
    return QStringLiteral("error loading option ") + name.toString() + QStringLiteral("  ") +
           (found ? QStringLiteral("the program could not be started") : QString::number(kLibraryNotFound));
}

QString InvalidCodeText(QStringView code, int language)
{
    return french(language) ? QStringLiteral("« %1 » n'est pas un nom d'option valide.").arg(code)
                            : QStringLiteral("\"%1\" is not a valid option name.").arg(code);
}

QString AlreadyRunningText(QStringView code, int language)
{
    return french(language) ? QStringLiteral("L'option %1 est déjà ouverte. Fermez-la avant de la relancer.").arg(code)
                            : QStringLiteral("The option %1 is already open. Close it before starting it again.").arg(code);
}

}  // namespace orvant::launcher
