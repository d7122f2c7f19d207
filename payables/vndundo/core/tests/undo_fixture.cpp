#include "undo_fixture.h"

#include "company/books_check.h"
#include "disbursement_import.h"
#include "purchase_import.h"
#include "sales_import.h"
#include "store/query.h"

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

void bindAll(store::Query& query, const std::vector<store::Value>& binds)
{
    for (std::size_t i = 0; i < binds.size(); ++i) query.bind(static_cast<int>(i), binds[i]);
}

}  // namespace

Money Amount(const char* text) { return *Money::parse(text); }

void UndoTest::purchase(const std::string& supplier, const std::string& invoice, const char* amount, const char* date)
{
    purchases::PurchaseBooks books(*books_, false);
    purchases::PurchaseImport import(books, {kPeriod, "ADMIN", "Project purchase", {}}, messageNumber);
    const auto refused = import.post(R"({"supplier": ")" + supplier + R"(", "invoice": ")" + invoice + R"(", "date": ")" + date +
                                     R"(", "rows": [)" + row(kPayable, "credit", amount) + ", " + row(kOfficeSupplies, "debit", amount) + "]}");
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

std::int64_t UndoTest::count(const std::string& sql, std::vector<store::Value> binds)
{
    store::Query query(*books_, sql);
    bindAll(query, binds);
    query.open();
    return query.eof() ? 0 : query.field(0).asInt();
}

Money UndoTest::money(const std::string& sql, std::vector<store::Value> binds)
{
    store::Query query(*books_, sql);
    bindAll(query, binds);
    query.open();
    return query.eof() || query.field(0).isNull() ? Money() : query.field(0).asMoney();
}

void UndoTest::execute(const std::string& sql, std::vector<store::Value> binds)
{
    store::Query query(*books_, sql);
    bindAll(query, binds);
    query.execute();
}

void UndoTest::expectBooksClean()
{
    const company::BooksReport report = company::CheckBooks(*books_);
    EXPECT_TRUE(report.clean()) << ::testing::PrintToString(report.problems);
}

}  // namespace orvant::vndundo::testing
