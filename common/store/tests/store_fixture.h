#pragma once
// Every store test runs on both engines, each in a data root of its own.

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "store/database.h"
#include "store/error.h"
#include "store/table.h"
#include "test_tables.h"
#include "testing/temp_data_root.h"

namespace orvant::store::test {

class StoreTest : public ::testing::TestWithParam<testing::Engine> {
protected:
    void SetUp() override
    {
        root_ = std::make_unique<testing::TempDataRoot>(GetParam());
        ORVANT_REQUIRE_ENGINE(*root_);
        db_ = connect();
        for (const auto& def : {clientsTable(), ledgerTable(), journalTable(), scratchTable()}) db_->createTable(def);
    }

    // A second connection to the same company directory: another workstation.
    std::unique_ptr<Database> connect()
    {
        return std::make_unique<Database>("company", root_->companyDir(1), root_->config(), true);
    }

    void addClient(Table& t, const std::string& code, const std::string& name, Money balance = {})
    {
        t.insert();
        t.field("Code") = code;
        t.field("Name") = name;
        t.field("Balance") = balance;
        t.post();
    }

    // A journal header of period 1, journal 1, with nothing in its totals.
    void addJournalHeader(Table& t, const std::string& reference, Date date)
    {
        t.insert();
        t.field("Period") = 1;
        t.field("Journal") = 1;
        t.field("Reference") = reference;
        t.field("Date") = date;
        t.field("TotDebit") = Money();
        t.post();
    }

    void addEntry(Table& t, const std::string& client, const std::string& invoice, Date due, Money amount)
    {
        t.insert();
        t.field("Client") = client;
        t.field("Invoice") = invoice;
        t.field("Due") = due;
        t.field("Amount") = amount;
        t.post();
    }

    static Date day(int y, int m, int d) { return *Date::fromYmd(y, m, d); }

    std::unique_ptr<testing::TempDataRoot> root_;
    std::unique_ptr<Database> db_;
};

// The store error's code that the action throws; 0 when it throws none.
inline int codeOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const StoreError& e) {
        return e.code();
    }
    return 0;
}

#define ORVANT_ON_EVERY_ENGINE(Suite) \
    INSTANTIATE_TEST_SUITE_P(Engines, Suite, ::testing::ValuesIn(::orvant::testing::allEngines()), ::orvant::testing::engineName)

}  // namespace orvant::store::test
