// A print run over the demo company's books, on every engine: the checks before numbering, the
// numbers a run takes and gives back, spoiled cheques, and the PDF it keeps read back.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <functional>
#include <set>

#include "cheque_layout_store.h"
#include "cheque_numbers.h"
#include "default_cheque_layout.h"
#include "cheque_run.h"
#include "company/demo_company.h"
#include "store/table.h"
#include "testing/books_fixture.h"

namespace orvant::vndcheqprint {
namespace {

using cheques::Cheque;
namespace demo = company::demo;

Date Day(int month, int day) { return *Date::fromYmd(2026, month, day); }

class FakePrinter : public ChequePrinter {
public:
    report::OutputResult ready = report::OutputResult::done();
    report::OutputResult printing = report::OutputResult::done();
    int pagesPrinted = 0;

    report::OutputResult prepare() override { return ready; }
    report::OutputResult print(const report::ReportDocument& document) override
    {
        if (printing.ok()) pagesPrinted += document.pageCount();
        return printing;
    }
};

class ChequeRunTest : public testing::BooksTest {
public:
    ChequeRunTest() : BooksTest(Company::Demo) {}
    using BooksTest::books_;

    // Books of their own for each row of a table.
    void freshBooks()
    {
        books_.reset();
        root_.reset();
        SetUp();
    }

    void SetUp() override
    {
        BooksTest::SetUp();
        // Stubs of four lines, two of them heading lines: two invoices per form.
        cheques::ChequeLayout layout = cheques::DefaultChequeLayout();
        layout.partHeights = {3.5, 1.0, 1.0};
        layout.pageLength = 5.5;
        for (cheques::LayoutItem& item : layout.items) item.line = item.part == 1 ? item.line : 0;
        cheques::WriteChequeLayout(*books_, layout);
    }

    // A cheque to a payee who is not a supplier, spread over `lines` lines of 10.00.
    void payeeCheque(int seq, const std::string& name, int lines, Date date = Day(4, 15), int expense = demo::kRent)
    {
        Cheque c;
        c.seq = seq;
        c.name = name;
        c.date = date;
        for (int i = 1; i <= lines; ++i) {
            const Money ten = Money::fromUnits(10);
            c.lines.push_back({"", "R-" + std::to_string(i), false, date, date, ten, Money{}, ten});
            c.amount += ten;
        }
        c.accounts[1] = demo::kBank;
        c.slotAmounts[1] = -c.amount;
        c.accounts[3] = expense;
        c.slotAmounts[3] = c.amount;
        c.words = "Some Dollars";
        write(c);
    }

    // A cheque to supplier MAP300 paying 100.00 of invoice M-1, which owes `owed`.
    void supplierCheque(int seq, Money owed)
    {
        store::Table ledger(*books_, "cap");
        ledger.open();
        ledger.insert();
        ledger.field("Cap_supplier") = "MAP300";
        ledger.field("Cap_invoice") = "M-1";
        ledger.field("Cap_date") = Day(3, 1);
        ledger.field("Cap_du_date") = Day(3, 31);
        ledger.field("Cap_type") = "1";
        ledger.field("Cap_amount") = owed;
        ledger.post();
        Cheque c;
        c.seq = seq;
        c.supplier = "MAP300";
        c.name = "Maple Leaf Lumber";
        c.date = Day(4, 15);
        const Money paid = Money::fromUnits(100);
        c.lines.push_back({"MAP300", "M-1", false, Day(3, 1), Day(3, 31), paid, Money{}, paid});
        c.amount = paid;
        c.accounts[0] = demo::kPayable;
        c.slotAmounts[0] = paid;
        c.accounts[1] = demo::kBank;
        c.slotAmounts[1] = -paid;
        write(c);
    }

    void write(const Cheque& c)
    {
        store::Transaction transaction(*books_);
        cheques::ChequeStore(*books_, cheques::ChequeSet::List).write(c);
        transaction.commit();
    }

    void setCounter(int value)
    {
        store::Table control(*books_, "ctrl");
        control.open();
        control.first();
        control.edit();
        control.field("Ctrl_ap_chqno1") = value;
        control.post();
    }

    int counter() { return cheques::ChequeNumberRun(*books_, 1, "Lead").counter(); }
    std::string numberOf(int seq) { return cheques::ChequeStore(*books_, cheques::ChequeSet::List).read(seq)->number; }

    // The register's state of a number on the first bank: "I" issued, "V" void, "" never given.
    std::string registered(int number)
    {
        if (!books_->tableExists("apchqno")) return {};
        store::Table numbers(*books_, "apchqno");
        numbers.open();
        return numbers.findKey({1, number}) ? numbers.field("Apchqno_state").asString() : std::string();
    }

    RunSetup setup()
    {
        RunSetup s;
        s.bank = {demo::kBank, "Bank", 1};
        s.user = "Lead";
        s.dateFormat = "YYYY-MM-DD";
        s.pdfFolder = pdfs_.path();
        s.title = "Cheques";
        s.periods.firstMonths = {"January", "February", "March",     "April",   "May",      "June",
                                 "July",    "August",   "September", "October", "November", "December"};
        s.periods.secondMonths = s.periods.firstMonths;
        return s;
    }

    QTemporaryDir pdfs_;
};
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
}  // namespace orvant::vndcheqprint
