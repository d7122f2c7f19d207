#include "company/users.h"

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

void RemoveUser(const Installation& installation, const std::string& code)
{
    const auto root = OpenDataRoot(installation);
    Table users(*root, "user");
    users.open();
    if (users.recordCount() <= 1) throw SetupError("The last user cannot be removed: nobody could log in.");
    for (users.first(); !users.eof(); users.next()) {
        if (users.field("User_code").asString() != code) continue;
        users.deleteRecord();
        return;
    }
    throw SetupError("There is no user " + code + ".");
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
