// The update of printed cheques on every engine: what a posted cheque writes, with which signs,
// and the cheques it leaves untouched.

#include <deque>
#include <functional>

#include "cheque_period.h"
#include "update_fixture.h"

namespace orvant::cheques::test {
namespace {

using Outcome = UpdateOutcome;

TEST_P(ChequeUpdateTest, SupplierChequeWithADiscountWritesEveryRecordWithItsSign)
{
    purchase("BUR100", "A1", "200.00");
    purchase("BUR100", "A2", "100.00");
    const int seq = supplierCheque("BUR100", "501", {{"A1", "200.00", "6.00"}, {"A2", "100.00"}});
    const ChequeUpdateReport report = update({printed(seq)});
    ASSERT_EQ(report.cheques.size(), 1u);
    EXPECT_EQ(report.cheques[0].outcome, Outcome::Posted);

    EXPECT_EQ(count("SELECT COUNT(*) FROM cdorihdr WHERE reference = '501' AND supplier = 'BUR100' AND NOT not_to_sup AND \"user\" = ? "
                    "AND stamp IS NOT NULL AND account1 = ? AND account2 = ? AND account3 = ? AND account4 = 0",
                    {std::string(kUser), kPayable, kBank, kDiscount}), 1);
    const std::pair<const char*, const char*> history[] = {{"debit1", "300.00"}, {"credit1", "0"}, {"credit2", "294.00"}, {"debit2", "0"},
                                                           {"credit3", "6.00"}, {"debit3", "0"}, {"debit4", "0"}};
    for (const auto& [field, amount] : history) EXPECT_EQ(money(std::string("SELECT ") + field + " FROM cdorihdr"), Amount(amount)) << field;
    EXPECT_EQ(count("SELECT COUNT(*) FROM cdoridet d JOIN cdorihdr h ON h.seq = d.header_seq AND h.reference = d.reference AND "
                    "h.supplier = d.supplier AND h.\"date\" = d.\"date\""), 2);
    EXPECT_EQ(money("SELECT invoice_payment FROM cdoridet WHERE invoice = 'A1' AND invoice_amount = ?", {Amount("200.00")}), Amount("194.00"));
    EXPECT_EQ(money("SELECT concil_montant FROM concil WHERE concil_type = 2 AND concil_account = ? AND concil_reference = '501' "
                    "AND concil_fou_cli_emp = 'BUR100' AND concil_nom = 'Payee of BUR100' AND NOT concil_tag", {kBank}), Amount("-294.00"));
    EXPECT_EQ(count("SELECT COUNT(*) FROM tjlh WHERE tjlh_period = 3 AND tjlh_journal = 4 AND tjlh_reference = '501' AND tjlh_memo = "
                    "'Payee of BUR100' AND tjlh_tot_debit = tjlh_tot_credit"), 1);
    for (const auto& [account, signedAmount] : {std::pair{+kPayable, "300.00"}, {+kBank, "-294.00"}, {kDiscount, "-6.00"}})
        EXPECT_EQ(money("SELECT tjld_debit - tjld_credit FROM tjld WHERE tjld_journal = 4 AND tjld_account = ?", {account}), Amount(signedAmount))
            << account;
    EXPECT_EQ(money("SELECT SUM(cap_amount) FROM cap WHERE cap_type = '2' AND cap_ref = '501' AND cap_user = ? AND cap_stamp IS NOT NULL "
                    "AND NOT cap_holdback", {std::string(kUser)}), Amount("-300.00"));
    EXPECT_EQ(money("SELECT sup_current_bal FROM sup WHERE sup_code = 'BUR100'"), Money());
    EXPECT_EQ(scalar("SELECT sup_date_last_pmt FROM sup WHERE sup_code = 'BUR100'").asDate(), March(20));
    EXPECT_EQ(count("SELECT COUNT(*) FROM apchqh") + count("SELECT COUNT(*) FROM apchqd"), 0);
    expectBooksClean();
}

// A cheque to a payee who is not a supplier, and a negative cheque (a credit note above the
// invoice it pays), which is journaled and settles its items but has no bank line.
TEST_P(ChequeUpdateTest, PayeeAndNegativeChequesWriteOnlyTheirOwnRecords)
{
    purchase("MAP300", "A1", "100.00");
    purchase("MAP300", "C1", "-150.00");
    const int payee = payeeCheque("601", "250.00");
    const int negative = supplierCheque("MAP300", "602", {{"A1", "100.00"}, {"C1", "-150.00"}});
    const ChequeUpdateReport report = update({printed(payee), printed(negative)});
    EXPECT_EQ(report.cheques[0].outcome, Outcome::Posted);
    EXPECT_EQ(report.cheques[1].outcome, Outcome::Posted);

    EXPECT_EQ(count("SELECT COUNT(*) FROM cdorihdr WHERE reference = '601' AND supplier = '' AND not_to_sup"), 1);
    EXPECT_EQ(count("SELECT COUNT(*) FROM cdoridet WHERE reference = '601'") + count("SELECT COUNT(*) FROM cap WHERE cap_ref = '601'"), 0);
    EXPECT_EQ(money("SELECT SUM(concil_montant) FROM concil"), Amount("-250.00")) << "no bank line for the negative cheque";
    EXPECT_EQ(money("SELECT tjld_debit FROM tjld WHERE tjld_reference = '601' AND tjld_account = ?", {kRent}), Amount("250.00"));
    EXPECT_EQ(money("SELECT tjld_credit FROM tjld WHERE tjld_reference = '602' AND tjld_account = ?", {kPayable}), Amount("50.00"));
    EXPECT_EQ(money("SELECT tjld_debit FROM tjld WHERE tjld_reference = '602' AND tjld_account = ?", {kBank}), Amount("50.00"));
    EXPECT_EQ(money("SELECT SUM(cap_amount) FROM cap WHERE cap_ref = '602'"), Amount("50.00"));
    EXPECT_EQ(money("SELECT SUM(sup_current_bal) FROM sup"), Money());
    expectBooksClean();
}

TEST_P(ChequeUpdateTest, TwoChequesOfOneNumberAndDateAddToOneJournalHeader)
{
    const ChequeUpdateReport report = update({printed(payeeCheque("801", "100.00")), printed(payeeCheque("801", "50.00"))});
    EXPECT_TRUE(IsPosted(report.cheques[0].outcome) && IsPosted(report.cheques[1].outcome));
    EXPECT_EQ(count("SELECT COUNT(*) FROM tjlh"), 1);
    EXPECT_EQ(money("SELECT tjlh_tot_debit + tjlh_tot_credit FROM tjlh"), Amount("300.00"));
    EXPECT_EQ(count("SELECT COUNT(*) FROM tjld"), 4);
    EXPECT_EQ(count("SELECT COUNT(*) FROM cdorihdr"), 2);
    expectBooksClean();
}

// Journal 4 for a bank of the home currency, 41 + its currency for a foreign one.
TEST_P(ChequeUpdateTest, JournalIsThatOfTheBanksCurrency)
{
    execute("INSERT INTO glm (glm_account, glm_description, glm_type, glm_summarize, glm_currency) VALUES (1020, 'Bank (2)', 'Asset', 'N', 2)");
    for (const auto& [bank, journal] : {std::pair{+kBank, 4}, {1020, 43}}) {
        Cheque cheque = stored(payeeCheque(std::to_string(bank), "40.00"));
        cheque.accounts[1] = bank;
        store(cheque);
        EXPECT_EQ(update({printed(cheque)}).cheques[0].outcome, Outcome::Posted);
        EXPECT_EQ(count("SELECT COUNT(*) FROM tjld WHERE tjld_reference = ? AND tjld_journal = ?", {std::to_string(bank), journal}), 2) << bank;
    }
    expectBooksClean();
}

// Each rate still on file is reported under its code; a tax paid is reported even when no
// amount subject to it was typed.
TEST_P(ChequeUpdateTest, TaxLinesOfRatesOnFileGoToThePurchasesTaxReport)
{
    execute("UPDATE ctrl SET ctrl_taxsystem = 1");
    Cheque cheque = stored(payeeCheque("901", "114.98"));
    cheque.accounts[4] = kFederalTax;
    cheque.accounts[5] = company::demo::kProvincialTax;
    cheque.slotAmounts[3] = Amount("100.00");
    cheque.slotAmounts[4] = Amount("5.00");
    cheque.slotAmounts[5] = Amount("9.98");
    cheque.taxLines = {{"GST", 5, Amount("5.00"), Amount("100.00")}, {"QST", 9.975, Amount("9.98"), Money()}, {"PST", 7, Money(), Amount("50.00")}};
    store(cheque);
    EXPECT_EQ(update({printed(cheque.seq)}).cheques[0].outcome, Outcome::Posted);

    struct Row { int code; const char* gross; const char* tax; };
    for (const Row& row : {Row{1, "100.00", "5.00"}, Row{2, "0.00", "9.98"}}) {
        SCOPED_TRACE(row.code);
        EXPECT_EQ(count("SELECT COUNT(*) FROM taxrepp WHERE taxrep_code = ? AND taxrep_reference = '901' AND taxrep_typecode = 4 AND "
                        "taxrep_purchase AND taxrep_date = ?", {row.code, March(20)}), 1);
        EXPECT_EQ(money("SELECT taxrep_gross FROM taxrepp WHERE taxrep_code = ?", {row.code}), Amount(row.gross));
        EXPECT_EQ(money("SELECT taxrep_vat FROM taxrepp WHERE taxrep_code = ?", {row.code}), Amount(row.tax));
    }
    EXPECT_EQ(count("SELECT COUNT(*) FROM taxrepp"), 2) << "no rate PST on file";
    expectBooksClean();
}

TEST_P(ChequeUpdateTest, ChequesNotAsPrintedOrUnfitAreLeftUntouched)
{
    struct Case {
        const char* name;
        std::function<PrintedCheque(int seq)> meanwhile;  // what happens between the printing and the update
        Outcome outcome;
        bool staysListed = true;
    };
    const Case cases[] = {
        {"changed after printing", [&](int seq) { PrintedCheque p = printed(seq); Cheque c = stored(seq); c.name = "Other"; store(c); return p; },
         Outcome::ChangedElsewhere},
        {"its number voided", [&](int seq) { PrintedCheque p = printed(seq); Cheque c = stored(seq); c.number.clear(); store(c); return p; },
         Outcome::ChangedElsewhere},
        {"another number printed", [&](int seq) { PrintedCheque p = printed(seq); p.number = "999"; return p; }, Outcome::ChangedElsewhere},
        {"deleted", [&](int seq) { PrintedCheque p = printed(seq); execute("DELETE FROM apchqh WHERE apchqh_seq = ?", {seq}); return p; },
         Outcome::Gone, false},
        {"an account not in the chart", [&](int seq) { Cheque c = stored(seq); c.accounts[3] = 5999; store(c); return printed(seq); },
         Outcome::AccountMissing},
        {"unbalanced", [&](int seq) { Cheque c = stored(seq); c.slotAmounts[3] += Amount("1.00"); store(c); return printed(seq); },
         Outcome::Unbalanced},
        {"its supplier not on file", [&](int seq) { Cheque c = stored(seq); c.supplier = "GONE1"; store(c); return printed(seq); },
         Outcome::SupplierMissing},
        {"no period for March", [&](int seq) { execute("DELETE FROM periods WHERE period_no = 3"); return printed(seq); }, Outcome::NoPeriod},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const int seq = payeeCheque("701", "80.00");
        EXPECT_EQ(update({c.meanwhile(seq)}).cheques[0].outcome, c.outcome);
        EXPECT_EQ(count("SELECT COUNT(*) FROM apchqh WHERE apchqh_seq = ?", {seq}), c.staysListed ? 1 : 0);
        EXPECT_EQ(count("SELECT COUNT(*) FROM cdorihdr") + count("SELECT COUNT(*) FROM tjld") + count("SELECT COUNT(*) FROM concil"), 0);
        execute("DELETE FROM apchqh");
    }
}

// Two cheques of the list pay one invoice: the second is printed, so it is posted, and reported.
TEST_P(ChequeUpdateTest, PaymentBeyondWhatTheItemOwesIsPostedAndReported)
{
    purchase("TEL400", "A1", "100.00");
    const int first = supplierCheque("TEL400", "111", {{"A1", "100.00"}});
    const int second = supplierCheque("TEL400", "112", {{"A1", "60.00"}});
    const ChequeUpdateReport report = update({printed(first), printed(second)});
    EXPECT_EQ(report.cheques[0].outcome, Outcome::Posted);
    EXPECT_EQ(report.cheques[1].outcome, Outcome::OverPaid);
    EXPECT_EQ(report.cheques[1].overPaidLines, std::vector<int>{0});
    EXPECT_EQ(money("SELECT sup_current_bal FROM sup WHERE sup_code = 'TEL400'"), Amount("-60.00"));
    expectBooksClean();
}

// The cheques of a run left numbered are posted as printed; the update run again finds them gone.
TEST_P(ChequeUpdateTest, PostAsPrintedPostsWhatIsLeftAndARerunDoublesNothing)
{
    execute("UPDATE ctrl SET ctrl_ap_chqno1 = 1003");
    payeeCheque("1001", "10.00");
    payeeCheque("", "20.00");
    payeeCheque("1002", "30.00");
    const std::vector<PrintedCheque> left = ChequesLeftNumbered(*books_, kBank);
    ASSERT_EQ(left.size(), 2u);
    EXPECT_EQ(left[1].number, "1002");
    EXPECT_TRUE(ChequesLeftNumbered(*books_, 1010).empty());
    for (const ChequeUpdateResult& result : update(left).cheques) EXPECT_EQ(result.outcome, Outcome::Posted);
    for (const ChequeUpdateResult& result : update(left).cheques) EXPECT_EQ(result.outcome, Outcome::Gone);
    EXPECT_EQ(count("SELECT COUNT(*) FROM cdorihdr"), 2);
    EXPECT_EQ(money("SELECT SUM(tjld_debit) FROM tjld"), Amount("40.00"));
    EXPECT_EQ(count("SELECT COUNT(*) FROM apchqh"), 1);
    EXPECT_EQ(count("SELECT ctrl_ap_chqno1 FROM ctrl"), 1003) << "the printing moved the counter; the update leaves it";
    expectBooksClean();
}

TEST_P(ChequeUpdateTest, ThirteenPeriodYearAsksEachDateOnceBeforePostingAndCancelPostsNothing)
{
    execute("UPDATE ctrl SET ctrl_periods = 13");
    std::vector<PrintedCheque> run;
    for (int day : {20, 21, 20}) {
        Cheque cheque = stored(payeeCheque(std::to_string(300 + day), "10.00"));
        cheque.date = March(day);
        store(cheque);
        run.push_back(printed(cheque));
    }
    std::vector<Date> asked;
    std::deque<std::optional<int>> answers{7, std::nullopt};  // the second date cancelled
    context.askPeriod = [&](const Date& date) {
        asked.push_back(date);
        const std::optional<int> answer = answers.front();
        answers.pop_front();
        return answer;
    };
    const ChequeUpdateReport cancelled = update(run);
    EXPECT_TRUE(cancelled.cancelled);
    EXPECT_EQ(cancelled.cheques[0].outcome, Outcome::NotReached);
    EXPECT_EQ(count("SELECT COUNT(*) FROM cdorihdr") + count("SELECT COUNT(*) FROM tjld"), 0);

    asked.clear();
    answers = {14, 7, 8};  // 14 is no period: asked again
    EXPECT_FALSE(update(run).cancelled);
    EXPECT_EQ(asked, (std::vector<Date>{March(20), March(20), March(21)}));
    EXPECT_EQ(count("SELECT COUNT(*) FROM tjlh WHERE tjlh_period = 7 AND tjlh_date = ?", {March(20)}), 1);
    EXPECT_EQ(count("SELECT COUNT(*) FROM tjlh WHERE tjlh_period = 8 AND tjlh_date = ?", {March(21)}), 1);
    expectBooksClean();
}

// A period is the row whose month starts with the month's name, in either language, case ignored.
TEST_P(ChequeUpdateTest, PeriodOfAMonthIsTheRowNamingIt)
{
    const std::pair<const char*, std::optional<int>> rows[] = {{"March", 3}, {"MARS", 3}, {"mars 2026", 3}, {"Mar", std::nullopt}};
    for (const auto& [month, period] : rows) {
        execute("UPDATE periods SET period_mth = ? WHERE period_no = 3", {std::string(month)});
        EXPECT_EQ(ChequePeriods(*books_, context).periodOf(March(20)), period) << month;
    }
}

ORVANT_BOOKS_ON_EVERY_ENGINE(ChequeUpdateTest);

}  // namespace
}  // namespace orvant::cheques::test
