// The cheque list screen driven directly over the demo company's books, on both engines: its
// fields, the build on Print while "create a new list" is ticked (the list held elsewhere, cheques
// numbered by an unposted printing, voided only as the user saw them), and the report it sends out.

#include <deque>
#include <functional>
#include <utility>

#include "cheque_list_lock.h"
#include "cheque_list_screen.h"
#include "store/backend.h"
#include "store/query.h"
#include "testing/queried_books_test.h"

namespace orvant::vndcheqlist {
namespace {

struct Shown {
    int number;
    QStringList arguments;
};

class FakeHost : public ChequeListHost {
public:
    // Questions take the scripted answers in turn; other messages are acknowledged.
    ui::Answer message(int number, ui::MessageKind kind, const QStringList& arguments) override
    {
        shown.push_back({number, arguments});
        if (kind != ui::MessageKind::Question || answers.empty()) return ui::Answer::Ok;
        if (whileAsked) std::exchange(whileAsked, {})();
        const ui::Answer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void focus(ChequeListField field) override { focused.push_back(field); }
    void refresh() override {}
    void setBusy(bool on) override { busy.push_back(on); }
    void progress(int, int) override { ++progressSteps; }
    void progressOver() override {}
    std::string pickSupplier() override
    {
        const std::string code = picks.empty() ? "" : picks.front();
        if (!picks.empty()) picks.pop_front();
        return code;
    }
    bool output(ChequeListOutput, const report::ReportDocument& document, bool) override
    {
        sent = document;
        return false;
    }

    std::vector<Shown> shown;
    std::deque<ui::Answer> answers;
    std::function<void()> whileAsked;  // what another workstation does while the next question waits
    std::vector<ChequeListField> focused;
    std::vector<bool> busy;
    int progressSteps = 0;
    std::deque<std::string> picks;
    std::optional<report::ReportDocument> sent;
};

class ChequeListScreenTest : public testing::QueriedBooksTest {
protected:
    ChequeListScreenTest() : QueriedBooksTest(Company::Demo) {}

    void SetUp() override
    {
        QueriedBooksTest::SetUp();
        if (IsSkipped()) return;
        // Two invoices of Maple Leaf, one of them half paid, and one of Bureau Plus; Hydro's is due later.
        execute("INSERT INTO cap (cap_supplier, cap_invoice, cap_ref, cap_date, cap_type, cap_du_date, cap_amount, cap_seq) VALUES "
                "('MAP300', 'M-1', '', '2026-03-01', '1', '2026-03-31', 3000000, 1), "
                "('MAP300', 'M-2', '', '2026-03-05', '1', '2026-04-04', 1000000, 2), "
                "('MAP300', 'M-2', 'P-1', '2026-03-10', '3', '2026-03-10', -500000, 3), "
                "('BUR100', 'B-1', '', '2026-03-02', '1', '2026-04-01', 1234500, 4), "
                "('HYD200', 'H-1', '', '2026-04-01', '1', '2026-05-31', 990000, 5)");
    }

    std::unique_ptr<ChequeListScreen> screen()
    {
        ChequeListSetup setup;
        setup.dateFormat = "YYYY-MM-DD";
        setup.today = *Date::fromYmd(2026, 4, 15);
        setup.user = "Administrator";
        setup.companyName = "Orvant Demo Inc.";
        setup.userName = "Administrator";
        auto s = std::make_unique<ChequeListScreen>(host_, *books_, setup, ChequeReportTexts::fromTable(lang::LanguageTable("none")),
                                                    [](int n) { return n == kNumberedChequeMessage ? QString("%1 %2") : QString::number(n); });
        s->choices().chequeDate = "2026-04-15";
        s->choices().dueBefore = "2026-04-30";
        return s;
    }

    // Prints a new list; the texts of the report sent out.
    QStringList printNewList(ChequeListScreen& s)
    {
        s.createNewListChanged(true);
        host_.sent.reset();
        s.run(ChequeListOutput::Print);
        QStringList texts;
        if (host_.sent)
            for (const report::ReportPage& page : host_.sent->pages) texts << page.texts();
        return texts;
    }

    FakeHost host_;
};
ORVANT_BOOKS_ON_EVERY_ENGINE(ChequeListScreenTest);

TEST_P(ChequeListScreenTest, the_fields_keep_their_rules)
{
    auto s = screen();
    struct Row {
        const char* what;
        QString chequeDate, dueBefore;
        bool accepted;
        std::vector<ChequeListField> focus;
    } rows[] = {
        {"both dates read", "2026-04-15", "2026-04-30", true, {}},
        {"a cheque date that does not exist", "2026-02-31", "2026-04-30", false, {ChequeListField::ChequeDate}},
        {"a due date left half typed", "2026-04-15", "2026-04-", false, {ChequeListField::DueBefore}},
    };
    for (const Row& row : rows) {
        host_.focused.clear();
        s->choices().chequeDate = row.chequeDate;
        s->choices().dueBefore = row.dueBefore;
        EXPECT_EQ(s->leaveChequeDate() && s->leaveDueBefore(), row.accepted) << row.what;
        EXPECT_EQ(host_.focused, row.focus) << row.what;
    }
    host_.focused.clear();
    EXPECT_FALSE(s->run(ChequeListOutput::Preview));
    EXPECT_FALSE(host_.sent) << "no report while a date does not read";

    host_.picks = {"MAP300", "", "BUR100", "BUR100", "TEL400"};
    s->pickFromSupplier();
    s->pickToSupplier();
    EXPECT_EQ(s->choices().fromSupplier, "MAP300");
    EXPECT_EQ(s->choices().toSupplier, "") << "a cancelled pick keeps the field";
    s->addSupplier();
    s->addSupplier();
    s->addSupplier();
    EXPECT_EQ(s->choices().suppliers, (std::vector<std::string>{"BUR100", "TEL400"})) << "a supplier is listed once";
    s->removeSupplier(0);
    s->removeSupplier(5);
    EXPECT_EQ(s->choices().suppliers, (std::vector<std::string>{"TEL400"}));

    s->choices().includeRecurring = true;
    s->createNewListChanged(true);
    EXPECT_TRUE(host_.shown.empty()) << "an empty list is replaced without a word";
    s->createNewListChanged(false);
    EXPECT_FALSE(s->choices().includeRecurring);
}

TEST_P(ChequeListScreenTest, a_new_list_pays_what_is_due_and_prints_its_totals)
{
    auto s = screen();
    const QStringList texts = printNewList(*s);
    EXPECT_EQ(host_.busy, (std::vector<bool>{true, false})) << "the buttons are off while the list is built and printed";
    EXPECT_GT(host_.progressSteps, 0);
    ASSERT_FALSE(texts.isEmpty());
    for (const char* expected : {"List of cheques to be issued", "Apply discount date 2026-04-15",
                                 "Transactions due up to this date: 2026-04-30", "Cheque 1   BUR100   Bureau Plus",
                                 "Cheque 2   MAP300   Maple Leaf Lumber", "M-2", "$123.45", "$350.00", "$473.45",
                                 "Total amount for cheques:", "Number of cheques issued: 2", "Three Hundred Fifty Dollars"})
        EXPECT_TRUE(texts.contains(expected)) << expected << " in " << texts.join('|').toStdString();
    EXPECT_FALSE(texts.join('|').contains("HYD200")) << "an invoice due after the date waits";

    s->createNewListChanged(true);
    EXPECT_TRUE(s->choices().createNewList) << "the warning over a list that holds cheques leaves the box ticked";
}

TEST_P(ChequeListScreenTest, a_list_in_use_elsewhere_is_not_rebuilt_and_the_holder_is_named_when_known)
{
    auto s = screen();
    printNewList(*s);
    execute("UPDATE sup SET sup_name = 'Renamed' WHERE sup_code = 'MAP300'");
    struct Row {
        const char* user;
        int session;
        int message;
        QStringList arguments;
    } rows[] = {{"Marie", 7, kListInUseMessage, {"Marie", "7"}}, {"", 0, kListInUseUnnamedMessage, {}}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.user);
        store::setWorkstationIdentity(row.user, row.session);
        const auto editor = company::OpenCompany(installation_, 1);
        const auto held = cheques::ChequeListLock::take(*editor, cheques::ChequeListUse::Shared);

        EXPECT_TRUE(printNewList(*s).isEmpty()) << "nothing printed after a refusal";
        ASSERT_FALSE(host_.shown.empty());
        EXPECT_EQ(host_.shown.back().number, row.message);
        EXPECT_EQ(host_.shown.back().arguments, row.arguments);
        EXPECT_EQ(host_.busy.back(), false);
    }
    s->choices().createNewList = false;
    s->run(ChequeListOutput::Preview);
    ASSERT_TRUE(host_.sent);
    EXPECT_TRUE(host_.sent->pages[0].texts().contains("Cheque 2   MAP300   Maple Leaf Lumber")) << "the list as it stood";
}

TEST_P(ChequeListScreenTest, only_the_numbers_the_user_saw_and_agreed_to_are_voided)
{
    auto s = screen();
    printNewList(*s);
    execute("UPDATE apchqh SET apchqh_cheque = '101' WHERE apchqh_fou = 'MAP300'");
    execute("UPDATE sup SET sup_name = 'Renamed' WHERE sup_code = 'MAP300'");
    const QString both = "102 Bureau Plus, 101 Maple Leaf Lumber";

    struct Row {
        const char* what;
        std::deque<ui::Answer> answers;
        bool anotherNumbered;  // Bureau Plus's cheque numbered elsewhere while the first question waits
        std::vector<QStringList> asked;
        bool rebuilt;
    } rows[] = {
        {"refused", {ui::Answer::No}, false, {{"101 Maple Leaf Lumber"}}, false},
        {"agreed, but another cheque was numbered meanwhile", {ui::Answer::Yes, ui::Answer::No}, true,
         {{"101 Maple Leaf Lumber"}, {both}}, false},
        {"agreed to what is numbered", {ui::Answer::Yes}, false, {{both}}, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        host_.shown.clear();
        host_.answers = row.answers;
        if (row.anotherNumbered) host_.whileAsked = [this] { execute("UPDATE apchqh SET apchqh_cheque = '102' WHERE apchqh_fou = 'BUR100'"); };
        const QStringList texts = printNewList(*s);
        std::vector<QStringList> asked;
        for (const Shown& shown : host_.shown)
            if (shown.number == kNumberedChequesMessage) asked.push_back(shown.arguments);
        EXPECT_EQ(asked, row.asked);
        EXPECT_EQ(texts.join('|').contains("Renamed"), row.rebuilt);
        EXPECT_EQ(cheques::NumberedCheques(*books_).empty(), row.rebuilt);
    }
    EXPECT_EQ(count("SELECT COUNT(*) FROM apchqno WHERE apchqno_number IN (101, 102) AND apchqno_state = 'V'"), 2);
}

TEST(ChequeListReport, a_holdback_is_marked_apart_from_its_invoice_in_the_language_of_the_table_and_the_bank_currency)
{
    cheques::Cheque cheque;
    cheque.seq = 1;
    cheque.supplier = "MAP300";
    cheque.lines = {{"MAP300", "M-1", false, {}, {}, Money::fromUnits(90), {}, Money::fromUnits(90)},
                    {"MAP300", "M-1", true, {}, {}, Money::fromUnits(10), {}, Money::fromUnits(10)}};
    lang::LanguageTable french("fr");
    french.add({"Tvndcheqlist_qrfrm", "HoldbackLabel", "Retenue %1", {}, {}, lang::ControlKind::Plain, 0});
    struct Row {
        const lang::LanguageTable& table;
        const char* holdback;
    };
    const lang::LanguageTable none("none");
    for (const Row& row : {Row{none, "Holdback M-1"}, Row{french, "Retenue M-1"}}) {
        ChequeReportSetup setup{{}, {}, {}, {}, {}, [](Date) { return QString(); }, {}};
        setup.amounts.setSigns("$", "R", {"US$", "", "", ""});
        setup.amounts.use(1);
        const report::ReportDocument document = BuildChequeListReport({cheque}, ChequeReportTexts::fromTable(row.table), setup);
        const QStringList texts = document.pages.at(0).texts();
        EXPECT_TRUE(texts.contains("M-1") && texts.contains(row.holdback)) << texts.join('|').toStdString();
        EXPECT_TRUE(texts.contains("100.00US$")) << "the total in the bank's currency: " << texts.join('|').toStdString();
    }
}

}  // namespace
}  // namespace orvant::vndcheqlist
