#pragma once
// Passwords are kept as salted slow hashes (argon2id), never as the text typed: whoever reads
// the user or company table learns no password. A user's password is compared in capitals, a
// company's exactly as typed; both are at most ten characters.

#include <string>
#include <string_view>

namespace orvant::company {

inline constexpr int kPasswordLength = 10;

// The text a user password is compared as: in capitals.
std::string UserPasswordText(std::string_view typed);

// A new salted hash of the password, in the encoded form stored in the tables.
std::string HashPassword(std::string_view password);

// Whether the typed password is the one whose hash is stored. An empty stored value matches
// nothing (an empty company password means none is asked, which callers decide before).
bool PasswordMatches(std::string_view storedHash, std::string_view typed);

// Refuses (SetupError) an empty password or one longer than ten characters.
void CheckPasswordLength(std::string_view password);

}  // namespace orvant::company
