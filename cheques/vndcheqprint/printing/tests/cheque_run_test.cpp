// A print run over the demo company's books, on every engine: the checks before numbering, the
// numbers a run takes and gives back, spoiled cheques, and the PDF it keeps read back.

#include <QFile>
#include <QPageRanges>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <chrono>
#include <functional>
#include <set>
#include <thread>

#include "../../../common/tests/child_workstation.h"
#include "print_fixture.h"
#include "qt_cheque_printer.h"

namespace orvant::vndcheqprint::test {
namespace {

class ChequeRunTest : public PrintBooksTest {};
ORVANT_BOOKS_ON_EVERY_ENGINE(ChequeRunTest);

TEST_P(ChequeRunTest, a_run_typed_from_500_on_a_counter_of_480_takes_a_number_per_form_and_moves_the_counter_past_them)
{
    setCounter(480);
    payeeCheque(1, "Harbour Rent", 5);  // three forms: two continue it
    payeeCheque(2, "Cleaners", 1);
    auto run = std::make_unique<ChequeRun>(*books_, setup());
    EXPECT_TRUE(run->checkFirstNumber(500).warns() == false);
    EXPECT_TRUE(run->checkFirstNumber(479).belowCounter);

    FakePrinter printer;
    const RunResult result = run->print(500, printer);
    ASSERT_EQ(result.outcome, RunOutcome::Printed);
    EXPECT_EQ(printer.pagesPrinted, 4);
    EXPECT_EQ(counter(), 504);
    EXPECT_EQ(numberOf(1), "500");
    EXPECT_EQ(numberOf(2), "503");
    EXPECT_EQ(registered(500) + registered(501) + registered(502) + registered(503), "IVVI") << "continuation forms are void";
    EXPECT_TRUE(QFile::exists(result.pdf));
    EXPECT_TRUE(result.pdf.endsWith(QString("%1-500.pdf").arg(demo::kBank)));

    // The run was never posted: printed again it gives the old numbers up and takes new ones.
    std::set<std::string> numbers;
    for (const ChequeForm& form : run->forms()) numbers.insert(form.number);
    run.reset();
    ChequeRun again(*books_, setup());
    EXPECT_TRUE(again.checkFirstNumber(500).alreadyUsed);
    ASSERT_EQ(again.print(500, printer).outcome, RunOutcome::Printed);
    for (const ChequeForm& form : again.forms()) EXPECT_TRUE(numbers.insert(form.number).second) << form.number << " given twice";
    EXPECT_EQ(numberOf(1), "504");
    EXPECT_EQ(registered(500), "V");
    EXPECT_EQ(counter(), 508);
}

TEST_P(ChequeRunTest, a_printer_not_ready_numbers_nothing_and_a_failed_printing_gives_its_numbers_back_void)
{
    setCounter(480);
    payeeCheque(1, "Harbour Rent", 1);
    for (const auto& [ready, outcome] : {std::pair{report::OutputResult::cancelled(), RunOutcome::Cancelled},
                                         std::pair{report::OutputResult::failed("Cheques"), RunOutcome::NotReady}}) {
        FakePrinter notReady;
        notReady.ready = ready;
        EXPECT_EQ(ChequeRun(*books_, setup()).print(480, notReady).outcome, outcome);
        EXPECT_EQ(counter(), 480);
        EXPECT_EQ(numberOf(1), "");
        EXPECT_EQ(registered(480), "");
    }

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

TEST_P(ChequeRunTest, another_workstation_cannot_run_the_same_bank_and_a_cheque_it_edits_meanwhile_stops_the_run_before_any_number)
{
    payeeCheque(1, "Harbour Rent", 1);
    payeeCheque(2, "Cleaners", 1);
    FakePrinter printer;
    printer.whilePreparing = [this] {
        const auto other = company::OpenCompany(installation_, 1);
        try {
            ChequeRun(*other, setup());
            ADD_FAILURE() << "two runs of one bank at once";
        } catch (const BankBeingPrinted& e) {
            EXPECT_EQ(e.bankAccount(), demo::kBank);
            ASSERT_TRUE(e.holder().has_value()) << "the refusal names who prints";
        }
        // The editor still changes a cheque meanwhile.
        Cheque changed = *cheques::ChequeStore(*other, cheques::ChequeSet::List).read(1);
        changed.name = "Harbour Rentals";
        store::Transaction transaction(*other);
        cheques::ChequeStore(*other, cheques::ChequeSet::List).write(changed);
        transaction.commit();
    };
    {
        ChequeRun run(*books_, setup());
        const RunResult result = run.print(20, printer);
        EXPECT_EQ(result.outcome, RunOutcome::ChangedElsewhere);
        EXPECT_EQ(result.seq, 1);
    }
    EXPECT_EQ(printer.pagesPrinted, 0);
    EXPECT_EQ(numberOf(1) + "," + numberOf(2), ",");
    EXPECT_EQ(registered(20), "");
    EXPECT_NO_THROW(ChequeRun(*company::OpenCompany(installation_, 1), setup())) << "the bank is free once the run is over";
}

TEST_P(ChequeRunTest, a_bank_printed_by_another_process_is_refused_naming_who_prints_and_is_free_again_once_that_process_dies)
{
    payeeCheque(1, "Harbour Rent", 1);
    cheques::test::Pipe holding, never;
    const RunSetup elsewhere = setup();
    const pid_t child = cheques::test::StartWorkstation(installation_, "Clerk", 7, [&](store::Database& books) {
        ChequeRun run(books, elsewhere);
        holding.send();
        never.receive();  // until killed
        return 0;
    });
    ::close(holding.fds[1]);  // a child that fails ends the wait below
    holding.fds[1] = -1;
    ASSERT_EQ(holding.receive(), 'x');
    try {
        ChequeRun(*books_, setup());
        ADD_FAILURE() << "two runs of one bank at once";
    } catch (const BankBeingPrinted& e) {
        ASSERT_TRUE(e.holder().has_value());
        EXPECT_EQ(e.holder()->user, "Clerk");
    }
    ::kill(child, SIGKILL);
    EXPECT_EQ(cheques::test::ExitStatusOf(child), -1);
    // PostgreSQL frees a dead connection's locks as soon as the server sees it drop, a few
    // milliseconds after the process is gone.
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    for (;;) {
        try {
            ChequeRun run(*books_, setup());
            break;
        } catch (const BankBeingPrinted&) {
            if (std::chrono::steady_clock::now() > giveUp) {
                ADD_FAILURE() << "the bank stays held after its printer died";
                break;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
    }
}

TEST_P(ChequeRunTest, a_cheque_printer_prints_every_form_once_whatever_copies_or_pages_were_asked)
{
    const QString reader = QStandardPaths::findExecutable("pdfinfo");
    if (reader.isEmpty()) GTEST_SKIP() << "pdfinfo is not installed";
    payeeCheque(1, "Harbour Rent", 5);  // three forms
    const report::ReportDocument forms = ChequeRun(*books_, setup()).preview("SPECIMEN");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const QString pdf = QDir(pdfs_.path()).filePath("printed.pdf");
    printer.setOutputFileName(pdf);
    printer.setCopyCount(3);
    QPageRanges second;
    second.addPage(2);
    printer.setPageRanges(second);
    ASSERT_TRUE(PrintEveryFormOnce(forms, printer).ok());
    EXPECT_EQ(printer.copyCount(), 1);

    QProcess process;
    process.start(reader, {pdf});
    ASSERT_TRUE(process.waitForFinished(30000));
    const QString info = QString::fromUtf8(process.readAllStandardOutput());
    EXPECT_TRUE(info.contains(QRegularExpression(QString("Pages: +%1\\n").arg(forms.pageCount())))) << info.toStdString();
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
