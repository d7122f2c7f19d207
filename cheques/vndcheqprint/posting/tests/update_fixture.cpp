#include "update_fixture.h"

#include "books/journal_writer.h"
#include "books/ledger_writer.h"
#include "books/supplier_record.h"
#include "cheque_rules.h"
#include "store/table.h"

namespace orvant::cheques::test {

namespace {

void bindAll(store::Query& query, const std::vector<store::Value>& binds)
{
    for (std::size_t i = 0; i < binds.size(); ++i) query.bind(static_cast<int>(i), binds[i]);
}

}  // namespace

void ChequeUpdateTest::SetUp()
{
    BooksTest::SetUp();
    if (HasFatalFailure() || IsSkipped()) return;
    execute("INSERT INTO glm (glm_account, glm_description, glm_type, glm_summarize, glm_currency) VALUES (?, 'Discounts', 'Revenue', 'N', 0)",
            {kDiscount});
    context.user = kUser;
    context.firstMonths = {"January", "February", "March", "April", "May", "June", "July", "August", "September", "October", "November", "December"};
    context.secondMonths = {"Janvier", "Février", "Mars", "Avril", "Mai", "Juin", "Juillet", "Août", "Septembre", "Octobre", "Novembre", "Décembre"};
}

void ChequeUpdateTest::purchase(const std::string& supplier, const std::string& invoice, const char* total)
{
    const Money whole = Amount(total);
    const bool credit = whole.isNegative();
    const Date date = March(10);
    store::Table history(*books_, "apori"), suppliers(*books_, "sup");
    history.open();
    suppliers.open();
    ASSERT_TRUE(suppliers.findKey({supplier}));
    suppliers.edit();
    store::Transaction transaction(*books_, store::OnRefusedWrite::SpoilTransaction);
    history.insert();
    history.field("Reference") = invoice;
    history.field("Supplier") = supplier;
    history.field("Date") = date;
    history.field("Trx_type") = std::string(credit ? "3" : "1");
    history.field("Account1") = static_cast<int>(company::demo::kPurchases);
    history.field(credit ? "Credit1" : "Debit1") = whole.abs();
    history.field("Account2") = static_cast<int>(kPayable);
    history.field(credit ? "Debit2" : "Credit2") = whole.abs();
    history.post();
    JournalWriter journal(*books_);
    const JournalKey key{3, 3, invoice, date};
    const Money debit = credit ? Money() : whole, creditAmount = credit ? whole.abs() : Money();
    journal.addRow(key, {supplier, "ADMIN"}, company::demo::kPurchases, {}, debit, creditAmount);
    journal.addRow(key, {supplier, "ADMIN"}, kPayable, {}, creditAmount, debit);
    LedgerWriter(*books_, Ledger::Payables).add({supplier, invoice, {}, date, March(31), credit ? "3" : "1", whole, {}, {}, {}, {}, false, "ADMIN"});
    SupplierRecord(suppliers).moveBalance(whole);
    suppliers.post();
    transaction.commit();
}

int ChequeUpdateTest::supplierCheque(const std::string& supplier, const std::string& number, const std::vector<Paying>& lines)
{
    Cheque cheque;
    cheque.seq = ChequeStore(*books_, ChequeSet::List).nextSequence();
    cheque.supplier = supplier;
    cheque.name = "Payee of " + supplier;
    cheque.date = March(20);
    cheque.number = number;
    for (const Paying& paying : lines)
        cheque.lines.push_back({supplier, paying.invoice, false, March(10), March(31), Amount(paying.amount), Amount(paying.discount), {}});
    cheque.accounts[0] = kPayable;
    cheque.accounts[1] = kBank;
    cheque.accounts[2] = kDiscount;
    ProposeDistribution(cheque);
    store(cheque);
    return cheque.seq;
}

int ChequeUpdateTest::payeeCheque(const std::string& number, const char* amount)
{
    Cheque cheque;
    cheque.seq = ChequeStore(*books_, ChequeSet::List).nextSequence();
    cheque.name = "Landlord";
    cheque.date = March(20);
    cheque.number = number;
    cheque.amount = Amount(amount);
    cheque.accounts[1] = kBank;
    cheque.accounts[3] = kRent;
    cheque.slotAmounts[1] = -cheque.amount;
    cheque.slotAmounts[3] = cheque.amount;
    store(cheque);
    return cheque.seq;
}

void ChequeUpdateTest::store(const Cheque& cheque)
{
    store::Transaction transaction(*books_);
    ChequeStore(*books_, ChequeSet::List).write(cheque);
    transaction.commit();
}

ChequeUpdateReport ChequeUpdateTest::update(const std::vector<PrintedCheque>& cheques, store::Database* books)
{
    return ChequeUpdate(books ? *books : *books_, context).run(cheques);
}

store::Value ChequeUpdateTest::scalar(const std::string& sql, std::vector<store::Value> binds)
{
    store::Query query(*books_, sql);
    bindAll(query, binds);
    query.open();
    return query.eof() ? store::Value() : query.value(0);
}

Money ChequeUpdateTest::money(const std::string& sql, std::vector<store::Value> binds)
{
    store::Query query(*books_, sql);
    bindAll(query, binds);
    query.open();
    return query.eof() ? Money() : query.field(0).asMoney();
}

void ChequeUpdateTest::execute(const std::string& sql, std::vector<store::Value> binds)
{
    store::Query query(*books_, sql);
    bindAll(query, binds);
    query.execute();
}

void ChequeUpdateTest::expectBooksClean()
{
    const company::BooksReport report = company::CheckBooks(*books_);
    EXPECT_TRUE(report.clean()) << ::testing::PrintToString(report.problems);
}

}  // namespace orvant::cheques::test
