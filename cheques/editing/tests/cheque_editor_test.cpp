// The rules of one cheque as it is typed: the supplier, the items it pays and their amounts, the
// slots that follow the lines, the distribution of a cheque to a payee, the recurring cheques,
// and the taxes per rate, on both engines.

#include "editor_fixture.h"

namespace orvant::cheques::test {
namespace {

using Texts = std::vector<std::string>;

class ChequeEditorRulesTest : public ChequeEditorTest {};
ORVANT_BOOKS_ON_EVERY_ENGINE(ChequeEditorRulesTest);

TEST_P(ChequeEditorRulesTest, a_cheque_to_a_supplier_pays_its_items_with_slots_following_the_lines)
{
    ChequeEditor& e = editor();
    EXPECT_FALSE(e.hasCheque());
    e.insert();
    EXPECT_EQ(e.cheque().words, "NON NEGOTIABLE") << "a cheque of no value cannot be cashed";
    EXPECT_FALSE(e.leaveSupplier("NOBODY"));
    EXPECT_EQ(host.lastMessage(), kNoSuchSupplier);
    EXPECT_EQ(e.cheque().supplier, "");
    e.enterSupplier();
    ASSERT_TRUE(e.leaveSupplier(" a1 ")) << "a code typed in small letters between spaces";
    EXPECT_EQ(e.cheque().name, "Supplier A1");
    EXPECT_EQ(e.cheque().country, "Canada");
    EXPECT_EQ(e.slotAccount(1), kPayable);
    EXPECT_EQ(e.slotAccount(2), kBank);
    EXPECT_FALSE(e.bankEnabled()) << "a supplier is paid from its own bank account";

    host.invoiceToPick = "I1";
    ASSERT_TRUE(e.pickInvoice(0));
    EXPECT_EQ(host.invoicesOffered, (Texts{"I1", "I2", "I4", "I4H"})) << "credits and settled items are typed, not picked";
    EXPECT_EQ(e.cheque().lines[0].amount, amount("100.00"));
    EXPECT_FALSE(e.supplierCodeEditable());
    EXPECT_FALSE(e.leaveSupplier("B2")) << "the lines pay A1's items";
    EXPECT_EQ(e.cheque().supplier, "A1");

    ASSERT_TRUE(e.leaveInvoice(e.addLine(), "C3"));
    EXPECT_EQ(e.cheque().lines[1].amount, amount("-30.00"));
    ASSERT_TRUE(e.setLineDiscount(0, amount("2.00")));
    EXPECT_EQ(e.slotAmount(1), amount("70.00")) << "what the lines settle";
    EXPECT_EQ(e.slotAmount(2), amount("-68.00")) << "the cash paid";
    EXPECT_EQ(e.cheque().words, "Sixty-Eight Dollars");

    const int seq = e.cheque().seq;
    ASSERT_TRUE(e.save(EditorPage::General));
    EXPECT_EQ(e.mode(), EditorMode::Browse);
    const Cheque saved = *stored(seq);
    EXPECT_EQ(saved.lines.size(), 2u);
    EXPECT_EQ(saved.amount, amount("68.00"));
    EXPECT_EQ(saved.slotAmounts[2], amount("-2.00")) << "the discount proposed in slot 3";
    EXPECT_EQ(saved.accounts[2], kDiscount);
    EXPECT_TRUE(saved.taxLines.empty()) << "no taxes per rate: nothing asked";
    EXPECT_TRUE(host.taxesAsked.empty());
}

TEST_P(ChequeEditorRulesTest, items_are_typed_once_and_settled_within_their_open_balance)
{
    ChequeEditor& e = editor();
    e.insert();
    e.leaveSupplier("A1");
    struct Typed {
        const char* invoice;
        bool accepted;
        int message;
    };
    for (const Typed& t : {Typed{"NONE", false, kNoSuchInvoice}, Typed{"I1", true, -1}, Typed{"I1", false, kInvoiceOnCheque},
                           Typed{"I4", true, -1}, Typed{"I4", true, -1}, Typed{"I4", false, kInvoiceOnCheque}, Typed{"C3", true, -1}}) {
        host.messages.clear();
        const int row = e.addLine();
        EXPECT_EQ(e.leaveInvoice(row, t.invoice), t.accepted) << t.invoice;
        EXPECT_EQ(host.lastMessage(), t.message) << t.invoice;
        if (!t.accepted) e.deleteLine(row);
    }
    EXPECT_TRUE(e.cheque().lines[2].holdback) << "an invoice typed again takes its holdback";

    enum Row { I1, I4, I4H, C3 };
    struct Change {
        Row row;
        bool discount;
        const char* value;
        int message;  // -1: accepted
    } changes[] = {
        {I1, false, "120.00", kLineAgainstBalance}, {I1, false, "-10.00", kLineAgainstBalance}, {I1, false, "60.00", -1},
        {I1, true, "-1.00", kDiscountOutOfRange},   {I1, true, "61.00", kDiscountOutOfRange},   {I1, true, "5.00", -1},
        {I1, false, "4.00", kDiscountOutOfRange},   {C3, false, "-40.00", kLineAgainstBalance}, {C3, false, "-20.00", -1},
        {C3, true, "1.00", kDiscountOutOfRange},    {I4H, false, "25.00", kLineAgainstBalance},
    };
    for (const Change& c : changes) {
        host.messages.clear();
        const bool accepted = c.discount ? e.setLineDiscount(c.row, amount(c.value)) : e.setLineAmount(c.row, amount(c.value));
        EXPECT_EQ(accepted, c.message == -1) << c.row << " " << c.value;
        EXPECT_EQ(host.lastMessage(), c.message) << c.row << " " << c.value;
    }
    EXPECT_EQ(e.cheque().lines[I1].amount, amount("60.00")) << "a refused value leaves the former one";
    EXPECT_EQ(e.cheque().lines[I1].discount, amount("5.00"));
    EXPECT_EQ(e.slotAmount(1), amount("140.00"));
    EXPECT_EQ(e.slotAmount(2), amount("-135.00"));
}

TEST_P(ChequeEditorRulesTest, a_line_keeps_its_item_when_its_invoice_is_refused_and_is_never_dropped_with_an_amount)
{
    ChequeEditor& e = editor();
    e.insert();
    ASSERT_TRUE(e.leaveSupplier("A1"));
    ASSERT_TRUE(e.leaveInvoice(e.addLine(), "I4"));
    ASSERT_TRUE(e.leaveInvoice(e.addLine(), "I4"));
    ASSERT_TRUE(e.cheque().lines[1].holdback);
    struct Typed {
        int row;
        const char* invoice;
        int message;  // -1: accepted
    };
    for (const Typed& t : {Typed{1, "I4", -1}, Typed{1, "I9", kNoSuchInvoice}, Typed{0, "I9", kNoSuchInvoice}}) {
        SCOPED_TRACE(::testing::Message() << "row " << t.row << " " << t.invoice);
        host.messages.clear();
        EXPECT_EQ(e.leaveInvoice(t.row, t.invoice), t.message == -1);
        EXPECT_EQ(host.lastMessage(), t.message);
        const ChequeLine& line = e.cheque().lines[static_cast<std::size_t>(t.row)];
        EXPECT_EQ(line.invoice, "I4") << "the line keeps its item";
        EXPECT_EQ(line.holdback, t.row == 1);
        EXPECT_EQ(line.amount, amount(t.row == 1 ? "20.00" : "80.00"));
    }

    ASSERT_TRUE(e.leaveInvoice(0, ""));
    host.messages.clear();
    EXPECT_FALSE(e.save(EditorPage::General)) << "a line with an amount and no invoice";
    EXPECT_EQ(host.messages, std::vector<int>{kLineWithoutInvoice});
    EXPECT_EQ(host.focused, std::make_pair(EditorField::LineInvoice, 0));
    ASSERT_TRUE(e.leaveInvoice(0, "I4"));
    e.addLine();
    const int seq = e.cheque().seq;
    ASSERT_TRUE(e.save(EditorPage::General)) << "an empty line is dropped";
    const Cheque saved = *stored(seq);
    ASSERT_EQ(saved.lines.size(), 2u);
    EXPECT_TRUE(saved.lines[1].holdback);
    EXPECT_EQ(saved.amount, amount("100.00"));
}

TEST_P(ChequeEditorRulesTest, a_discount_taken_after_the_due_date_is_confirmed_also_when_the_date_moves)
{
    ChequeEditor& e = editor();
    e.insert();
    e.leaveSupplier("A1");
    e.leaveInvoice(e.addLine(), "I2");  // due 03-10, before the cheque's date
    e.leaveInvoice(e.addLine(), "I1");  // due 03-20
    struct Row {
        ui::Answer answer;
        bool taken;
    } const rows[] = {{ui::Answer::No, false}, {ui::Answer::Yes, true}};
    for (const Row row : rows) {
        host.messages.clear();
        host.answers = {row.answer};
        EXPECT_EQ(e.setLineDiscount(0, amount("1.00")), row.taken);
        EXPECT_EQ(host.messages, std::vector<int>{kAskLateDiscount});
    }
    host.messages.clear();
    EXPECT_TRUE(e.setLineDiscount(1, amount("2.00"))) << "still due: nothing asked";
    EXPECT_TRUE(e.leaveDate(day(3, 18)));
    EXPECT_TRUE(host.messages.empty()) << "no discount made late";
    for (const Row row : rows) {
        host.messages.clear();
        host.answers = {row.answer};
        EXPECT_EQ(e.leaveDate(day(3, 25)), row.taken);
        EXPECT_EQ(host.messages, std::vector<int>{kAskLateDiscount});
        EXPECT_EQ(e.cheque().date, row.taken ? day(3, 25) : day(3, 18));
    }
}

TEST_P(ChequeEditorRulesTest, a_cheque_to_a_payee_shows_its_distribution_once_then_is_checked_slot_by_slot)
{
    ChequeEditor& e = editor();
    e.insert();
    e.setPayee(PayeeField::Name, "Landlord");
    const int row = e.addLine();
    EXPECT_EQ(e.cheque().lines[0].dueDate, today);
    e.leaveInvoice(row, "MARCH");
    e.setLineAmount(row, amount("500.00"));
    EXPECT_TRUE(e.bankEnabled());
    e.setBank(1);
    EXPECT_EQ(e.slotAccount(2), kSecondBank);
    EXPECT_EQ(e.currency(), 1) << "the second bank account pays in currency 1";

    EXPECT_FALSE(e.save(EditorPage::General)) << "refused once, to show the distribution";
    EXPECT_EQ(host.page, EditorPage::Distribution);
    EXPECT_EQ(e.slotAmount(1), Money());
    EXPECT_EQ(e.slotAmount(4), amount("500.00"));
    EXPECT_EQ(e.slotAmount(2), amount("-500.00"));

    struct Step {
        int slot;
        const char* account;  // typed in the slot, when not null
        const char* amount;   // typed in the slot, when not null
        int fieldMessage;     // of the account's exit; -1 accepted
        bool save;
        int saveMessage;  // -1: saved
    } steps[] = {
        {5, "7777", nullptr, kNoSuchAccount, false, -1},
        {5, "1000", nullptr, kReservedAccount, false, -1},
        {5, "2100", nullptr, kReservedAccount, false, -1},
        {5, nullptr, "10.00", -1, true, kNoSuchAccount},
        {5, "5100", nullptr, -1, true, kOutOfBalance},
        {4, nullptr, "490.00", -1, true, -1},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(::testing::Message() << "slot " << s.slot << " " << (s.account ? s.account : s.amount));
        host.messages.clear();
        if (s.account) {
            EXPECT_EQ(e.leaveSlotAccount(s.slot, s.account), s.fieldMessage == -1);
        }
        if (s.amount) e.setSlotAmount(s.slot, amount(s.amount));
        EXPECT_EQ(host.lastMessage(), s.fieldMessage);
        if (!s.save) continue;
        host.messages.clear();
        EXPECT_EQ(e.save(EditorPage::Distribution), s.saveMessage == -1);
        EXPECT_EQ(host.lastMessage(), s.saveMessage);
    }
    const Cheque saved = *stored(1);
    EXPECT_EQ(saved.accounts[4], kRent);
    EXPECT_EQ(saved.slotAmounts[3], amount("490.00"));
    EXPECT_EQ(saved.words, "Five Hundred Dollars");
}

TEST_P(ChequeEditorRulesTest, changed_lines_propose_the_distribution_again_and_a_deleted_cheque_goes_with_its_lines)
{
    const int seq = savedChequeToA1({"I1"});
    const int second = savedChequeToA1({"I2"});
    ChequeEditor& e = editor();
    e.first();
    e.next();
    EXPECT_EQ(e.cheque().seq, second);
    e.prior();
    ASSERT_EQ(e.cheque().seq, seq);
    ASSERT_TRUE(e.edit());
    e.leaveSlotAccount(5, "5100");
    e.setSlotAmount(5, amount("3.00"));
    e.setSlotAmount(3, amount("-3.00"));
    e.setLineAmount(0, amount("90.00"));
    ASSERT_TRUE(e.save(EditorPage::General));
    EXPECT_EQ(stored(seq)->slotAmounts[4], Money()) << "the slot typed is proposed again from the lines";
    EXPECT_EQ(stored(seq)->slotAmounts[0], amount("90.00"));

    ASSERT_TRUE(e.remove());
    EXPECT_EQ(e.cheque().seq, second) << "the browse moves on";
    EXPECT_EQ(count("SELECT COUNT(*) FROM apchqd WHERE apchqd_seq = ?", {seq}), 0);
    EXPECT_FALSE(stored(seq));
}

TEST_P(ChequeEditorRulesTest, recurring_cheques_take_any_reference_and_refuse_negative_amounts)
{
    ChequeEditor& e = editor(ChequeSet::Recurring);
    e.insert();
    EXPECT_FALSE(e.supplierCodeEditable());
    host.supplierPicked = "B2";
    e.pickPayee();
    EXPECT_EQ(e.cheque().name, "Supplier B2");
    EXPECT_EQ(e.cheque().supplier, "") << "the payee copied, no supplier";
    for (int i = 0; i < 2; ++i) {
        const int row = e.addLine();
        EXPECT_TRUE(e.leaveInvoice(row, "RENT")) << "a reference may repeat";
        EXPECT_TRUE(e.setLineAmount(row, amount("250.00")));
    }
    struct Row {
        bool discount;
        const char* value;
        bool accepted;
    };
    for (const Row row : {Row{false, "-5.00", false}, Row{true, "-1.00", false}, Row{true, "10.00", true}}) {
        host.messages.clear();
        EXPECT_EQ(row.discount ? e.setLineDiscount(1, amount(row.value)) : e.setLineAmount(0, amount(row.value)), row.accepted);
        EXPECT_EQ(host.lastMessage(), row.accepted ? -1 : kNegativeRefused);
    }
    EXPECT_EQ(e.cheque().lines[0].amount, Money()) << "a negative amount goes back to 0";
    EXPECT_EQ(e.cheque().amount, amount("240.00"));
    EXPECT_FALSE(e.save(EditorPage::General));
    e.leaveSlotAccount(4, "5100");
    ASSERT_TRUE(e.save(EditorPage::Distribution));
    EXPECT_EQ(stored(1, ChequeSet::Recurring)->lines.size(), 2u);
    EXPECT_FALSE(stored(1)) << "the cheque list is not touched";
}

TEST_P(ChequeEditorRulesTest, taxes_per_rate_are_asked_on_the_slots_of_tax_accounts)
{
    struct Row {
        int taxSystem;
        std::optional<Money> net;  // typed; nothing: the dialog cancelled
        std::size_t lines;
        Money stored;
    };
    for (const Row row : {Row{0, std::nullopt, 0, Money()}, Row{1, amount("500.00"), 1, amount("500.00")},
                          Row{1, std::nullopt, 1, Money()}}) {
        SCOPED_TRACE(row.taxSystem);
        execute("UPDATE ctrl SET ctrl_taxsystem = ?", {row.taxSystem});
        closeEditor();
        host.taxesAsked.clear();
        host.netTyped = row.net;
        ChequeEditor& e = editor();
        e.insert();
        e.leaveInvoice(e.addLine(), "FEE");
        e.setLineAmount(0, amount("525.00"));
        e.save(EditorPage::General);
        e.setSlotAmount(4, amount("500.00"));
        e.leaveSlotAccount(5, "2200");
        e.setSlotAmount(5, amount("25.00"));
        const int seq = e.cheque().seq;
        ASSERT_TRUE(e.save(EditorPage::Distribution));
        EXPECT_EQ(host.taxesAsked.size(), row.lines);
        const Cheque saved = *stored(seq);
        ASSERT_EQ(saved.taxLines.size(), row.lines);
        if (row.lines == 0) continue;
        EXPECT_EQ(saved.taxLines[0].description, "GST");
        EXPECT_EQ(saved.taxLines[0].taxAmount, amount("25.00"));
        EXPECT_EQ(saved.taxLines[0].totalAmount, row.stored);
        EXPECT_EQ(saved.taxLines[0].type, 4);
    }
}

}  // namespace
}  // namespace orvant::cheques::test
