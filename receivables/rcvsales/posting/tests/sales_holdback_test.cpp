// Holdbacks and project charges: the job-costing side of a sale.

#include "sales_fixture.h"
#include "sales_import.h"
#include "sidedialogs/holdback_entry.h"

namespace orvant::sales::testing {
namespace {

constexpr int kGstHoldback = 2250, kPstHoldback = 2260;

class SalesJobCosting : public SalesTest {
protected:
    void SetUp() override
    {
        SalesTest::SetUp();
        if (IsSkipped()) return;  // no PostgreSQL here
        execute("INSERT INTO jcctrl (jcctrl_arholdbackaccnt, jcctrl_gstholdbackaccnt, jcctrl_pstholdbackaccnt, jcctrl_taxcalctype) "
                "VALUES (?, ?, ?, 0)",
                {kHoldbackReceivable, kGstHoldback, kPstHoldback});
        books(true);
    }

    void addTaxHoldbackAccounts(bool provincialToo = true)
    {
        addAccount(kGstHoldback, "GST held back");
        if (provincialToo) addAccount(kPstHoldback, "PST held back");
        books(true);
    }

    static PostingAnswers holdback(double percent, HoldbackChoice choice = HoldbackChoice::TaxesBeforeHoldback)
    {
        return {{}, HoldbackAnswer{percent, *Date::fromYmd(2026, 9, 30), choice, std::nullopt}, {}};
    }

    Money accountMovement(int account)
    {
        return money("SELECT COALESCE(SUM(tjld_debit), 0) - COALESCE(SUM(tjld_credit), 0) FROM tjld WHERE tjld_account = ?", {account});
    }
};

// A holdback splits the receivable entry in two, to the cent, whatever rows carry the receivable
// and whether the percent or the amount was typed; a credit note holds back on the credit side.
TEST_P(SalesJobCosting, AHoldbackSplitsTheReceivableEntryToTheCent)
{
    ASSERT_TRUE(posting().asksHoldback(sale("H1")));
    ASSERT_EQ(post(sale("N1")), std::nullopt);
    const auto twoRows = [this](const char* invoice, const char* first, const char* second, const char* total) {
        SalesDocument document = this->document("ABC100", SalesType::Sale, invoice);
        SetLine(document, 0, {kReceivable, first, nullptr});
        SetLine(document, 1, {kReceivable, second, nullptr});
        SetLine(document, 2, {kSales, nullptr, total});
        return document;
    };
    PostingAnswers typed = holdback(5.646779);
    typed.holdback->amount = Amount("130.30");
    const struct {
        SalesDocument document;
        PostingAnswers answers;
        const char* item;
        const char* held;
    } cases[] = {
        {sale("H1"), holdback(10), "103.50", "11.50"},
        {twoRows("H2", "100.75", "100.75", "201.50"), holdback(10), "181.35", "20.15"},
        {sale("H6"), holdback(100), "0.00", "115.00"},
        {twoRows("H8", "677.82", "1629.69", "2307.51"), typed, "2177.21", "130.30"},
        {creditNote("N1", "CR1"), holdback(10), "-103.50", "-11.50"},
    };
    const auto client = [this](const char* column) { return money(std::string("SELECT ") + column + " FROM cli WHERE cli_code = 'ABC100'"); };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.document.invoice);
        const Money balance = client("cli_current_bal"), sales = client("cli_sales_ytd");
        const Money receivable = accountMovement(kReceivable), heldBack = accountMovement(kHoldbackReceivable);
        ASSERT_EQ(post(c.document, c.answers), std::nullopt);
        const std::vector<store::Value> item{c.document.invoice, TypeCode(c.document.type)};
        EXPECT_EQ(money("SELECT car_amount FROM car WHERE car_invoice = ? AND car_type = ?", item), Amount(c.item));
        EXPECT_EQ(money("SELECT car_amount FROM car WHERE car_invoice = ? AND car_type = '6'", {c.document.invoice}), Amount(c.held));
        EXPECT_EQ(scalar("SELECT car_du_date FROM car WHERE car_invoice = ? AND car_type = '6'", {c.document.invoice}).asDate(),
                  *Date::fromYmd(2026, 9, 30));
        EXPECT_EQ(accountMovement(kReceivable) - receivable, Amount(c.item));
        EXPECT_EQ(accountMovement(kHoldbackReceivable) - heldBack, Amount(c.held));
        EXPECT_EQ(client("cli_current_bal") - balance, Amount(c.item) + Amount(c.held));
        const bool isSale = c.document.type == SalesType::Sale;
        EXPECT_EQ(client("cli_sales_ytd") - sales, isSale ? Amount(c.item) + Amount(c.held) : Money()) << "the sale, holdback included";
        expectBooksClean();
    }
    EXPECT_EQ(money("SELECT debit13 FROM arori WHERE reference = 'H1'"), Amount("11.50"));
    EXPECT_EQ(count("SELECT COUNT(*) FROM tjld WHERE tjld_account = ? AND tjld_description <> 'Holdbacks receivable'", {kHoldbackReceivable}),
              0);
}

TEST_P(SalesJobCosting, TaxesHeldBackWhenBothTaxAccountsExist)
{
    addTaxHoldbackAccounts();
    ASSERT_EQ(post(sale("H3"), holdback(10, HoldbackChoice::HoldbackOnTaxes)), std::nullopt);
    EXPECT_EQ(money("SELECT tjld_credit FROM tjld WHERE tjld_account = ?", {kFederalTax}), Amount("6.30"));
    EXPECT_EQ(money("SELECT tjld_credit FROM tjld WHERE tjld_account = ?", {kGstHoldback}), Amount("0.70"));
    EXPECT_EQ(money("SELECT tjld_credit FROM tjld WHERE tjld_account = ?", {kPstHoldback}), Amount("0.80"));
    EXPECT_EQ(money("SELECT car_fed_tax FROM car WHERE car_type = '6'"), Amount("0.70"));
    EXPECT_EQ(money("SELECT car_pro_tax FROM car WHERE car_type = '6'"), Amount("0.80"));
    expectBooksClean();
}

TEST_P(SalesJobCosting, WithoutTheProvincialHoldbackAccountOnlyTheReceivableIsHeldBack)
{
    addTaxHoldbackAccounts(false);
    ASSERT_EQ(post(sale("H4"), holdback(10, HoldbackChoice::HoldbackOnTaxes)), std::nullopt);
    EXPECT_EQ(money("SELECT tjld_credit FROM tjld WHERE tjld_account = ?", {kFederalTax}), Amount("7.00"));
    EXPECT_EQ(count("SELECT COUNT(*) FROM tjld WHERE tjld_account = ?", {kGstHoldback}), 0);
    expectBooksClean();
}

TEST_P(SalesJobCosting, AnImportedRecordAnswersWhatTheDialogsWouldAsk)
{
    addTaxHoldbackAccounts();
    execute("UPDATE ctrl SET ctrl_taxsystem = 1");
    execute("UPDATE jcctrl SET jcctrl_taxcalctype = 1");
    execute("INSERT INTO jcproject (jcproject_no, jcproject_fact) VALUES ('P1', 1)");
    SalesImport import(books(true), context, [](int n) { return "M" + std::to_string(n); });
    const std::string head = R"({"client": "ABC100", "date": "2026-03-10", "rows": [{"account": 1100, "debit": "115.00"}, )"
                             R"({"account": 4000, "credit": "100.00"}, {"account": 2200, "credit": "7.00"}, {"account": 2210, "credit": "8.00"}], )";
    EXPECT_EQ(import.post(head + R"("invoice": "I1", "taxes": [{"code": 9, "net": 1}]})"), "the document has no tax row of rate 9");
    EXPECT_EQ(import.post(head + R"("invoice": "I1", "projects": [{"project": "NOPE", "amount": 1}]})"), "project line 1: M19");
    EXPECT_EQ(import.post(head + R"("invoice": "I1", "taxes": [{"code": 1, "net": "100.00"}, {"code": 2, "net": "100.00"}], )"
                                 R"("holdback": {"percent": 10, "due": "2026-09-30"}, "projects": [{"project": "P1", "phase": "F", "amount": 115}]})"),
              std::nullopt);
    EXPECT_EQ(money("SELECT taxrep_gross FROM taxrep WHERE taxrep_code = 1"), Amount("100.00"));
    EXPECT_EQ(count("SELECT COUNT(*) FROM taxrep"), 2);
    EXPECT_EQ(money("SELECT tjld_credit FROM tjld WHERE tjld_account = ?", {kGstHoldback}), Amount("0.70"))
        << "the company's choice: the taxes are held back too";
    EXPECT_EQ(scalar("SELECT jctrans_typedesc FROM jctrans").asString(), "Project sale");
    expectBooksClean();
}

TEST_P(SalesJobCosting, AHoldbackThatCannotBalanceIsRefusedAndNothingIsWritten)
{
    SalesDocument adjustment = this->document("ABC100", SalesType::Adjustment, "H5", "ADJ1");
    SetLine(adjustment, 0, {kReceivable, "50.00", nullptr});
    SetLine(adjustment, 1, {kReceivable, nullptr, "20.00"});
    SetLine(adjustment, 2, {kSales, nullptr, "30.00"});
    EXPECT_EQ(post(adjustment, holdback(10))->message, kHoldbackRefused);
    EXPECT_EQ(post(adjustment, holdback(0)), std::nullopt) << "no holdback, no refusal";
    EXPECT_EQ(count("SELECT COUNT(*) FROM car WHERE car_type = '6'"), 0);
}

TEST_P(SalesJobCosting, ProjectChargesAreCheckedFirstThenWrittenWithTheDocument)
{
    execute("INSERT INTO jcproject (jcproject_no, jcproject_fact) VALUES ('P1', 1)");
    PostingAnswers answers;
    answers.projects = {{"P1", "FRAME", Amount("60.00")}, {"NOPE", "", Amount("40.00")}};
    EXPECT_EQ(post(sale("J1"), answers), (Refusal{kNoSuchProject, SalesField::ProjectLine, 1}));
    EXPECT_EQ(count("SELECT COUNT(*) FROM tjld"), 0);

    execute("INSERT INTO jctrans (jctrans_seq, jctrans_project) VALUES (41, 'OLD')");
    answers.projects[1].project = "P1";
    ASSERT_EQ(post(sale("J1"), answers), std::nullopt);
    EXPECT_EQ(count("SELECT COUNT(*) FROM jctrans WHERE jctrans_project = 'P1'"), 2);
    EXPECT_EQ(count("SELECT MAX(jctrans_seq) FROM jctrans"), 43);
    EXPECT_EQ(scalar("SELECT jctrans_ref FROM jctrans WHERE jctrans_seq = 42").asString(), "J1");
    EXPECT_EQ(count("SELECT jctrans_period FROM jctrans WHERE jctrans_seq = 42"), 4);
    EXPECT_EQ(scalar("SELECT jctrans_desc FROM jctrans WHERE jctrans_seq = 42").asString(), "ABC Construction Ltd.");
    EXPECT_EQ(money("SELECT jctrans_tot FROM jctrans WHERE jctrans_seq = 42"), Amount("60.00"));
}

TEST_P(SalesJobCosting, ATaxRowOnTheReceivablesSideIsHeldBackInBalance)
{
    addTaxHoldbackAccounts();
    SalesDocument document = this->document("ABC100", SalesType::Sale, "H7");
    SetLine(document, 0, {kReceivable, "1000.00", nullptr});
    SetLine(document, 1, {kFederalTax, "50.00", nullptr});
    SetLine(document, 2, {kSales, nullptr, "1050.00"});
    ASSERT_EQ(post(document, holdback(10, HoldbackChoice::HoldbackOnTaxes)), std::nullopt);
    EXPECT_EQ(money("SELECT tjld_debit FROM tjld WHERE tjld_account = ?", {kGstHoldback}), Amount("5.00"));
    EXPECT_EQ(money("SELECT car_fed_tax FROM car WHERE car_type = '6'"), Amount("-5.00"));
    expectBooksClean();
}

// The screen's dialog finds no base to hold back from; the import is refused the same.
TEST_P(SalesJobCosting, AnAdjustmentWithANetOfZeroHasNoHoldbackOnItsTaxes)
{
    addTaxHoldbackAccounts();
    execute("UPDATE jcctrl SET jcctrl_taxcalctype = 1");
    SalesImport import(books(true), context, [](int n) { return "M" + std::to_string(n); });
    const std::string adjustment = R"({"client": "ABC100", "type": "adjustment", "invoice": "T1", "reference": "ADJ1", "date": "2026-03-10", )"
                                   R"("rows": [{"account": 1100, "debit": "7.00"}, {"account": 2200, "credit": "7.00"}], )";
    EXPECT_EQ(import.post(adjustment + R"("holdback": {"percent": 10, "due": "2026-09-30"}})"), "M24");
    EXPECT_EQ(import.post(adjustment + R"("holdback": {"amount": "0.70", "due": "2026-09-30"}})"), "M24");
    EXPECT_EQ(count("SELECT COUNT(*) FROM tjld"), 0);
    const auto entry = sidedialogs::HoldbackEntry::forSales(Money(), Amount("7.00"), Money(), HoldbackChoice::HoldbackOnTaxes);
    EXPECT_EQ(entry.base(), Money()) << "the dialog's base";
}

ORVANT_BOOKS_ON_EVERY_ENGINE(SalesJobCosting);

}  // namespace
}  // namespace orvant::sales::testing
