#include "options/option_registry.h"

#include "options/option_table.h"

namespace orvant {

namespace {

void addOptions(std::vector<MenuOption>& options, int menu, const std::vector<option_rows::SubMenuRows>& subMenus)
{
    for (int group = 0; group < static_cast<int>(subMenus.size()); ++group) {
        const auto& rows = subMenus[group].options;
        for (int item = 0; item < static_cast<int>(rows.size()); ++item)
            options.push_back({menu, group, item, QString::fromUtf8(rows[item].code), QString::fromUtf8(rows[item].english),
                               QString::fromUtf8(rows[item].french)});
    }
}

HeadEntry headEntry(const option_rows::HeadRow& row)
{
    switch (row.kind) {
    case option_rows::HeadRow::Shortcut: {
        const QString code = QString::fromUtf8(row.code);
        return {HeadEntry::Kind::Shortcut, code + u'f', FindOption(code)};
    }
    case option_rows::HeadRow::TrackerDatabases: return {HeadEntry::Kind::TrackerDatabases, {}, nullptr};
    case option_rows::HeadRow::Separator: break;
    }
    return {};
}

std::vector<MenuOption> buildOptions()
{
    std::vector<MenuOption> options;
    const auto& rows = option_rows::Menus();
    for (int menu = 0; menu < static_cast<int>(rows.size()); ++menu) addOptions(options, menu, rows[menu].subMenus);
    return options;
}

// Built after the options, so that the head entries can point at them.
std::vector<TopMenu> buildMenus()
{
    std::vector<TopMenu> menus;
    const auto& rows = option_rows::Menus();
    for (int position = 0; position < static_cast<int>(rows.size()); ++position) {
        const option_rows::MenuRows& row = rows[position];
        TopMenu menu{position, QString::fromUtf8(row.english), QString::fromUtf8(row.french), row.tag,
                     row.firstControlledSubMenu, {}, {}};
        for (const option_rows::HeadRow& head : row.head) menu.head.push_back(headEntry(head));
        for (const option_rows::SubMenuRows& sub : row.subMenus)
            menu.subMenus.push_back({QString::fromUtf8(sub.english), QString::fromUtf8(sub.french)});
        menus.push_back(std::move(menu));
    }
    return menus;
}

}  // namespace

const std::vector<MenuOption>& MenuOptions()
{
    static const std::vector<MenuOption> options = buildOptions();
    return options;
}

const std::vector<TopMenu>& TopMenus()
{
    static const std::vector<TopMenu> menus = buildMenus();
    return menus;
}

const MenuOption* FindOption(QStringView code)
{
    for (const MenuOption& option : MenuOptions())
        if (option.code == code) return &option;
    return nullptr;
}

const MenuOption* OptionAt(int menu, int group, int item)
{
    for (const MenuOption& option : MenuOptions())
        if (option.menu == menu && option.group == group && option.item == item) return &option;
    return nullptr;
}

std::vector<const MenuOption*> OptionsOf(int menu, int group)
{
    std::vector<const MenuOption*> found;
    for (const MenuOption& option : MenuOptions())
        if (option.menu == menu && option.group == group) found.push_back(&option);
    return found;
}

int MenuTagOf(const MenuOption& option) { return *TopMenus()[option.menu].tag; }

}  // namespace orvant
