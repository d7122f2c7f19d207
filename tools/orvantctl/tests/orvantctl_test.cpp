// orvantctl as an administrator uses it: refused calls change nothing, and a demo company's
// books check clean until a journal line is damaged.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "company/company_creation.h"
#include "company/record.h"
#include "orvantctl.h"
#include "password_input.h"
#include "settings/registry.h"
#include "testing/temp_data_root.h"

namespace orvant::ctl {
namespace {

using ::testing::HasSubstr;
namespace fs = std::filesystem;

struct Outcome {
    int status;
    std::string out, err;
};

class OrvantctlTest : public ::testing::TestWithParam<testing::Engine> {
protected:
    void SetUp() override
    {
        root_ = std::make_unique<testing::TempDataRoot>(GetParam());
        ORVANT_REQUIRE_ENGINE(*root_);
        registryFile_ = root_->path() + "-registry.ini";
        setenv("ORVANT_REGISTRY", registryFile_.c_str(), 1);
        Registry registry(QString::fromStdString(registryFile_));
        registry.setValue(kProductSection, u"store", QString::fromStdString(root_->config().postgres));
    }

    void TearDown() override
    {
        unsetenv("ORVANT_REGISTRY");
        fs::remove(registryFile_);
    }

    Outcome run(std::vector<std::string> arguments, bool withDataRoot = true)
    {
        if (withDataRoot) arguments.insert(arguments.begin(), {"--data-root", root_->path()});
        std::ostringstream out, err;
        const int status = RunOrvantctl(arguments, out, err);
        return {status, out.str(), err.str()};
    }

    std::unique_ptr<testing::TempDataRoot> root_;
    std::string registryFile_;
};
INSTANTIATE_TEST_SUITE_P(Engines, OrvantctlTest, ::testing::ValuesIn(testing::allEngines()), testing::engineName);

TEST_P(OrvantctlTest, demo_books_check_clean_and_a_damaged_line_is_named)
{
    ASSERT_EQ(run({"init"}).status, 0);
    ASSERT_EQ(run({"demo"}).status, 0);
    Outcome checked = run({"check"});
    EXPECT_EQ(checked.status, 0) << checked.out;
    EXPECT_THAT(checked.out, HasSubstr("5 client(s), 4 supplier(s) checked: the books agree."));

    const company::Installation installation{root_->path(), root_->config()};
    const auto books = company::OpenCompany(installation, 1);
    store::Table headers(*books, "tjlh"), lines(*books, "tjld");
    headers.open();
    lines.open();
    const Date day = *Date::fromYmd(2026, 12, 7);
    company::addRecord(headers, {{"Tjlh_period", 12}, {"Tjlh_journal", 1}, {"Tjlh_reference", "1001"}, {"Tjlh_date", day},
                                 {"Tjlh_tot_debit", Money::fromUnits(50)}, {"Tjlh_tot_credit", Money::fromUnits(50)}});
    company::addRecord(lines, {{"Tjld_period", 12}, {"Tjld_journal", 1}, {"Tjld_reference", "1001"}, {"Tjld_date", day},
                               {"Tjld_account", 1100}, {"Tjld_debit", Money::fromUnits(50)}});
    company::addRecord(lines, {{"Tjld_period", 12}, {"Tjld_journal", 1}, {"Tjld_reference", "1001"}, {"Tjld_date", day},
                               {"Tjld_account", 4000}, {"Tjld_credit", Money::fromUnits(5)}});

    checked = run({"check", "1"});
    EXPECT_EQ(checked.status, 1);
    EXPECT_THAT(checked.out, HasSubstr("journal header period 12, journal 1, reference \"1001\", date 2026-12-07: total credit 50.00 but its lines credit 5.00"));
    EXPECT_THAT(checked.out, HasSubstr("problem(s)."));
}

TEST_P(OrvantctlTest, companies_are_created_once_and_named_clearly_when_missing)
{
    EXPECT_EQ(run({"create-company", "2", "Second"}).err, "orvantctl: The data root " + root_->path() + " is not set up: run init first.\n");
    ASSERT_EQ(run({"init"}).status, 0);
    EXPECT_THAT(run({"init"}).out, HasSubstr("was set up already"));

    const Outcome created = run({"create-company", "2", "Second & Co"});
    EXPECT_EQ(created.status, 0) << created.err;
    EXPECT_THAT(created.out, HasSubstr(root_->path() + "2"));
    const Outcome again = run({"create-company", "2", "Other"});
    EXPECT_EQ(again.status, 2);
    EXPECT_THAT(again.err, HasSubstr("Company 2 exists already."));

    EXPECT_EQ(run({"check", "2"}).status, 0);
    const Outcome missing = run({"check", "3"});
    EXPECT_EQ(missing.status, 2);
    EXPECT_THAT(missing.err, HasSubstr("There is no company 3."));
    EXPECT_EQ(run({"demo", "2"}).status, 0) << "a company without accounts can become a demo";
    EXPECT_THAT(run({"demo", "2"}).err, HasSubstr("has accounts already"));
}

TEST_P(OrvantctlTest, users_are_added_listed_and_removed)
{
    ASSERT_EQ(run({"init"}).status, 0);
    ASSERT_EQ(run({"demo"}).status, 0);
    const Outcome added = run({"user", "add", "MARIE", "Marie Lavoie", "ete2026", "--language", "2", "--rights=rcvsales,rcvclients"});
    EXPECT_EQ(added.status, 0) << added.err;
    EXPECT_EQ(run({"user", "add", "PAUL", "Paul", "ETE2026"}).err, "orvantctl: Another user has this password.\n");
    const Outcome listed = run({"user", "list"});
    EXPECT_THAT(listed.out, HasSubstr("ADMIN\tAdministrator\tlanguage 1\tcompany 1\t1600 right(s)"));
    EXPECT_THAT(listed.out, HasSubstr("MARIE\tMarie Lavoie\tlanguage 2\tcompany 1\t2 right(s)"));
    EXPECT_THAT(run({"user", "add", "PAUL", "Paul", "other", "--rights", "rcvsales,../x"}).err, HasSubstr("No option of the menus has the code \"../x\""));
    EXPECT_THAT(run({"user", "remove", "ADMIN"}).err, HasSubstr("the last one holding every right"));
    EXPECT_EQ(run({"user", "remove", "MARIE"}).status, 0);
    EXPECT_THAT(run({"user", "remove", "ADMIN"}).err, HasSubstr("The last user cannot be removed"));
}

TEST(OrvantctlPassword, a_password_from_the_standard_input_is_its_line_without_the_line_end)
{
    const std::pair<std::string, std::optional<std::string>> cases[] = {
        {"secret\n", "secret"}, {"secret\r\n", "secret"}, {"two words\nnext\n", "two words"}, {"last", "last"}, {"", std::nullopt},
    };
    for (const auto& [typed, read] : cases) {
        std::istringstream in(typed);
        EXPECT_EQ(ReadPasswordLine(in), read) << typed;
    }
}

TEST(OrvantctlArguments, bad_calls_are_refused_before_anything_is_touched)
{
    const fs::path place = fs::temp_directory_path() / ("orvantctl-args-" + std::to_string(getpid()));
    const std::string dataRoot = (place / "Orvant" / "data").string();
    setenv("ORVANT_REGISTRY", (place.string() + ".ini").c_str(), 1);
    const std::vector<std::vector<std::string>> calls = {
        {},
        {"--data-root"},
        {"--data-root=", "init"},
        {"--data-root", dataRoot, "frobnicate"},
        {"--data-root", dataRoot, "--verbose", "init"},
        {"--data-root", dataRoot, "init", "extra"},
        {"--data-root", dataRoot, "create-company", "2"},
        {"--data-root", dataRoot, "create-company", "0", "Zero"},
        {"--data-root", dataRoot, "create-company", "32768", "Too far"},
        {"--data-root", dataRoot, "check", "1x"},
        {"--data-root", dataRoot, "demo", "-3"},
        {"--data-root", dataRoot, "user", "add", "X", "Name"},
        {"--data-root", dataRoot, "user", "add", "X", "Name", "pw", "--language", "5"},
        {"--data-root", dataRoot, "demo", "--language", "2"},
        {"--data-root", dataRoot, "user", "frobnicate"},
        {"--data-root", dataRoot, "layout", "export"},
        {"--data-root", dataRoot, "layout", "print", "form.txt"},
        {"--data-root", dataRoot, "layout", "import", "form.txt", "--user", "X"},
    };
    for (const auto& call : calls) {
        std::ostringstream out, err;
        std::string shown;
        for (const auto& a : call) shown += a + " ";
        EXPECT_EQ(RunOrvantctl(call, out, err), 2) << shown;
        EXPECT_THAT(err.str(), HasSubstr("Usage: orvantctl")) << shown;
    }
    EXPECT_FALSE(fs::exists(place)) << "nothing was created";
    EXPECT_FALSE(fs::exists(place.string() + ".ini")) << "the registry was not written";

    std::ostringstream out, err;
    EXPECT_EQ(RunOrvantctl({"--help"}, out, err), 0);
    EXPECT_THAT(out.str(), HasSubstr("create-company N NAME"));
    unsetenv("ORVANT_REGISTRY");
}

TEST(OrvantctlRegistry, init_writes_the_data_drive_only_when_the_registry_names_none)
{
    const fs::path place = fs::temp_directory_path() / ("orvantctl-reg-" + std::to_string(getpid()));
    const std::string registryFile = place.string() + ".ini";
    setenv("ORVANT_REGISTRY", registryFile.c_str(), 1);
    std::ostringstream out, err;

    ASSERT_EQ(RunOrvantctl({"--data-root", (place / "Orvant" / "data/").string(), "init"}, out, err), 0) << err.str();
    EXPECT_EQ(Registry(QString::fromStdString(registryFile)).value(kProductSection, u"datadrive").toStdString(), place.string());
    EXPECT_EQ(RunOrvantctl({"demo"}, out, err), 0) << "later calls find the data root through the registry: " << err.str();
    EXPECT_TRUE(fs::exists(place / "Orvant" / "data1"));

    ASSERT_EQ(RunOrvantctl({"--data-root", (place / "elsewhere").string(), "init"}, out, err), 0);
    EXPECT_EQ(Registry(QString::fromStdString(registryFile)).value(kProductSection, u"datadrive").toStdString(), place.string())
        << "a data root named in the registry stays";

    fs::remove_all(place);
    fs::remove(registryFile);
    unsetenv("ORVANT_REGISTRY");
}

}  // namespace
}  // namespace orvant::ctl
