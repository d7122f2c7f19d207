// Logging in and entering companies, as a bookkeeper meets them.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <deque>

#include "company/company_creation.h"
#include "company/passwords.h"
#include "company_choice.h"
#include "login.h"
#include "store/table.h"
#include "testing/module_test_home.h"

namespace orvant::launcher {
namespace {

// Types the given passwords one after the other, then cancels.
class Typist : public PasswordPrompt {
public:
    explicit Typist(std::deque<QString> typed = {}) : typed_(std::move(typed)) {}
    std::optional<PasswordAnswer> ask() override
    {
        ++asked;
        if (typed_.empty()) return std::nullopt;
        PasswordAnswer a{typed_.front(), true};
        typed_.pop_front();
        return a;
    }
    int asked = 0;

private:
    std::deque<QString> typed_;
};

class CompanyTypist : public CompanyPasswordPrompt {
public:
    explicit CompanyTypist(std::deque<QString> typed) : typed_(std::move(typed)) {}
    std::optional<QString> ask() override
    {
        ++asked;
        if (typed_.empty()) return std::nullopt;
        QString t = typed_.front();
        typed_.pop_front();
        return t;
    }
    int asked = 0;

private:
    std::deque<QString> typed_;
};

class LoginTest : public ::testing::Test {
protected:
    store::Database& root() { return *root_; }
    company::User clerk(int language)
    {
        company::User u;
        u.code = "MARIE";
        u.name = "Marie Lavoie";
        u.language = language;
        return u;
    }

    testing::ModuleTestHome home_{ORVANT_TEST_LANGUAGES};
    std::unique_ptr<store::Database> root_ = company::OpenDataRoot(home_.installation());
};

TEST_F(LoginTest, one_user_is_taken_without_a_question_unless_the_password_is_always_asked)
{
    Typist nobody;
    const LoginOutcome alone = Login(root(), false, nobody);
    EXPECT_EQ(alone.result, LoginOutcome::LoggedIn);
    EXPECT_EQ(alone.user.code, "ADMIN");
    EXPECT_EQ(nobody.asked, 0);

    Typist lowercase({"wrong", "admin"});
    const LoginOutcome asked = Login(root(), true, lowercase);
    EXPECT_EQ(asked.result, LoginOutcome::LoggedIn) << "small letters find the capitalised password";
    EXPECT_EQ(lowercase.asked, 2) << "a wrong password asks again";
    EXPECT_TRUE(asked.standardDesktop);

    Typist cancels({"wrong"});
    EXPECT_EQ(Login(root(), true, cancels).result, LoginOutcome::Cancelled);
}

TEST_F(LoginTest, two_users_always_ask_and_no_user_at_all_asks_nothing)
{
    company::AddUser(home_.installation(), clerk(2), "ete2026");
    Typist marie({"ETE2026"});
    const LoginOutcome found = Login(root(), false, marie);
    ASSERT_EQ(found.result, LoginOutcome::LoggedIn);
    EXPECT_EQ(found.user.code, "MARIE");

    store::Table users(root(), "user");
    users.open();
    while (!users.isEmpty()) {
        users.first();
        users.deleteRecord();
    }
    Typist never;
    EXPECT_EQ(Login(root(), true, never).result, LoginOutcome::NoUsers);
    EXPECT_EQ(never.asked, 0) << "no loop on a password nobody has";
}

TEST_F(LoginTest, the_session_takes_the_users_language_or_keeps_the_registrys_but_always_names_the_user)
{
    const Session french = SessionForUser(home_.registry(), root(), clerk(2), 4);
    EXPECT_EQ(french.language, 2);
    EXPECT_EQ(french.langCode, "fr");
    EXPECT_EQ(french.userId, "Marie Lavoie");
    EXPECT_EQ(french.companyCode, "1");
    EXPECT_EQ(french.companyName, "Orvant Demo Inc.");
    EXPECT_EQ(french.sessionNo, 4);

    home_.registry().setValue(kProductSection, u"language", "2");
    const Session kept = SessionForUser(home_.registry(), root(), clerk(0), 4);
    EXPECT_EQ(kept.language, 2) << "the registry's language, never 0";
    EXPECT_EQ(kept.langCode, "fr");
    EXPECT_EQ(kept.userId, "Marie Lavoie") << "what this user posts still names them";
}

TEST_F(LoginTest, another_companys_password_is_asked_until_typed_exactly_but_never_for_ones_own)
{
    company::CreateCompany(home_.installation(), 2, "Second");
    store::Table companies(root(), "comp");
    companies.open();
    for (int n : {1, 2}) {
        ASSERT_TRUE(companies.findKey({n}));
        companies.edit();
        companies.field("Comp_Passwd") = company::HashPassword("Secret");
        companies.post();
    }

    CompanyTypist none({});
    EXPECT_TRUE(MayEnterCompany(root(), 1, 1, none));
    EXPECT_EQ(none.asked, 0) << "one's own company";

    CompanyTypist tries({"secret", "Secret"});
    EXPECT_TRUE(MayEnterCompany(root(), 2, 1, tries));
    EXPECT_EQ(tries.asked, 2) << "compared exactly, asked again";

    CompanyTypist gives_up({"nope"});
    EXPECT_FALSE(MayEnterCompany(root(), 2, 1, gives_up));
    EXPECT_FALSE(MayEnterCompany(root(), 9, 1, none)) << "no such company";
}

}  // namespace
}  // namespace orvant::launcher
