#include "core/program_start.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>

#include "core/launch_texts.h"
#include "core/option_code.h"
#include "ui/message_service.h"

namespace orvant::launcher {

namespace {

// Only the entry's own folder is looked in: a name found on PATH could be any program at all.
QString locate(const ToolsEntry& entry)
{
    if (entry.directory.isEmpty()) return {};
    const QFileInfo inDirectory(QDir(entry.directory), entry.code);
    return inDirectory.isFile() && inDirectory.isExecutable() ? inDirectory.absoluteFilePath() : QString();
}

bool fail(const QString& text)
{
    ui::Messages().show({ui::MessageKind::Warning, text, -1, nullptr, false});
    return false;
}

}  // namespace

bool ExecuteExe(const ToolsEntry& entry, int language)
{
    if (!IsProgramName(entry.code)) return fail(InvalidCodeText(entry.code, language));
    const QString program = locate(entry);
    if (program.isEmpty()) return fail(ProgramNotStartedText(entry.code, false));
    QProcess process;
    process.setProgram(program);
    process.setWorkingDirectory(entry.directory);
    if (!process.startDetached()) return fail(ProgramNotStartedText(entry.code, true));
    return true;
}

}  // namespace orvant::launcher
