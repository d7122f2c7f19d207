#include "company/company_creation.h"
#include "sales_check.h"
#include "sales_posting.h"
#include "sales_workload.h"

namespace orvant::bench {
namespace {

class PostingPoster final : public Poster {
public:
    PostingPoster(const std::string& dataRoot, const store::StoreConfig& config)
        : company_(company::OpenCompany({dataRoot, config}, 1)), books_(*company_, false), posting_(books_)
    {
    }

    void post(long number) override
    {
        sales::SalesDocument document;
        document.client = clientOf(number);
        document.invoice = "B" + std::to_string(number);
        document.date = *Date::fromYmd(2026, 3, 10);
        document.dueDate = *Date::fromYmd(2026, 4, 9);
        const Money net = Money::fromCents(10000 + number % 1000);
        const Money federal = net.percent(5), provincial = net.percent(9.975);
        document.rows.setAccount(0, 1100, "Accounts receivable");
        document.rows.setDebit(0, net + federal + provincial);
        document.rows.setAccount(1, 4000, "Sales");
        document.rows.setCredit(1, net);
        document.rows.setAccount(2, 2200, "Federal sales tax");
        document.rows.setCredit(2, federal);
        document.rows.setAccount(3, 2210, "Provincial sales tax");
        document.rows.setCredit(3, provincial);
        // Checked as an import checks it: the number under the lock only.
        if (auto refusal = sales::CheckDocumentButNumber(books_, document, sales::DocumentClient(books_, document)))
            throw std::runtime_error("The benchmark's sale is refused with message " + std::to_string(refusal->message));
        auto prepared = posting_.prepare(document, {});
        if (posting_.write(std::get<sales::PreparedDocument>(prepared), {3, "BENCH", {}, {}}))
            throw std::runtime_error("The benchmark's sale is refused under the client's lock");
    }

private:
    std::unique_ptr<store::Database> company_;
    sales::SalesBooks books_;
    sales::SalesPosting posting_;
};

}  // namespace

std::unique_ptr<Poster> postingPoster(const std::string& dataRoot, const store::StoreConfig& config)
{
    return std::make_unique<PostingPoster>(dataRoot, config);
}

}  // namespace orvant::bench
