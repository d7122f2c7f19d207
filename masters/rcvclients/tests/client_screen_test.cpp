// Client maintenance driven as its form drives it, with the user's answers scripted.

#include <gtest/gtest.h>

#include "company/company_creation.h"
#include "rcvclients/client_screen.h"
#include "store/error.h"
#include "store/query.h"
#include "scripted_client_host.h"
#include "testing/queried_books_test.h"

namespace orvant::masters {
namespace {

class ClientScreenTest : public testing::QueriedBooksTest {
protected:
    ClientScreenTest() : QueriedBooksTest(Company::Demo) {}

    void SetUp() override
    {
        QueriedBooksTest::SetUp();
        if (IsSkipped()) return;
        root_ = company::OpenDataRoot(installation_);
    }

    ClientScreen& screen(bool international = false)
    {
        if (!screen_) {
            screen_ = std::make_unique<ClientScreen>(*books_, *root_, host, host, false, international);
            screen_->start();
        }
        return *screen_;
    }

    std::int64_t termsDays(int terms)
    {
        store::Query query(*root_, "SELECT arterms_days FROM arterms WHERE arterms_code = ?");
        query.bind(0, terms);
        query.open();
        return query.field(0).asInt();
    }

    // A new client with every required reference, not yet saved.
    void typeNewClient(const char* code)
    {
        screen().insert();
        screen().leaveCode(code);
        screen().set("Cli_name", "New client");
        screen().set("Cli_postal_code", "H2X 1Y4");
        screen().set("Cli_salesrep", "JD");
        screen().leaveTerms("1", false);
    }

    ScriptedHost host;
    std::unique_ptr<store::Database> root_;
    std::unique_ptr<ClientScreen> screen_;
};

TEST_P(ClientScreenTest, ACodeTypedLeadsToThatClientOrIsRefusedAndANewOneIsSavedWithItsDefaults)
{
    execute("UPDATE ctrl SET ctrl_arcopies = 2");
    screen().leaveCode("NOBODY");
    EXPECT_EQ(host.lastMessage(), kNoSuchCode);
    screen().insert();
    screen().leaveCode("BEL200");
    EXPECT_EQ(screen().state(), EditState::Edit);
    EXPECT_EQ(screen().record().text("Cli_name"), "Bélanger et fils inc.");
    EXPECT_EQ(host.lastFocus(), "Cli_name");
    screen().cancel();
    host.messages.clear();
    typeNewClient("NEW100");
    screen().post();
    EXPECT_TRUE(host.messages.empty()) << host.lastMessage();
    EXPECT_EQ(screen().state(), EditState::Browse);
    EXPECT_EQ(scalar("SELECT cli_name FROM cli WHERE cli_code = 'NEW100'").asString(), "New client");
    EXPECT_EQ(scalar("SELECT cli_du_days FROM cli WHERE cli_code = 'NEW100'").asInt(), termsDays(1)) << "the terms' days";
    EXPECT_EQ(scalar("SELECT cli_copies FROM cli WHERE cli_code = 'NEW100'").asInt(), 2);
    EXPECT_TRUE(scalar("SELECT cli_tax_fed FROM cli WHERE cli_code = 'NEW100'").asBool());
    EXPECT_EQ(scalar("SELECT cli_language FROM cli WHERE cli_code = 'NEW100'").asString(), "1");
    EXPECT_EQ(scalar("SELECT cli_current_bal FROM cli WHERE cli_code = 'NEW100'").asInt(), 0) << "numbers start at 0";
    EXPECT_EQ(host.lastFocus(), kNavigator);
}

TEST_P(ClientScreenTest, TheSaveChecksEachReferenceInTurn)
{
    struct Refusal {
        const char* field;
        store::Value wrong, right;
        int message;
        int page;
    };
    const Refusal refusals[] = {
        {"Cli_salesrep", "ZZ", "JD", kNoSuchSalesman, kControlPage},
        {"Cli_terr", "ZZZ", "", kNoSuchTerritory, kControlPage},
        {"Cli_terms", 77, 1, kNoSuchTerms, kControlPage},
        {"Cli_charge_to", "NOBODY", "ABC100", kNoSuchBillTo, kControlPage},
        {"Cli_postal_code", "", "H2X 1Y4", kNoPostalCode, kGeneralPage},
        {"Cli_accnt2", 999999, 0, kNoSuchAccount, kControlPage},
    };
    typeNewClient("  NEW200 ");  // saved without its blanks
    for (const Refusal& refusal : refusals) {
        SCOPED_TRACE(refusal.field);
        screen().set(refusal.field, refusal.wrong);
        screen().post();
        EXPECT_EQ(host.lastMessage(), refusal.message);
        EXPECT_EQ(host.lastFocus(), refusal.field);
        EXPECT_EQ(host.page, refusal.page);
        screen().set(refusal.field, refusal.right);
    }
    screen().set("Cli_email_statement", true);
    screen().post();
    EXPECT_EQ(host.lastMessage(), kNoEmail);
    EXPECT_EQ(host.page, kGeneralPage) << "the e-mail is on the first page";
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM cli WHERE cli_code = 'NEW200'").asInt(), 0) << "nothing saved while refused";
    screen().set("Cli_email", "ap@new.example");
    const auto shown = host.messages.size();
    screen().post();
    EXPECT_EQ(host.messages.size(), shown);
    EXPECT_EQ(scalar("SELECT cli_charge_to FROM cli WHERE cli_code = 'NEW200'").asString(), "ABC100");
}

TEST_P(ClientScreenTest, DueDaysComeFromTheTermsAndStayInRange)
{
    root_->connection().execute("INSERT INTO arterms (arterms_code, arterms_desc, arterms_days) VALUES (9, 'Odd', 950)");
    typeNewClient("NEW300");
    screen().leaveTerms("9", false);
    screen().post();
    EXPECT_EQ(host.lastMessage(), kDueDaysOutOfRange);
    screen().leaveTerms("2", false);
    EXPECT_EQ(screen().record().number("Cli_du_days"), termsDays(2));
    screen().leaveTerms("77", false);
    EXPECT_EQ(host.lastMessage(), kNoSuchTerms);
    EXPECT_EQ(host.lastFocus(), "Cli_terms");
}

TEST_P(ClientScreenTest, FieldsAreCheckedOnLeavingUnlessTheFocusGoesToTheirListButton)
{
    struct Check { const char *field, *wrong, *right; void (ClientScreen::*leave)(bool skipCheck); int message; };
    const Check checks[] = {
        {"Cli_salesrep", "", "JD", &ClientScreen::leaveSalesman, kNoSalesman},
        {"Cli_salesrep", "ZZ", "JD", &ClientScreen::leaveSalesman, kNoSuchSalesman},
        {"Cli_terr", "ZZZ", "N", &ClientScreen::leaveTerritory, kNoSuchTerritory},
        {"Cli_charge_to", "NOBODY", "BEL200", &ClientScreen::leaveBillTo, kNoSuchBillTo},
    };
    screen().first();
    screen().edit();
    for (const Check& check : checks) {
        SCOPED_TRACE(check.wrong);
        host.messages.clear();
        screen().set(check.field, check.wrong);
        (screen().*check.leave)(true);
        EXPECT_TRUE(host.messages.empty()) << "towards its list button";
        (screen().*check.leave)(false);
        EXPECT_EQ(host.lastMessage(), check.message);
        EXPECT_EQ(host.lastFocus(), check.field);
        screen().set(check.field, check.right);
        (screen().*check.leave)(false);
        EXPECT_EQ(host.messages.size(), 1u);
    }
    screen().leaveAccount(1, "", false);
    EXPECT_EQ(host.lastMessage(), kNoSuchAccount) << "an empty account box";
    screen().set("Cli_language", "3");
    screen().leaveLanguage();
    EXPECT_EQ(host.lastFocus(), "Cli_language");
}

TEST_P(ClientScreenTest, PassingThroughAFieldChangesNothingAnotherWorkstationSaved)
{
    screen().first();
    screen().edit();
    execute("UPDATE cli SET cli_terms = 2, cli_accnt1 = 4020 WHERE cli_code = 'ABC100'");  // meanwhile
    screen().leaveTerms("1", true);   // the box still shows what the screen read
    screen().leaveAccount(1, "4000", true);
    screen().set("Cli_contact", "Louise");
    screen().post();
    EXPECT_EQ(scalar("SELECT cli_terms FROM cli WHERE cli_code = 'ABC100'").asInt(), 2);
    EXPECT_EQ(scalar("SELECT cli_accnt1 FROM cli WHERE cli_code = 'ABC100'").asInt(), 4020);
    EXPECT_EQ(scalar("SELECT cli_contact FROM cli WHERE cli_code = 'ABC100'").asString(), "Louise");
}

TEST_P(ClientScreenTest, ARefusedSaveHoldsNoLockWhileItsMessageIsShown)
{
    screen().first();
    screen().edit();
    screen().set("Cli_salesrep", "ZZ");
    bool lockable = false;
    host.onMessage = [&] {
        store::Table elsewhere(*books_, "cli");
        elsewhere.open();
        elsewhere.findKey({"ABC100"});
        try {
            elsewhere.edit();
            elsewhere.cancel();
            lockable = true;
        } catch (const store::StoreError&) {
        }
    };
    screen().post();
    EXPECT_EQ(host.lastMessage(), kNoSuchSalesman);
    EXPECT_TRUE(lockable) << "another workstation can post to the client while the message waits";
}

TEST_P(ClientScreenTest, ACancelledPickerChangesNothing)
{
    screen().first();
    screen().edit();
    host.territoryPicked = "";
    screen().pickTerritory();
    EXPECT_EQ(screen().record().text("Cli_terr"), "N");
    host.termsPicked = 0;
    screen().pickTerms();
    EXPECT_EQ(screen().record().number("Cli_terms"), 1);
    host.clientPicked = "";
    screen().pickBillTo();
    EXPECT_EQ(screen().record().text("Cli_charge_to"), "");
    host.accountPicked = 0;
    screen().pickAccount(1);
    EXPECT_EQ(screen().record().number("Cli_accnt1"), 4000);
    host.salesmanPicked = "SL";
    screen().pickSalesman();
    EXPECT_EQ(screen().record().text("Cli_salesrep"), "SL");
}

TEST_P(ClientScreenTest, UnderTaxesPerRateTheFirstTwelveLinesSetTheirTaxFields)
{
    execute("UPDATE ctrl SET ctrl_taxsystem = 1");
    for (int code = 3; code <= 13; ++code)
        execute("INSERT INTO taxrates (taxrates_code, taxrates_description, taxrates_rate, taxrates_account) VALUES (?, ?, 1, 2200)",
                {code, "Rate " + std::to_string(code)});
    screen().first();
    ASSERT_EQ(screen().taxLines().size(), 13u);
    EXPECT_EQ(screen().taxLines()[2].field, "Cli_tax3");
    EXPECT_EQ(screen().taxLines()[11].field, "Cli_tax12");
    EXPECT_EQ(screen().taxLines()[12].field, "") << "a thirteenth line has no field of its own";
    screen().edit();
    screen().setTaxLine(2, true);
    screen().setTaxLine(12, true);
    screen().setTaxLine(11, true);
    EXPECT_TRUE(screen().record().flag("Cli_tax12"));
    screen().post();
    EXPECT_TRUE(host.messages.empty()) << host.lastMessage();
    EXPECT_TRUE(scalar("SELECT cli_tax3 FROM cli WHERE cli_code = 'ABC100'").asBool());
}

TEST_P(ClientScreenTest, DeletingAsksFirstAndRefusesAClientWithEntries)
{
    execute("INSERT INTO carh (car_client, car_invoice, car_ref, car_type, car_amount, car_seq) VALUES ('ABC100', 'OLD', '', '1', 0, 1)");
    screen().first();
    host.answers = {ui::Answer::No};
    screen().remove();
    EXPECT_EQ(host.lastMessage(), kConfirmDelete);
    host.answers = {ui::Answer::Yes};
    screen().remove();
    EXPECT_EQ(host.lastMessage(), kHasEntries) << "entries in the history only";
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM cli WHERE cli_code = 'ABC100'").asInt(), 1);
    screen().next();
    host.answers = {ui::Answer::Yes};
    screen().remove();
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM cli WHERE cli_code = 'BEL200'").asInt(), 0);
}

TEST_P(ClientScreenTest, InternationalSettingsNeedNoPostalCode)
{
    screen(true);
    typeNewClient("INT100");
    screen().set("Cli_postal_code", "");
    screen().post();
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM cli WHERE cli_code = 'INT100'").asInt(), 1);
}

ORVANT_BOOKS_ON_EVERY_ENGINE(ClientScreenTest);

}  // namespace
}  // namespace orvant::masters
