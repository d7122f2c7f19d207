#pragma once
// What a user's rights open: the options they may run, the shortcut dialog's lists, and the
// rights given by naming options.

#include <QStringList>
#include <vector>

#include "options/option_registry.h"
#include "options/rights.h"

namespace orvant {

// A shortcut entry follows the option it starts: enabled exactly when that option is.
bool MayRun(const UserSecurity& rights, const MenuOption& option);

// The one rule for opening an option by its code, from a menu, the quick link, the Tools menu
// or a desktop shortcut: the code names an option (outside `excludedMenu`, when given) that the
// user has the right to. A code that names no option is opened only by a user holding every
// right, who can also correct it.
bool MayOpen(const UserSecurity& rights, QStringView code, std::optional<int> excludedMenu = std::nullopt);

// The options the user may run, in menu order.
std::vector<const MenuOption*> EnabledOptions(const UserSecurity& rights);

// The shortcut dialog's two lists, entry i for option i of MenuOptions(): the captions
// (`OptionNames`) and the codes (`DllList`), the code left empty where the user may not run
// the option. With UserSecurity::full() they list every option.
struct OptionLists {
    QStringList optionNames;
    QStringList dllList;
};
OptionLists OptionListsFor(const UserSecurity& rights, int language);

// Gives the right to the option of that code; false when no option has it.
bool GrantOption(UserSecurity& rights, QStringView code);

}  // namespace orvant
