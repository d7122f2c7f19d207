#include "session/help.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>

namespace orvant {

QUrl HelpUrl(const QString& helpFile, int context)
{
    const QFileInfo file(helpFile);
    const QString page = QDir::cleanPath(file.path() + QStringLiteral("/../help/") + file.fileName() + QStringLiteral(".html"));
    QUrl url = QUrl::fromLocalFile(page);
    if (context > 0) url.setFragment(QStringLiteral("context-%1").arg(context));
    return url;
}

bool OpenHelp(const QString& helpFile, int context)
{
    const QUrl url = HelpUrl(helpFile, context);
    return QFileInfo::exists(url.toLocalFile()) && QDesktopServices::openUrl(url);
}

}  // namespace orvant
