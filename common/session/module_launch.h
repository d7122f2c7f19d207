#pragma once
// Runs a module library: load it by its code from the module directory, find its entry point,
// call it with the session, and unload it safely. The launcher's menu and the quick link both
// launch through here.

#include <QString>
#include <cstdint>
#include <functional>

#include "session/link_section.h"
#include "session/session.h"

namespace orvant {

// The system's "library file not found" number, reported for a module whose file is missing.
inline constexpr int kLibraryNotFound = 1157;

struct LaunchResult {
    // AlreadyRunning: the library is running in this process (a module started again from the
    // quick link inside itself); a second run would share its globals and its session.
    enum Status { Ran, Refused, NotLoaded, NoEntryPoint, AlreadyRunning } status = NotLoaded;
    std::int32_t returned = 0;  // what ShowDllForm gave: 0 refused, -1 ran
    int errorNumber = 0;        // kLibraryNotFound for a missing file
    QString error;              // the loader's own words
};

// "rcvsales" becomes <modulesDir>/rcvsales.so.
QString ModuleFile(const QString& modulesDir, const QString& code);

// How the library's ShowDllForm is called: with the session record alone, or, for a library
// that takes more (the tools maintenance), with its own arguments after it.
using EntryCall = std::function<std::int32_t(void* showDllForm, const TLinkSection& session)>;
std::int32_t CallWithSession(void* showDllForm, const TLinkSection& session);

// Calls the module with the session as it stands. A module started from inside another one
// (nested) takes a session number of its own for the call, so the two never share a virmem row
// or work tables; the number is given back when the call returns.
LaunchResult LaunchModule(const QString& modulesDir, const QString& code, const Session& session, bool nested,
                          const EntryCall& call = CallWithSession);

// Whether a module library is running in this process (a launch now is from inside it).
bool ModuleRunning();

// Unloads a library once every deferred deletion it may have left has run, so that no event
// calls into code that is gone.
void UnloadLibrary(void* handle);

}  // namespace orvant
