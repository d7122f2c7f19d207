#include "settings/paths.h"

#include <QDir>

namespace orvant {
namespace {

constexpr int kEnglish = 1;

// "/" itself becomes "", so that "/" + "/Orvant/bin" is "/Orvant/bin".
QString WithoutTrailingSlash(QString path)
{
    while (path.endsWith(u'/')) path.chop(1);
    return path;
}

// Here and below, an environment variable set to an empty value counts as not set.
QString DefaultDataDrive()
{
    const QString xdg = qEnvironmentVariable("XDG_DATA_HOME");
    if (QDir::isAbsolutePath(xdg)) return xdg;  // a relative value is invalid and ignored
    return QDir::homePath() + QStringLiteral("/.local/share");
}

// The drive value of the product section; an empty value would put the suite at "/", so it
// counts as missing.
QString Drive(const Registry& registry, QStringView name, const QString& defaultDrive)
{
    const QString drive = registry.value(kProductSection, name);
    return WithoutTrailingSlash(drive.isEmpty() ? defaultDrive : drive);
}

}  // namespace

QString ProgramDir(const Registry& registry)
{
    return Drive(registry, u"pgmdrive", QStringLiteral(ORVANT_INSTALL_PREFIX)) + QStringLiteral("/Orvant/bin");
}

QString DataRoot(const Registry& registry)
{
    return Drive(registry, u"datadrive", DefaultDataDrive()) + QStringLiteral("/Orvant/data");
}

QString CompanyDir(const QString& dataRoot, const QString& companyCode)
{
    return WithoutTrailingSlash(dataRoot) + companyCode;
}

QString LanguagesDir(const Registry& registry) { return LanguagesDirFor(ProgramDir(registry)); }

QString LanguagesDirFor(const QString& programDir)
{
    const QString overridden = qEnvironmentVariable("ORVANT_LANGUAGES");
    if (!overridden.isEmpty()) return WithoutTrailingSlash(overridden);
    return QDir::cleanPath(programDir + QStringLiteral("/../languages"));
}

QString ModulesDir(const Registry& registry) { return ModulesDirFor(ProgramDir(registry)); }

// Always an absolute folder: a library is loaded by its full path, never found by a search.
QString ModulesDirFor(const QString& programDir)
{
    const QString overridden = qEnvironmentVariable("ORVANT_MODULES");
    return WithoutTrailingSlash(QDir(overridden.isEmpty() ? programDir : overridden).absolutePath());
}

QString HelpFile(const QString& programDir, int language, const QString& langCode)
{
    const QString help = WithoutTrailingSlash(programDir) + QStringLiteral("/Help");
    return language == kEnglish ? help : help + langCode;
}

}  // namespace orvant
