#include "session/module_launch.h"

#include <dlfcn.h>

#include <QCoreApplication>
#include <QEvent>
#include <QFileInfo>

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

}  // namespace

QString ModuleFile(const QString& modulesDir, const QString& code) { return modulesDir + u'/' + code + QStringLiteral(".so"); }

void UnloadLibrary(void* handle)
{
    flushDeferredDeletions();
    dlclose(handle);
}

LaunchResult LaunchModule(const QString& modulesDir, const QString& code, const Session& session, bool nested)
{
    LaunchResult result;
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
    const auto entry = reinterpret_cast<EntryPoint>(dlsym(handle, "ShowDllForm"));
    if (!entry) {
        result.status = LaunchResult::NoEntryPoint;
        result.error = QString::fromLocal8Bit(dlerror());
        UnloadLibrary(handle);
        return result;
    }

    Session forCall = session;
    std::unique_ptr<store::SessionLease> ownNumber;
    if (nested) {
        ownNumber = store::SessionLease::acquire(session.dataRoot, StoreChoice(Registry::open()));
        forCall.sessionNo = ownNumber->number();
    }
    result.returned = entry(LinkFor(forCall));
    result.status = result.returned != 0 ? LaunchResult::Ran : LaunchResult::Refused;
    UnloadLibrary(handle);
    return result;
}

}  // namespace orvant
