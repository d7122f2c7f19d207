#pragma once
// The version of a program or library file. Every library of the suite carries its version as
// a marked text ("OrvantFileVersion=1.2.3.4") compiled into it; the version is read back from
// the file without loading it.

#include <QString>

#ifndef ORVANT_VERSION_TEXT
#define ORVANT_VERSION_TEXT "0.0.0.0"
#endif

// Included in a library, this puts its version mark into it.
#define ORVANT_VERSION_MARK                                                                          \
    namespace {                                                                                      \
    [[maybe_unused]] __attribute__((used)) const char kOrvantVersionMark[] = "OrvantFileVersion=" ORVANT_VERSION_TEXT; \
    }

namespace orvant::ui {

// Up to `parts` numbers of the file's version joined by "." (major, minor, release, build);
// 0 or more than 4 parts give all four. A file without a version gives "".
QString VersionString(const QString& file, int parts);

}  // namespace orvant::ui
