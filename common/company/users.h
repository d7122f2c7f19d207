#pragma once
// The users of an installation: who may log in, in which language and company, with which
// rights. A user is found by the password typed at login; only its salted hash is kept.

#include <optional>
#include <string>
#include <vector>

#include "company/installation.h"
#include "store/database.h"

namespace orvant::company {

// Rights are a set of 1600 bits, one per option of the menus.
inline constexpr int kRightsBytes = 200;
std::string AllRights();
std::string NoRights();

struct User {
    std::string code;      // User_code
    std::string name;      // User_name
    int language = 1;      // User_language; 0 keeps the installation's language
    int company = 1;       // User_company
    int detail = 0;        // User_detail
    std::string printer;   // User_printer
    std::string rights;    // User_security, 200 bytes
};

// Refuses (SetupError, nothing written) a missing or too long code or name, a code or a name in
// use, a password that is empty, too long or already another user's, a language other than 0, 1 or 2,
// and a company that does not exist.
void AddUser(const Installation& installation, const User& user, const std::string& password);

std::vector<User> ListUsers(const Installation& installation);
std::vector<User> ListUsers(store::Database& dataRoot);

// Refuses to remove the last user (nobody could log in any more) and the last user holding
// every right (nobody could manage the others).
void RemoveUser(const Installation& installation, const std::string& code);

// The user whose password this is (compared in capitals), if any.
std::optional<User> FindUserByPassword(store::Database& dataRoot, const std::string& typed);
std::optional<User> FindUserByCode(store::Database& dataRoot, const std::string& code);

}  // namespace orvant::company
