// The purchases screen's rules, driven as the form drives them, with the user's answers
// scripted, on the demo company's books.

#include "company/demo_company.h"
#include "money/currency_format.h"
#include "purchases_screen.h"
#include "testing/queried_books_test.h"
#include "testing/scripted_entry_host.h"

namespace orvant::purchases {
namespace {

using namespace company::demo;

Date Ymd(int y, int m, int d) { return *Date::fromYmd(y, m, d); }
using orvant::testing::Amount;

// The form: its supplier picker and holdback dialog answer as scripted.
struct ScriptedHost : orvant::testing::ScriptedEntryHost<PurchasesHost> {
    HoldbackAnswer holdbackAnswer;
    std::optional<Money> holdbackBase;
    std::string supplierPicked;

    std::string pickSupplier() override { return supplierPicked; }
    HoldbackAnswer askHoldback(Money base) override
    {
        holdbackBase = base;
        return holdbackAnswer;
    }
    std::optional<std::vector<sidedialogs::ProjectLine>> askProjects(Money) override { return std::nullopt; }
};

class PurchasesScreenTest : public orvant::testing::QueriedBooksTest {
protected:
    PurchasesScreenTest() : QueriedBooksTest(Company::Demo) {}

    PurchasesScreen& screen(bool jobCosting = false)
    {
        if (!screen_) {
            books = std::make_unique<PurchaseBooks>(*books_, jobCosting);
            posting = std::make_unique<PurchasePosting>(*books);
            screen_ = std::make_unique<PurchasesScreen>(*books, *posting, host, session, [](int n) { return "M" + std::to_string(n); },
                                                        [this] { return today; });
            screen_->start();
        }
        return *screen_;
    }

    void addLedgerEntry(const char* invoice, const char* type, int seq)
    {
        execute("INSERT INTO cap (cap_supplier, cap_invoice, cap_ref, cap_type, cap_amount, cap_seq) VALUES ('MAP300', ?, '', ?, 0, ?)",
                {invoice, type, seq});
    }

    // A purchase of MAP300 typed as the user types it: expense row 2 debited, the payable credited.
    void typePurchase(const char* invoice, const char* amount)
    {
        screen().leaveSupplierCode("MAP300", false);
        screen().leaveInvoice(invoice, false);
        screen().leaveDate(Ymd(2026, 3, 10));
        screen().leaveCredit(0, Amount(amount));
        screen().leaveDebit(1, Amount(amount));
    }

    ScriptedHost host;
    Session session;
    Date today = Ymd(2026, 3, 20);
    std::unique_ptr<PurchaseBooks> books;
    std::unique_ptr<PurchasePosting> posting;
    std::unique_ptr<PurchasesScreen> screen_;
};

// The rule of the terms is the sales screen's too; here, that the supplier's own terms are read.
TEST_P(PurchasesScreenTest, DueDatesFollowTheSuppliersTermsFromTheTransactionDate)
{
    execute("UPDATE sup SET sup_du_days = 910 WHERE sup_code = 'MAP300'");
    screen().leaveSupplierCode("MAP300", false);
    screen().leaveDate(Ymd(2026, 12, 15));
    EXPECT_EQ(screen().document().dueDate, Ymd(2027, 1, 10)) << "a day of the next month";
}

TEST_P(PurchasesScreenTest, ASupplierBringsItsOwnExpenseAccountsToRowsTwoToFour)
{
    execute("UPDATE sup SET sup_accnt1 = 5300, sup_accnt2 = 0, sup_accnt3 = 1200 WHERE sup_code = 'MAP300'");
    screen().leaveSupplierCode(" MAP300 ", false);
    const Distribution& rows = screen().document().rows;
    EXPECT_EQ(rows.row(0).account, kPayable);
    EXPECT_EQ(rows.row(0).description, "Accounts payable");
    EXPECT_EQ(rows.row(1).account, 5300);
    EXPECT_EQ(rows.row(2).account, kRent) << "Sup_accnt2 of 0 leaves Ctrl_ap_purch_accnt2";
    EXPECT_EQ(rows.row(3).account, 1200);
    EXPECT_EQ(rows.row(4).account, kBankCharges);
    EXPECT_EQ(rows.row(9).account, 0) << "rows 10 to 15 start empty";
    ASSERT_TRUE(screen().shownSupplier());
    EXPECT_EQ(screen().shownSupplier()->name, "Maple Leaf Lumber");

    screen().leaveSupplierCode("NOBODY", false);
    EXPECT_EQ(host.lastMessage(), kNoSuchSupplier);
    EXPECT_EQ(host.lastFocus(), PurchaseField::Supplier);
    EXPECT_FALSE(screen().shownSupplier());
    EXPECT_EQ(screen().document().date, today);
    EXPECT_EQ(screen().document().dueDate, today);
}

TEST_P(PurchasesScreenTest, InvoiceNumbersFollowTheRuleOfTheirType)
{
    addLedgerEntry("A12", "1", 1);
    addLedgerEntry("A123", "1", 2);
    addLedgerEntry("N5", "5", 3);
    struct Case { PurchaseType type; const char* typed; int message; const char* kept; };
    const Case cases[] = {
        {PurchaseType::Purchase, "a12", kInvoiceExists, ""},
        {PurchaseType::Purchase, "a1", -1, "A1"},  // A12 and A123 do not make A1 exist
        {PurchaseType::Purchase, "  ", kEnterInvoice, ""},
        {PurchaseType::Debit, "a123", -1, "A123"},
        {PurchaseType::Credit, "N5", kInvoiceNotFound, ""},  // only purchases are named by a note
        {PurchaseType::Adjustment, "ANY", -1, "ANY"},
    };
    for (const Case& c : cases) {
        screen().cancel();
        screen().leaveSupplierCode("MAP300", false);
        screen().setType(static_cast<int>(c.type));
        host.messages.clear();
        screen().leaveInvoice(c.typed, false);
        EXPECT_EQ(host.lastMessage(), c.message) << c.typed;
        EXPECT_EQ(screen().document().invoice, c.kept) << c.typed;
        if (c.message >= 0) {
            EXPECT_EQ(host.lastFocus(), PurchaseField::Invoice) << c.typed;
        }
    }
}

TEST_P(PurchasesScreenTest, AnInvoiceNumberHoldsTheSupplierUntilAcceptOrCancel)
{
    screen().leaveSupplierCode("MAP300", false);
    screen().leaveInvoice("B-1", false);
    EXPECT_TRUE(screen().supplierLocked());
    host.supplierPicked = "BUR100";
    screen().pickSupplier();
    screen().leaveSupplierCode("BUR100", false);
    EXPECT_EQ(screen().shownSupplier()->code, "MAP300");
    screen().cancel();
    EXPECT_FALSE(screen().supplierLocked());
    screen().pickSupplier();
    EXPECT_EQ(screen().shownSupplier()->code, "BUR100");
}

TEST_P(PurchasesScreenTest, ThePayableRowTakesEachDocumentInItsOwnColumn)
{
    struct Case { PurchaseType type; int row; bool debit; int message; };
    const Case cases[] = {
        {PurchaseType::Debit, 0, true, kUseCreditColumn},
        {PurchaseType::Debit, 1, true, -1},  // any other row takes a debit
        {PurchaseType::Purchase, 0, true, kUseCreditColumn},
        {PurchaseType::Purchase, 0, false, -1},
        {PurchaseType::Credit, 0, false, kUseDebitColumn},
        {PurchaseType::Credit, 0, true, -1},
        {PurchaseType::Adjustment, 0, true, -1},
        {PurchaseType::Adjustment, 0, false, -1},
    };
    for (const Case& c : cases) {
        screen().cancel();
        screen().leaveSupplierCode("MAP300", false);
        screen().setType(static_cast<int>(c.type));
        host.messages.clear();
        if (c.debit) screen().leaveDebit(c.row, Amount("100"));
        else screen().leaveCredit(c.row, Amount("100"));
        const DistributionRow& row = screen().document().rows.row(c.row);
        EXPECT_EQ(host.lastMessage(), c.message) << static_cast<int>(c.type) << " row " << c.row;
        EXPECT_EQ(c.debit ? row.debit : row.credit, c.message < 0 ? Amount("100") : Money()) << static_cast<int>(c.type);
    }
}

TEST_P(PurchasesScreenTest, AnAmountThatIsNoNumberOrNegativeIsRefused)
{
    screen().leaveSupplierCode("MAP300", false);
    screen().leaveDebit(2, std::nullopt);
    EXPECT_EQ(host.lastMessage(), kNotANumber);
    screen().leaveDebit(2, Amount("-5"));
    EXPECT_EQ(host.lastMessage(), kNegativeAmount);
    EXPECT_EQ(host.lastFocus(), PurchaseField::RowDebit);
}

TEST_P(PurchasesScreenTest, NoFieldIsEnteredBeforeASupplierUnlessTheDocumentIsACashPurchase)
{
    EXPECT_FALSE(screen().enterField(PurchaseField::Invoice));
    EXPECT_EQ(host.lastFocus(), PurchaseField::Supplier);
    screen().leaveCredit(0, Amount("5"));
    screen().setDirectCash(true);
    EXPECT_TRUE(screen().enterField(PurchaseField::RowDebit));
    EXPECT_EQ(screen().currency(), CurrencyFormat::kNoSign);
    EXPECT_EQ(screen().document().rows.totals().credit, Money()) << "the default rows come back, empty";
    EXPECT_EQ(screen().document().date, today);
}

TEST_P(PurchasesScreenTest, AcceptPostsThePurchaseAndReadiesTheNext)
{
    execute("UPDATE sup SET sup_last_purch = ? WHERE sup_code = 'MAP300'", {Amount("500")});
    typePurchase("p-1", "100");
    EXPECT_TRUE(screen().accept());
    EXPECT_EQ(money("SELECT sup_current_bal FROM sup WHERE sup_code = 'MAP300'"), Amount("100"));
    EXPECT_EQ(money("SELECT sup_last_purch FROM sup WHERE sup_code = 'MAP300'"), Amount("600")) << "increased, not replaced";
    EXPECT_EQ(money("SELECT cap_amount FROM cap WHERE cap_invoice = 'P-1' AND cap_type = '1'"), Amount("100"));
    EXPECT_EQ(scalar("SELECT tjlh_journal FROM tjlh WHERE tjlh_reference = 'P-1'").asInt(), 3);
    EXPECT_EQ(session.ledgerCode, "N");
    EXPECT_EQ(screen().supplierCodeText(), "");
}

TEST_P(PurchasesScreenTest, AcceptRefusesWhatThePostingMayNotWriteAndWritesNothing)
{
    typePurchase("P-2", "100");
    screen().leaveDebit(1, Amount("90"));
    EXPECT_FALSE(screen().accept());
    EXPECT_EQ(host.lastMessage(), kOutOfBalance);

    screen().cancel();
    screen().setDirectCash(true);
    screen().leaveInvoice("CASH-1", false);
    screen().setComment("Paper");
    screen().leaveCredit(0, Amount("10"));
    screen().leaveDebit(1, Amount("10"));
    EXPECT_FALSE(screen().accept());
    EXPECT_EQ(host.lastMessage(), kCashPurchaseOnPayable);
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM tjld").asInt(), 0);
    EXPECT_EQ(session.ledgerCode, "N");
}

TEST_P(PurchasesScreenTest, ADirectCashPurchaseWithoutMemoAsksForOneAndPostsWithoutSupplierOnNo)
{
    screen().setDirectCash(true);
    screen().leaveInvoice("cash-1", false);
    screen().leaveAccount(0, "0");
    screen().leaveDebit(1, Amount("25"));
    screen().leaveAccount(2, std::to_string(kBank));
    screen().leaveCredit(2, Amount("25"));
    host.answers = {ui::Answer::Yes};
    EXPECT_FALSE(screen().accept());
    EXPECT_EQ(host.lastMessage(), kAskForComment);
    EXPECT_EQ(host.lastFocus(), PurchaseField::Comment);
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM apori").asInt(), 0);

    host.answers = {ui::Answer::No};
    EXPECT_TRUE(screen().accept());
    EXPECT_EQ(scalar("SELECT supplier FROM apori WHERE reference = 'CASH-1'").asString(), "");
    EXPECT_EQ(scalar("SELECT tjlh_journal FROM tjlh WHERE tjlh_reference = 'CASH-1'").asInt(), 3);
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM cap").asInt(), 0);
}

TEST_P(PurchasesScreenTest, AHoldbackIsOfferedWhatTheSupplierIsOwedAndSplitsTheLedgerEntry)
{
    struct Case { const char* invoice; double percent; std::optional<Money> amount; int message; Money open, held; };
    const Case cases[] = {
        {"H-1", 12.5, std::nullopt, -1, Amount("87.59"), Amount("12.51")},
        {"H-2", 0, Amount("100.11"), kHoldbackTooMuch, Money(), Money()},  // more than the supplier is owed
        {"H-3", 0, std::nullopt, -1, Amount("100.10"), Money()},           // nothing held back
    };
    screen(true);
    for (const Case& c : cases) {
        host.holdbackAnswer = HoldbackAnswer{c.percent, Ymd(2026, 9, 1), {}, c.amount};
        host.messages.clear();
        typePurchase(c.invoice, "100.10");
        EXPECT_EQ(screen().accept(), c.message < 0) << c.invoice;
        EXPECT_EQ(host.lastMessage(), c.message) << c.invoice;
        EXPECT_EQ(host.holdbackBase, Amount("100.10"));
        const std::string entry = std::string("SELECT cap_amount FROM cap WHERE cap_invoice = '") + c.invoice + "' AND cap_type = ";
        EXPECT_EQ(money(entry + "'1'"), c.open) << c.invoice;
        EXPECT_EQ(money(entry + "'6'"), c.held) << c.invoice;
        screen().cancel();
    }
    EXPECT_EQ(money("SELECT sup_current_bal FROM sup WHERE sup_code = 'MAP300'"), Amount("200.20"));
}

ORVANT_BOOKS_ON_EVERY_ENGINE(PurchasesScreenTest);

}  // namespace
}  // namespace orvant::purchases
