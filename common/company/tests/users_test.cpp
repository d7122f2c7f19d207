// Users: passwords kept only as salted hashes, found in capitals, never shared; the last user
// stays.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "company/company_creation.h"
#include "company/data_root_setup.h"
#include "company/passwords.h"
#include "company/users.h"
#include "store/query.h"
#include "testing/books_fixture.h"

namespace orvant::company {
namespace {

class UsersTest : public testing::BooksTest {
protected:
    User clerk(const std::string& code = "MARIE") const
    {
        User u;
        u.code = code;
        u.name = "Marie Lavoie";
        u.language = 2;
        return u;
    }

};
ORVANT_BOOKS_ON_EVERY_ENGINE(UsersTest);

TEST_P(UsersTest, the_user_table_holds_no_password_text_and_login_finds_it_in_capitals)
{
    AddUser(installation_, clerk(), "ete2026");
    const auto root = OpenDataRoot(installation_);
    store::Query stored(*root, "SELECT \"user_password\", \"user_code\" FROM \"user\"");
    for (stored.open(); !stored.eof(); stored.next()) {
        const std::string bytes = stored.value(0).asString();
        EXPECT_THAT(bytes, ::testing::StartsWith("$argon2id$"));
        EXPECT_THAT(bytes, ::testing::Not(::testing::HasSubstr("ADMIN")));
        EXPECT_THAT(bytes, ::testing::Not(::testing::HasSubstr("ETE2026")));
    }

    const auto marie = FindUserByPassword(*root, "Ete2026");
    ASSERT_TRUE(marie.has_value());
    EXPECT_EQ(marie->code, "MARIE");
    EXPECT_EQ(marie->language, 2);
    EXPECT_EQ(FindUserByPassword(*root, "admin")->code, "ADMIN") << "small letters find the capitalised password";
    EXPECT_FALSE(FindUserByPassword(*root, "ete202").has_value());
}

TEST_P(UsersTest, a_new_user_is_refused_for_what_would_make_logins_ambiguous_or_impossible)
{
    EXPECT_THROW(AddUser(installation_, clerk(), "Admin"), SetupError) << "the first user's password, in other letters";
    EXPECT_THROW(AddUser(installation_, clerk("ADMIN"), "other"), SetupError) << "a code in use";
    User namesake = clerk("ADMIN2");
    namesake.name = "Administrator";
    EXPECT_THROW(AddUser(installation_, namesake, "other"), SetupError) << "a name in use: postings could not tell them apart";
    EXPECT_THROW(AddUser(installation_, clerk(), "elevenchars"), SetupError);
    EXPECT_THROW(AddUser(installation_, clerk(), ""), SetupError);
    User elsewhere = clerk();
    elsewhere.company = 9;
    EXPECT_THROW(AddUser(installation_, elsewhere, "other"), SetupError) << "no company 9";
    User babel = clerk();
    babel.language = 3;
    EXPECT_THROW(AddUser(installation_, babel, "other"), SetupError);
    EXPECT_EQ(ListUsers(installation_).size(), 1u) << "nothing was written";

    AddUser(installation_, clerk(), "élan");
    EXPECT_EQ(ListUsers(installation_).size(), 2u);
}

TEST_P(UsersTest, the_last_user_and_the_last_user_holding_every_right_cannot_be_removed)
{
    EXPECT_THROW(RemoveUser(installation_, "ADMIN"), SetupError);
    AddUser(installation_, clerk(), "other");
    EXPECT_THROW(RemoveUser(installation_, "NOBODY"), SetupError);
    EXPECT_THROW(RemoveUser(installation_, "ADMIN"), SetupError) << "MARIE could not manage the users";
    User deputy = clerk("DEPUTY");
    deputy.name = "Denis Aubry";
    deputy.rights = AllRights();
    AddUser(installation_, deputy, "deputy");
    RemoveUser(installation_, "MARIE");
    RemoveUser(installation_, "ADMIN");
    const auto users = ListUsers(installation_);
    ASSERT_EQ(users.size(), 1u);
    EXPECT_EQ(users[0].code, "DEPUTY");
}

TEST(Passwords, hashes_are_salted_and_compared_exactly)
{
    const std::string once = HashPassword("secret"), twice = HashPassword("secret");
    EXPECT_NE(once, twice) << "each hash has its own salt";
    EXPECT_TRUE(PasswordMatches(once, "secret"));
    EXPECT_FALSE(PasswordMatches(once, "Secret")) << "a company password is compared as typed";
    EXPECT_FALSE(PasswordMatches("", "")) << "an empty stored value matches nothing";
    EXPECT_EQ(UserPasswordText("élan2"), "ÉLAN2");
    EXPECT_LE(HashPassword("0123456789").size(), 128u) << "fits the password fields";
}

}  // namespace
}  // namespace orvant::company
