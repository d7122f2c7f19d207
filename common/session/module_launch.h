#pragma once
// Runs a module library: load it by its code from the module directory, find its entry point,
// call it with the session, and unload it safely. The launcher's menu and the quick link both
// launch through here.

#include <QString>
#include <cstdint>

#include "session/session.h"

namespace orvant {

// The system's "library file not found" number, reported for a module whose file is missing.
inline constexpr int kLibraryNotFound = 1157;

struct LaunchResult {
    enum Status { Ran, Refused, NotLoaded, NoEntryPoint } status = NotLoaded;
    std::int32_t returned = 0;  // what ShowDllForm gave: 0 refused, -1 ran
    int errorNumber = 0;        // kLibraryNotFound for a missing file
    QString error;              // the loader's own words
};

// "rcvsales" becomes <modulesDir>/rcvsales.so.
QString ModuleFile(const QString& modulesDir, const QString& code);

// Calls the module with the session as it stands. A module started from inside another one
// (nested) takes a session number of its own for the call, so the two never share a virmem row
// or work tables; the number is given back when the call returns.
LaunchResult LaunchModule(const QString& modulesDir, const QString& code, const Session& session, bool nested);

// Unloads a library once every deferred deletion it may have left has run, so that no event
// calls into code that is gone.
void UnloadLibrary(void* handle);

}  // namespace orvant
