// User rights: where an option's bit lies in `User_security`, what short or empty rights give,
// rights out of range, and the entries that follow an option's right (shortcuts, the Tools menu,
// the shortcut dialog's lists).

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "options/enabled_options.h"
#include "core/tools_menu.h"
#include "qstring_printing.h"

namespace orvant::launcher {
namespace {

using ::testing::ElementsAre;

// Rights as stored, with the given bits set by byte and bit, the way `User_security` is read.
std::string storedWith(std::initializer_list<int> bits, std::size_t size = kRightsBytes)
{
    std::string stored(size, '\0');
    for (int k : bits) stored[k / 8] = static_cast<char>(stored[k / 8] | (1 << (k % 8)));
    return stored;
}

ToolsEntry governedBy(const char* security)
{
    ToolsEntry entry;
    entry.security = security;
    return entry;
}

QStringList codesOf(const std::vector<const MenuOption*>& options)
{
    QStringList codes;
    for (const MenuOption* option : options) codes << option->code;
    return codes;
}

TEST(Rights, sales_and_adjustments_is_bit_0_of_byte_15)
{
    EXPECT_EQ(RightBit(1, 1, 0), 120);
    std::string stored(kRightsBytes, '\0');
    stored[15] = '\x01';
    const UserSecurity rights = UserSecurity::fromStored(stored);
    EXPECT_THAT(codesOf(EnabledOptions(rights)), ElementsAre("rcvsales"));
}

TEST(Rights, each_option_is_opened_by_its_own_bit_alone)
{
    for (const MenuOption& option : MenuOptions()) {
        const int k = 105 * MenuTagOf(option) + 15 * option.group + option.item;
        const UserSecurity rights = UserSecurity::fromStored(storedWith({k}));
        EXPECT_THAT(codesOf(EnabledOptions(rights)), ElementsAre(option.code)) << "bit " << k;
    }
}

TEST(Rights, a_short_user_security_reads_as_padded_with_zero_bytes)
{
    const UserSecurity sixteen = UserSecurity::fromStored(std::string(16, '\xFF'));  // bits 0 to 127
    EXPECT_TRUE(HasRight(sixteen, 1, 1, 0)) << "bit 120 is in the stored bytes";
    EXPECT_FALSE(HasRight(sixteen, 1, 1, 8)) << "bit 128 lies past them";
    EXPECT_FALSE(HasRight(sixteen, 2, 0, 0));

    const UserSecurity three = UserSecurity::fromStored(std::string(3, '\xFF'));  // bits 0 to 23
    EXPECT_THAT(codesOf(EnabledOptions(three)), ElementsAre("glaccounts", "glentries", "gljournals"));
    EXPECT_EQ(three.stored(), std::string(3, '\xFF') + std::string(kRightsBytes - 3, '\0'));
}

TEST(Rights, a_group_or_item_out_of_range_never_borrows_another_options_bit)
{
    // Item 15 of group 0 and group 7 of the menu before would both land on bit 120.
    const UserSecurity salesOnly = UserSecurity::fromStored(storedWith({120}));
    EXPECT_TRUE(HasRight(salesOnly, 1, 1, 0));
    EXPECT_FALSE(HasRight(salesOnly, 1, 0, 15));
    EXPECT_FALSE(HasRight(salesOnly, 0, 8, 0));

    const UserSecurity all = UserSecurity::full();
    EXPECT_TRUE(HasRight(all, 9, 6, 14));
    EXPECT_FALSE(HasRight(all, 1, 7, 0));
    EXPECT_FALSE(HasRight(all, 1, 0, 15));
    EXPECT_FALSE(HasRight(all, 1, -1, 0));
    EXPECT_FALSE(HasRight(all, 1, 0, -1));
    EXPECT_FALSE(HasRight(all, -1, 6, 14));
    EXPECT_FALSE(HasRight(all, 15, 6, 14)) << "bit 1679 lies past the 1600";
}

TEST(Rights, empty_rights_disable_every_option_shortcut_and_governed_tools_entry)
{
    for (const UserSecurity& none : {UserSecurity(), UserSecurity::fromStored({})}) {
        EXPECT_TRUE(EnabledOptions(none).empty());
        for (const TopMenu& menu : TopMenus())
            for (const HeadEntry& head : menu.head) {
                if (!head.option) continue;
                EXPECT_FALSE(MayRun(none, *head.option)) << head.name.toStdString();
            }
        const OptionLists lists = OptionListsFor(none, 1);
        EXPECT_EQ(lists.dllList.join(QString()), QString()) << "no code the user may run";
        EXPECT_EQ(lists.optionNames.size(), static_cast<qsizetype>(MenuOptions().size()));
        EXPECT_FALSE(ToolsEntryEnabled(governedBy("sysparams"), none));
    }
}

TEST(Rights, rights_given_by_option_codes_are_stored_and_listed_for_the_shortcut_dialog)
{
    UserSecurity rights;
    EXPECT_TRUE(GrantOption(rights, u"rcvsales"));
    EXPECT_TRUE(GrantOption(rights, u"jccreate"));
    EXPECT_FALSE(GrantOption(rights, u"rcvsalesf")) << "a shortcut has no right of its own";
    const UserSecurity read = UserSecurity::fromStored(rights.stored());
    EXPECT_THAT(codesOf(EnabledOptions(read)), ElementsAre("rcvsales", "jccreate"));

    const OptionLists french = OptionListsFor(read, 2);
    for (qsizetype i = 0; i < french.dllList.size(); ++i) {
        const MenuOption& option = MenuOptions()[i];
        EXPECT_EQ(french.optionNames[i], option.french);
        EXPECT_EQ(french.dllList[i], option.code == "rcvsales" || option.code == "jccreate" ? option.code : QString());
    }
    EXPECT_EQ(OptionListsFor(UserSecurity::full(), 1).dllList.indexOf(QString()), -1) << "full rights list every code";
}

// One rule for every way into an option: the menus, the quick link, the Tools menu.
TEST(Rights, an_option_opens_by_its_right_and_a_code_naming_none_only_for_a_user_holding_every_right)
{
    UserSecurity rights;
    GrantOption(rights, u"sysparams");
    GrantOption(rights, u"rcvsales");
    const struct {
        const char* code;
        std::optional<int> excludedMenu;
        bool clerk, administrator;
    } cases[] = {
        {"rcvsales", {}, true, true},
        {"vndcheqprint", {}, false, true},
        {"nosuchoption", {}, false, true},
        {"rcvsalesf", {}, false, true},  // a shortcut has no right of its own
        {"trkentries", kTrackerMenu, false, true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(MayOpen(rights, QString::fromLatin1(c.code), c.excludedMenu), c.clerk) << c.code;
        EXPECT_EQ(MayOpen(UserSecurity::full(), QString::fromLatin1(c.code), c.excludedMenu), c.administrator) << c.code;
    }
    EXPECT_TRUE(ToolsEntryEnabled(governedBy("sysparams"), rights));
    EXPECT_FALSE(ToolsEntryEnabled(governedBy("cmpmaint"), rights));
    EXPECT_FALSE(ToolsEntryEnabled(governedBy("nosuchoption"), rights)) << "an unknown code is no way round the rights";
    EXPECT_TRUE(ToolsEntryEnabled(governedBy("nosuchoption"), UserSecurity::full()));
}

}  // namespace
}  // namespace orvant::launcher
