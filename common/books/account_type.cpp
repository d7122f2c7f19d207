#include "books/account_type.h"

#include <array>
#include <cctype>
#include <utility>

namespace orvant {
namespace {

constexpr int kFrench = 2;

using TypeNames = std::array<std::pair<char, std::string_view>, 5>;

constexpr TypeNames kFrenchNames = {{
    {'A', "Actif"}, {'L', "Passif"}, {'C', "Capital"}, {'R', "Revenu"}, {'E', "Dépense"}}};
constexpr TypeNames kEnglishNames = {{
    {'A', "Asset"}, {'P', "Liability"}, {'C', "Capital"}, {'R', "Revenue"}, {'D', "Expense"}}};

}  // namespace

std::string DisplayedAccountType(std::string_view storedType, int language)
{
    if (storedType.empty()) return {};
    const char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(storedType.front())));
    for (const auto& [initial, name] : language == kFrench ? kFrenchNames : kEnglishNames)
        if (initial == letter) return std::string(name);
    return std::string(storedType);
}

}  // namespace orvant
