#pragma once
// Names the launcher turns into files it loads or starts. They come from the menus and from
// tables users can edit (`apps.DB`, `Desktop.db`), so a name that could reach outside the
// module directory is refused before it is used.

#include <QStringView>

namespace orvant::launcher {

// Letters, digits and "_" only, in either case: a module library's code.
bool IsOptionCode(QStringView code);

// A separate program's name: letters, digits and "_", "-", "+", "." after the first
// character, never "..": a file name, never a path or an option.
bool IsProgramName(QStringView name);

}  // namespace orvant::launcher
