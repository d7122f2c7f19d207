// A master record changed on one workstation while others post and change it.

#include <gtest/gtest.h>

#include "shared/record_editor.h"
#include "shared/reference_checks.h"
#include "store/error.h"
#include "store/query.h"
#include "testing/queried_books_test.h"

namespace orvant::masters {
namespace {

class RecordEditorTest : public testing::QueriedBooksTest {
protected:
    RecordEditorTest() : QueriedBooksTest(Company::Demo) {}

    Money balance(const char* code) { return money("SELECT cli_current_bal FROM cli WHERE cli_code = ?", {code}); }

    static bool accept(RecordEditor&) { return true; }
};

TEST_P(RecordEditorTest, BrowsesInCodeOrder)
{
    RecordEditor clients(*books_, "cli", "Cli_code");
    ASSERT_TRUE(clients.first());
    EXPECT_EQ(clients.text("Cli_code"), "ABC100");
    EXPECT_FALSE(clients.prior()) << "nothing before the first";
    EXPECT_EQ(clients.text("Cli_code"), "ABC100");
    ASSERT_TRUE(clients.next());
    EXPECT_EQ(clients.text("Cli_code"), "BEL200");
    ASSERT_TRUE(clients.last());
    EXPECT_EQ(clients.text("Cli_code"), "WES500");
    EXPECT_FALSE(clients.next());
    ASSERT_TRUE(clients.find("HAR300"));
    EXPECT_EQ(clients.text("Cli_name"), "Harbour Marine Supply");
    EXPECT_FALSE(clients.find("NOBODY"));
    EXPECT_EQ(clients.text("Cli_code"), "HAR300") << "a code not found keeps the record shown";
}

TEST_P(RecordEditorTest, SavingWritesOnlyTheFieldsThisScreenChanged)
{
    RecordEditor clients(*books_, "cli", "Cli_code");
    ASSERT_TRUE(clients.find("ABC100"));
    clients.beginEdit();
    clients.set("Cli_name", "ABC Construction (2026) Ltd.");
    clients.set("Cli_comments", "Pays on the 15th");
    // Meanwhile, another workstation posts a sale and puts the client on hold.
    execute("UPDATE cli SET cli_current_bal = ?, cli_credit_hold = ?, cli_comments = 'theirs' WHERE cli_code = 'ABC100'",
            {Money::fromUnits(115), true});
    EXPECT_EQ(clients.save(accept), RecordEditor::Saved::Done);
    EXPECT_EQ(scalar("SELECT cli_name FROM cli WHERE cli_code = 'ABC100'").asString(), "ABC Construction (2026) Ltd.");
    EXPECT_EQ(balance("ABC100"), Money::fromUnits(115)) << "the posted balance stays";
    EXPECT_TRUE(scalar("SELECT cli_credit_hold FROM cli WHERE cli_code = 'ABC100'").asBool());
    EXPECT_EQ(scalar("SELECT cli_comments FROM cli WHERE cli_code = 'ABC100'").asString(), "Pays on the 15th")
        << "a field this screen changed is this screen's";
    EXPECT_EQ(clients.state(), EditState::Browse);
    EXPECT_EQ(clients.money("Cli_current_bal"), Money::fromUnits(115)) << "the screen shows the record as saved";
}

TEST_P(RecordEditorTest, ChecksSeeTheRecordReadAgainAndARefusalWritesNothing)
{
    RecordEditor clients(*books_, "cli", "Cli_code");
    clients.find("ABC100");
    clients.beginEdit();
    clients.set("Cli_name", "Changed");
    execute("UPDATE cli SET cli_email = 'ap@abc.example' WHERE cli_code = 'ABC100'");
    std::string seen;
    EXPECT_EQ(clients.save([&](RecordEditor& record) {
        seen = record.text("Cli_email");
        return false;
    }),
              RecordEditor::Saved::Refused);
    EXPECT_EQ(seen, "ap@abc.example");
    EXPECT_EQ(clients.state(), EditState::Edit) << "the screen stays in edit";
    EXPECT_EQ(scalar("SELECT cli_name FROM cli WHERE cli_code = 'ABC100'").asString(), "ABC Construction Ltd.");
    clients.cancel();
    EXPECT_EQ(clients.text("Cli_name"), "ABC Construction Ltd.");
}

TEST_P(RecordEditorTest, ANewCodeInsertedMeanwhileIsRefusedNotMerged)
{
    RecordEditor mine(*books_, "cli", "Cli_code"), theirs(*books_, "cli", "Cli_code");
    for (RecordEditor* editor : {&mine, &theirs}) {
        editor->first();
        editor->beginInsert({{"Cli_date_created", Date::today()}});
        editor->set("Cli_code", "NEW100");
    }
    theirs.set("Cli_name", "Theirs");
    mine.set("Cli_name", "Mine");
    EXPECT_EQ(theirs.save(accept), RecordEditor::Saved::Done);
    EXPECT_EQ(mine.save(accept), RecordEditor::Saved::KeyExists);
    EXPECT_EQ(mine.state(), EditState::Insert) << "the screen keeps what was typed";
    EXPECT_EQ(scalar("SELECT cli_name FROM cli WHERE cli_code = 'NEW100'").asString(), "Theirs");
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM cli WHERE cli_code = 'NEW100'").asInt(), 1);
    mine.cancel();
    EXPECT_EQ(mine.text("Cli_code"), "ABC100") << "cancel goes back to the record shown before";
}

TEST_P(RecordEditorTest, APartyWithEntriesIsNeverDeleted)
{
    const auto root = company::OpenDataRoot(installation_);
    References references(*books_, *root);
    execute("INSERT INTO carh (car_client, car_invoice, car_ref, car_type, car_amount, car_seq) VALUES ('BEL200', 'OLD', '', '1', 0, 1)");
    RecordEditor clients(*books_, "cli", "Cli_code");
    clients.find("BEL200");
    const auto mayDelete = [&](const std::string& code) { return !references.clientHasEntries(code); };
    EXPECT_EQ(clients.remove(mayDelete), RecordEditor::Deleted::Refused) << "entries in the history only";
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM cli WHERE cli_code = 'BEL200'").asInt(), 1);

    clients.find("HAR300");
    EXPECT_EQ(clients.remove(mayDelete), RecordEditor::Deleted::Done);
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM cli WHERE cli_code = 'HAR300'").asInt(), 0);
    EXPECT_EQ(clients.text("Cli_code"), "NOR400") << "the next client is shown";

    clients.find("WES500");
    execute("DELETE FROM cli WHERE cli_code = 'WES500'");
    EXPECT_EQ(clients.remove(mayDelete), RecordEditor::Deleted::Gone);
}

TEST_P(RecordEditorTest, ASaveWaitsForTheRecordAndCanBeGivenUp)
{
    RecordEditor clients(*books_, "cli", "Cli_code");
    clients.find("ABC100");
    clients.beginEdit();
    clients.set("Cli_name", "Changed");
    store::Table elsewhere(*books_, "cli");
    elsewhere.open();
    elsewhere.findKey({"ABC100"});
    elsewhere.edit();
    int waits = 0;
    store::LockRetry retry;
    retry.waiting = [&](const store::StoreError&) { ++waits; };
    retry.cancelled = [&] { return waits >= 3; };
    EXPECT_THROW(clients.save(accept, retry), store::StoreError);
    EXPECT_EQ(waits, 3);
    EXPECT_EQ(clients.state(), EditState::Edit);
    elsewhere.cancel();
    EXPECT_EQ(clients.save(accept, retry), RecordEditor::Saved::Done);
    EXPECT_EQ(scalar("SELECT cli_name FROM cli WHERE cli_code = 'ABC100'").asString(), "Changed");
}

ORVANT_BOOKS_ON_EVERY_ENGINE(RecordEditorTest);

}  // namespace
}  // namespace orvant::masters
