#pragma once
// The option registry: the launcher's menus in their order and every option under them. An
// option is a menu entry named by its code; choosing it runs the module library of that code.
// The first eight menus are under rights control: shortcut entries at their head, then the
// controlled sub-menus (groups 0, 1, ...) holding the options.

#include <QString>
#include <QStringView>
#include <optional>
#include <vector>

namespace orvant {

struct MenuOption {
    int menu = 0;   // position of its top menu
    int group = 0;  // its sub-menu among the controlled ones
    int item = 0;   // its position in that sub-menu
    QString code;
    QString english, french;

    QString caption(int language) const { return language == 2 ? french : english; }
};

// An entry above the controlled sub-menus of a top menu.
struct HeadEntry {
    enum class Kind { Shortcut, TrackerDatabases, Separator };
    Kind kind = Kind::Separator;
    QString name;                        // a shortcut's: its option's code + "f"
    const MenuOption* option = nullptr;  // the option a shortcut starts, and whose right it follows
};

struct SubMenu {
    QString english, french;
    QString caption(int language) const { return language == 2 ? french : english; }
};

struct TopMenu {
    int position = 0;
    QString english, french;
    std::optional<int> tag;          // the menus under rights control have one
    int firstControlledSubMenu = 0;  // the number of head entries
    std::vector<HeadEntry> head;
    std::vector<SubMenu> subMenus;   // the controlled sub-menus, group 0 first

    QString caption(int language) const { return language == 2 ? french : english; }
};

// The top menus in their order, from General ledger to Exit.
const std::vector<TopMenu>& TopMenus();
// Every option, menu by menu, sub-menu by sub-menu, in item order.
const std::vector<MenuOption>& MenuOptions();

const MenuOption* FindOption(QStringView code);
const MenuOption* OptionAt(int menu, int group, int item);
std::vector<const MenuOption*> OptionsOf(int menu, int group);
// The tag of the option's top menu: with its group and item, it names the option's right.
int MenuTagOf(const MenuOption& option);

// Positions of the menus that the launch rules and the Tools menu name.
inline constexpr int kTrackerMenu = 6;

}  // namespace orvant
