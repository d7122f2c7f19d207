#include "disbursement_fixture.h"

#include "testing/written_purchase.h"

namespace orvant::disbursements::testing {

void DisbursementTest::purchase(const std::string& supplier, const std::string& invoice, const char* total, const char* holdback)
{
    orvant::testing::WritePurchase(*books_, {supplier, invoice, Amount(total), holdback ? Amount(holdback) : Money()});
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

std::optional<Refusal> DisbursementTest::post(const DisbursementDocument& disbursement)
{
    if (auto refusal = CheckDisbursement(books(), disbursement)) return refusal;
    DisbursementPosting& disbursements = posting();
    auto prepared = disbursements.prepare(disbursement, {disbursements.taxLinesToAsk(disbursement)});
    if (auto* refusal = std::get_if<Refusal>(&prepared)) return *refusal;
    return disbursements.write(std::get<PreparedDisbursement>(prepared), context);
}

}  // namespace orvant::disbursements::testing
