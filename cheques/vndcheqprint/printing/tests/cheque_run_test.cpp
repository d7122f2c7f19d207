// A print run over the demo company's books, on every engine: the checks before numbering, the
// numbers a run takes and gives back, spoiled cheques, and the PDF it keeps read back.

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <functional>
#include <set>

#include "print_fixture.h"

namespace orvant::vndcheqprint::test {
namespace {

class ChequeRunTest : public PrintBooksTest {};
ORVANT_BOOKS_ON_EVERY_ENGINE(ChequeRunTest);

TEST_P(ChequeRunTest, a_run_typed_from_500_on_a_counter_of_480_takes_a_number_per_form_and_moves_the_counter_past_them)
{
    setCounter(480);
    payeeCheque(1, "Harbour Rent", 5);  // three forms: two continue it
    payeeCheque(2, "Cleaners", 1);
    ChequeRun run(*books_, setup());
    EXPECT_TRUE(run.checkFirstNumber(500).warns() == false);
    EXPECT_TRUE(run.checkFirstNumber(479).belowCounter);

    FakePrinter printer;
    const RunResult result = run.print(500, printer);
    ASSERT_EQ(result.outcome, RunOutcome::Printed);
    EXPECT_EQ(printer.pagesPrinted, 4);
    EXPECT_EQ(counter(), 504);
    EXPECT_EQ(numberOf(1), "500");
    EXPECT_EQ(numberOf(2), "503");
    EXPECT_EQ(registered(500) + registered(501) + registered(502) + registered(503), "IVVI") << "continuation forms are void";
    EXPECT_TRUE(QFile::exists(result.pdf));
    EXPECT_TRUE(result.pdf.endsWith(QString("%1-500.pdf").arg(demo::kBank)));

    // The run was never posted: printed again it gives the old numbers up and takes new ones.
    ChequeRun again(*books_, setup());
    EXPECT_TRUE(again.checkFirstNumber(500).alreadyUsed);
    ASSERT_EQ(again.print(500, printer).outcome, RunOutcome::Printed);
    std::set<std::string> numbers;
    for (const auto& run : {run.forms(), again.forms()})
        for (const ChequeForm& form : run) EXPECT_TRUE(numbers.insert(form.number).second) << form.number << " given twice";
    EXPECT_EQ(numberOf(1), "504");
    EXPECT_EQ(registered(500), "V");
    EXPECT_EQ(counter(), 508);
}

TEST_P(ChequeRunTest, a_printer_not_ready_numbers_nothing_and_a_failed_printing_gives_its_numbers_back_void)
{
    setCounter(480);
    payeeCheque(1, "Harbour Rent", 1);
    FakePrinter cancelled;
    cancelled.ready = report::OutputResult::cancelled();
    EXPECT_EQ(ChequeRun(*books_, setup()).print(480, cancelled).outcome, RunOutcome::Cancelled);
    EXPECT_EQ(counter(), 480);
    EXPECT_EQ(numberOf(1), "");
    EXPECT_EQ(registered(480), "");

    FakePrinter jammed;
    jammed.printing = report::OutputResult::failed("Paper jam");
    const RunResult result = ChequeRun(*books_, setup()).print(480, jammed);
    EXPECT_EQ(result.outcome, RunOutcome::Failed);
    EXPECT_EQ(result.why, "Paper jam");
    EXPECT_EQ(numberOf(1), "") << "the cheque waits to be printed again";
    EXPECT_EQ(registered(480), "V");
    EXPECT_EQ(counter(), 481) << "a number printed on may not be given again";
    EXPECT_TRUE(QDir(pdfs_.path()).entryList(QDir::Files).isEmpty()) << "no PDF of a run that did not print";
}

TEST_P(ChequeRunTest, a_cheque_changed_on_another_workstation_while_the_printer_was_chosen_stops_the_run_before_any_number)
{
    payeeCheque(1, "Harbour Rent", 1);
    payeeCheque(2, "Cleaners", 1);
    FakePrinter printer;
    // Another workstation prints the same cheques first: the second run sees them numbered.
    printer.whilePreparing = [this] {
        const auto other = company::OpenCompany(installation_, 1);
        FakePrinter first;
        EXPECT_EQ(ChequeRun(*other, setup()).print(10, first).outcome, RunOutcome::Printed);
    };
    const RunResult result = ChequeRun(*books_, setup()).print(20, printer);
    EXPECT_EQ(result.outcome, RunOutcome::ChangedElsewhere);
    EXPECT_EQ(result.seq, 1);
    EXPECT_EQ(printer.pagesPrinted, 0);
    EXPECT_EQ(numberOf(1) + "," + numberOf(2), "10,11") << "each cheque keeps the one number it was printed with";
    EXPECT_EQ(registered(20), "");
    EXPECT_EQ(counter(), 12);
}

TEST_P(ChequeRunTest, a_spoiled_cheque_loses_its_number_and_stays_on_the_list_while_the_others_go_to_the_update)
{
    payeeCheque(1, "Harbour Rent", 1);
    payeeCheque(2, "Cleaners", 1);
    ChequeRun run(*books_, setup());
    FakePrinter printer;
    ASSERT_EQ(run.print(700, printer).outcome, RunOutcome::Printed);
    run.voidSpoiled({2});

    EXPECT_EQ(numberOf(2), "");
    EXPECT_EQ(registered(701), "V");
    EXPECT_EQ(registered(700), "I");
    const auto toUpdate = run.toUpdate();
    ASSERT_EQ(toUpdate.size(), 1u);
    EXPECT_EQ(toUpdate[0].seq, 1);
    EXPECT_EQ(toUpdate[0].number, "700");
    EXPECT_EQ(toUpdate[0].printed->number, "700");
}

TEST_P(ChequeRunTest, a_run_that_could_not_be_posted_is_refused_before_any_number_is_given)
{
    struct Row {
        const char* what;
        std::function<void(ChequeRunTest&)> prepare;
        RunFault fault;
    };
    const Row rows[] = {
        {"an account missing from the chart", [](ChequeRunTest& t) { t.payeeCheque(1, "Rent", 1, Day(4, 15), 9999); },
         RunFault::AccountMissing},
        {"a month without a period",
         [](ChequeRunTest& t) {
             store::Table periods(*t.books_, "Periods");
             periods.open();
             periods.findKey({4});
             periods.edit();
             periods.field("Period_mth") = "Fourth";
             periods.post();
             t.payeeCheque(1, "Rent", 1);
         },
         RunFault::NoPeriod},
        {"an invoice owing less than its line", [](ChequeRunTest& t) { t.supplierCheque(1, Money::fromUnits(60)); },
         RunFault::ItemNotOpen},
        {"two currencies",
         [](ChequeRunTest& t) {
             t.supplierCheque(1, Money::fromUnits(100));
             store::Table suppliers(*t.books_, "sup");
             suppliers.open();
             suppliers.findKey({"MAP300"});
             suppliers.edit();
             suppliers.field("Sup_currency") = 1;
             suppliers.post();
             t.payeeCheque(2, "Rent", 1);
         },
         RunFault::MixedCurrencies},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        freshBooks();
        row.prepare(*this);
        FakePrinter printer;
        const RunResult result = ChequeRun(*books_, setup()).print(100, printer);
        ASSERT_EQ(result.outcome, RunOutcome::Refused);
        ASSERT_EQ(result.problems.size(), 1u);
        EXPECT_EQ(result.problems[0].fault, row.fault);
        EXPECT_EQ(printer.pagesPrinted, 0);
        EXPECT_EQ(registered(100), "");
    }
}

TEST_P(ChequeRunTest, the_pdf_kept_shows_the_payee_the_amount_in_figures_and_words_and_the_date)
{
    const QString reader = QStandardPaths::findExecutable("pdftotext");
    if (reader.isEmpty()) GTEST_SKIP() << "pdftotext is not installed";
    supplierCheque(1, Money::fromUnits(100));
    {
        store::Table list(*books_, "apchqh");
        list.open();
        list.findKey({1});
        list.edit();
        list.field("Apchqh_desc") = "One Hundred Dollars";
        list.post();
    }
    ChequeRun run(*books_, setup());
    FakePrinter printer;
    const RunResult result = run.print(1001, printer);
    ASSERT_EQ(result.outcome, RunOutcome::Printed);

    QProcess process;
    process.start(reader, {"-layout", result.pdf, "-"});
    ASSERT_TRUE(process.waitForFinished(30000));
    const QString text = QString::fromUtf8(process.readAllStandardOutput());
    for (const char* expected : {"Maple Leaf Lumber", "$100.00", "One Hundred Dollars", "2026-04-15", "1001", "M-1"})
        EXPECT_TRUE(text.contains(expected)) << expected << " in\n" << text.toStdString();
}

}  // namespace
}  // namespace orvant::vndcheqprint::test
