// The receivable accounts by currency, read from a demo company's control record.

#include <gtest/gtest.h>

#include "books/control_account_table.h"
#include "company/company_creation.h"
#include "company/data_root_setup.h"
#include "company/demo_company.h"
#include "testing/temp_data_root.h"

namespace orvant {
namespace {

TEST(ControlAccountTable, knows_each_currencys_account_and_each_accounts_currency)
{
    testing::TempDataRoot root(testing::Engine::Sqlite);
    const company::Installation installation{root.path(), root.config()};
    company::SetupDataRoot(installation);
    company::MakeDemoCompany(installation, 1);
    const auto books = company::OpenCompany(installation, 1);
    store::Table control(*books, "ctrl");
    control.open();
    control.first();
    control.edit();
    control.field("Ctrl_ar_curr3") = 1120;  // foreign currency 2
    control.post();

    const ControlAccountTable receivables(Ledger::Receivables, control);
    EXPECT_EQ(receivables.accountFor(0), 1100);
    EXPECT_EQ(receivables.accountFor(2), 1120);
    EXPECT_FALSE(receivables.accountFor(1).has_value()) << "no account for currency 1";
    EXPECT_FALSE(receivables.accountFor(5).has_value());
    EXPECT_EQ(receivables.currencyOf(1120), 2);
    EXPECT_TRUE(receivables.isControlAccount(1100));
    EXPECT_FALSE(receivables.isControlAccount(0)) << "0 is no account, though currency 1 has none";
    EXPECT_FALSE(receivables.isControlAccount(4000));

    const ControlAccountTable payables(Ledger::Payables, control);
    EXPECT_EQ(payables.accountFor(0), 2100);
    EXPECT_FALSE(payables.isControlAccount(1100));
}

}  // namespace
}  // namespace orvant
