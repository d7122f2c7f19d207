// The list of cheques built from the suppliers' ledger on both engines: who is paid, which items,
// with what discount, the recurring cheques, numbered cheques voided, and the list whole when a
// build dies.

#include <algorithm>
#include <chrono>
#include <stdexcept>
#include <thread>

#include "cheque_list_build.h"
#include "cheque_list_lock.h"
#include "cheque_record.h"
#include "cheque_rules.h"
#include "cheque_words.h"
#include "child_workstation.h"
#include "store/error.h"
#include "store/query.h"
#include "store/table.h"
#include "testing/queried_books_test.h"

namespace orvant::cheques::test {
namespace {

constexpr int kBank = 1000, kSecondBank = 1010, kPayable = 2100, kDiscount = 5900, kExpense = 5000;

Date day(int month, int d) { return *Date::fromYmd(2026, month, d); }
Money amount(const char* text) { return *Money::parse(text); }

struct Entry {
    const char* invoice;
    const char* type;  // "1" purchase, "3" credit note, "6" holdback
    Date date, due;
    const char* amount;
};

class ChequeListBuildTest : public testing::QueriedBooksTest {
protected:
    void SetUp() override
    {
        store::setWorkstationIdentity("Lead", 3);
        QueriedBooksTest::SetUp();
        if (IsSkipped()) return;
        execute("UPDATE ctrl SET ctrl_bank_accnt1 = ?, ctrl_bank_accnt2 = ?, ctrl_ap_accnt = ?, ctrl_ap_disb_accnt2 = ?, "
                "ctrl_ap_disb_accnt3 = ?, ctrl_dollars1 = 'Dollars', ctrl_cents1 = 'Cents'",
                {kBank, kSecondBank, kPayable, kDiscount, kExpense});
        for (int account : {kBank, kSecondBank, kPayable, kDiscount, kExpense})
            execute("INSERT INTO glm (glm_account, glm_description, glm_summarize) VALUES (?, ?, 'N')",
                    {account, "Account " + std::to_string(account)});
    }

    void supplier(const std::string& code, int bank = kBank, double discount = 0, const std::vector<Entry>& entries = {})
    {
        store::Table suppliers(*books_, "sup");
        suppliers.open();
        suppliers.insert();
        suppliers.field("Sup_code") = code;
        suppliers.field("Sup_name") = "Supplier " + code;
        suppliers.field("Sup_bank_account") = bank;
        suppliers.field("Sup_pmt_discount") = discount;
        suppliers.field("Sup_currency") = 0;
        suppliers.post();
        for (const Entry& e : entries) entry(code, e);
    }

    void entry(const std::string& supplier, const Entry& e)
    {
        store::Table ledger(*books_, "cap");
        ledger.open();
        ledger.insert();
        ledger.field("Cap_supplier") = supplier;
        ledger.field("Cap_invoice") = e.invoice;
        ledger.field("Cap_type") = e.type;
        ledger.field("Cap_date") = e.date;
        ledger.field("Cap_du_date") = e.due;
        ledger.field("Cap_amount") = amount(e.amount);
        ledger.field("Cap_holdback") = std::string(e.type) == "6";
        ledger.post();
    }

    ChequeListRequest request(int bank = kBank) const
    {
        ChequeListRequest r;
        r.chequeDate = day(3, 25);
        r.dueBefore = day(3, 31);
        r.bankAccount = bank;
        r.user = "Lead";
        return r;
    }

    void write(ChequeSet set, const std::vector<Cheque>& cheques)
    {
        ChequeStore store(*books_, set);
        store::Transaction transaction(*books_);
        for (const Cheque& cheque : cheques) store.write(cheque);
        transaction.commit();
    }

    std::vector<Cheque> list()
    {
        ChequeStore store(*books_, ChequeSet::List);
        std::vector<Cheque> cheques;
        for (int seq : store.sequences()) cheques.push_back(*store.read(seq));
        return cheques;
    }

    // "A1: I1 100.00-2.00, I1H 10.00-0.00 = 108.00", one text per cheque.
    std::vector<std::string> summary()
    {
        std::vector<std::string> texts;
        for (const Cheque& cheque : list()) {
            std::string text = (cheque.supplier.empty() ? cheque.name : cheque.supplier) + ":";
            for (const ChequeLine& line : cheque.lines)
                text += " " + line.invoice + (line.holdback ? "H " : " ") + line.amount.toString() + "-" + line.discount.toString();
            texts.push_back(text + " = " + cheque.amount.toString());
        }
        return texts;
    }

    void reset()
    {
        for (const char* table : {"cap", "sup", "apchqh", "apchqd"}) execute(std::string("DELETE FROM ") + table);
    }
};
ORVANT_BOOKS_ON_EVERY_ENGINE(ChequeListBuildTest);

using Texts = std::vector<std::string>;

TEST_P(ChequeListBuildTest, a_cheque_is_stored_whole_and_found_by_the_item_it_pays)
{
    Cheque cheque;
    cheque.seq = 4;
    cheque.supplier = "A1";
    cheque.date = day(3, 25);
    cheque.accounts = {kPayable, kBank, kDiscount};
    cheque.lines = {{"A1", "I1", false, day(3, 1), day(3, 20), amount("90.00"), amount("1.00"), {}},
                    {"A1", "I1", true, day(3, 1), day(6, 30), amount("10.00"), {}, {}}};
    cheque.taxLines = {{"GST", 5, amount("4.50"), amount("90.00"), 4}};
    ProposeDistribution(cheque);
    write(ChequeSet::List, {cheque, cheque});  // the second write replaces the lines and tax lines
    ChequeStore store(*books_, ChequeSet::List);
    EXPECT_EQ(store.read(4), cheque);
    EXPECT_EQ(store.nextSequence(), 5);
    EXPECT_EQ(store.chequeOf("A1", "I1", true), 4);
    EXPECT_EQ(store.chequeOf("A1", "I2", false), std::nullopt);
    EXPECT_EQ(ChequeStore(*books_, ChequeSet::Recurring).chequeOf("A1", "I1", false), std::nullopt) << "each set its own";
    {
        store::Transaction transaction(*books_);
        store.remove(4);
        transaction.commit();
    }
    EXPECT_TRUE(store.isEmpty());
    EXPECT_EQ(count("SELECT COUNT(*) FROM apchqd") + count("SELECT COUNT(*) FROM apchvat"), 0);
}

TEST_P(ChequeListBuildTest, a_cheque_is_written_in_the_words_of_its_currency)
{
    execute("UPDATE ctrl SET ctrl_dollars2 = 'Euros', ctrl_cents2 = 'Centimes'");
    supplier("EU", kSecondBank);
    execute("UPDATE sup SET sup_currency = 1 WHERE sup_code = 'EU'");
    struct Row {
        WordsLanguage language;
        const char* supplier;
        int bank;
        const char* amount;
        const char* words;
    };
    const Row rows[] = {
        {WordsLanguage::English, "", kBank, "1.01", "One Dollar and 1 Cent"},
        {WordsLanguage::French, "EU", kBank, "21.50", "Vingt et Un Euros et 50 Centimes"},
        {WordsLanguage::French, "", kSecondBank, "1.00", "Un Euro"},
        {WordsLanguage::French, "", kBank, "0", "NON NÉGOCIABLE"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.words);
        const ChequeWording wording(*books_, row.language);
        EXPECT_EQ(wording.words(amount(row.amount), ChequeCurrency(*books_, row.supplier, row.bank)), row.words);
    }
    EXPECT_EQ(BankPosition(*books_, kSecondBank), 2);
    EXPECT_EQ(BankPosition(*books_, kExpense), std::nullopt);
}

TEST_P(ChequeListBuildTest, the_range_the_list_and_the_bank_choose_the_suppliers_together)
{
    for (const char* code : {"A1", "B2", "C3", "D4"}) supplier(code, kBank, 0, {{"I1", "1", day(3, 1), day(3, 20), "10.00"}});
    supplier("E5", kSecondBank, 0, {{"I1", "1", day(3, 1), day(3, 20), "10.00"}});
    struct Row {
        const char *from, *to;
        std::vector<std::string> suppliers;
        int bank;
        Texts paid;
    };
    const Row rows[] = {
        {"", "", {}, kBank, {"A1", "B2", "C3", "D4"}},
        {"B2", "", {}, kBank, {"B2", "C3", "D4"}},
        {"", "C3", {}, kBank, {"A1", "B2", "C3"}},
        {"B2", "C3", {"A1", "C3", "D4"}, kBank, {"C3"}},
        {"", "", {"E5", "B2"}, kBank, {"B2"}},
        {"", "", {}, kSecondBank, {"E5"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(::testing::Message() << row.from << ".." << row.to << " bank " << row.bank);
        ChequeListRequest r = request(row.bank);
        r.fromSupplier = row.from;
        r.toSupplier = row.to;
        r.suppliers = row.suppliers;
        const ChequeListBuilt built = BuildChequeList(*books_, r);
        Texts paid;
        for (const Cheque& cheque : list()) paid.push_back(cheque.supplier);
        EXPECT_EQ(paid, row.paid);
        EXPECT_EQ(built.cheques, static_cast<int>(row.paid.size()));
        EXPECT_EQ(built.total, Money::fromUnits(10 * built.cheques));
    }
}

TEST_P(ChequeListBuildTest, items_are_grouped_before_they_are_judged_due_and_discounted_once_each)
{
    struct Row {
        const char* name;
        std::vector<Entry> entries;
        double discount;
        Date chequeDate;
        bool discountAccount;
        Texts expected;
    };
    const Date early = day(3, 25), late = day(4, 5);
    const Entry i1{"I1", "1", day(3, 1), day(3, 28), "100.00"};  // due before the list's date
    const Row rows[] = {
        {"a later credit note belongs to its invoice",
         {{"I1", "1", day(3, 1), day(3, 20), "100.00"}, {"I1", "3", day(4, 2), day(5, 2), "-30.00"}}, 0, early, true,
         {"S: I1 70.00-0.00 = 70.00"}},
        {"an item not yet due waits", {i1, {"I2", "1", day(3, 5), day(4, 20), "50.00"}}, 0, early, true, {"S: I1 100.00-0.00 = 100.00"}},
        {"a holdback is its own item with its own due date",
         {{"I1", "1", day(3, 1), day(3, 20), "90.00"}, {"I1", "6", day(3, 1), day(3, 30), "10.00"},
          {"I2", "1", day(3, 1), day(3, 20), "40.00"}, {"I2", "6", day(3, 1), day(6, 30), "5.00"}},
         0, early, true, {"S: I1 90.00-0.00 I1H 10.00-0.00 I2 40.00-0.00 = 140.00"}},
        {"a paid invoice gives no line", {i1, {"I1", "2", day(3, 10), day(3, 20), "-100.00"}, {"I2", "1", day(3, 1), day(3, 20), "20.00"}},
         0, early, true, {"S: I2 20.00-0.00 = 20.00"}},
        {"the discount of the terms, rounded once per item",
         {{"I1", "1", day(3, 1), day(3, 28), "10.25"}, {"I1", "1", day(3, 2), day(3, 28), "10.25"}}, 2, early, true,
         {"S: I1 20.50-0.41 = 20.09"}},
        {"no discount after the due date", {i1, {"I2", "1", day(3, 1), day(4, 30), "50.00"}}, 2, late, true, {"S: I1 100.00-0.00 = 100.00"}},
        {"no discount without its account", {i1}, 2, early, false, {"S: I1 100.00-0.00 = 100.00"}},
        {"terms above 100 % take the whole item, never more", {i1}, 150, early, true, {"S: I1 100.00-100.00 = 0.00"}},
        {"terms below 0 take nothing", {i1}, -5, early, true, {"S: I1 100.00-0.00 = 100.00"}},
        {"no discount on a credit", {i1, {"C1", "3", day(3, 1), day(3, 28), "-40.00"}}, 2, early, true,
         {"S: C1 -40.00-0.00 I1 100.00-2.00 = 58.00"}},
        {"a negative cheque is left out", {{"I1", "1", day(3, 1), day(3, 28), "30.00"}, {"C1", "3", day(3, 1), day(3, 28), "-40.00"}},
         0, early, true, {}},
        {"a cheque of nothing is kept", {{"I1", "1", day(3, 1), day(3, 28), "40.00"}, {"C1", "3", day(3, 1), day(3, 28), "-40.00"}}, 0,
         early, true, {"S: C1 -40.00-0.00 I1 40.00-0.00 = 0.00"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        reset();
        execute("UPDATE ctrl SET ctrl_ap_disb_accnt2 = ?", {row.discountAccount ? kDiscount : 4999});
        supplier("S", kBank, row.discount, row.entries);
        ChequeListRequest r = request();
        r.chequeDate = row.chequeDate;
        r.dueBefore = day(3, 31);
        BuildChequeList(*books_, r);
        EXPECT_EQ(summary(), row.expected);
        for (const Cheque& cheque : list()) {
            EXPECT_TRUE(CheckCheque(cheque).empty()) << "a built cheque can be saved as it is";
            EXPECT_EQ(cheque.date, row.chequeDate);
            EXPECT_EQ(cheque.accounts[0], kPayable);
            EXPECT_EQ(cheque.accounts[1], kBank);
            if (cheque.amount.isZero()) {
                EXPECT_EQ(cheque.words, "NON NEGOTIABLE");
            }
        }
    }
}

TEST_P(ChequeListBuildTest, recurring_cheques_join_dated_as_the_list_for_the_suppliers_it_pays)
{
    supplier("A1", kBank, 0, {{"I1", "1", day(3, 1), day(3, 20), "10.00"}});
    supplier("B2", kBank, 0, {{"I1", "1", day(3, 1), day(3, 20), "10.00"}});
    const auto recurring = [](int seq, const std::string& supplier, const std::string& payee, int bank) {
        Cheque c;
        c.seq = seq;
        c.supplier = supplier;
        c.name = payee;
        c.date = day(1, 1);
        c.accounts[1] = bank;
        c.accounts[3] = kExpense;
        c.lines.push_back({supplier, "RENT", false, day(1, 1), day(1, 1), amount("500.00"), {}, {}});
        c.taxLines.push_back({"GST", 5, amount("25.00"), amount("500.00"), 4});
        ProposeDistribution(c);
        c.words = "stale words";
        return c;
    };
    write(ChequeSet::Recurring, {recurring(1, "", "Landlord", kBank), recurring(2, "A1", "Supplier A1", kBank),
                                 recurring(3, "B2", "Supplier B2", kBank),  // B2 is not selected
                                 recurring(4, "", "Other bank", kSecondBank)});
    struct Row {
        int taxSystem;
        std::size_t taxLines;
    };
    for (const Row row : {Row{0, 0}, Row{1, 1}}) {
        SCOPED_TRACE(row.taxSystem);
        execute("UPDATE ctrl SET ctrl_taxsystem = ?", {row.taxSystem});
        ChequeListRequest r = request();
        r.suppliers = {"A1"};
        r.includeRecurring = true;
        const ChequeListBuilt built = BuildChequeList(*books_, r);
        EXPECT_EQ(summary(), (Texts{"A1: I1 10.00-0.00 = 10.00", "Landlord: RENT 500.00-0.00 = 500.00", "A1: RENT 500.00-0.00 = 500.00"}));
        EXPECT_EQ(built.total, amount("1010.00"));
        for (const Cheque& cheque : list()) {
            EXPECT_EQ(cheque.date, r.chequeDate) << "a recurring cheque takes the list's date";
            if (cheque.lines.front().invoice == "RENT") {
                EXPECT_EQ(cheque.words, "Five Hundred Dollars");
                EXPECT_EQ(cheque.taxLines.size(), row.taxLines);
            }
        }
    }
    EXPECT_EQ(ChequeStore(*books_, ChequeSet::Recurring).read(1)->date, day(1, 1)) << "the recurring cheque itself is unchanged";
}

TEST_P(ChequeListBuildTest, numbered_cheques_stop_a_build_until_their_numbers_are_voided)
{
    supplier("A1", kBank, 0, {{"I1", "1", day(3, 1), day(3, 20), "10.00"}});
    supplier("E5", kSecondBank, 0, {{"I1", "1", day(3, 1), day(3, 20), "20.00"}});
    BuildChequeList(*books_, request());
    ChequeListRequest second = request(kSecondBank);
    // Another bank's cheque joins the list by hand; both are printed and not posted.
    Cheque other = list().front();
    other.seq = 2;
    other.supplier = "E5";
    other.accounts[1] = kSecondBank;
    write(ChequeSet::List, {other});
    execute("UPDATE apchqh SET apchqh_cheque = CASE apchqh_seq WHEN 1 THEN '17' ELSE ' 4 ' END");  // typed with spaces

    const auto refusedWith = [&](const ChequeListRequest& r) {
        try {
            BuildChequeList(*books_, r);
            ADD_FAILURE() << "the build went on over numbered cheques";
            return std::vector<NumberedCheque>();
        } catch (const NumberedChequesPending& pending) {
            return pending.cheques();
        }
    };
    const std::vector<NumberedCheque> shown = refusedWith(second);
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].number, "17");
    EXPECT_EQ(shown[1].bankAccount, kSecondBank);

    // Between the question and the answer, the first cheque is printed again under another number.
    execute("UPDATE apchqh SET apchqh_cheque = '18' WHERE apchqh_seq = 1");
    second.numberedToVoid = shown;
    const std::vector<NumberedCheque> now = refusedWith(second);
    ASSERT_EQ(now.size(), 2u);
    EXPECT_EQ(now[0].number, "18") << "the numbers as they are now, to be shown again";
    EXPECT_EQ(list().size(), 2u) << "a refused build changes nothing";
    EXPECT_EQ(count("SELECT COUNT(*) FROM apchqno"), 0) << "no number voided that the user did not see";

    // The numbers the user saw are voided, then the rebuild fails: the old list stays, unnumbered.
    second.numberedToVoid = now;
    EXPECT_THROW(BuildChequeList(*books_, second, [](int, int) { throw std::runtime_error("the disk is full"); }), std::runtime_error);
    EXPECT_EQ(list().size(), 2u);
    EXPECT_TRUE(NumberedCheques(*books_).empty());
    EXPECT_EQ(count("SELECT COUNT(*) FROM apchqno WHERE apchqno_state = 'V' AND ((apchqno_bank = 1 AND apchqno_number = 18) "
                    "OR (apchqno_bank = 2 AND apchqno_number = 4))"),
              2);

    const ChequeListBuilt built = BuildChequeList(*books_, request(kSecondBank));
    EXPECT_EQ(built.numbersVoided, 0);
    EXPECT_EQ(summary(), Texts{"E5: I1 20.00-0.00 = 20.00"});
    EXPECT_EQ(count("SELECT COUNT(*) FROM apchqno"), 2);
    EXPECT_EQ(count("SELECT COUNT(*) FROM tjlh"), 0) << "voiding posts nothing";
}

TEST_P(ChequeListBuildTest, a_build_that_dies_half_way_leaves_the_old_list_whole)
{
    for (const char* code : {"A1", "B2", "C3"}) supplier(code, kBank, 0, {{"I1", "1", day(3, 1), day(3, 20), "10.00"}});
    BuildChequeList(*books_, request());
    const Texts old = summary();
    ASSERT_EQ(old.size(), 3u);
    entry("A1", {"I2", "1", day(3, 2), day(3, 21), "5.00"});

    Pipe halfWay;
    const pid_t builder = StartWorkstation(installation_, "Paul", 8, [this, &halfWay](store::Database& books) {
        BuildChequeList(books, request(), [&halfWay](int done, int) {
            if (done < 2) return;
            halfWay.send();
            for (;;) ::pause();
        });
        return 0;
    });
    ASSERT_EQ(halfWay.receive(), 'x');
    ::kill(builder, SIGKILL);
    EXPECT_EQ(ExitStatusOf(builder), -1);

    // The dead builder's transaction and lock are gone with it.
    ChequeListBuilt built;
    for (int attempt = 0; attempt < 100; ++attempt) {
        EXPECT_EQ(summary(), old);
        try {
            built = BuildChequeList(*books_, request());
            break;
        } catch (const store::StoreError& e) {
            ASSERT_TRUE(e.isRecordLocked()) << e.what();
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
    }
    EXPECT_EQ(built.cheques, 3);
    EXPECT_EQ(summary().front(), "A1: I1 10.00-0.00 I2 5.00-0.00 = 15.00");
}

}  // namespace
}  // namespace orvant::cheques::test
