#include "core/option_launcher.h"

#include <algorithm>

#include "options/enabled_options.h"
#include "core/launch_texts.h"
#include "core/library_for.h"
#include "core/option_code.h"
#include "options/option_registry.h"
#include "core/tools_maintenance_call.h"
#include "ui/message_service.h"

namespace orvant::launcher {

namespace {

const QString kToolsMaintenance = QStringLiteral("toolsmaint");

// Drops a trailing mark that makes another entry of an option ("rcvsalesf", the sales
// shortcut), but never the last letter of a code that merely ends so ("glrepdef").
void dropMark(QString& code, QChar mark)
{
    if (code.endsWith(mark) && FindOption(QStringView(code).chopped(1))) code.chop(1);
}

// Reads the marks of an entry's name, leaving the option's code; true for a desktop shortcut,
// whose trailing "S" is dropped as written.
bool readMarks(QString& code)
{
    // cmpmaint + "p" loses its "p" too, so that the company menu is rebuilt after it.
    dropMark(code, u'p');
    dropMark(code, u'f');
    if (!code.endsWith(u'S')) return false;
    code.chop(1);
    return true;
}

}  // namespace

OptionLauncher::OptionLauncher(LaunchHost& host, LaunchSettings settings) : host_(host), settings_(std::move(settings)) {}

LaunchOutcome OptionLauncher::launch(QStringView entryName)
{
    const std::optional<Launch> launch = checked(entryName);
    return launch ? run(*launch) : LaunchOutcome::Stopped;
}

std::optional<OptionLauncher::Launch> OptionLauncher::checked(QStringView entryName)
{
    if (!IsOptionCode(entryName)) return refuseName(entryName);
    Launch launch{entryName.toString(), std::nullopt};
    if (launch.code.startsWith(u"trk") && launch.code != u"trknew") {
        const QString database = host_.selectedTrackerDatabase();
        if (database.isEmpty()) return stop(11);
        launch.ledgerCode = database;
    }
    const bool desktopShortcut = readMarks(launch.code);
    if (launch.code.isEmpty()) return refuseName(entryName);
    if (desktopShortcut && !host_.runnableCodes().contains(launch.code)) return stop(3);
    if (!hasItsTables(launch.code)) return std::nullopt;
    return launch;
}

// The payroll options need the payroll files once payroll is installed, and the job-cost
// options the job-cost control table, except the options that create them.
bool OptionLauncher::hasItsTables(const QString& code)
{
    if ((code.startsWith(u"pa") || code == u"gljournals") && settings_.payroll && code != u"pacreate" && !companyHas("Pndept")) {
        stop(13, ui::MessageKind::Information);
        return false;
    }
    if (code.startsWith(u"jc") && code != u"jccreate" && !companyHas("JcCtrl")) {
        stop(14, ui::MessageKind::Information);
        return false;
    }
    return true;
}

bool OptionLauncher::companyHas(const char* table) { return host_.companyDatabase().tableExists(table); }

LaunchOutcome OptionLauncher::run(const Launch& launch)
{
    const LibraryChoice choice = LibraryFor(launch.code);
    Session forCall = host_.session();
    if (const std::optional<QString> ledger = choice.ledgerCode ? choice.ledgerCode : launch.ledgerCode)
        forCall.ledgerCode = ledger->toStdString();

    // A library loaded twice is one library: a second run would take over the first one's module.
    const LaunchResult result = call(choice.library, forCall, ModuleRunning());
    if (result.status == LaunchResult::AlreadyRunning) {
        say(AlreadyRunningText(launch.code, language()), ui::MessageKind::Warning);
        return LaunchOutcome::Stopped;
    }
    const LaunchOutcome outcome = report(launch.code, result);
    if (outcome == LaunchOutcome::Ran || outcome == LaunchOutcome::Denied) afterUnload(launch.code);
    afterLaunch(launch.code);
    return outcome;
}

// The tools maintenance takes the option lists after the session, so it is never called as a
// plain module.
LaunchResult OptionLauncher::call(const QString& library, const Session& session, bool nested)
{
    if (library == kToolsMaintenance)
        return CallToolsMaintenance(settings_.modulesDir, library, session, nested,
                                    OptionListsFor(UserSecurity::full(), session.language));
    return LaunchModule(settings_.modulesDir, library, session, nested);
}

LaunchOutcome OptionLauncher::report(const QString& code, const LaunchResult& result)
{
    switch (result.status) {
    case LaunchResult::Ran: return LaunchOutcome::Ran;
    case LaunchResult::Refused: say(kAccessDenied); return LaunchOutcome::Denied;
    case LaunchResult::NotLoaded:
    case LaunchResult::NoEntryPoint:
    case LaunchResult::AlreadyRunning: break;
    }
    if (code == kToolsMaintenance) say(ToolsMaintenanceLoadErrorText(result));
    else if (code.startsWith(u"pa") && result.errorNumber == kLibraryNotFound) stop(12);
    else say(LoadErrorText(code, result));
    return LaunchOutcome::NotLoaded;
}

void OptionLauncher::afterUnload(const QString& code)
{
    if (code != u"cmpcreate") host_.refreshCompanies();
    if (code.toUpper() == u"CMPMAINT") host_.rebuildCompanyMenu();
    if (code == kToolsMaintenance) host_.reloadToolsMenu();
    host_.refreshWindow();
}

void OptionLauncher::afterLaunch(const QString& code)
{
    host_.session().ledgerCode.clear();
    if (code == u"trknew") host_.rebuildTrackerMenu();
    if (code == u"sysparams") host_.reapplyInternationalSettings();
    host_.refreshTitle(code == kToolsMaintenance ? WindowTitle::AfterToolsMaintenance : WindowTitle::Welcome);
}

std::nullopt_t OptionLauncher::stop(int message, ui::MessageKind kind)
{
    ui::Messages().show({kind, host_.errorMessage(message), message, nullptr, false});
    return std::nullopt;
}

std::nullopt_t OptionLauncher::refuseName(QStringView name)
{
    say(InvalidCodeText(name, language()), ui::MessageKind::Warning);
    return std::nullopt;
}

void OptionLauncher::say(const QString& text, ui::MessageKind kind) { ui::Messages().show({kind, text, -1, nullptr, false}); }

}  // namespace orvant::launcher
