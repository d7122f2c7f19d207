#include "session/module_launch.h"

#include <dlfcn.h>

#include <QCoreApplication>
#include <QEvent>
#include <QFileInfo>
#include <set>

#include "session/link_section.h"
#include "settings/store_choice.h"
#include "store/session_number.h"

namespace orvant {

namespace {

using EntryPoint = std::int32_t (*)(TLinkSection);

void flushDeferredDeletions()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The libraries running in this process, by code, for as long as their call lasts.
std::set<QString>& running()
{
    static std::set<QString> codes;
    return codes;
}

struct RunningLibrary {
    QString code;
    explicit RunningLibrary(QString c) : code(std::move(c)) { running().insert(code); }
    ~RunningLibrary() { running().erase(code); }
};

// Unloads the library however the call ends.
struct LoadedLibrary {
    void* handle;
    ~LoadedLibrary() { UnloadLibrary(handle); }
};

}  // namespace

QString ModuleFile(const QString& modulesDir, const QString& code) { return modulesDir + u'/' + code + QStringLiteral(".so"); }

void UnloadLibrary(void* handle)
{
    flushDeferredDeletions();
    dlclose(handle);
}

bool ModuleRunning() { return !running().empty(); }

std::int32_t CallWithSession(void* showDllForm, const TLinkSection& session)
{
    return reinterpret_cast<EntryPoint>(showDllForm)(session);
}

LaunchResult LaunchModule(const QString& modulesDir, const QString& code, const Session& session, bool nested, const EntryCall& call)
{
    LaunchResult result;
    if (running().count(code)) {
        result.status = LaunchResult::AlreadyRunning;
        result.error = code + QStringLiteral(" is running already.");
        return result;
    }
    const QString file = ModuleFile(modulesDir, code);
    if (!QFileInfo::exists(file)) {
        result.errorNumber = kLibraryNotFound;
        result.error = QStringLiteral("Library file not found: ") + file;
        return result;
    }
    void* handle = dlopen(QFile::encodeName(file).constData(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        result.error = QString::fromLocal8Bit(dlerror());
        return result;
    }
    const LoadedLibrary loaded{handle};
    void* entry = dlsym(handle, "ShowDllForm");
    if (!entry) {
        result.status = LaunchResult::NoEntryPoint;
        result.error = QString::fromLocal8Bit(dlerror());
        return result;
    }

    Session forCall = session;
    std::unique_ptr<store::SessionLease> ownNumber;
    if (nested) {
        ownNumber = store::SessionLease::acquire(session.dataRoot, StoreChoice(Registry::open()));
        forCall.sessionNo = ownNumber->number();
    }
    const RunningLibrary marked(code);
    result.returned = call(entry, LinkFor(forCall));
    result.status = result.returned != 0 ? LaunchResult::Ran : LaunchResult::Refused;
    return result;
}

}  // namespace orvant
