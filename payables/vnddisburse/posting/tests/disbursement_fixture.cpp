#include "disbursement_fixture.h"

#include "books/journal_writer.h"
#include "books/ledger_writer.h"
#include "books/supplier_record.h"
#include "store/table.h"

namespace orvant::disbursements::testing {

DisbursementBooks& DisbursementTest::books()
{
    if (!books_disbursements_) books_disbursements_ = std::make_unique<DisbursementBooks>(*books_);
    return *books_disbursements_;
}

DisbursementPosting& DisbursementTest::posting()
{
    if (!posting_) posting_ = std::make_unique<DisbursementPosting>(books());
    return *posting_;
}

void DisbursementTest::reopen()
{
    posting_.reset();
    books_disbursements_.reset();
}

void DisbursementTest::purchase(const std::string& supplier, const std::string& invoice, const char* total, const char* holdback)
{
    const Money whole = Amount(total), heldBack = holdback ? Amount(holdback) : Money();
    const Date date = *Date::fromYmd(2026, 3, 10), due = *Date::fromYmd(2026, 4, 9);
    const bool credit = whole.isNegative();
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
    history.field("Due_date") = due;
    history.field("Trx_type") = std::string(credit ? "3" : "1");
    history.field("Account1") = static_cast<int>(kPurchases);
    history.field(credit ? "Credit1" : "Debit1") = whole.abs();
    history.field("Account2") = static_cast<int>(kPayable);
    history.field(credit ? "Debit2" : "Credit2") = whole.abs();
    history.post();
    JournalWriter journal(*books_);
    const JournalKey key{4, 3, invoice, date};
    journal.addRow(key, {supplier, "ADMIN"}, kPurchases, "Purchases", credit ? Money() : whole, credit ? whole.abs() : Money());
    journal.addRow(key, {supplier, "ADMIN"}, kPayable, "Payable", credit ? whole.abs() : Money(), credit ? Money() : whole);
    LedgerWriter ledger(*books_, Ledger::Payables);
    ledger.add({supplier, invoice, {}, date, due, credit ? "3" : "1", whole - heldBack, {}, {}, {}, {}, false, "ADMIN"});
    if (holdback) ledger.add({supplier, invoice, {}, date, *Date::fromYmd(2026, 6, 30), "6", heldBack, {}, {}, {}, {}, true, "ADMIN"});
    SupplierRecord(suppliers).moveBalance(whole);
    suppliers.post();
    transaction.commit();
    reopen();
}

DisbursementDocument DisbursementTest::disbursement(const std::string& supplier, const std::string& reference)
{
    DisbursementDocument disbursement;
    disbursement.supplier = supplier;
    disbursement.notToSupplier = supplier.empty();
    disbursement.reference = reference;
    disbursement.date = *Date::fromYmd(2026, 3, 20);
    if (!supplier.empty()) disbursement.items = books().openItems(supplier);
    return disbursement;
}

void DisbursementTest::row(DisbursementDocument& disbursement, int index, int account, const char* debit, const char* credit)
{
    disbursement.rows.setAccount(index, account, "row " + std::to_string(index + 1));
    if (debit) disbursement.rows.setDebit(index, Amount(debit));
    if (credit) disbursement.rows.setCredit(index, Amount(credit));
}

void DisbursementTest::rows(DisbursementDocument& disbursement, const std::vector<Row>& rows)
{
    for (std::size_t i = 0; i < rows.size(); ++i) row(disbursement, static_cast<int>(i), rows[i].account, rows[i].debit, rows[i].credit);
}

void DisbursementTest::pay(DisbursementDocument& disbursement, const std::string& invoice, const char* amount, bool holdback)
{
    for (OpenItem& item : disbursement.items)
        if (item.invoice == invoice && item.holdback == holdback) {
            item.payment = Amount(amount);
            return;
        }
    ADD_FAILURE() << "no open item " << invoice;
}

std::optional<Refusal> DisbursementTest::post(const DisbursementDocument& disbursement)
{
    if (auto refusal = CheckDisbursement(books(), disbursement)) return refusal;
    DisbursementPosting& disbursements = posting();
    auto prepared = disbursements.prepare(disbursement, {disbursements.taxLinesToAsk(disbursement)});
    if (auto* refusal = std::get_if<Refusal>(&prepared)) return *refusal;
    return disbursements.write(std::get<PreparedDisbursement>(prepared), context);
}

}  // namespace orvant::disbursements::testing
