// The cheque editor beside other workstations on the same books, on both engines: the list held
// in use against a rebuild, no supplier item paid by two cheques, a cheque changed or deleted
// elsewhere left as it is, and a printed cheque's number voided when it changes.

#include "cheque_list_lock.h"
#include "editor_fixture.h"
#include "store/error.h"

namespace orvant::cheques::test {
namespace {

class ChequeEditorWorkstationsTest : public ChequeEditorTest {
protected:
    std::unique_ptr<ChequeEditor> openOther(store::Database& books, ScriptedHost& otherHost)
    {
        return std::make_unique<ChequeEditor>(books, ChequeSet::List, otherHost, session, [this] { return today; });
    }
    // Another workstation shows the last cheque, `seq`, then deletes it or names its payee "Changed there".
    void changeElsewhere(store::Database& books, int seq, bool deleteIt)
    {
        ScriptedHost otherHost;
        const auto theirs = openOther(books, otherHost);
        theirs->last();
        ASSERT_EQ(theirs->cheque().seq, seq);
        if (deleteIt) {
            ASSERT_TRUE(theirs->remove());
            return;
        }
        ASSERT_TRUE(theirs->edit());
        theirs->setPayee(PayeeField::Name, "Changed there");
        ASSERT_TRUE(theirs->save(EditorPage::General));
    }
    std::string registered(int number)
    {
        return scalar("SELECT apchqno_state FROM apchqno WHERE apchqno_bank = 1 AND apchqno_number = ?", {number}).asString();
    }
};
ORVANT_BOOKS_ON_EVERY_ENGINE(ChequeEditorWorkstationsTest);

TEST_P(ChequeEditorWorkstationsTest, the_list_in_use_by_an_editor_refuses_a_rebuild_naming_who_uses_it)
{
    editor();
    const auto other = otherWorkstation();
    try {
        ChequeListLock::take(*other, ChequeListUse::Exclusive);
        FAIL() << "a rebuild while the editor is open";
    } catch (const store::StoreError& error) {
        EXPECT_EQ(error.code(), store::errc::kRecordLocked);
        EXPECT_NE(std::string(error.what()).find("Lead"), std::string::npos) << error.what();
    }
    closeEditor();
    const ChequeListLock rebuilding = ChequeListLock::take(*other, ChequeListUse::Exclusive);
    EXPECT_THROW(editor(), store::StoreError) << "no editor opens on a list being rebuilt";
    EXPECT_NO_THROW(editor(ChequeSet::Recurring)) << "the recurring cheques are not the list";
}

TEST_P(ChequeEditorWorkstationsTest, no_supplier_item_is_paid_by_two_cheques)
{
    savedChequeToA1({"I1"});
    ChequeEditor& mine = editor();
    mine.insert();
    mine.leaveSupplier("A1");
    host.invoiceToPick = "I1";
    EXPECT_FALSE(mine.pickInvoice(0));
    EXPECT_EQ(host.invoicesOffered, (std::vector<std::string>{"I2", "I4", "I4H"})) << "the item paid elsewhere is not offered";
    host.messages.clear();
    EXPECT_FALSE(mine.leaveInvoice(mine.addLine(), "I1"));
    EXPECT_EQ(host.messages, std::vector<int>{kItemOnOtherCheque});
    mine.deleteLine(0);

    // Two workstations type the same item at once: the second to save is refused.
    const auto books = otherWorkstation();
    ScriptedHost otherHost;
    const auto theirs = openOther(*books, otherHost);
    theirs->insert();
    theirs->leaveSupplier("A1");
    ASSERT_TRUE(theirs->leaveInvoice(theirs->addLine(), "I2"));
    ASSERT_TRUE(mine.leaveInvoice(mine.addLine(), "I2"));
    ASSERT_TRUE(theirs->save(EditorPage::General));
    host.messages.clear();
    EXPECT_FALSE(mine.save(EditorPage::General));
    EXPECT_EQ(host.messages, std::vector<int>{kItemOnOtherCheque});
    EXPECT_EQ(mine.mode(), EditorMode::Insert) << "the cheque stays typed";
    EXPECT_EQ(count("SELECT COUNT(*) FROM apchqd WHERE apchqd_invoice = 'I2'"), 1);
    EXPECT_NE(theirs->cheque().seq, 0);
    EXPECT_EQ(count("SELECT COUNT(*) FROM apchqh"), 2) << "both new cheques took sequences of their own";
}

TEST_P(ChequeEditorWorkstationsTest, a_cheque_changed_or_deleted_elsewhere_since_it_was_shown_is_not_saved_over)
{
    struct Row {
        bool deleteIt;
        int message;
        const char* nameAfter;  // null: the cheque is gone
    };
    const auto books = otherWorkstation();
    for (const Row row : {Row{false, kChangedElsewhere, "Changed there"}, Row{true, kDeletedElsewhere, nullptr}}) {
        SCOPED_TRACE(row.message);
        closeEditor();
        const int seq = savedChequeToA1({"I1"});
        ChequeEditor& mine = editor();
        ASSERT_TRUE(mine.edit());
        ASSERT_NO_FATAL_FAILURE(changeElsewhere(*books, seq, row.deleteIt));
        mine.setPayee(PayeeField::Name, "Changed here");
        host.messages.clear();
        EXPECT_FALSE(mine.save(EditorPage::General));
        EXPECT_EQ(host.messages, std::vector<int>{row.message});
        EXPECT_EQ(mine.mode(), EditorMode::Browse);
        const std::optional<Cheque> now = stored(seq);
        ASSERT_EQ(now.has_value(), row.nameAfter != nullptr);
        if (now) {
            EXPECT_EQ(now->name, row.nameAfter);
            EXPECT_EQ(mine.cheque().name, row.nameAfter) << "shown again as stored";
        }
    }
}

TEST_P(ChequeEditorWorkstationsTest, a_cheque_changed_elsewhere_while_browsed_is_edited_or_deleted_as_it_now_stands)
{
    struct Row {
        const char* invoice;
        bool deletedThere, deleteHere;
        bool done;
        std::vector<int> messages;
    };
    const Row rows[] = {{"I1", false, false, true, {}},
                        {"I2", true, false, false, {kDeletedElsewhere}},
                        {"I4", false, true, true, {kAskDelete}},
                        {"I2", true, true, false, {kDeletedElsewhere}}};
    const auto books = otherWorkstation();
    for (const Row& row : rows) {
        SCOPED_TRACE(::testing::Message() << row.invoice << (row.deletedThere ? " deleted" : " changed") << " there");
        const int seq = savedChequeToA1({row.invoice});
        ASSERT_NO_FATAL_FAILURE(changeElsewhere(*books, seq, row.deletedThere));
        ChequeEditor& mine = editor();
        ASSERT_EQ(mine.cheque().seq, seq) << "still shown here";
        host.messages.clear();
        EXPECT_EQ(row.deleteHere ? mine.remove() : mine.edit(), row.done);
        EXPECT_EQ(host.messages, row.messages);
        if (!row.done || row.deleteHere) {
            EXPECT_FALSE(stored(seq));
            continue;
        }
        EXPECT_EQ(mine.cheque().name, "Changed there");
        mine.setPayee(PayeeField::Address1, "Typed here");
        ASSERT_TRUE(mine.save(EditorPage::General)) << "what was typed here is kept";
        EXPECT_EQ(stored(seq)->name, "Changed there");
        EXPECT_EQ(stored(seq)->address1, "Typed here");
    }
}

TEST_P(ChequeEditorWorkstationsTest, a_printed_cheque_that_changes_or_goes_has_its_number_voided)
{
    const int changed = savedChequeToA1({"I1"});
    const int removed = savedChequeToA1({"I2"});
    execute("UPDATE apchqh SET apchqh_cheque = '501' WHERE apchqh_seq = ?", {changed});
    execute("UPDATE apchqh SET apchqh_cheque = '502 ' WHERE apchqh_seq = ?", {removed});  // as a form may leave it
    ChequeEditor& e = editor();
    e.first();
    host.answers = {ui::Answer::No};
    EXPECT_FALSE(e.edit()) << "the user keeps the printed cheque";
    EXPECT_EQ(host.lastMessage(), kAskVoidNumber);

    ASSERT_TRUE(e.edit());
    ASSERT_TRUE(e.save(EditorPage::General));
    EXPECT_EQ(stored(changed)->number, "501") << "saved unchanged, it keeps its number";

    ASSERT_TRUE(e.edit());
    e.setLineAmount(0, amount("60.00"));
    ASSERT_TRUE(e.save(EditorPage::General));
    EXPECT_EQ(stored(changed)->number, "");
    EXPECT_EQ(stored(changed)->amount, amount("60.00"));
    EXPECT_EQ(registered(501), "V");

    e.last();
    ASSERT_EQ(e.cheque().seq, removed);
    ASSERT_TRUE(e.remove());
    EXPECT_FALSE(stored(removed));
    EXPECT_EQ(registered(502), "V");
}

}  // namespace
}  // namespace orvant::cheques::test
