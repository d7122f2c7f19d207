// The undo of purchases and payments on the real postings' books: only the undone documents'
// records go, each with its audit copy, and the books still agree.

#include <gmock/gmock.h>

#include <thread>

#include "store/query.h"
#include "store/table.h"
#include "undo_fixture.h"
#include "undo_report.h"

namespace orvant::vndundo::testing {
namespace {

using ::testing::ElementsAre;

const UndoRefusal* refusalOf(const std::variant<UndoDone, UndoRefusal>& outcome) { return std::get_if<UndoRefusal>(&outcome); }

class UndoCore : public UndoTest {
protected:
    void undoSharedNumber(bool handedToLedger);
};

// Purchase 1001 of one supplier undone when another supplier's 1001 and a sale 1001 share its
// date: in the journal or in the general ledger, only its own lines go.
void UndoCore::undoSharedNumber(bool handedToLedger)
{
    purchase("BUR100", "1001", "100.00");
    purchase("HYD200", "1001", "250.00");
    sale("ABC100", "1001", "70.00");
    if (handedToLedger) handToLedger();
    const Money before = balance("BUR100");
    const Money supplies = money("SELECT glm_current4 FROM glm WHERE glm_account = ?", {company::demo::kOfficeSupplies});

    const UndoSelection chosen = item("BUR100", "1001", "", kPurchaseType);
    const auto cascade = ComputeCascade(*books_, chosen);
    ASSERT_TRUE(std::holds_alternative<UndoCascade>(cascade)) << RefusalText(std::get<UndoRefusal>(cascade));
    const UndoCascade& shown = std::get<UndoCascade>(cascade);
    EXPECT_EQ(shown.generalLedgerPeriods, handedToLedger ? std::vector<int>{4} : std::vector<int>{});
    const auto done = RunUndo(*books_, shown, {"CLERK", {}});
    ASSERT_FALSE(refusalOf(done)) << RefusalText(*refusalOf(done));

    EXPECT_EQ(balance("BUR100"), before - Amount("100.00"));
    EXPECT_EQ(count("SELECT COUNT(*) FROM cap WHERE cap_invoice = '1001'"), 1);
    EXPECT_EQ(count("SELECT COUNT(*) FROM car WHERE car_invoice = '1001'"), 1);
    EXPECT_EQ(count("SELECT COUNT(*) FROM apori WHERE reference = '1001'"), 1);
    const char* lines = handedToLedger ? "SELECT COUNT(*) FROM gla WHERE gla_reference = '1001'"
                                                  : "SELECT COUNT(*) FROM tjld WHERE tjld_reference = '1001'";
    EXPECT_EQ(count(lines), 4);  // the other supplier's purchase and the sale
    EXPECT_EQ(count("SELECT COUNT(*) FROM glundoap WHERE gla_undo_no = ? AND gla_reference = '1001'", {std::get<UndoDone>(done).undoNumber}), 2);
    EXPECT_EQ(count("SELECT COUNT(*) FROM aporidel WHERE reference = '1001' AND supplier = 'BUR100' AND orig_seq > 0"), 1);
    if (handedToLedger) {
        EXPECT_EQ(money("SELECT glm_current4 FROM glm WHERE glm_account = ?", {company::demo::kOfficeSupplies}), supplies - Amount("100.00"));
    } else {
        EXPECT_EQ(money("SELECT tjlh_tot_debit FROM tjlh WHERE tjlh_reference = '1001' AND tjlh_journal = 3"), Amount("250.00"));
        expectBooksClean();
    }
    const auto again = undo(chosen);
    ASSERT_TRUE(refusalOf(again));
    EXPECT_EQ(refusalOf(again)->reason, RefusalReason::ItemGone);
    EXPECT_EQ(refusalOf(again)->message, kRefusedMessage);
}

TEST_P(UndoCore, PurchaseSharingItsNumberInTheJournal) { undoSharedNumber(false); }
TEST_P(UndoCore, PurchaseSharingItsNumberInTheGeneralLedger) { undoSharedNumber(true); }

// A purchase goes with its credit note; the note alone is refused.
TEST_P(UndoCore, PurchaseTakesItsCreditNote)
{
    purchase("BUR100", "P100", "100.00");
    creditNote("BUR100", "P100", "CN1", "20.00");
    const Money owed = balance("BUR100");
    const Money month = money("SELECT sup_purch_mth FROM sup WHERE sup_code = 'BUR100'");

    const auto note = undo(item("BUR100", "P100", "CN1", kCreditNoteType));
    ASSERT_TRUE(refusalOf(note));
    EXPECT_EQ(refusalOf(note)->reason, RefusalReason::NotUndoable);

    const auto done = undo(item("BUR100", "P100", "", kPurchaseType));
    ASSERT_FALSE(refusalOf(done)) << RefusalText(*refusalOf(done));
    EXPECT_EQ(std::get<UndoDone>(done).cascade.items.size(), 2u);
    EXPECT_EQ(balance("BUR100"), owed - Amount("80.00"));
    EXPECT_EQ(money("SELECT sup_purch_mth FROM sup WHERE sup_code = 'BUR100'"), month - Amount("100.00"));
    EXPECT_EQ(count("SELECT COUNT(*) FROM tjld WHERE tjld_reference = 'P100'"), 0);
    EXPECT_EQ(count("SELECT COUNT(*) FROM tjlh WHERE tjlh_reference = 'P100'"), 0);
    EXPECT_EQ(count("SELECT COUNT(*) FROM aporidel WHERE reference = 'P100'"), 2);

    const UndoReportData report = ReadUndoReport(*books_, "BUR100");
    ASSERT_EQ(report.transactionsDeleted(), 2);
    EXPECT_EQ(report.items[0].deletedBy, "CLERK");
    EXPECT_EQ(report.items[0].lines.size(), 4u);  // the purchase's and the note's, listed once
    EXPECT_TRUE(report.items[1].lines.empty());
    expectBooksClean();
}

// One disbursement pays P1 and P2 and leaves an unapplied part: undoing P1 takes the whole
// disbursement and reopens P2; a payment on account is undone alone.
TEST_P(UndoCore, PaymentCoveringTwoInvoicesAndAnUnappliedPart)
{
    purchase("BUR100", "P1", "100.00");
    purchase("BUR100", "P2", "50.00");
    disbursement("BUR100", "CHQ1", R"({"invoice": "P1", "amount": "60.00"}, {"invoice": "P2", "amount": "50.00"})", "130.00");
    disbursement("BUR100", "ACC1", "", "30.00");
    ASSERT_EQ(balance("BUR100"), Amount("-10.00"));

    const auto cascade = ComputeCascade(*books_, item("BUR100", "P1", "", kPurchaseType));
    ASSERT_TRUE(std::holds_alternative<UndoCascade>(cascade)) << RefusalText(std::get<UndoRefusal>(cascade));
    const UndoCascade& shown = std::get<UndoCascade>(cascade);
    EXPECT_EQ(shown.items.size(), 4u);  // P1, its payment, P2's payment, the unapplied part
    EXPECT_THAT(shown.reopenedInvoices, ElementsAre("P2"));
    ASSERT_FALSE(refusalOf(RunUndo(*books_, shown, {"CLERK", {}})));

    EXPECT_EQ(money("SELECT SUM(cap_amount) FROM cap WHERE cap_invoice = 'P2'"), Amount("50.00"));
    EXPECT_EQ(balance("BUR100"), Amount("20.00"));
    for (const char* table : {"cdorihdr", "cdoridet", "concil"}) {
        const std::string reference = std::string(table) == "concil" ? "concil_reference" : "reference";
        EXPECT_EQ(count(std::string("SELECT COUNT(*) FROM ") + table + " WHERE " + reference + " = 'CHQ1'"), 0) << table;
    }
    EXPECT_EQ(count("SELECT COUNT(*) FROM cdoridetdel d JOIN cdorihdrdel h ON d.header_seq = h.orig_seq AND d.undo_no = h.undo_no"), 2);

    const auto onAccount = undo(item("BUR100", "ACC1", "ACC1", kCreditNoteType));
    ASSERT_FALSE(refusalOf(onAccount)) << RefusalText(*refusalOf(onAccount));
    EXPECT_EQ(balance("BUR100"), Amount("50.00"));
    expectBooksClean();
}

// A payment undone whose reference is a number of the bank's cheque register: the number turns
// void only when it was issued for this payment's cheque (its supplier and date); an earlier
// cheque of the same number, or another supplier's, keeps it. The invoice paid is open again.
TEST_P(UndoCore, ChequePaymentVoidsItsOwnNumberOnly)
{
    if (!books_->tableExists("apchqno")) books_->createTable("apchqno");
    const struct {
        int number;
        const char* payee;
        const char* chequeDate;
        bool voided;
    } rows[] = {
        {1005, "BUR100", "2026-03-20", true},
        {1006, "BUR100", "2026-03-01", false},  // an earlier cheque of the same number
        {1007, "HYD200", "2026-03-20", false},
    };
    for (const auto& row : rows) {
        const std::string number = std::to_string(row.number), invoice = "P" + number;
        SCOPED_TRACE(number);
        purchase("BUR100", invoice, "100.00");
        disbursement("BUR100", number, R"({"invoice": ")" + invoice + R"(", "amount": "100.00"})", "100.00");
        execute("INSERT INTO apchqno (apchqno_bank, apchqno_number, apchqno_state, apchqno_supplier, apchqno_cheque_date) VALUES (1, ?, 'I', ?, ?)",
                {row.number, std::string(row.payee), *Date::fromIso(row.chequeDate)});
        const Money owed = balance("BUR100");

        const auto done = undo(item("BUR100", invoice, number, kPaymentType));
        ASSERT_FALSE(refusalOf(done)) << RefusalText(*refusalOf(done));
        const UndoCascade& cascade = std::get<UndoDone>(done).cascade;
        ASSERT_EQ(cascade.documents.size(), 1u);
        EXPECT_EQ(cascade.documents[0].cheque, row.voided);
        EXPECT_THAT(cascade.reopenedInvoices, ElementsAre(invoice));
        EXPECT_EQ(count("SELECT COUNT(*) FROM apchqno WHERE apchqno_number = ? AND apchqno_state = 'V'", {row.number}), row.voided ? 1 : 0);
        EXPECT_EQ(balance("BUR100"), owed + Amount("100.00"));
    }
    expectBooksClean();
}

// A supplier of a foreign currency posts to that currency's purchases and disbursements
// journals: its payment, then its purchase, are undone from them.
TEST_P(UndoCore, ForeignCurrencyPurchaseAndPaymentUndone)
{
    for (const int currency : {1, 4}) {
        SCOPED_TRACE(currency);
        const std::string n = std::to_string(currency + 1), invoice = "F" + n, reference = "D" + n;
        execute("UPDATE sup SET sup_currency = ? WHERE sup_code = 'BUR100'", {currency});
        execute("UPDATE ctrl SET ctrl_ap_curr" + n + " = ?, ctrl_bank_accnt" + n + " = ?", {company::demo::kPayable, company::demo::kBank});
        purchase("BUR100", invoice, "100.00");
        disbursement("BUR100", reference, R"({"invoice": ")" + invoice + R"(", "amount": "40.00"})", "40.00");
        ASSERT_EQ(count("SELECT COUNT(*) FROM tjlh WHERE tjlh_reference = ? AND tjlh_journal = ?", {invoice, 31 + currency}), 1);

        const auto paymentUndone = undo(item("BUR100", invoice, reference, kPaymentType));
        ASSERT_FALSE(refusalOf(paymentUndone)) << RefusalText(*refusalOf(paymentUndone));
        const auto purchaseUndone = undo(item("BUR100", invoice, "", kPurchaseType));
        ASSERT_FALSE(refusalOf(purchaseUndone)) << RefusalText(*refusalOf(purchaseUndone));
        EXPECT_EQ(count("SELECT COUNT(*) FROM tjld WHERE tjld_reference IN (?, ?)", {invoice, reference}), 0);
        EXPECT_EQ(count("SELECT COUNT(*) FROM glundoap WHERE gla_journal IN (?, ?)", {31 + currency, 41 + currency}), 4);
    }
    EXPECT_EQ(balance("BUR100"), Money());
    expectBooksClean();
}

// What the undo refuses leaves the books as they were.
TEST_P(UndoCore, RefusalsLeaveTheBooksUntouched)
{
    purchase("BUR100", "P1", "100.00");
    purchase("BUR100", "P2", "40.00");
    purchase("BUR100", "P3", "30.00");
    disbursement("BUR100", "CHQ1", R"({"invoice": "P2", "amount": "40.00"})", "40.00");
    execute("UPDATE concil SET concil_tag = ? WHERE concil_reference = 'CHQ1'", {true});
    store::Table list(*books_, "apchqd");
    list.open();
    list.insert();
    list.field("Apchqd_seq") = 1;
    list.field("Apchqd_fou") = std::string("BUR100");
    list.field("Apchqd_invoice") = std::string("p1");
    list.post();
    // A second purchase numbered alike, as books kept before numbers were checked may hold.
    execute("INSERT INTO cap (cap_supplier, cap_invoice, cap_ref, cap_date, cap_type, cap_du_date, cap_amount, cap_seq) "
            "SELECT 'BUR100', 'P3', '', ?, '1', ?, 200000, MAX(cap_seq) + 1 FROM cap",
            {*Date::fromIso("2026-03-12"), *Date::fromIso("2026-04-12")});

    const struct {
        UndoSelection selection;
        RefusalReason reason;
    } rows[] = {
        {item("BUR100", "P1", "", kPurchaseType), RefusalReason::OnChequeList},
        {item("BUR100", "P2", "", kPurchaseType), RefusalReason::Reconciled},
        {item("BUR100", "P2", "CHQ1", kPaymentType), RefusalReason::Reconciled},
        {item("BUR100", "P3", "", kPurchaseType), RefusalReason::InvoiceNumberShared},
        {{"BUR100", 999999}, RefusalReason::ItemGone},
    };
    const Money owed = balance("BUR100");
    for (const auto& row : rows) {
        const auto outcome = undo(row.selection);
        ASSERT_TRUE(refusalOf(outcome)) << row.selection.seq;
        EXPECT_EQ(refusalOf(outcome)->reason, row.reason) << RefusalText(*refusalOf(outcome));
    }
    EXPECT_EQ(balance("BUR100"), owed);
    EXPECT_EQ(count("SELECT COUNT(*) FROM cvndundo"), 0);
}

// Two workstations undo the same purchase at once: one does, the other finds it gone.
TEST_P(UndoCore, TwoWorkstationsUndoTheSamePurchaseOnce)
{
    purchase("BUR100", "P1", "100.00");
    const UndoSelection chosen = item("BUR100", "P1", "", kPurchaseType);
    const UndoCascade shown = std::get<UndoCascade>(ComputeCascade(*books_, chosen));
    std::variant<UndoDone, UndoRefusal> outcomes[2];
    std::thread other([&] {
        const auto books = company::OpenCompany(installation_, 1);
        outcomes[1] = RunUndo(*books, shown, {"OTHER", {}});
    });
    outcomes[0] = RunUndo(*books_, shown, {"CLERK", {}});
    other.join();
    EXPECT_NE(refusalOf(outcomes[0]) == nullptr, refusalOf(outcomes[1]) == nullptr);
    for (const auto& outcome : outcomes)
        if (refusalOf(outcome)) EXPECT_EQ(refusalOf(outcome)->reason, RefusalReason::ItemGone);
    EXPECT_EQ(count("SELECT COUNT(*) FROM cvndundo"), 1);
    EXPECT_EQ(balance("BUR100"), Money());
    expectBooksClean();
}

ORVANT_BOOKS_ON_EVERY_ENGINE(UndoCore);

}  // namespace
}  // namespace orvant::vndundo::testing
