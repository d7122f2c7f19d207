#pragma once
// The type of a general-ledger account as shown to the user, from the stored Glm_type.

#include <string>
#include <string_view>

namespace orvant {

// The first letter of the stored type (either case) names the type in the user's language:
// language 2 reads A, L, C, R, E as "Actif", "Passif", "Capital", "Revenu", "Dépense"; every
// other language reads A, P, C, R, D as "Asset", "Liability", "Capital", "Revenue", "Expense".
// A letter without a meaning in that language shows the stored text unchanged, so a stored
// "Liability" stays "Liability" in English while "Passif" becomes "Liability".
std::string DisplayedAccountType(std::string_view storedType, int language);

}  // namespace orvant
