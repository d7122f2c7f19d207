#pragma once
// The rows the option registry is built from: one table holding every menu, its head entries,
// its controlled sub-menus and their options with their English and French captions.

#include <optional>
#include <vector>

namespace orvant::option_rows {

struct OptionRow {
    const char* code;
    const char* english;
    const char* french;
};

struct SubMenuRows {
    const char* english;
    const char* french;
    std::vector<OptionRow> options;
};

struct HeadRow {
    enum Kind { Shortcut, TrackerDatabases, Separator } kind;
    const char* code = nullptr;  // the option a shortcut starts
};

struct MenuRows {
    const char* english;
    const char* french;
    std::optional<int> tag;
    int firstControlledSubMenu = 0;
    std::vector<HeadRow> head;
    std::vector<SubMenuRows> subMenus;
};

// The top menus in their order.
const std::vector<MenuRows>& Menus();

}  // namespace orvant::option_rows
