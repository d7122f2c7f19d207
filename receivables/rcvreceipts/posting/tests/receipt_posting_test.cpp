// Receipts posted on both engines: what the ledger, the client, the journal, the bank lines and
// the history hold after each, and the books check clean.

#include "receipt_fixture.h"

namespace orvant::receipts::testing {
namespace {

class ReceiptPostingTest : public ReceiptTest {
protected:
    void SetUp() override
    {
        ReceiptTest::SetUp();
        if (IsSkipped()) return;
        sell("ABC100", "A100", "600.00");
        sell("ABC100", "A200", "400.00");
    }

    // What the receipt moved on the receivable and holdback accounts in the journal.
    Money journalMovement(const std::string& reference)
    {
        return money("SELECT COALESCE(SUM(tjld_debit), 0) - COALESCE(SUM(tjld_credit), 0) FROM tjld WHERE tjld_reference = ? "
                     "AND tjld_account IN (1100, 1150)", {reference});
    }
};

struct PostingCase {
    const char* name;
    std::vector<Line> lines;
    std::vector<std::pair<const char*, const char*>> payments;  // invoice, amount
    bool nsf;
    const char* balanceChange;
    Entries entries;  // the receipt's ledger entries in posting order
};

TEST_P(ReceiptPostingTest, BalanceLedgerAndJournalMoveByTheSameAmount)
{
    const PostingCase cases[] = {
        {"applied in full", {{kBank, "250.00", nullptr}, {kReceivable, nullptr, "250.00"}}, {{"A100", "250.00"}}, false, "-250.00",
         {{"2", "-250.00"}}},
        {"part applied, the rest unapplied", {{kBank, "500.00", nullptr}, {kReceivable, nullptr, "500.00"}}, {{"A100", "300.00"}}, false,
         "-500.00", {{"2", "-300.00"}, {"5", "-200.00"}}},
        {"receivable on both sides", {{kReceivable, "100.00", nullptr}, {kReceivable, nullptr, "600.00"}, {kBank, "500.00", nullptr}},
         {{"A100", "300.00"}}, false, "-500.00", {{"2", "-300.00"}, {"5", "-200.00"}}},
        {"bank and a discount", {{kBank, "98.00", nullptr}, {kBankCharges, "2.00", nullptr}, {kReceivable, nullptr, "100.00"}},
         {{"A100", "100.00"}}, false, "-100.00", {{"2", "-100.00"}}},
        {"cheque returned unpaid", {{kReceivable, "500.00", nullptr}, {kBank, nullptr, "500.00"}}, {}, true, "500.00", {{"4", "500.00"}}},
        {"a credit moved between invoices", {}, {{"A100", "200.00"}, {"A200", "-200.00"}}, false, "0.00",
         {{"2", "-200.00"}, {"2", "200.00"}}},
    };
    int n = 0;
    for (const PostingCase& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string reference = "R" + std::to_string(++n);
        const Money before = balance("ABC100");
        ReceiptDocument document = receipt("ABC100", reference);
        SetLines(document, c.lines);
        for (const auto& [invoice, amount] : c.payments) Pay(document, invoice, amount);
        document.nsfCheque = c.nsf;
        ASSERT_EQ(post(document), std::nullopt);

        EXPECT_EQ(LedgerEntries(*books_, "car", reference), c.entries);
        EXPECT_EQ(balance("ABC100") - before, Amount(c.balanceChange));
        EXPECT_EQ(journalMovement(reference), Amount(c.balanceChange));
        EXPECT_EQ(count("SELECT COUNT(*) FROM crorihdr WHERE reference = ?", {reference}), 1);
        for (std::size_t i = 0; i < c.lines.size(); ++i) {  // the history keeps each line in its slot
            const std::string n = std::to_string(i + 1);
            const Line& line = c.lines[i];
            EXPECT_EQ(count("SELECT COUNT(*) FROM crorihdr WHERE reference = ? AND account" + n + " = ? AND debit" + n + " = ? AND credit" +
                                n + " = ?",
                            {reference, line.account, Amount(line.debit ? line.debit : "0"), Amount(line.credit ? line.credit : "0")}),
                      1)
                << "slot " << n;
        }
        expectBooksClean();
    }
    // A returned cheque marks the client and its receipt; paying does not.
    EXPECT_EQ(scalar("SELECT cli_nsf_date FROM cli WHERE cli_code = 'ABC100'").asDate(), *Date::fromYmd(2026, 3, 20));
    EXPECT_EQ(count("SELECT COUNT(*) FROM crorihdr WHERE nsf_cheque = ?", {true}), 1);
}

TEST_P(ReceiptPostingTest, APaymentWritesItsBankLineHistoryAndStatistics)
{
    ReceiptDocument document = receipt("ABC100", "CHQ1");
    SetLines(document, {{kBank, "250.00", nullptr}, {kReceivable, nullptr, "250.00"}});
    Pay(document, "A100", "250.00");
    ASSERT_EQ(post(document), std::nullopt);
    EXPECT_EQ(money("SELECT concil_montant FROM concil WHERE concil_reference = 'CHQ1' AND concil_type = 1"), Amount("250.00"));
    EXPECT_EQ(money("SELECT invoice_payment FROM croridet WHERE reference = 'CHQ1' AND invoice = 'A100'"), Amount("250.00"));
    EXPECT_EQ(money("SELECT invoice_amount FROM croridet WHERE reference = 'CHQ1'"), Amount("600.00"));
    EXPECT_EQ(count("SELECT tjlh_journal FROM tjlh WHERE tjlh_reference = 'CHQ1'"), 2);
    EXPECT_EQ(count("SELECT cli_avgdayspay FROM cli WHERE cli_code = 'ABC100'"), 10);
    EXPECT_EQ(count("SELECT cli_avgnuminvoices FROM cli WHERE cli_code = 'ABC100'"), 1);

    // The items: each invoice nets into one, a paid one kept.
    ReceiptDocument next = receipt("ABC100", "CHQ2");
    ASSERT_EQ(next.items.size(), 2u);
    EXPECT_EQ(next.items[0].amount, Amount("350.00"));
    EXPECT_EQ(next.items[0].date, *Date::fromYmd(2026, 3, 10));
    SetLines(next, {{kBank, "350.00", nullptr}, {kReceivable, nullptr, "350.00"}});
    Pay(next, "A100", "350.00");
    ASSERT_EQ(post(next), std::nullopt);
    const std::vector<OpenItem> items = books().openItems("ABC100");
    ASSERT_EQ(items.size(), 2u);
    EXPECT_TRUE(items[0].amount.isZero());
}

TEST_P(ReceiptPostingTest, AReceiptNotFromAClientTouchesNoLedger)
{
    ReceiptDocument document = receipt("", "CASH1");
    document.memo = "Interest";
    SetLines(document, {{kBank, "100.00", nullptr}, {kSales, nullptr, "100.00"}});
    ASSERT_EQ(post(document), std::nullopt);
    EXPECT_EQ(count("SELECT COUNT(*) FROM car WHERE car_ref = 'CASH1'"), 0);
    EXPECT_EQ(count("SELECT COUNT(*) FROM crorihdr WHERE reference = 'CASH1' AND not_from_cli = ?", {true}), 1);
    EXPECT_EQ(scalar("SELECT concil_nom FROM concil WHERE concil_reference = 'CASH1'").asString(), "Interest");
    EXPECT_EQ(count("SELECT tjlh_journal FROM tjlh WHERE tjlh_reference = 'CASH1'"), 2);
    expectBooksClean();
}

TEST_P(ReceiptPostingTest, RefusalsWriteNothing)
{
    execute("INSERT INTO glm (glm_account, glm_description, glm_type, glm_summarize, glm_currency) VALUES (1101, 'Receivable US', 'Asset', 'N', 1)");
    execute("UPDATE ctrl SET ctrl_ar_curr2 = 1101");
    reopen();
    struct Case {
        const char* name;
        std::string client, reference;
        std::vector<Line> lines;
        const char* payment;  // on A100
        Refusal refusal;
    };
    const Case cases[] = {
        {"no reference", "ABC100", "", {{kBank, "1.00", nullptr}, {kReceivable, nullptr, "1.00"}}, "1.00", {kEnterReference, ReceiptField::Reference}},
        {"out of balance", "ABC100", "X", {{kBank, "2.00", nullptr}, {kReceivable, nullptr, "1.00"}}, "1.00", {kOutOfBalance, ReceiptField::Totals}},
        {"account not in the chart", "ABC100", "X", {{9999, "1.00", nullptr}, {kReceivable, nullptr, "1.00"}}, nullptr,
         {kNoSuchAccount, ReceiptField::RowAccount, 0}},
        {"another currency's receivable", "ABC100", "X", {{kBank, "1.00", nullptr}, {1101, nullptr, "1.00"}}, nullptr,
         {kOtherCurrencyReceivable, ReceiptField::RowAccount, 1}},
        {"receivable without a client", "", "X", {{kBank, "1.00", nullptr}, {kReceivable, nullptr, "1.00"}}, nullptr,
         {kReceivableWithoutClient, ReceiptField::RowAccount, 1}},
        {"holdback without a client", "", "X", {{kBank, "1.00", nullptr}, {kHoldbackReceivable, nullptr, "1.00"}}, nullptr,
         {kHoldbackWithoutClient, ReceiptField::RowAccount, 1}},
        {"nothing at all", "ABC100", "X", {}, nullptr, {kNothingToPost, ReceiptField::Totals}},
        {"unknown client", "NOBODY", "X", {{kBank, "1.00", nullptr}, {kSales, nullptr, "1.00"}}, nullptr, {kNoSuchClient, ReceiptField::Client}},
    };
    execute("UPDATE jcctrl SET jcctrl_arholdbackaccnt = 1150");
    if (count("SELECT COUNT(*) FROM jcctrl") == 0) execute("INSERT INTO jcctrl (jcctrl_arholdbackaccnt) VALUES (1150)");
    reopen();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ReceiptDocument document = receipt(c.client == "NOBODY" ? "" : c.client, c.reference);
        document.client = c.client;
        document.notFromClient = c.client.empty();
        document.memo = "memo";
        SetLines(document, c.lines);
        if (c.payment) Pay(document, "A100", c.payment);
        EXPECT_EQ(post(document), c.refusal);
    }
    EXPECT_EQ(count("SELECT COUNT(*) FROM crorihdr"), 0);
    EXPECT_EQ(count("SELECT COUNT(*) FROM tjld WHERE tjld_journal = 2"), 0);
}

ORVANT_BOOKS_ON_EVERY_ENGINE(ReceiptPostingTest);

}  // namespace
}  // namespace orvant::receipts::testing
