#include "options/enabled_options.h"

namespace orvant {

bool MayRun(const UserSecurity& rights, const MenuOption& option)
{
    return HasRight(rights, MenuTagOf(option), option.group, option.item);
}

bool MayOpen(const UserSecurity& rights, QStringView code, std::optional<int> excludedMenu)
{
    const MenuOption* option = FindOption(code);
    if (option && option->menu != excludedMenu) return MayRun(rights, *option);
    return rights == UserSecurity::full();
}

std::vector<const MenuOption*> EnabledOptions(const UserSecurity& rights)
{
    std::vector<const MenuOption*> enabled;
    for (const MenuOption& option : MenuOptions())
        if (MayRun(rights, option)) enabled.push_back(&option);
    return enabled;
}

OptionLists OptionListsFor(const UserSecurity& rights, int language)
{
    OptionLists lists;
    for (const MenuOption& option : MenuOptions()) {
        lists.optionNames << option.caption(language);
        lists.dllList << (MayRun(rights, option) ? option.code : QString());
    }
    return lists;
}

bool GrantOption(UserSecurity& rights, QStringView code)
{
    const MenuOption* option = FindOption(code);
    if (!option) return false;
    rights.grant(*RightBit(MenuTagOf(*option), option->group, option->item));
    return true;
}

}  // namespace orvant
