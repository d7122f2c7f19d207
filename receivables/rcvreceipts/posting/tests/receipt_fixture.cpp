#include "receipt_fixture.h"

#include "sales_check.h"

namespace orvant::receipts::testing {

void ReceiptTest::sell(const std::string& client, const std::string& invoice, const char* total, const char* tax, const char* holdback)
{
    sales::SalesBooks salesBooks(*books_, holdback != nullptr);
    sales::SalesPosting sales(salesBooks);
    sales::SalesDocument document;
    document.client = client;
    document.invoice = invoice;
    document.date = *Date::fromYmd(2026, 3, 10);
    document.dueDate = *Date::fromYmd(2026, 4, 9);
    const Money whole = Amount(total), taxed = tax ? Amount(tax) : Money();
    document.rows.setAccount(0, kReceivable, "Receivable");
    document.rows.setDebit(0, whole);
    document.rows.setAccount(1, kSales, "Sales");
    document.rows.setCredit(1, whole - taxed);
    if (tax) {
        document.rows.setAccount(2, kFederalTax, "Tax");
        document.rows.setCredit(2, taxed);
    }
    ASSERT_EQ(sales::CheckDocument(salesBooks, document), std::nullopt);
    sales::PostingAnswers answers;
    if (holdback) {
        HoldbackAnswer answer;
        answer.amount = Amount(holdback);
        answer.dueDate = *Date::fromYmd(2026, 6, 30);
        answer.choice = HoldbackChoice::HoldbackOnTaxes;
        answers.holdback = answer;
    }
    auto prepared = sales.prepare(document, answers);
    ASSERT_TRUE(std::holds_alternative<sales::PreparedDocument>(prepared));
    ASSERT_EQ(sales.write(std::get<sales::PreparedDocument>(prepared), {4, "ADMIN", "Project sale", {}}), std::nullopt);
}

void ReceiptTest::setHoldbackAccounts()
{
    execute("INSERT INTO glm (glm_account, glm_description, glm_type, glm_summarize, glm_currency) VALUES (1160, 'GST held back', 'Asset', 'N', 0)");
    execute("INSERT INTO glm (glm_account, glm_description, glm_type, glm_summarize, glm_currency) VALUES (1170, 'PST held back', 'Asset', 'N', 0)");
    execute("DELETE FROM jcctrl");
    execute("INSERT INTO jcctrl (jcctrl_arholdbackaccnt, jcctrl_gstholdbackaccnt, jcctrl_pstholdbackaccnt, jcctrl_taxcalctype) "
            "VALUES (1150, 1160, 1170, 1)");
    reopen();
}

ReceiptDocument ReceiptTest::receipt(const std::string& client, const std::string& reference)
{
    ReceiptDocument receipt;
    receipt.client = client;
    receipt.notFromClient = client.empty();
    receipt.reference = reference;
    receipt.date = *Date::fromYmd(2026, 3, 20);
    if (!client.empty()) receipt.items = books().openItems(client);
    return receipt;
}

std::optional<Refusal> ReceiptTest::post(const ReceiptDocument& receipt)
{
    if (auto refusal = CheckReceipt(books(), receipt)) return refusal;
    ReceiptPosting& receipts = posting();
    auto prepared = receipts.prepare(receipt, {receipts.taxLinesToAsk(receipt)});
    if (auto* refusal = std::get_if<Refusal>(&prepared)) return *refusal;
    return receipts.write(std::get<PreparedReceipt>(prepared), context);
}

}  // namespace orvant::receipts::testing
