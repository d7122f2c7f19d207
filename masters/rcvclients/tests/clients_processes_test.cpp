// Client maintenance beside other workstations: a posting while a client is open in edit, a
// delete racing a posting, two screens creating the same code.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "company/books_check.h"
#include "company/company_creation.h"
#include "scripted_client_host.h"
#include "settings/registry.h"
#include "store/query.h"
#include "testing/books_fixture.h"
#include "testing/processes.h"

namespace orvant::masters {
namespace {

namespace fs = std::filesystem;

class ClientsBesideWorkstations : public testing::BooksTest {
protected:
    ClientsBesideWorkstations() : BooksTest(Company::Demo) {}

    void SetUp() override
    {
        BooksTest::SetUp();
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

    store::Value value(const std::string& sql)
    {
        store::Query query(*books_, sql);
        query.open();
        return query.eof() ? store::Value() : query.value(0);
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
    EXPECT_EQ(value("SELECT COUNT(*) FROM car WHERE car_client = 'ABC100'").asInt(), 1);

    clients->post();
    EXPECT_TRUE(host.messages.empty()) << host.lastMessage();
    EXPECT_EQ(value("SELECT cli_name FROM cli WHERE cli_code = 'ABC100'").asString(), "ABC Construction (Montréal) Ltd.");
    store::Query balance(*books_, "SELECT cli_current_bal, cli_sales_ytd FROM cli WHERE cli_code = 'ABC100'");
    balance.open();
    EXPECT_EQ(balance.field(0).asMoney(), Money::fromUnits(115));
    EXPECT_EQ(balance.field(1).asMoney(), Money::fromUnits(115));
}

TEST_P(ClientsBesideWorkstations, ADeleteRacingAPostingLeavesTheClientWithItsEntryOrNeither)
{
    for (int round = 0; round < 6; ++round) {
        const std::string code = "RACE" + std::to_string(round);
        store::Query insert(*books_, "INSERT INTO cli (cli_code, cli_name, cli_salesrep, cli_terms, cli_du_days, cli_current_bal, "
                                     "cli_currency, cli_credit_hold) VALUES (?, 'Racing client', 'JD', 1, 30, 0, 0, ?)");
        insert.bind(0, code);
        insert.bind(1, false);
        insert.execute();
        ScriptedHost host;
        host.answers = {ui::Answer::Yes};
        auto clients = screen(*books_, host);
        clients->leaveCode(code);
        clients->cancel();
        const pid_t posting = postSale(code, "R" + std::to_string(round));
        clients->remove();
        orvant::testing::ExitStatus(posting);

        const bool clientThere = value("SELECT COUNT(*) FROM cli WHERE cli_code = '" + code + "'").asInt() == 1;
        const auto entries = value("SELECT COUNT(*) FROM car WHERE car_client = '" + code + "'").asInt();
        EXPECT_EQ(entries, clientThere ? 1 : 0) << code;
    }
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
    EXPECT_EQ(value("SELECT COUNT(*) FROM cli WHERE cli_code = 'DUP100'").asInt(), 1);
    EXPECT_EQ(value("SELECT cli_name FROM cli WHERE cli_code = 'DUP100'").asString(), "Theirs");
}

ORVANT_BOOKS_ON_EVERY_ENGINE(ClientsBesideWorkstations);

}  // namespace
}  // namespace orvant::masters
