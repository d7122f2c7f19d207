#include <stdexcept>

#include "company/company_creation.h"
#include "purchase_check.h"
#include "purchase_posting.h"
#include "purchases_workload.h"

namespace orvant::bench {
namespace {

class PurchasePostingPoster final : public Poster {
public:
    PurchasePostingPoster(const std::string& dataRoot, const store::StoreConfig& config)
        : company_(company::OpenCompany({dataRoot, config}, 1)), books_(*company_, false), posting_(books_)
    {
    }

    void post(long number) override
    {
        purchases::PurchaseDocument document;
        document.supplier = supplierOf(number);
        document.invoice = "B" + std::to_string(number);
        document.date = *Date::fromYmd(2026, 3, 10);
        document.dueDate = *Date::fromYmd(2026, 4, 9);
        const Money net = Money::fromCents(10000 + number % 1000);
        const Money federal = net.percent(5), provincial = net.percent(9.975);
        document.rows.setAccount(0, 2100, "Accounts payable");
        document.rows.setCredit(0, net + federal + provincial);
        document.rows.setAccount(1, 5200, "Office supplies");
        document.rows.setDebit(1, net);
        document.rows.setAccount(2, 2200, "Federal sales tax");
        document.rows.setDebit(2, federal);
        document.rows.setAccount(3, 2210, "Provincial sales tax");
        document.rows.setDebit(3, provincial);
        // Checked as an import checks it: the number under the lock only.
        if (auto refusal = purchases::CheckDocumentButNumber(books_, document, purchases::DocumentSupplier(books_, document)))
            throw std::runtime_error("The benchmark's purchase is refused with message " + std::to_string(refusal->message));
        auto prepared = posting_.prepare(document, {});
        if (!std::holds_alternative<purchases::PreparedPurchase>(prepared)) throw std::runtime_error("The benchmark's purchase is refused");
        if (posting_.write(std::get<purchases::PreparedPurchase>(prepared), {3, "BENCH", {}, {}, false}))
            throw std::runtime_error("The benchmark's purchase is refused under the supplier's lock");
    }

private:
    std::unique_ptr<store::Database> company_;
    purchases::PurchaseBooks books_;
    purchases::PurchasePosting posting_;
};

}  // namespace

std::unique_ptr<Poster> purchasePostingPoster(const std::string& dataRoot, const store::StoreConfig& config)
{
    return std::make_unique<PurchasePostingPoster>(dataRoot, config);
}

}  // namespace orvant::bench
