#pragma once
// Finding and reading the language tables of the languages folder. The files are data of the
// installation and do not change while the suite runs; each call reads its file afresh, the
// tables being a few kilobytes.

#include <QString>

#include "lang/language_table.h"

namespace orvant::lang {

// The extension of a table's file: "rcvsalesen" is read from "rcvsalesen.lang".
inline constexpr QStringView kTableFileExtension = u".lang";

// The table, its name taken like any table's of the suite: in any case, with or without ".db".
// Throws store::StoreError (errc::kTableNotFound) when the folder has no such table, and
// TableSyntaxError when its file is not a well-formed table.
LanguageTable OpenLanguageTable(const QString& languagesDir, const QString& tableName);

}  // namespace orvant::lang
