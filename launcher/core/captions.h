#pragma once
// The captions the launcher's menus show: an option's caption in the session's language, in
// North-American spelling ("check") when the installation asks for it with `intl`; the window's
// title, the same in every case: the caption loaded for the language, then the date.

#include <QDate>
#include <QString>
#include <optional>

#include "options/option_registry.h"
#include "settings/registry.h"

namespace orvant::launcher {

// `intl` of the Settings section, "y" or "Y" (default "N").
bool InternationalWanted(const Registry& registry);

// The North-American caption of an option whose English caption says "cheque"; nothing for
// the others.
std::optional<QString> InternationalCaption(QStringView code);

// The option's caption as the menus show it. The North-American spelling applies only in
// language 1: another language keeps its own words.
QString OptionCaption(const MenuOption& option, int language, bool international);

// `caption` (the window's caption loaded from the language's table, kept as typed) + "  " + the
// date: "Monday, December 7, 2026 " in English, "lundi, 7 décembre 2026 " in language 2.
QString LauncherTitle(const QString& caption, int language, const QDate& date);

}  // namespace orvant::launcher
