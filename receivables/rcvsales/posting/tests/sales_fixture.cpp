#include "sales_fixture.h"

namespace orvant::sales::testing {

SalesBooks& SalesTest::books(bool jobCosting)
{
    posting_.reset();
    salesBooks_ = std::make_unique<SalesBooks>(*books_, jobCosting);
    return *salesBooks_;
}

SalesPosting& SalesTest::posting()
{
    if (!salesBooks_) books();
    if (!posting_) posting_ = std::make_unique<SalesPosting>(*salesBooks_);
    return *posting_;
}

SalesDocument SalesTest::document(const std::string& client, SalesType type, const std::string& invoice, const std::string& reference)
{
    SalesDocument document;
    document.client = client;
    document.type = type;
    document.invoice = invoice;
    document.reference = reference;
    document.date = *Date::fromYmd(2026, 3, 10);
    document.dueDate = *Date::fromYmd(2026, 4, 9);
    return document;
}

SalesDocument SalesTest::sale(const std::string& invoice)
{
    SalesDocument sold = document("ABC100", SalesType::Sale, invoice);
    SetLine(sold, 0, {kReceivable, "115.00", nullptr});
    SetLine(sold, 1, {kSales, nullptr, "100.00"});
    SetLine(sold, 2, {kFederalTax, nullptr, "7.00"});
    SetLine(sold, 3, {kProvincialTax, nullptr, "8.00"});
    return sold;
}

SalesDocument SalesTest::creditNote(const std::string& invoice, const std::string& reference)
{
    SalesDocument note = document("ABC100", SalesType::Credit, invoice, reference);
    SetLine(note, 0, {kReceivable, nullptr, "115.00"});
    SetLine(note, 1, {kSales, "100.00", nullptr});
    SetLine(note, 2, {kFederalTax, "7.00", nullptr});
    SetLine(note, 3, {kProvincialTax, "8.00", nullptr});
    return note;
}

std::optional<Refusal> SalesTest::post(const SalesDocument& document, PostingAnswers answers)
{
    SalesPosting& sales = posting();
    if (auto refusal = CheckDocument(*salesBooks_, document)) return refusal;
    auto prepared = sales.prepare(document, std::move(answers));
    if (auto* refusal = std::get_if<Refusal>(&prepared)) return *refusal;
    return sales.write(std::get<PreparedDocument>(prepared), context);
}

void SalesTest::addAccount(int account, const char* description)
{
    execute("INSERT INTO glm (glm_account, glm_description, glm_type, glm_summarize, glm_currency) VALUES (?, ?, 'Asset', 'N', 0)",
            {account, description});
}

}  // namespace orvant::sales::testing
