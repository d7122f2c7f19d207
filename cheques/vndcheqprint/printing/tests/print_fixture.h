#pragma once
// The demo company's books ready for cheque printing: a form whose stubs hold two invoices, and
// cheques to payees or to a supplier put straight on the list; a printer that does as told.

#include <QDir>
#include <QTemporaryDir>
#include <functional>

#include "cheque_layout_store.h"
#include "cheque_numbers.h"
#include "cheque_run.h"
#include "company/demo_company.h"
#include "default_cheque_layout.h"
#include "store/table.h"
#include "testing/books_fixture.h"

namespace orvant::vndcheqprint::test {

using cheques::Cheque;
namespace demo = company::demo;

inline Date Day(int month, int day) { return *Date::fromYmd(2026, month, day); }

class FakePrinter : public ChequePrinter {
public:
    report::OutputResult ready = report::OutputResult::done();
    report::OutputResult printing = report::OutputResult::done();
    int pagesPrinted = 0;
    std::function<void()> whilePreparing;  // what another workstation does meanwhile

    report::OutputResult prepare() override
    {
        if (whilePreparing) whilePreparing();
        return ready;
    }
    report::OutputResult print(const report::ReportDocument& document) override
    {
        if (printing.ok()) pagesPrinted += document.pageCount();
        return printing;
    }
};

class PrintBooksTest : public testing::BooksTest {
public:
    PrintBooksTest() : BooksTest(Company::Demo) {}
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
        if (IsSkipped()) return;
        // Stubs of five lines: two heading lines, two invoices and the first stub's totals.
        cheques::ChequeLayout layout = cheques::DefaultChequeLayout();
        layout.partHeights = {3.5, 1.25, 1.25};
        layout.pageLength = 6.0;
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

    static std::array<std::string, 12> Months()
    {
        return {"January", "February", "March", "April", "May", "June", "July", "August", "September", "October", "November", "December"};
    }

    RunSetup setup()
    {
        RunSetup s;
        s.bank = {demo::kBank, "Bank", 1};
        s.user = "Lead";
        s.dateFormat = "YYYY-MM-DD";
        s.pdfFolder = pdfs_.path();
        s.title = "Cheques";
        s.periods.firstMonths = s.periods.secondMonths = Months();
        return s;
    }

    QTemporaryDir pdfs_;
};

}  // namespace orvant::vndcheqprint::test
