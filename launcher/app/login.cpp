#include "login.h"

#include <QLocale>

#include "company/passwords.h"
#include "settings/paths.h"
#include "store/table.h"

namespace orvant::launcher {

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

LoginOutcome Login(store::Database& dataRoot, bool alwaysAskPassword, PasswordPrompt& prompt)
{
    store::Table users(dataRoot, "user");
    users.open();
    const auto count = users.recordCount();
    if (count == 0) return {LoginOutcome::NoUsers, {}, false};
    if (count == 1 && !alwaysAskPassword) return {LoginOutcome::LoggedIn, company::ListUsers(dataRoot).front(), false};
    for (;;) {
        const auto answer = prompt.ask();
        if (!answer) return {LoginOutcome::Cancelled, {}, false};
        if (auto user = company::FindUserByPassword(dataRoot, answer->password.left(company::kPasswordLength).toStdString()))
            return {LoginOutcome::LoggedIn, *user, answer->standardDesktop};
    }
}

int RegistryLanguage(const Registry& registry)
{
    return registry.value(kProductSection, u"language", QStringLiteral("1")).trimmed() == QLatin1String("2") ? 2 : 1;
}

Session LauncherSession(const Registry& registry, store::Database& dataRoot, const company::User& user, int sessionNo)
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

QString WelcomeTitle(int language, const QDate& date)
{
    if (language == 2)
        return QStringLiteral("Bienvenue à Orvant  ") + QLocale(QLocale::French, QLocale::Canada).toString(date, QStringLiteral("dddd, d MMMM yyyy ")).toLower();
    return QStringLiteral("Welcome to Orvant  ") + QLocale(QLocale::English, QLocale::Canada).toString(date, QStringLiteral("dddd, MMMM d, yyyy "));
}

}  // namespace orvant::launcher
