#pragma once
// Where the suite's programs, data, language tables, module libraries and help pages are.
// A path never ends with "/".

#include <QString>

#include "settings/registry.h"

namespace orvant {

// pgmdrive (product section) + "/Orvant/bin"; pgmdrive defaults to the install prefix.
QString ProgramDir(const Registry& registry);

// datadrive (product section) + "/Orvant/data"; datadrive defaults to $XDG_DATA_HOME, else
// ~/.local/share.
QString DataRoot(const Registry& registry);

// The company's data directory: the data root and the company code with no separator between
// them ("/x/data" and "12" give "/x/data12").
QString CompanyDir(const QString& dataRoot, const QString& companyCode);

// $ORVANT_LANGUAGES when set, else the "languages" folder beside ProgramDir.
QString LanguagesDir(const Registry& registry);
QString LanguagesDirFor(const QString& programDir);  // a module knows ProgramDir from its session

// $ORVANT_MODULES when set, else ProgramDir.
QString ModulesDir(const Registry& registry);
QString ModulesDirFor(const QString& programDir);

// ProgramDir + "/Help", or + "/Help" + langCode in any language but 1 ("/Helpfr").
QString HelpFile(const QString& programDir, int language, const QString& langCode);

}  // namespace orvant
