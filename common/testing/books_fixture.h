#pragma once
// Tests on a company's books, on the engine of the test's parameter: a data root set up, company
// 1 made (a plain one, or the demo company), and its database open. Header-only, over the
// company set-up that the test links.

#include <gtest/gtest.h>

#include <memory>

#include "company/company_creation.h"
#include "company/data_root_setup.h"
#include "company/demo_company.h"
#include "testing/temp_data_root.h"

namespace orvant::testing {

class BooksTest : public ::testing::TestWithParam<Engine> {
protected:
    enum class Company { Plain, Demo };
    explicit BooksTest(Company company = Company::Plain) : company_(company) {}

    void SetUp() override
    {
        root_ = std::make_unique<TempDataRoot>(GetParam());
        ORVANT_REQUIRE_ENGINE(*root_);
        installation_ = {root_->path(), root_->config()};
        company::SetupDataRoot(installation_);
        if (company_ == Company::Demo) company::MakeDemoCompany(installation_, 1);
        else company::CreateCompany(installation_, 1, "Books");
        books_ = company::OpenCompany(installation_, 1);
    }

    std::unique_ptr<TempDataRoot> root_;
    company::Installation installation_;
    std::unique_ptr<store::Database> books_;

private:
    Company company_;
};

}  // namespace orvant::testing

#define ORVANT_BOOKS_ON_EVERY_ENGINE(Suite) \
    INSTANTIATE_TEST_SUITE_P(Engines, Suite, ::testing::ValuesIn(::orvant::testing::allEngines()), ::orvant::testing::engineName)
