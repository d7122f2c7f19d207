// The screen of cheque printing driven as its form drives it, over the demo company: what it
// refuses before a run, "End of printing" with spoiled cheques, a run left unconfirmed or
// stopped by a store error offered again, and a bank another workstation is printing.

#include <algorithm>
#include <deque>

#include "../printing/tests/print_fixture.h"
#include "cheque_print_screen.h"
#include "store/error.h"
#include "testing/books_queries.h"

namespace orvant::vndcheqprint::test {
namespace {

// A printer that prints on paper, or leaves the run to its PDF.
class ScriptedPrinter : public FakePrinter {
public:
    bool paper = true;
    bool printsOnPaper() const override { return paper; }
};

class ScriptedHost : public ChequePrintHost {
public:
    std::vector<int> messages;
    QStringList lastArguments;
    std::deque<ui::Answer> answers;  // then Yes
    bool focused = false;
    std::optional<std::vector<int>> spoiled = std::vector<int>{};  // nothing: Cancel
    std::vector<PrintedRow> rowsShown;
    std::vector<QString> notesShown;  // one per End of printing
    ScriptedPrinter printerToGive;
    int storeErrors = 0;  // periods asked that fail, in a thirteen-period year

    ui::Answer message(int number, ui::MessageKind kind, const QStringList& arguments, bool) override
    {
        messages.push_back(number);
        lastArguments = arguments;
        if (kind != ui::MessageKind::Question) return ui::Answer::Ok;
        if (answers.empty()) return ui::Answer::Yes;
        const ui::Answer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void focus(PrintField) override { focused = true; }
    void refresh() override {}
    void setBusy(bool) override {}
    std::unique_ptr<ChequePrinter> printer(bool) override { return std::make_unique<ScriptedPrinter>(printerToGive); }
    std::optional<std::vector<int>> endOfPrinting(const std::vector<PrintedRow>& rows, const QString& note) override
    {
        rowsShown = rows;
        notesShown.push_back(note);
        return spoiled;
    }
    std::optional<int> askPeriod(const Date&) override
    {
        if (storeErrors > 0 && storeErrors--) throw store::StoreError(store::errc::kEngine, "The disk is full.");
        return 4;
    }
    void preview(const report::ReportDocument& document) override { previewed = document; }
    std::optional<report::ReportDocument> previewed;
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
                return n < 12 ? QString::fromStdString(Months()[n]) : QString("message %1:").arg(n) + " %1";
            });
        }
        return *screen_;
    }
    // Fresh books holding two payees' cheques, on a screen opened anew, the first number typed.
    void twoChequesFrom(const char* number)
    {
        freshBooks();
        screen_.reset();
        host_.messages.clear();
        host_.notesShown.clear();
        payeeCheque(1, "Harbour Rent", 1);
        payeeCheque(2, "Cleaners", 1);
        screen().chequeNumber() = number;
    }
    int listed() { return static_cast<int>(cheques::ChequeStore(*books_, cheques::ChequeSet::List).sequences().size()); }

    ScriptedHost host_;
    std::unique_ptr<ChequePrintScreen> screen_;
};
ORVANT_BOOKS_ON_EVERY_ENGINE(ChequePrintScreenTest);

TEST_P(ChequePrintScreenTest, nothing_is_numbered_for_an_empty_bank_a_number_that_is_no_whole_number_or_a_number_below_the_counter_refused)
{
    setCounter(480);
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

TEST_P(ChequePrintScreenTest, a_run_not_confirmed_is_offered_at_the_next_start_each_cheque_ticked_posted_and_each_unticked_voided)
{
    struct Row {
        std::optional<std::vector<int>> spoiled;  // nothing: Cancel
        int listedAfter;
        const char* numbersAfter;  // of the cheques still listed
        const char* registeredAfter;
    };
    const Row rows[] = {{std::vector<int>{2}, 1, "", "IV"}, {std::vector<int>{}, 0, "", "II"}, {std::nullopt, 2, "300301", "II"}};
    for (const Row& row : rows) {
        twoChequesFrom("300");
        host_.spoiled.reset();
        EXPECT_TRUE(screen().print());

        screen_.reset();
        host_.spoiled = row.spoiled;
        screen().offerLeftNumbered();
        ASSERT_EQ(host_.rowsShown.size(), 2u);
        EXPECT_EQ(host_.rowsShown[1].number, "301");
        EXPECT_EQ(listed(), row.listedAfter);
        std::string numbers;
        for (int seq : cheques::ChequeStore(*books_, cheques::ChequeSet::List).sequences()) numbers += numberOf(seq);
        EXPECT_EQ(numbers, row.numbersAfter) << "an unticked cheque waits to print again";
        EXPECT_EQ(registered(300) + registered(301), row.registeredAfter);
    }
}

TEST_P(ChequePrintScreenTest, a_bank_another_workstation_is_printing_is_neither_printed_nor_offered_until_its_run_is_over)
{
    payeeCheque(1, "Harbour Rent", 1);
    const auto other = company::OpenCompany(installation_, 1);
    auto elsewhere = std::make_unique<ChequeRun>(*other, setup());
    FakePrinter printer;
    ASSERT_EQ(elsewhere->print(300, printer).outcome, RunOutcome::Printed);  // at its End of printing

    screen().offerLeftNumbered();
    EXPECT_TRUE(host_.notesShown.empty()) << "cheques of a run still printing are not offered";
    screen().chequeNumber() = "400";
    EXPECT_FALSE(screen().print());
    EXPECT_EQ(host_.messages.back(), kBankInUseMessage);
    EXPECT_EQ(numberOf(1), "300");
    EXPECT_EQ(registered(400), "");

    elsewhere.reset();
    screen().offerLeftNumbered();
    EXPECT_EQ(host_.notesShown.size(), 1u);
    EXPECT_EQ(listed(), 0);
}

TEST_P(ChequePrintScreenTest, end_of_printing_says_what_unticking_does_and_where_the_pdf_is_and_each_cheque_unticked_is_voided_and_stays)
{
    struct Row {
        bool paper;
        std::vector<int> spoiled;
        std::vector<int> listedAfter;  // the cheques printed well are posted and leave the list
        const char* registeredAfter;
        int message;
    };
    const Row rows[] = {{true, {2}, {2}, "IV", kPostedMessage}, {false, {1, 2}, {1, 2}, "VV", kAllVoidedMessage}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.paper);
        twoChequesFrom("500");
        host_.printerToGive.paper = row.paper;
        host_.spoiled = row.spoiled;
        EXPECT_TRUE(screen().print());
        ASSERT_EQ(host_.rowsShown.size(), 2u);
        EXPECT_EQ(host_.rowsShown[1].number, "501");
        ASSERT_EQ(host_.notesShown.size(), 1u);
        const QString note = host_.notesShown[0];
        EXPECT_TRUE(note.startsWith(QString("message %1:").arg(kUntickNoteMessage))) << note.toStdString();
        EXPECT_TRUE(note.contains(QString("message %1:").arg(row.paper ? kPdfKeptNoteMessage : kPdfOnlyNoteMessage))) << note.toStdString();
        EXPECT_TRUE(note.contains(QString("%1-500.pdf").arg(demo::kBank))) << note.toStdString();
        EXPECT_EQ(cheques::ChequeStore(*books_, cheques::ChequeSet::List).sequences(), row.listedAfter);
        for (int seq : row.listedAfter) EXPECT_EQ(numberOf(seq), "") << "a voided cheque waits to print again";
        EXPECT_EQ(registered(500) + registered(501), row.registeredAfter);
        EXPECT_EQ(host_.messages.back(), row.message);
    }
}

TEST_P(ChequePrintScreenTest, a_printer_not_ready_and_a_failed_printing_say_whether_numbers_were_voided)
{
    payeeCheque(1, "Harbour Rent", 1);
    struct Row {
        report::OutputResult ready, printing;
        int message;
    };
    const Row rows[] = {{report::OutputResult::failed("Cheques"), report::OutputResult::done(), kPrinterNotReadyMessage},
                        {report::OutputResult::done(), report::OutputResult::failed("Paper jam"), kPrintFailedMessage}};
    for (const Row& row : rows) {
        host_.printerToGive.ready = row.ready;
        host_.printerToGive.printing = row.printing;
        screen().chequeNumber() = "600";
        EXPECT_FALSE(screen().print());
        EXPECT_EQ(host_.messages.back(), row.message);
    }
    host_.printerToGive.printing = report::OutputResult::failed("Paper jam");
    screen().alignmentTest();
    EXPECT_EQ(host_.messages.back(), kFormsNotPrintedMessage) << "the form test uses no number";
}

TEST_P(ChequePrintScreenTest, a_store_error_during_the_update_offers_the_cheques_left_numbered_instead_of_leaving_them_to_be_printed_again)
{
    payeeCheque(1, "Harbour Rent", 1);
    orvant::testing::Execute(*books_, "UPDATE ctrl SET ctrl_periods = 13");
    host_.storeErrors = 1;
    screen().chequeNumber() = "700";
    EXPECT_TRUE(screen().print()) << "the screen closes";
    EXPECT_EQ(host_.notesShown.size(), 2u) << "End of printing, then the cheques left numbered";
    EXPECT_NE(std::find(host_.messages.begin(), host_.messages.end(), kUpdateStoppedMessage), host_.messages.end());
    EXPECT_EQ(host_.messages.back(), kPostedMessage);
    EXPECT_EQ(listed(), 0);
    EXPECT_EQ(registered(700), "I");
}

TEST_P(ChequePrintScreenTest, the_preview_shows_specimens_and_a_fault_of_the_form_is_told_in_the_screen_language)
{
    payeeCheque(1, "Harbour Rent", 1);
    screen().preview();
    ASSERT_TRUE(host_.previewed);
    const QStringList cheque = host_.previewed->pages.front().bands.front().texts();
    EXPECT_TRUE(cheque.contains("message 67: %1")) << cheque.join('|').toStdString();
    EXPECT_FALSE(cheque.contains("Some Dollars")) << "a specimen carries no amount in words";

    {
        store::Table items(*books_, "apchqfrm");
        items.open();
        items.first();
        items.edit();
        items.field("Apchqfrm_field") = "30";
        items.post();
    }
    EXPECT_FALSE(screen().print());
    ASSERT_EQ(host_.messages.back(), kRefusedMessage);
    EXPECT_TRUE(host_.lastArguments.join("").contains("message 63: 1")) << host_.lastArguments.join("").toStdString();
    EXPECT_EQ(numberOf(1), "");
}

}  // namespace
}  // namespace orvant::vndcheqprint::test
