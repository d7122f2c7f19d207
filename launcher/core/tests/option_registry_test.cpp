// The option registry: the menus in their order with their tags, the options of this system
// where their menus put them, and a table whose every option can be reached and launched.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QStringList>
#include <set>

#include "core/option_code.h"
#include "options/option_registry.h"
#include "options/rights.h"
#include "qstring_printing.h"

namespace orvant::launcher {
namespace {

using ::testing::ElementsAre;

TEST(OptionRegistry, the_menus_come_in_order_with_their_tags_and_first_controlled_sub_menus)
{
    QStringList names;
    std::vector<std::pair<int, int>> control;
    for (const TopMenu& menu : TopMenus()) {
        names << menu.english;
        if (menu.tag) control.emplace_back(*menu.tag, menu.firstControlledSubMenu);
    }
    EXPECT_THAT(names, ElementsAre("General ledger", "Accounts receivable", "Accounts payable", "Invoicing", "System manager",
                                   "Payroll", "Tracker", "Job cost", "Options", "Tools", "Help", "Exit"));
    EXPECT_THAT(control, ElementsAre(std::pair(0, 4), std::pair(1, 4), std::pair(2, 4), std::pair(4, 4), std::pair(3, 0),
                                     std::pair(5, 6), std::pair(6, 3), std::pair(9, 2)));
    EXPECT_EQ(TopMenus()[kTrackerMenu].english, "Tracker");
}

TEST(OptionRegistry, the_head_entries_fill_the_places_above_the_controlled_sub_menus)
{
    for (const TopMenu& menu : TopMenus()) {
        EXPECT_EQ(static_cast<int>(menu.head.size()), menu.firstControlledSubMenu) << menu.english.toStdString();
        EXPECT_LE(menu.subMenus.size(), std::size_t(kGroupsPerMenu));
        for (const HeadEntry& head : menu.head) {
            if (head.kind != HeadEntry::Kind::Shortcut) continue;
            ASSERT_NE(head.option, nullptr) << head.name.toStdString();
            EXPECT_EQ(head.name, head.option->code + "f");
            EXPECT_EQ(head.option->menu, menu.position) << "a shortcut starts an option of its own menu";
        }
    }
}

TEST(OptionRegistry, every_option_has_a_place_a_right_and_a_code_the_launch_keeps_whole)
{
    std::set<QString> codes;
    std::set<int> bits;
    for (const MenuOption& option : MenuOptions()) {
        const std::string name = option.code.toStdString();
        EXPECT_TRUE(codes.insert(option.code).second) << name << " twice";
        EXPECT_EQ(OptionAt(option.menu, option.group, option.item), &option) << name;
        EXPECT_LT(option.group, static_cast<int>(TopMenus()[option.menu].subMenus.size())) << name;
        const std::optional<int> bit = RightBit(MenuTagOf(option), option.group, option.item);
        ASSERT_TRUE(bit) << name << " lies outside the rights";
        EXPECT_TRUE(bits.insert(*bit).second) << name << " shares a right";
        EXPECT_TRUE(IsOptionCode(option.code)) << name;
        // An option's code + "p" or + "f" runs that option: it cannot be another option's code.
        EXPECT_EQ(FindOption(option.code + "p"), nullptr) << name;
        EXPECT_EQ(FindOption(option.code + "f"), nullptr) << name;
        EXPECT_FALSE(option.code.endsWith(u'S')) << name << " would read as a desktop shortcut";
        EXPECT_FALSE(option.english.isEmpty() || option.french.isEmpty()) << name;
    }
    EXPECT_EQ(FindOption(u"cmpcreate"), nullptr) << "the company creation has no menu entry";
}

struct Placed {
    int menu;
    int group;
    const char* caption;
    const char* code;
};

TEST(OptionRegistry, this_systems_options_sit_in_their_sub_menus_in_order)
{
    const Placed expected[] = {
        {1, 0, "Maintenance of clients", "rcvclients"},       {1, 1, "Sales and adjustments ", "rcvsales"},
        {1, 1, "Cash receipts", "rcvreceipts"},               {1, 2, "Display of clients", "rcvinquiry"},
        {1, 2, "Aging of accounts", "rcvaging"},              {2, 0, "Maintenance of suppliers", "vndsuppliers"},
        {2, 1, "Purchases", "vndpurchases"},                  {2, 1, "Cash disbursements", "vnddisburse"},
        {2, 1, "Edit cheque entries", "vndcheqedit"},         {2, 1, "Recurring cheque entries", "vndcheqrecur"},
        {2, 2, "Display of suppliers", "vndinquiry"},         {2, 2, "Aging of accounts", "vndaging"},
        {2, 2, "List of cheques to be issued", "vndcheqlist"}, {2, 3, "Print and update cheques", "vndcheqprint"},
    };
    int lastItem = -1, lastGroup = -1;
    for (const Placed& placed : expected) {
        const MenuOption* option = FindOption(QString::fromUtf8(placed.code));
        ASSERT_NE(option, nullptr) << placed.code;
        EXPECT_EQ(option->menu, placed.menu) << placed.code;
        EXPECT_EQ(option->group, placed.group) << placed.code;
        EXPECT_EQ(option->english, placed.caption);
        if (placed.group == lastGroup) {
            EXPECT_GT(option->item, lastItem) << placed.code << " comes after the one before";
        }
        lastGroup = placed.group;
        lastItem = option->item;
    }
}

TEST(OptionCode, a_code_or_program_name_is_a_plain_name_never_a_path)
{
    for (const char* code : {"rcvsales", "RcvSales", "gl_rep2", "rcvsalesS"}) EXPECT_TRUE(IsOptionCode(QString(code))) << code;
    for (const char* code : {"", "../rcvsales", "rcv/sales", "..", "rcvsales.so", "rcv sales", "rcvsales\n", "ventes_é"})
        EXPECT_FALSE(IsOptionCode(QString::fromUtf8(code))) << code;

    for (const char* name : {"gnome-calculator", "calc", "report2.x", "g++"}) EXPECT_TRUE(IsProgramName(QString(name))) << name;
    for (const char* name : {"", "../calc", "/bin/sh", "bin/sh", ".hidden", "-rf", "a..b", "sh -c", "calc;rm"})
        EXPECT_FALSE(IsProgramName(QString(name))) << name;
}

}  // namespace
}  // namespace orvant::launcher
