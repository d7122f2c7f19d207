// The undo screen driven directly over the demo company's books, on both engines: the question
// that lists the whole cascade before anything goes, the refusals named, the same item undone
// from two screens, the supplier typed, and the report of what was undone.

#include <deque>
#include <optional>

#include "cheque_list_lock.h"
#include "undo_fixture.h"
#include "undo_screen.h"

namespace orvant::vndundo {
namespace {

using company::demo::kOfficeSupplies;

struct Shown {
    int number;
    QStringList arguments;
};

class FakeHost : public UndoHost {
public:
    ui::Answer message(int number, ui::MessageKind kind, const QStringList& arguments) override
    {
        shown.push_back({number, arguments});
        if (kind != ui::MessageKind::Question) return ui::Answer::Ok;
        const ui::Answer answer = answers.empty() ? ui::Answer::No : answers.front();
        if (!answers.empty()) answers.pop_front();
        return answer;
    }
    void focus(UndoField field) override { focused.push_back(field); }
    void refresh() override {}
    std::string pickSupplier() override { return picked; }
    void waiting(const QString& text) override { waits << text; }
    bool waitCancelled() override { return !waits.isEmpty() && giveUpWaiting; }
    void waitOver() override { ++waitsOver; }
    void working(bool on) override { workingSteps.push_back(on); }
    bool output(report::ReportOutput, const report::ReportDocument& document) override
    {
        sent = document;
        return false;
    }

    std::vector<int> numbers() const
    {
        std::vector<int> n;
        for (const Shown& s : shown) n.push_back(s.number);
        return n;
    }

    std::vector<Shown> shown;
    std::deque<ui::Answer> answers;
    std::vector<UndoField> focused;
    std::vector<bool> workingSteps;
    std::string picked;
    std::optional<report::ReportDocument> sent;
    QStringList waits;
    bool giveUpWaiting = true;
    int waitsOver = 0;
};

class UndoScreenTest : public testing::UndoTest {
protected:
    // A purchase of BUR100, a credit note on it, and a payment of it that also pays a second
    // invoice, all posted as the entry screens post them; MAP300's purchase waits on the list of
    // cheques.
    void SetUp() override
    {
        UndoTest::SetUp();
        if (IsSkipped()) return;
        purchase("BUR100", "P1", "100.00");
        purchase("BUR100", "P2", "80.00");
        purchase("BUR100", "P3", "50.00");
        creditNote("BUR100", "P1", "CN1", "20.00");
        disbursement("BUR100", "CHQ1", R"({"invoice": "P2", "amount": "30.00"}, {"invoice": "P3", "amount": "50.00"})", "80.00");
        purchase("MAP300", "M1", "70.00");
        execute("INSERT INTO apchqd (apchqd_seq, apchqd_inc, apchqd_fou, apchqd_invoice, apchqd_montant) VALUES (1, 1, 'MAP300', 'M1', 700000)");
    }

    // A type (and a holdback) is named T and its number; every message shows its number and its
    // arguments.
    std::unique_ptr<UndoScreen> screen(FakeHost& host, bool intl = false)
    {
        UndoSetup setup;
        setup.dateFormat = "YYYY-MM-DD";
        setup.user = "CLERK";
        setup.companyName = "Orvant Demo Inc.";
        setup.intl = intl;
        setup.now = [] { return DateTime(*Date::fromYmd(2026, 4, 15), 9 * 3600 * 1000); };
        return std::make_unique<UndoScreen>(host, *books_, setup, DeletedReportTexts::fromTable(lang::LanguageTable("none")),
                                            [](int n) {
                                                return n <= kPaymentName || n == kHoldbackName ? "T" + QString::number(n)
                                                                                                : QString::number(n) + ":%1 %2 %3 %4 %5";
                                            });
    }

    static int rowOf(const UndoScreen& s, const char* invoice, const char* reference)
    {
        const auto& items = s.statement();
        for (std::size_t r = 0; r < items.size(); ++r)
            if (items[r].invoice == invoice && items[r].reference == reference) return static_cast<int>(r);
        return -1;
    }

    static const auto& currentCode(const UndoScreen& s) { return s.suppliers()[static_cast<std::size_t>(s.currentSupplier())].code; }

    // A screen on `supplier` whose host answers the question with `answer`.
    std::unique_ptr<UndoScreen> screenOn(FakeHost& host, const char* supplier, ui::Answer answer = ui::Answer::Yes, bool intl = false)
    {
        host.answers = {answer};
        auto s = screen(host, intl);
        EXPECT_TRUE(s->leaveSupplierCode(supplier));
        EXPECT_EQ(currentCode(*s), supplier);
        return s;
    }
};

TEST_P(UndoScreenTest, TheQuestionListsTheCascadeAndOnlyYesUndoesIt)
{
    struct Case {
        const char* name;
        const char* supplier;
        const char* invoice;
        const char* reference;
        ui::Answer answer;
        std::vector<int> messages;      // shown, in order
        int refusal;                    // the reason given with message 6, or -1
        QStringList questionHolds;      // lines the question holds
        std::int64_t itemsLeft;         // the supplier's items afterwards
        bool handedToLedger = false;    // the journal already carried to the general ledger
        bool heldBack = false;          // BUR100's purchase H1 keeps a holdback of 10.00
    };
    const std::vector<Case> cases{
        {"a purchase with its credit note", "BUR100", "P1", "", ui::Answer::Yes, {kConfirmUndo}, -1,
         {"18:T0 P1  2026-03-10", "18:T2 P1 CN1 2026-03-10", "22:"}, 4},
        {"a purchase already in the general ledger names its period", "BUR100", "P1", "", ui::Answer::Yes, {kConfirmUndo}, -1,
         {"18:T0 P1", "20:4"}, 4, true},
        {"No leaves everything", "BUR100", "P1", "", ui::Answer::No, {kConfirmUndo}, -1, {"18:T0 P1"}, 6},
        {"a purchase whose payment also paid another invoice reopens it", "BUR100", "P2", "", ui::Answer::Yes, {kConfirmUndo}, -1,
         {"18:T0 P2", "18:T4 P2 CHQ1", "18:T4 P3 CHQ1", "19:P3"}, 3},
        {"the payment alone", "BUR100", "P3", "CHQ1", ui::Answer::Yes, {kConfirmUndo}, -1, {"18:T4 P2 CHQ1", "18:T4 P3 CHQ1"}, 4},
        {"a credit note goes only with its invoice", "BUR100", "P1", "CN1", ui::Answer::Yes, {kRefused}, kFirstRefusalReason + 1, {}, 6},
        {"an invoice on the list of cheques", "MAP300", "M1", "", ui::Answer::Yes, {kRefused}, kFirstRefusalReason + 5, {}, 1},
        {"a purchase with its holdback names the holdback", "BUR100", "H1", "", ui::Answer::No, {kConfirmUndo}, -1,
         {"18:T0 H1", "18:T27 H1"}, 8, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TearDown();
        SetUp();
        if (c.handedToLedger) handToLedger();
        if (c.heldBack) purchase("BUR100", "H1", "100.00", "2026-03-10", "10.00");
        FakeHost host;
        auto s = screenOn(host, c.supplier, c.answer);
        const int row = rowOf(*s, c.invoice, c.reference);
        ASSERT_GE(row, 0);
        const bool undone = s->undoItem(row);

        EXPECT_EQ(host.numbers(), c.messages);
        EXPECT_EQ(undone, c.answer == ui::Answer::Yes && c.refusal < 0);
        if (c.refusal >= 0) {
            EXPECT_TRUE(host.shown.front().arguments.value(0).startsWith(QString::number(c.refusal) + ":"))
                << host.shown.front().arguments.join("|").toStdString();
            EXPECT_EQ(host.focused.back(), UndoField::StatementGrid);
        }
        const QString question = c.refusal < 0 ? host.shown.front().arguments.value(0) : QString();
        for (const QString& line : c.questionHolds) EXPECT_TRUE(question.contains(line)) << line.toStdString() << " in\n" << question.toStdString();
        EXPECT_EQ(count("SELECT COUNT(*) FROM cap WHERE cap_supplier = '" + std::string(c.supplier) + "'"), c.itemsLeft);
        EXPECT_EQ(static_cast<std::int64_t>(s->statement().size()), c.itemsLeft) << "the statement is read again";
        EXPECT_EQ(host.workingSteps, (undone ? std::vector<bool>{true, false} : std::vector<bool>{}));
    }
}

// Two workstations show the same purchase; the second to say Yes is refused and nothing goes twice.
TEST_P(UndoScreenTest, TheSameItemUndoneFromTwoScreensGoesOnce)
{
    FakeHost first, second;
    auto a = screenOn(first, "BUR100");
    auto b = screenOn(second, "BUR100");
    const int row = rowOf(*b, "P1", "");
    ASSERT_TRUE(a->undoItem(rowOf(*a, "P1", "")));
    EXPECT_FALSE(b->undoItem(row));
    EXPECT_EQ(second.numbers(), std::vector<int>{kRefused});
    EXPECT_EQ(count("SELECT COUNT(*) FROM cvndundo"), 2);
    EXPECT_EQ(rowOf(*b, "P1", ""), -1) << "the second screen shows the statement as it now is";
}

// Another workstation holds what the undo needs (the supplier, the list of cheques rebuilt, the
// purchase's line of a cheque being saved, the numbering during another undo): the user is told
// what and by whom, gives up, and nothing is removed.
TEST_P(UndoScreenTest, AnUndoWaitingForAnotherWorkstationCanBeGivenUp)
{
    enum class Held { Supplier, ChequeList, ChequeLine, Numbering };
    const struct {
        Held held;
        int message;
    } rows[] = {
        {Held::Supplier, kWaitingForSupplier},
        {Held::ChequeList, kWaitingForChequeList},
        {Held::ChequeLine, kWaitingForChequeLine},
        {Held::Numbering, kWaitingForUndo},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.message);
        const auto otherWorkstation = company::OpenCompany(installation_, 1);
        store::Table suppliers(*otherWorkstation, "sup"), chequeLines(*otherWorkstation, "apchqd"), undone(*otherWorkstation, "cvndundo");
        for (store::Table* table : {&suppliers, &chequeLines, &undone}) table->open();
        std::unique_ptr<store::LockHandle> key;
        std::optional<cheques::ChequeListLock> list;
        switch (row.held) {
        case Held::Supplier:
            ASSERT_TRUE(suppliers.findKey({std::string("BUR100")}));
            suppliers.edit();
            break;
        case Held::ChequeList: list.emplace(cheques::ChequeListLock::take(*otherWorkstation, cheques::ChequeListUse::Exclusive)); break;
        case Held::ChequeLine: key = chequeLines.holdKey({std::string("BUR100"), std::string("P1"), false}); break;
        case Held::Numbering: key = undone.holdKey({std::string(), 0}); break;
        }

        FakeHost host;
        auto s = screenOn(host, "BUR100");
        EXPECT_FALSE(s->undoItem(rowOf(*s, "P1", "")));
        ASSERT_FALSE(host.waits.isEmpty());
        EXPECT_TRUE(host.waits.front().startsWith(QString::number(row.message) + ":")) << host.waits.front().toStdString();
        EXPECT_EQ(host.waitsOver, 1);
        EXPECT_EQ(host.numbers(), std::vector<int>{kConfirmUndo}) << "giving up is no refusal";
        EXPECT_EQ(count("SELECT COUNT(*) FROM cap WHERE cap_supplier = 'BUR100'"), 6);
        EXPECT_EQ(count("SELECT COUNT(*) FROM cvndundo"), 0);
        if (suppliers.state() == store::TableState::Edit) suppliers.cancel();
    }
}

TEST_P(UndoScreenTest, ASupplierIsChosenByItsCodeTypedOrPicked)
{
    FakeHost host;
    auto s = screen(host);
    EXPECT_EQ(currentCode(*s), s->suppliers().front().code);
    EXPECT_FALSE(s->leaveSupplierCode("NOBODY"));
    EXPECT_EQ(host.numbers(), std::vector<int>{kUnknownSupplier});
    EXPECT_EQ(host.focused, std::vector<UndoField>{UndoField::Supplier});
    host.picked = "MAP300";
    s->pickSupplier();
    EXPECT_EQ(currentCode(*s), "MAP300");
    EXPECT_EQ(s->statement().size(), 1u);
    EXPECT_TRUE(s->leaveSupplierCode(" bur100 ")) << "typed in lower case, with blanks";
    EXPECT_EQ(s->statement().size(), 6u);
}

// The report lists the removed items with who removed them and when, their lines, and their count.
TEST_P(UndoScreenTest, TheReportOfTheUndoneTransactions)
{
    struct Case {
        bool intl;
        const char* taxTitle;
    };
    for (const Case& c : {Case{false, "Gst"}, Case{true, "Tax 1"}}) {
        SCOPED_TRACE(c.taxTitle);
        TearDown();
        SetUp();
        FakeHost host;
        auto s = screenOn(host, "BUR100", ui::Answer::Yes, c.intl);
        ASSERT_TRUE(s->undoItem(rowOf(*s, "P1", "")));
        ASSERT_EQ(s->undone().items.size(), 2u);
        s->chooseUndone(1);
        EXPECT_TRUE(s->currentLines().empty()) << "the lines of one invoice and date are listed under its first item";
        s->chooseUndone(0);
        EXPECT_EQ(s->currentLines().size(), 4u) << "the purchase's and its credit note's";

        s->run(report::ReportOutput::Preview);
        ASSERT_TRUE(host.sent);
        QStringList texts;
        for (const report::ReportPage& page : host.sent->pages) texts << page.texts();
        const QString all = texts.join("\n");
        for (const QString& expected : {QString("Deleted transactions - accounts payable"), QString("Deleted by"), QString("Time deleted"),
                                        QString(c.taxTitle), QString("CN1"), QString("CLERK"), QString("Date : 2026-04-15 09:00:00"),
                                        QString("Account %1").arg(kOfficeSupplies), QString("Transactions deleted: 2")})
            EXPECT_TRUE(all.contains(expected)) << expected.toStdString() << " in\n" << all.toStdString();
        EXPECT_EQ(host.sent->table.rows.size(), 2u) << "one exported row per transaction";
    }
}

ORVANT_BOOKS_ON_EVERY_ENGINE(UndoScreenTest);

}  // namespace
}  // namespace orvant::vndundo
