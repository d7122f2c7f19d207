#include "undo_fixture.h"

#include "disbursement_import.h"
#include "purchase_import.h"
#include "sales_import.h"
#include "store/table.h"

namespace orvant::vndundo::testing {

namespace {

using company::demo::kBank;
using company::demo::kOfficeSupplies;
using company::demo::kPayable;

constexpr int kPeriod = 4;

std::string messageNumber(int number) { return "message " + std::to_string(number); }

std::string row(int account, const char* side, const std::string& amount)
{
    return R"({"account": )" + std::to_string(account) + R"(, ")" + side + R"(": ")" + amount + R"("})";
}

}  // namespace

void UndoTest::purchase(const std::string& supplier, const std::string& invoice, const char* amount, const char* date,
                        const char* holdback)
{
    purchases::PurchaseBooks books(*books_, holdback != nullptr);
    purchases::PurchaseImport import(books, {kPeriod, "ADMIN", "Project purchase", {}}, messageNumber);
    const std::string heldBack = holdback ? R"(, "holdback": {"amount": ")" + std::string(holdback) + R"(", "due": "2026-09-30"})" : "";
    const auto refused = import.post(R"({"supplier": ")" + supplier + R"(", "invoice": ")" + invoice + R"(", "date": ")" + date +
                                     R"(", "rows": [)" + row(kPayable, "credit", amount) + ", " + row(kOfficeSupplies, "debit", amount) +
                                     "]" + heldBack + "}");
    ASSERT_FALSE(refused) << *refused;
}

void UndoTest::creditNote(const std::string& supplier, const std::string& invoice, const std::string& reference, const char* amount)
{
    purchases::PurchaseBooks books(*books_, false);
    purchases::PurchaseImport import(books, {kPeriod, "ADMIN", "Project purchase", {}}, messageNumber);
    const auto refused = import.post(R"({"supplier": ")" + supplier + R"(", "type": "credit", "invoice": ")" + invoice +
                                     R"(", "reference": ")" + reference + R"(", "date": "2026-03-10", "rows": [)" +
                                     row(kPayable, "debit", amount) + ", " + row(kOfficeSupplies, "credit", amount) + "]}");
    ASSERT_FALSE(refused) << *refused;
}

void UndoTest::sale(const std::string& client, const std::string& invoice, const char* amount, const char* date)
{
    sales::SalesBooks books(*books_, false);
    sales::SalesImport import(books, {kPeriod, "ADMIN", "Project sale", {}}, messageNumber);
    const auto refused = import.post(R"({"client": ")" + client + R"(", "invoice": ")" + invoice + R"(", "date": ")" + date +
                                     R"(", "rows": [)" + row(company::demo::kReceivable, "debit", amount) + ", " +
                                     row(company::demo::kSales, "credit", amount) + "]}");
    ASSERT_FALSE(refused) << *refused;
}

void UndoTest::disbursement(const std::string& supplier, const std::string& reference, const std::string& payments, const char* payable)
{
    disbursements::DisbursementBooks books(*books_);
    disbursements::DisbursementImport import(books, {kPeriod, "ADMIN", {}, false}, messageNumber);
    const auto refused = import.post(R"({"supplier": ")" + supplier + R"(", "reference": ")" + reference +
                                     R"(", "date": "2026-03-20", "payments": [)" + payments + R"(], "rows": [)" +
                                     row(kPayable, "debit", payable) + ", " + row(kBank, "credit", payable) + "]}");
    ASSERT_FALSE(refused) << *refused;
}

void UndoTest::handToLedger()
{
    store::Query lines(*books_, "SELECT tjld_account, tjld_period, tjld_journal, tjld_date, tjld_reference, tjld_debit, tjld_credit FROM tjld");
    store::Table ledger(*books_, "gla");
    ledger.open();
    for (lines.open(); !lines.eof(); lines.next()) {
        ledger.insert();
        for (int i = 0; i < 5; ++i) ledger.field(i).set(i == 3 ? store::Value(lines.field(i).asDate()) : lines.value(i));
        ledger.field("Gla_amount") = lines.field(5).asMoney() - lines.field(6).asMoney();
        ledger.post();
    }
    execute("UPDATE glm SET glm_current4 = COALESCE(glm_current4, 0) + COALESCE((SELECT SUM(tjld_debit - tjld_credit) FROM tjld "
            "WHERE tjld_account = glm_account), 0)");
    execute("DELETE FROM tjld");
    execute("DELETE FROM tjlh");
}

UndoSelection UndoTest::item(const std::string& supplier, const std::string& invoice, const std::string& reference, const char* type)
{
    return {supplier, count("SELECT cap_seq FROM cap WHERE cap_supplier = ? AND cap_invoice = ? AND cap_ref = ? AND cap_type = ?",
                            {supplier, invoice, reference, std::string(type)})};
}

std::variant<UndoDone, UndoRefusal> UndoTest::undo(const UndoSelection& selection)
{
    auto cascade = ComputeCascade(*books_, selection);
    if (auto* refused = std::get_if<UndoRefusal>(&cascade)) return *refused;
    return RunUndo(*books_, std::get<UndoCascade>(cascade), {"CLERK", {}});
}

}  // namespace orvant::vndundo::testing
