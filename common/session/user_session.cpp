#include "session/user_session.h"

#include <optional>

#include "settings/paths.h"
#include "settings/store_choice.h"
#include "store/table.h"

namespace orvant {

namespace {

std::string langCodeOf(store::Database& dataRoot, int language)
{
    store::Table languages(dataRoot, "Languages");
    languages.open();
    if (!languages.findKey({language})) return "en";
    const std::string code = languages.field("LangCode").asString().substr(0, 2);
    return IsLanguageCode(code.c_str()) ? code : "en";
}

std::string companyName(store::Database& dataRoot, int company)
{
    store::Table companies(dataRoot, "comp");
    companies.open();
    return companies.findKey({company}) ? companies.field("Comp_Name").asString() : std::string();
}

}  // namespace

int RegistryLanguage(const Registry& registry)
{
    return registry.value(kProductSection, u"language", QStringLiteral("1")).trimmed() == QLatin1String("2") ? 2 : 1;
}

Session SessionForUser(const Registry& registry, store::Database& dataRoot, const company::User& user, int sessionNo)
{
    Session s;
    s.userId = s.userName = user.name;
    s.language = RegistryLanguage(registry);
    s.langCode = s.language == 2 ? "fr" : "en";
    if (user.language != 0) {
        s.language = user.language;
        s.langCode = langCodeOf(dataRoot, user.language);
    }
    s.userRights = user.detail;
    s.companyCode = std::to_string(user.company);
    s.companyName = companyName(dataRoot, user.company);
    s.customer = registry.value(kProductSection, u"customer").toStdString();
    s.programDir = ProgramDir(registry).toStdString();
    s.dataRoot = DataRoot(registry).toStdString();
    s.sessionNo = sessionNo;
    return s;
}

// A session names its user by name. Names are unique as users are added now; should older books
// hold namesakes, they get only what every one of them may do.
UserSecurity SessionUserRights(const Session& session)
{
    store::Database root("sessionusers", session.dataRoot, StoreChoice(Registry::open()));
    std::optional<std::string> common;
    for (const company::User& user : company::ListUsers(root)) {
        if (user.name != session.userId) continue;
        const std::string theirs = UserSecurity::fromStored(user.rights).stored();
        if (!common) common = theirs;
        else
            for (std::size_t i = 0; i < common->size(); ++i) (*common)[i] = static_cast<char>((*common)[i] & theirs[i]);
    }
    return common ? UserSecurity::fromStored(*common) : UserSecurity();
}

}  // namespace orvant
