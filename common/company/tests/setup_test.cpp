// Setting up a data root, creating companies and the demo company, on both engines.

#include <gtest/gtest.h>

#include "company/company_creation.h"
#include "company/data_root_setup.h"
#include "company/demo_company.h"
#include "company/users.h"
#include "store/query.h"
#include "store/table.h"
#include "store/tables/catalog.h"
#include "testing/temp_data_root.h"

namespace orvant::company {
namespace {

class SetupTest : public ::testing::TestWithParam<testing::Engine> {
protected:
    void SetUp() override
    {
        root_ = std::make_unique<testing::TempDataRoot>(GetParam());
        ORVANT_REQUIRE_ENGINE(*root_);
        installation_ = {root_->path(), root_->config()};
    }

    std::int64_t count(store::Database& db, const std::string& table)
    {
        store::Query q(db, "SELECT COUNT(*) FROM " + table);
        q.open();
        return q.value(0).asInt();
    }

    std::unique_ptr<testing::TempDataRoot> root_;
    Installation installation_;
};
INSTANTIATE_TEST_SUITE_P(Engines, SetupTest, ::testing::ValuesIn(testing::allEngines()), testing::engineName);

TEST_P(SetupTest, setting_up_a_data_root_twice_changes_nothing_the_second_time)
{
    EXPECT_FALSE(SetupDataRoot(installation_).empty());
    EXPECT_TRUE(SetupDataRoot(installation_).empty());

    const auto root = OpenDataRoot(installation_);
    for (const store::TableDef* def : store::tablesOf(store::TableHome::DataRoot)) EXPECT_TRUE(root->tableExists(def->name)) << def->name;
    EXPECT_EQ(count(*root, "user"), 1);
    EXPECT_EQ(count(*root, "languages"), 2);

    const auto first = FindUserByPassword(*root, kFirstUserPassword);
    ASSERT_TRUE(first.has_value());
    EXPECT_EQ(first->rights, std::string(200, '\xff')) << "every right, every byte kept";
    store::Table languages(*root, "Languages.DB");
    languages.open();
    ASSERT_TRUE(languages.findKey({2}));
    EXPECT_EQ(languages.field("LangCode").asString(), "fr");
    EXPECT_EQ(languages.field("LangName").asString(), "Français");
}

TEST_P(SetupTest, a_new_company_has_every_table_a_control_record_and_twelve_periods)
{
    SetupDataRoot(installation_);
    CreateCompany(installation_, 12, "Bélanger & Fils");
    ASSERT_TRUE(CompanyExists(installation_, 12));
    EXPECT_FALSE(CompanyExists(installation_, 1));

    const auto books = OpenCompany(installation_, 12);
    EXPECT_EQ(books->directory(), root_->path() + "12");
    for (const store::TableDef* def : store::tablesOf(store::TableHome::Company)) EXPECT_TRUE(books->tableExists(def->name)) << def->name;
    EXPECT_EQ(count(*books, "ctrl"), 1);
    store::Table control(*books, "ctrl");
    control.open();
    control.first();
    EXPECT_EQ(control.field("Ctrl_periods").asInt(), 12);
    EXPECT_EQ(control.field("Ctrl_ar_period").asInt(), Date::today().month());
    EXPECT_EQ(control.field("Ctrl_ar_days2").asInt(), 60);
    store::Table periods(*books, "periods");
    periods.open();
    ASSERT_TRUE(periods.findKey({9}));
    EXPECT_EQ(periods.field("Period_mth").asString(), "September");
    EXPECT_EQ(periods.recordCount(), 12);

    const auto root = OpenDataRoot(installation_);
    store::Table companies(*root, "comp");
    companies.open();
    ASSERT_TRUE(companies.findKey({12}));
    EXPECT_EQ(companies.field("Comp_Name").asString(), "Bélanger & Fils");
}

TEST_P(SetupTest, a_refused_company_request_writes_nothing)
{
    EXPECT_THROW(CreateCompany(installation_, 1, "Before init"), SetupError);
    EXPECT_THROW(OpenDataRoot(installation_), SetupError);
    SetupDataRoot(installation_);

    EXPECT_THROW(CreateCompany(installation_, 0, "Zero"), SetupError);
    EXPECT_THROW(CreateCompany(installation_, kLastCompanyNumber + 1, "Too far"), SetupError);
    EXPECT_THROW(CreateCompany(installation_, 2, ""), SetupError);
    EXPECT_THROW(CreateCompany(installation_, 2, std::string(61, 'x')), SetupError);
    EXPECT_FALSE(CompanyExists(installation_, 2));
    EXPECT_THROW(OpenCompany(installation_, 2), SetupError);

    std::string sixtyAccented;
    for (int i = 0; i < 60; ++i) sixtyAccented += "é";
    EXPECT_NO_THROW(CreateCompany(installation_, 2, sixtyAccented)) << "the width counts characters, not bytes";
    EXPECT_THROW(CreateCompany(installation_, 2, "Again"), SetupError);
    EXPECT_EQ(count(*OpenDataRoot(installation_), "comp"), 1);
}

TEST_P(SetupTest, the_demo_company_is_ready_to_post_and_is_made_only_once)
{
    SetupDataRoot(installation_);
    MakeDemoCompany(installation_, 1);
    const auto books = OpenCompany(installation_, 1);
    EXPECT_EQ(count(*books, "cli"), 5);
    EXPECT_EQ(count(*books, "sup"), 4);
    EXPECT_EQ(count(*books, "taxrates"), 2);

    // Every account the control record names exists in the chart.
    store::Table control(*books, "ctrl");
    store::Table accounts(*books, "glm");
    control.open();
    accounts.open();
    control.first();
    for (const char* field : {"Ctrl_ar_accnt", "Ctrl_ap_accnt", "Ctrl_fed_tax_accnt", "Ctrl_Pro_tax_accnt", "Ctrl_bank_accnt1", "Ctrl_sales_accnt1"}) {
        const auto account = control.field(field).asInt();
        EXPECT_NE(account, 0) << field;
        EXPECT_TRUE(accounts.findKey({account})) << field;
    }
    EXPECT_THROW(MakeDemoCompany(installation_, 1), SetupError);
    EXPECT_EQ(count(*books, "cli"), 5);
}

}  // namespace
}  // namespace orvant::company
