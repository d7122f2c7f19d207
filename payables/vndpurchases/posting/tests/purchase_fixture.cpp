#include "purchase_fixture.h"

namespace orvant::purchases::testing {

PurchaseBooks& PurchaseTest::books(bool jobCosting)
{
    posting_.reset();
    purchaseBooks_ = std::make_unique<PurchaseBooks>(*books_, jobCosting);
    return *purchaseBooks_;
}

PurchasePosting& PurchaseTest::posting()
{
    if (!purchaseBooks_) books();
    if (!posting_) posting_ = std::make_unique<PurchasePosting>(*purchaseBooks_);
    return *posting_;
}

PurchaseDocument PurchaseTest::document(const std::string& supplier, PurchaseType type, const std::string& invoice,
                                        const std::string& reference)
{
    PurchaseDocument document;
    document.supplier = supplier;
    document.type = type;
    document.invoice = invoice;
    document.reference = reference;
    document.date = *Date::fromYmd(2026, 3, 10);
    document.dueDate = *Date::fromYmd(2026, 4, 9);
    return document;
}

PurchaseDocument PurchaseTest::simple(const std::string& supplier, PurchaseType type, const std::string& invoice, const char* amount,
                                      const std::string& reference)
{
    PurchaseDocument d = document(supplier, type, invoice, reference);
    const bool lowers = type == PurchaseType::Credit;
    SetLine(d, 0, {kPayable, lowers ? amount : nullptr, lowers ? nullptr : amount});
    SetLine(d, 1, {kOfficeSupplies, lowers ? nullptr : amount, lowers ? amount : nullptr});
    return d;
}

std::optional<Refusal> PurchaseTest::post(const PurchaseDocument& document, PostingAnswers answers)
{
    PurchasePosting& purchases = posting();
    if (auto refusal = CheckDocument(*purchaseBooks_, document)) return refusal;
    auto prepared = purchases.prepare(document, std::move(answers));
    if (auto* refusal = std::get_if<Refusal>(&prepared)) return *refusal;
    return purchases.write(std::get<PreparedPurchase>(prepared), context);
}

Money PurchaseTest::balance(const char* supplier) { return money("SELECT sup_current_bal FROM sup WHERE sup_code = ?", {supplier}); }

Money PurchaseTest::ledgerSum(const char* supplier)
{
    return money("SELECT COALESCE(SUM(cap_amount), 0) FROM cap WHERE cap_supplier = ?", {supplier});
}

}  // namespace orvant::purchases::testing
