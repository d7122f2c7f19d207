#include <algorithm>
#include <stdexcept>

#include "company/company_creation.h"
#include "disbursement_check.h"
#include "disbursement_posting.h"
#include "disbursements_workload.h"

namespace orvant::bench {
namespace {

class DisbursementPostingPoster final : public Poster {
public:
    DisbursementPostingPoster(const std::string& dataRoot, const store::StoreConfig& config)
        : company_(company::OpenCompany({dataRoot, config}, 1)), books_(*company_), posting_(books_)
    {
    }

    void post(long number) override
    {
        disbursements::DisbursementDocument disbursement;
        disbursement.supplier = supplierOf(number);
        disbursement.reference = "P" + std::to_string(number);
        disbursement.date = *Date::fromYmd(2026, 3, 20);
        const std::string invoice = "R" + std::to_string(number);
        disbursement.items = books_.openItemReader().items(disbursement.supplier, {invoice});
        const auto item = std::find_if(disbursement.items.begin(), disbursement.items.end(), [&](const OpenItem& o) { return o.invoice == invoice; });
        if (item == disbursement.items.end()) throw std::runtime_error("The benchmark's invoice " + invoice + " is not in the books");
        item->payment = Money::fromCents(kDisbursementCents);
        const std::optional<SupplierFacts> supplier = books_.findSupplier(disbursement.supplier);
        disbursements::ResetDistribution(books_, disbursement.rows, supplier);
        disbursements::FollowPayments(books_, disbursement.rows, disbursement.items, supplier);
        if (auto refusal = disbursements::CheckDisbursement(books_, disbursement, supplier))
            throw std::runtime_error("The benchmark's disbursement is refused with message " + std::to_string(refusal->message));
        auto prepared = posting_.prepare(disbursement, {posting_.taxLinesToAsk(disbursement)}, supplier);
        if (!std::holds_alternative<disbursements::PreparedDisbursement>(prepared))
            throw std::runtime_error("The benchmark's disbursement is refused");
        if (posting_.write(std::get<disbursements::PreparedDisbursement>(prepared), {3, "BENCH", {}, false}))
            throw std::runtime_error("The benchmark's disbursement is refused under the supplier's lock");
    }

private:
    std::unique_ptr<store::Database> company_;
    disbursements::DisbursementBooks books_;
    disbursements::DisbursementPosting posting_;
};

}  // namespace

std::unique_ptr<Poster> disbursementPostingPoster(const std::string& dataRoot, const store::StoreConfig& config)
{
    return std::make_unique<DisbursementPostingPoster>(dataRoot, config);
}

}  // namespace orvant::bench
