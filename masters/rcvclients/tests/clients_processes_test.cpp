// Client maintenance beside other workstations: a posting while a client is open in edit, a
// delete racing a posting, two screens creating the same code.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include <filesystem>
#include <fstream>

#include "company/books_check.h"
#include "company/company_creation.h"
#include "scripted_client_host.h"
#include "settings/registry.h"
#include "store/query.h"
#include "testing/queried_books_test.h"
#include "testing/processes.h"

namespace orvant::masters {
namespace {

namespace fs = std::filesystem;

class ClientsBesideWorkstations : public testing::QueriedBooksTest {
protected:
    ClientsBesideWorkstations() : QueriedBooksTest(Company::Demo) {}

    void SetUp() override
    {
        QueriedBooksTest::SetUp();
        if (IsSkipped() || HasFatalFailure()) return;
        root_ = company::OpenDataRoot(installation_);
        work_ = BooksTest::root_->path() + "-work";
        fs::create_directories(work_);
        registry_ = work_ + "/registry.ini";
        Registry(QString::fromStdString(registry_))
            .setValue(kProductSection, u"store", QString::fromStdString(BooksTest::root_->config().postgres));
    }
    void TearDown() override
    {
        if (!work_.empty()) fs::remove_all(work_);
    }

    std::unique_ptr<ClientScreen> screen(store::Database& books, ScriptedHost& host)
    {
        auto screen = std::make_unique<ClientScreen>(books, *root_, host, host, false, true);
        screen->start();
        return screen;
    }

    // Another workstation posts a sale of 115.00 to the client; its process.
    pid_t postSale(const std::string& client, const std::string& invoice)
    {
        const std::string file = work_ + "/" + invoice + ".jsonl";
        std::ofstream(file) << R"({"client": ")" << client << R"(", "invoice": ")" << invoice
                            << R"(", "date": "2026-03-10", "rows": [{"account": 1100, "debit": "115.00"}, {"account": 4000, "credit": "115.00"}]})"
                            << "\n";
        return orvant::testing::StartProgram(ORVANT_CTL, {"--data-root", BooksTest::root_->path(), "post", "sales", file},
                                             {"ORVANT_REGISTRY=" + registry_, "HOME=" + work_}, file + ".out");
    }

    std::unique_ptr<store::Database> root_;
    std::string work_, registry_;
};

TEST_P(ClientsBesideWorkstations, ASalePostedWhileTheClientIsOpenInEditKeepsItsBalance)
{
    ScriptedHost host;
    auto clients = screen(*books_, host);
    clients->edit();  // the first client, ABC100
    ASSERT_EQ(clients->state(), EditState::Edit);
    clients->set("Cli_name", "ABC Construction (Montréal) Ltd.");

    const pid_t posting = postSale("ABC100", "E1");
    ASSERT_GT(posting, 0);
    EXPECT_EQ(orvant::testing::ExitStatus(posting), 0) << orvant::testing::FileContents(work_ + "/E1.jsonl.out")
                                                       << "the posting goes through while the screen is in edit";
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM car WHERE car_client = 'ABC100'").asInt(), 1);

    clients->post();
    EXPECT_TRUE(host.messages.empty()) << host.lastMessage();
    EXPECT_EQ(scalar("SELECT cli_name FROM cli WHERE cli_code = 'ABC100'").asString(), "ABC Construction (Montréal) Ltd.");
    store::Query balance(*books_, "SELECT cli_current_bal, cli_sales_ytd FROM cli WHERE cli_code = 'ABC100'");
    balance.open();
    EXPECT_EQ(balance.field(0).asMoney(), Money::fromUnits(115));
    EXPECT_EQ(balance.field(1).asMoney(), Money::fromUnits(115));
}

// Both orders of a delete and a posting on one client, forced by holding the client's record
// while the other waits for it.
TEST_P(ClientsBesideWorkstations, ADeleteRacingAPostingLeavesTheClientWithItsEntryOrNeither)
{
    const auto addClient = [&](const std::string& code) {
        store::Query insert(*books_, "INSERT INTO cli (cli_code, cli_name, cli_salesrep, cli_terms, cli_du_days, cli_current_bal, "
                                     "cli_currency, cli_credit_hold, cli_postal_code) VALUES (?, 'Racing client', 'JD', 1, 30, 0, 0, ?, 'H2X 1Y4')");
        insert.bind(0, code);
        insert.bind(1, false);
        insert.execute();
    };
    const auto count = [&](const std::string& sql, const std::string& code) {
        store::Query query(*books_, sql);
        query.bind(0, code);
        query.open();
        return query.value(0).asInt();
    };

    // The posting first: the delete, waiting for the client, finds its entry and refuses.
    addClient("RACE1");
    ScriptedHost host;
    host.answers = {ui::Answer::Yes};
    auto clients = screen(*books_, host);
    clients->leaveCode("RACE1");
    clients->cancel();
    {
        store::Table held(*books_, "cli");  // the posting's workstation holds the client
        held.open();
        held.findKey({"RACE1"});
        held.edit();
        const pid_t posting = postSale("RACE1", "R1");
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        held.cancel();
        EXPECT_EQ(orvant::testing::ExitStatus(posting), 0) << orvant::testing::FileContents(work_ + "/R1.jsonl.out");
    }
    clients->remove();
    EXPECT_EQ(host.lastMessage(), kHasEntries);
    EXPECT_EQ(count("SELECT COUNT(*) FROM cli WHERE cli_code = ?", "RACE1"), 1);
    EXPECT_EQ(count("SELECT COUNT(*) FROM car WHERE car_client = ?", "RACE1"), 1);

    // The delete first: the posting, waiting for the client, finds it gone and posts nothing.
    addClient("RACE2");
    {
        store::Table held(*books_, "cli");
        held.open();
        held.findKey({"RACE2"});
        held.edit();
        const pid_t posting = postSale("RACE2", "R2");
        std::this_thread::sleep_for(std::chrono::milliseconds(300));  // it checked the client, then waits
        store::Transaction transaction(*books_);
        held.deleteRecord();
        transaction.commit();
        EXPECT_EQ(orvant::testing::ExitStatus(posting), 2);
        EXPECT_THAT(orvant::testing::FileContents(work_ + "/R2.jsonl.out"), ::testing::HasSubstr("1 refused"));
    }
    EXPECT_EQ(count("SELECT COUNT(*) FROM cli WHERE cli_code = ?", "RACE2"), 0);
    EXPECT_EQ(count("SELECT COUNT(*) FROM car WHERE car_client = ?", "RACE2"), 0);
    EXPECT_TRUE(company::CheckBooks(installation_, 1).clean());
}

TEST_P(ClientsBesideWorkstations, TwoScreensCreatingTheSameCodeMakeOneClient)
{
    auto otherBooks = company::OpenCompany(installation_, 1);  // the other workstation's connection
    ScriptedHost mine, theirs;
    auto myScreen = screen(*books_, mine);
    auto theirScreen = screen(*otherBooks, theirs);
    for (auto [s, name] : {std::pair{myScreen.get(), "Mine"}, std::pair{theirScreen.get(), "Theirs"}}) {
        s->insert();
        s->leaveCode("DUP100");
        s->set("Cli_name", name);
        s->set("Cli_salesrep", "JD");
        s->leaveTerms("1", false);
    }
    theirScreen->post();
    myScreen->post();
    EXPECT_TRUE(theirs.messages.empty());
    EXPECT_EQ(mine.lastMessage(), kCodeTakenMeanwhile);
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM cli WHERE cli_code = 'DUP100'").asInt(), 1);
    EXPECT_EQ(scalar("SELECT cli_name FROM cli WHERE cli_code = 'DUP100'").asString(), "Theirs");
}

ORVANT_BOOKS_ON_EVERY_ENGINE(ClientsBesideWorkstations);

}  // namespace
}  // namespace orvant::masters
