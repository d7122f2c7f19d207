#pragma once
// The launcher's own texts for a launch that fails. The numbered messages of `Error_Messages`
// come from the window's language table instead.

#include <QString>
#include <QStringView>

namespace orvant {
struct LaunchResult;
}

namespace orvant::launcher {

inline const QString kAccessDenied = QStringLiteral("Access denied...");

// "error loading option " + code + "  " + the error number (or the loader's words when the
// system gives no number).
QString LoadErrorText(QStringView code, const LaunchResult& result);
// The same for the tools maintenance: "error loading toolsmaint  " + the error number.
QString ToolsMaintenanceLoadErrorText(const LaunchResult& result);
// A separate program of the Tools menu that could not be started.
QString ProgramNotStartedText(QStringView name, bool found);

QString InvalidCodeText(QStringView code, int language);
QString AlreadyRunningText(QStringView code, int language);

}  // namespace orvant::launcher
