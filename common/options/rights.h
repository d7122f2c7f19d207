#pragma once
// A user's rights: the 1600 bits of `User_security`, one per menu option. Bit k is bit k mod 8
// of byte k div 8, and the option at item `item` of the controlled sub-menu `group` of the top
// menu tagged `menuTag` owns bit k = 105 x menuTag + 15 x group + item.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orvant {

inline constexpr int kRightsBytes = 200;
inline constexpr int kRightsBits = kRightsBytes * 8;
inline constexpr int kGroupsPerMenu = 7;   // controlled sub-menus 0 to 6
inline constexpr int kItemsPerGroup = 15;  // items 0 to 14
inline constexpr int kBitsPerMenu = kGroupsPerMenu * kItemsPerGroup;

class UserSecurity {
public:
    // No right at all: what an empty `User_security` gives.
    UserSecurity() = default;
    // The stored field. A shorter one reads as if padded with zero bytes; bytes past the 200th
    // are no one's.
    static UserSecurity fromStored(std::string_view stored);
    // Every right, for the lists that ignore rights.
    static UserSecurity full();

    bool test(int bit) const;  // false for a bit outside the set
    void grant(int bit);       // a bit outside the set is ignored
    // The 200 bytes to store.
    std::string stored() const;

    bool operator==(const UserSecurity&) const = default;

private:
    std::array<std::uint8_t, kRightsBytes> bytes_{};
};

// The bit of an option, or nothing when the group or item is out of its range or the menu's
// bits lie outside the set.
std::optional<int> RightBit(int menuTag, int group, int item);

bool HasRight(const UserSecurity& rights, int menuTag, int group, int item);

}  // namespace orvant
