#include "options/rights.h"

#include <algorithm>

namespace orvant {

UserSecurity UserSecurity::fromStored(std::string_view stored)
{
    UserSecurity rights;
    const std::size_t kept = std::min(stored.size(), rights.bytes_.size());
    std::copy_n(reinterpret_cast<const std::uint8_t*>(stored.data()), kept, rights.bytes_.begin());
    return rights;
}

UserSecurity UserSecurity::full()
{
    UserSecurity rights;
    rights.bytes_.fill(0xFF);
    return rights;
}

bool UserSecurity::test(int bit) const
{
    if (bit < 0 || bit >= kRightsBits) return false;
    return (bytes_[bit / 8] >> (bit % 8)) & 1;
}

void UserSecurity::grant(int bit)
{
    if (bit < 0 || bit >= kRightsBits) return;
    bytes_[bit / 8] |= static_cast<std::uint8_t>(1u << (bit % 8));
}

std::string UserSecurity::stored() const { return std::string(bytes_.begin(), bytes_.end()); }

std::optional<int> RightBit(int menuTag, int group, int item)
{
    if (menuTag < 0 || group < 0 || group >= kGroupsPerMenu || item < 0 || item >= kItemsPerGroup) return std::nullopt;
    const int bit = kBitsPerMenu * menuTag + kItemsPerGroup * group + item;
    if (bit >= kRightsBits) return std::nullopt;
    return bit;
}

bool HasRight(const UserSecurity& rights, int menuTag, int group, int item)
{
    const std::optional<int> bit = RightBit(menuTag, group, item);
    return bit && rights.test(*bit);
}

}  // namespace orvant
