#include "company/users.h"

#include <algorithm>

#include "company/company_creation.h"
#include "company/passwords.h"
#include "store/table.h"

namespace orvant::company {

using store::Table;

namespace {

constexpr std::size_t kCodeWidth = 10, kNameWidth = 30;

std::size_t characters(const std::string& utf8)
{
    std::size_t n = 0;
    for (unsigned char c : utf8) n += (c & 0xC0) != 0x80;
    return n;
}

User userOf(Table& t)
{
    User u;
    u.code = t.field("User_code").asString();
    u.name = t.field("User_name").asString();
    u.language = static_cast<int>(t.field("User_language").asInt());
    u.company = static_cast<int>(t.field("User_company").asInt());
    u.detail = static_cast<int>(t.field("User_detail").asInt());
    u.printer = t.field("User_printer").asString();
    u.rights = t.field("User_security").asString();
    return u;
}

void checkText(const std::string& value, std::size_t width, const char* what)
{
    if (value.empty()) throw SetupError(std::string("A user needs a ") + what + ".");
    if (characters(value) > width) throw SetupError(std::string("A user's ") + what + " holds at most " + std::to_string(width) + " characters.");
}

void checkNewUser(const Installation& installation, Table& users, const User& user, const std::string& password)
{
    checkText(user.code, kCodeWidth, "code");
    checkText(user.name, kNameWidth, "name");
    CheckPasswordLength(password);
    if (user.language < 0 || user.language > 2) throw SetupError("A user's language is 0 (the installation's), 1 (English) or 2 (French).");
    if (!CompanyExists(installation, user.company)) throw SetupError("There is no company " + std::to_string(user.company) + ".");
    const std::string text = UserPasswordText(password);
    for (users.first(); !users.eof(); users.next()) {
        if (users.field("User_code").asString() == user.code) throw SetupError("The user code " + user.code + " is in use.");
        // The name is what the user's postings record and what the session carries.
        if (users.field("User_name").asString() == user.name) throw SetupError("Another user is named " + user.name + ".");
        // The password identifies the user at login, so no two users may share one.
        if (PasswordMatches(users.field("User_password").asString(), text)) throw SetupError("Another user has this password.");
    }
}

}  // namespace

std::string AllRights() { return std::string(kRightsBytes, '\xff'); }
std::string NoRights() { return std::string(kRightsBytes, '\0'); }

void AddUser(const Installation& installation, const User& user, const std::string& password)
{
    const auto root = OpenDataRoot(installation);
    Table users(*root, "user");
    users.open();
    checkNewUser(installation, users, user, password);
    users.insert();
    users.field("User_password") = HashPassword(UserPasswordText(password));
    users.field("User_code") = user.code;
    users.field("User_name") = user.name;
    users.field("User_language") = user.language;
    users.field("User_company") = user.company;
    users.field("User_detail") = user.detail;
    users.field("User_printer") = user.printer;
    users.field("User_security") = user.rights.empty() ? NoRights() : user.rights;
    users.post();
}

std::vector<User> ListUsers(const Installation& installation) { return ListUsers(*OpenDataRoot(installation)); }

std::vector<User> ListUsers(store::Database& dataRoot)
{
    Table users(dataRoot, "user");
    users.open();
    std::vector<User> out;
    for (users.first(); !users.eof(); users.next()) out.push_back(userOf(users));
    return out;
}

// Somebody must still be able to do everything, the users' own upkeep included: the last user
// holding every right stays.
void RemoveUser(const Installation& installation, const std::string& code)
{
    const auto root = OpenDataRoot(installation);
    const std::vector<User> users = ListUsers(*root);
    if (users.size() <= 1) throw SetupError("The last user cannot be removed: nobody could log in.");
    const auto gone = std::find_if(users.begin(), users.end(), [&](const User& u) { return u.code == code; });
    if (gone == users.end()) throw SetupError("There is no user " + code + ".");
    const auto allRights = [](const User& u) { return u.rights == AllRights(); };
    if (allRights(*gone) && std::count_if(users.begin(), users.end(), allRights) == 1)
        throw SetupError("User " + code + " is the last one holding every right: give them to another user first.");
    Table table(*root, "user");
    table.open();
    for (table.first(); !table.eof(); table.next()) {
        if (table.field("User_code").asString() != code) continue;
        table.deleteRecord();
        return;
    }
}

std::optional<User> FindUserByCode(store::Database& dataRoot, const std::string& code)
{
    for (User& user : ListUsers(dataRoot))
        if (user.code == code) return std::move(user);
    return std::nullopt;
}

std::optional<User> FindUserByPassword(store::Database& dataRoot, const std::string& typed)
{
    Table users(dataRoot, "user");
    users.open();
    const std::string text = UserPasswordText(typed);
    for (users.first(); !users.eof(); users.next())
        if (PasswordMatches(users.field("User_password").asString(), text)) return userOf(users);
    return std::nullopt;
}

}  // namespace orvant::company
