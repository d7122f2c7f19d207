#include "update_fixture.h"

#include "cheque_rules.h"
#include "store/table.h"
#include "testing/written_purchase.h"

namespace orvant::cheques::test {

void ChequeUpdateTest::SetUp()
{
    QueriedBooksTest::SetUp();
    if (HasFatalFailure() || IsSkipped()) return;
    execute("INSERT INTO glm (glm_account, glm_description, glm_type, glm_summarize, glm_currency) VALUES (?, 'Discounts', 'Revenue', 'N', 0)",
            {kDiscount});
    context.user = kUser;
    context.firstMonths = {"January", "February", "March", "April", "May", "June", "July", "August", "September", "October", "November", "December"};
    context.secondMonths = {"Janvier", "Février", "Mars", "Avril", "Mai", "Juin", "Juillet", "Août", "Septembre", "Octobre", "Novembre", "Décembre"};
}

void ChequeUpdateTest::purchase(const std::string& supplier, const std::string& invoice, const char* total)
{
    orvant::testing::WritePurchase(*books_, {supplier, invoice, Amount(total), {}, March(10), March(31), 3});
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

}  // namespace orvant::cheques::test
