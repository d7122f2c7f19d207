// The screen of cheque printing driven as its form drives it, over the demo company: what it
// refuses before a run, "End of printing" with a spoiled cheque, and a run left unconfirmed
// offered again at the next start.

#include <deque>

#include "../printing/tests/print_fixture.h"
#include "cheque_print_screen.h"

namespace orvant::vndcheqprint::test {
namespace {

class ScriptedHost : public ChequePrintHost {
public:
    std::vector<int> messages;
    std::deque<ui::Answer> answers;  // then Yes
    bool focused = false;
    std::optional<std::vector<int>> spoiled = std::vector<int>{};  // nothing: Cancel
    std::vector<PrintedRow> rowsShown;

    ui::Answer message(int number, ui::MessageKind kind, const QStringList&, bool) override
    {
        messages.push_back(number);
        if (kind != ui::MessageKind::Question) return ui::Answer::Ok;
        if (answers.empty()) return ui::Answer::Yes;
        const ui::Answer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void focus(PrintField) override { focused = true; }
    void refresh() override {}
    void setBusy(bool) override {}
    std::unique_ptr<ChequePrinter> printer(bool) override { return std::make_unique<FakePrinter>(); }
    std::optional<std::vector<int>> endOfPrinting(const std::vector<PrintedRow>& rows) override
    {
        rowsShown = rows;
        return spoiled;
    }
    std::optional<int> askPeriod(const Date&) override { return std::nullopt; }
    void preview(const report::ReportDocument&) override {}
};

class ChequePrintScreenTest : public PrintBooksTest {
protected:
    ChequePrintScreen& screen()
    {
        if (!screen_) {
            ChequePrintSetup s;
            s.user = "Lead";
            s.dateFormat = "YYYY-MM-DD";
            s.pdfFolder = pdfs_.path();
            s.title = "Cheques";
            screen_ = std::make_unique<ChequePrintScreen>(host_, *books_, s, [](int n) {
                return n < 12 ? QString::fromStdString(Months()[n]) : QString("message %1").arg(n);
            });
        }
        return *screen_;
    }
    int listed() { return static_cast<int>(cheques::ChequeStore(*books_, cheques::ChequeSet::List).sequences().size()); }

    ScriptedHost host_;
    std::unique_ptr<ChequePrintScreen> screen_;
};
ORVANT_BOOKS_ON_EVERY_ENGINE(ChequePrintScreenTest);

TEST_P(ChequePrintScreenTest, nothing_is_numbered_for_an_empty_bank_a_number_that_is_no_whole_number_or_a_number_below_the_counter_refused)
{
    setCounter(480);
    screen();
    EXPECT_EQ(screen().chequeNumber(), "480") << "proposed from the bank's counter";
    EXPECT_FALSE(screen().print());
    EXPECT_EQ(host_.messages, std::vector<int>{kNothingToPrintMessage});

    payeeCheque(1, "Harbour Rent", 1);
    screen().chequeNumber() = "48O";
    EXPECT_FALSE(screen().print());
    EXPECT_TRUE(host_.focused);

    screen().chequeNumber() = "470";
    host_.answers = {ui::Answer::No};
    EXPECT_FALSE(screen().print());
    EXPECT_EQ(host_.messages.back(), kBelowCounterMessage);
    EXPECT_EQ(numberOf(1), "");
    EXPECT_EQ(counter(), 480);
}

TEST_P(ChequePrintScreenTest, a_cheque_unticked_at_the_end_of_printing_is_voided_and_stays_while_the_others_are_posted)
{
    payeeCheque(1, "Harbour Rent", 1);
    payeeCheque(2, "Cleaners", 1);
    screen().chequeNumber() = "900";
    host_.spoiled = std::vector<int>{2};
    EXPECT_TRUE(screen().print());
    ASSERT_EQ(host_.rowsShown.size(), 2u);
    EXPECT_EQ(host_.rowsShown[1].number, "901");
    EXPECT_EQ(listed(), 1) << "the cheque printed well was posted and left the list";
    EXPECT_EQ(numberOf(2), "");
    EXPECT_EQ(registered(901), "V");
    EXPECT_EQ(host_.messages.back(), kPostedMessage);
}

TEST_P(ChequePrintScreenTest, a_run_not_confirmed_stays_numbered_and_is_offered_at_the_next_start_to_be_voided_or_posted)
{
    struct Row {
        ui::Answer answer;
        int listedAfter;
        const char* numberAfter;
    };
    for (const Row& row : {Row{ui::Answer::No, 1, ""}, Row{ui::Answer::Yes, 0, nullptr}, Row{ui::Answer::Cancel, 1, "300"}}) {
        freshBooks();
        screen_.reset();
        payeeCheque(1, "Harbour Rent", 1);
        screen().chequeNumber() = "300";
        host_.spoiled.reset();
        EXPECT_TRUE(screen().print());
        EXPECT_EQ(numberOf(1), "300");

        screen_.reset();
        host_.answers = {row.answer};
        screen().offerLeftNumbered();
        EXPECT_EQ(listed(), row.listedAfter);
        if (row.numberAfter) {
            EXPECT_EQ(numberOf(1), row.numberAfter);
        }
        EXPECT_EQ(registered(300), row.answer == ui::Answer::No ? "V" : "I");
    }
}

}  // namespace
}  // namespace orvant::vndcheqprint::test
