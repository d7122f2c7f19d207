#pragma once
// The languages a user can switch to: the rows of `Languages.db`, and whether the installation
// holds every text of one of them. A switch happens whole or not at all: a language whose tables
// are missing or short of a text is refused before anything changes.

#include <QString>
#include <vector>

#include "store/database.h"

namespace orvant::launcher {

struct LanguageEntry {
    int key = 0;   // LangKey: the session's `Language`
    QString code;  // the first two characters of LangCode: the session's `LangCode`
    QString name;  // LangName: the caption of its menu entry
};

// The rows of `Languages.db` in table order.
std::vector<LanguageEntry> LoadLanguages(store::Database& dataRoot);

// Why the tables of language `code` cannot all be loaded in full, naming the first table at
// fault; empty when they can. Every table shipped in any language ("MainMenuen", "rcvsalesfr",
// ...) must have its counterpart in `code`, well formed, with a row for each row any other
// language's table has and at least as many lines in each: a row only one language has would
// leave its control in the previous language after a switch.
QString MissingLanguageTexts(const QString& languagesDir, const QString& code);

}  // namespace orvant::launcher
