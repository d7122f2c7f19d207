#include <algorithm>
#include <stdexcept>

#include "company/company_creation.h"
#include "receipt_check.h"
#include "receipt_posting.h"
#include "receipts_workload.h"

namespace orvant::bench {
namespace {

class ReceiptPostingPoster final : public Poster {
public:
    ReceiptPostingPoster(const std::string& dataRoot, const store::StoreConfig& config)
        : company_(company::OpenCompany({dataRoot, config}, 1)), books_(*company_), posting_(books_)
    {
    }

    void post(long number) override
    {
        receipts::ReceiptDocument receipt;
        receipt.client = clientOf(number);
        receipt.reference = "P" + std::to_string(number);
        receipt.date = *Date::fromYmd(2026, 3, 20);
        const std::string invoice = "R" + std::to_string(number);
        receipt.items = books_.openItemReader().items(receipt.client, {invoice});
        const std::optional<ClientFacts> client = books_.findClient(receipt.client);
        const auto item = std::find_if(receipt.items.begin(), receipt.items.end(), [&](const OpenItem& o) { return o.invoice == invoice; });
        if (item == receipt.items.end()) throw std::runtime_error("The benchmark's invoice " + invoice + " is not in the books");
        item->payment = Money::fromCents(kReceiptCents);
        receipts::ResetDistribution(books_, receipt.rows, 0);
        receipts::FollowPayments(books_, receipt.rows, receipt.items);
        if (auto refusal = receipts::CheckReceipt(books_, receipt, client))
            throw std::runtime_error("The benchmark's receipt is refused with message " + std::to_string(refusal->message));
        auto prepared = posting_.prepare(receipt, {posting_.taxLinesToAsk(receipt)}, client);
        if (!std::holds_alternative<receipts::PreparedReceipt>(prepared)) throw std::runtime_error("The benchmark's receipt is refused");
        if (posting_.write(std::get<receipts::PreparedReceipt>(prepared), {3, "BENCH", {}, false}))
            throw std::runtime_error("The benchmark's receipt is refused under the client's lock");
    }

private:
    std::unique_ptr<store::Database> company_;
    receipts::ReceiptBooks books_;
    receipts::ReceiptPosting posting_;
};

}  // namespace

std::unique_ptr<Poster> receiptPostingPoster(const std::string& dataRoot, const store::StoreConfig& config)
{
    return std::make_unique<ReceiptPostingPoster>(dataRoot, config);
}

}  // namespace orvant::bench
