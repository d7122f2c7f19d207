// orvantctl post purchases: purchase documents imported from a file through the purchases
// screen's checks and posting.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "ctl_books_fixture.h"
#include "money/amount_text.h"

namespace orvant::ctl {
namespace {

using ::testing::HasSubstr;

class PostPurchasesTest : public CtlBooksTest {
protected:
    int post(const std::string& records, std::vector<std::string> options = {})
    {
        return postFile("purchases", records, std::move(options));
    }

    // What a posting writes, table by table, to compare the books before and after.
    std::vector<std::int64_t> written(int company) { return counts({"tjlh", "tjld", "cap", "apori", "taxrepP", "jcTrans"}, company); }

    // What the supplier is owed on an invoice: the sum of its ledger entries, written as amounts are.
    std::string owed(const std::string& supplier, const std::string& invoice, int company)
    {
        const auto books = company::OpenCompany(installation(), company);
        store::Query query(*books, "SELECT SUM(cap_amount) FROM cap WHERE cap_supplier = ? AND cap_invoice = ?");
        query.bind(0, supplier);
        query.bind(1, invoice);
        query.open();
        return GroupedAmount(query.field(0).asMoney(), AmountLanguage::English);
    }
};
INSTANTIATE_TEST_SUITE_P(Engines, PostPurchasesTest, ::testing::ValuesIn(testing::allEngines()), testing::engineName);

// The sample posts on the demo as the demo command leaves it; a second time its notes and its
// cash purchase are refused as already in the books and its purchases by the screen's own
// message, and nothing moves; allowing repeats posts the notes and the cash purchase again only.
TEST_P(PostPurchasesTest, the_sample_posts_on_a_fresh_demo_and_a_second_time_only_when_repeats_are_allowed)
{
    ASSERT_EQ(run({"demo", "2"}), 0) << err_;
    const std::string purchases = fileContents(ORVANT_SAMPLE_PURCHASES);
    ASSERT_EQ(post(purchases, {"--company", "2"}), 0) << out_;
    EXPECT_THAT(out_, HasSubstr("7 document(s) posted, 0 refused."));
    ASSERT_EQ(run({"check", "2"}), 0) << out_;
    EXPECT_EQ(owed("MAP300", "ML-88", 2), "125.00") << "two payable rows and a freight debit note";
    EXPECT_EQ(owed("BUR100", "F-2201", 2), "91.99") << "the purchase less its credit note";
    const std::vector<std::int64_t> once = written(2);

    EXPECT_EQ(post(purchases, {"--company", "2"}), 2);
    EXPECT_THAT(out_, HasSubstr("0 document(s) posted, 7 refused."));
    EXPECT_THAT(out_, HasSubstr(":1: Invoice number already in database."));
    EXPECT_THAT(out_, HasSubstr(":4: This document is already in the books."));
    EXPECT_THAT(out_, HasSubstr(":7: This document is already in the books."));  // the direct cash purchase
    EXPECT_EQ(written(2), once);

    EXPECT_EQ(post(purchases, {"--company", "2", "--allow-repeats"}), 2);
    EXPECT_THAT(out_, HasSubstr("4 document(s) posted, 3 refused."));
    EXPECT_EQ(count("SELECT COUNT(*) FROM apori", 2), once[3] + 4);
    EXPECT_EQ(run({"check", "2"}), 0) << out_;
}

// Each document the screen's checks refuse is named by its line with the screen's message in
// the language asked; the others are posted.
TEST_P(PostPurchasesTest, refusals_name_the_line_and_the_screens_message_in_the_chosen_language)
{
    const std::string head = R"({"supplier": "BUR100", "date": "2026-03-20", )";
    const std::string purchase = head + R"("invoice": "P1", "rows": [{"account": 2100, "credit": 10}, {"account": 5200, "debit": 10}]})";
    const std::string records =
        purchase + "\n\n" + purchase + "\n" +
        R"({"supplier": "NOBODY", "invoice": "P2", "date": "2026-03-20", "rows": [{"account": 2100, "credit": 1}, {"account": 5200, "debit": 1}]})" "\n" +
        head + R"("type": "credit", "invoice": "NOPE", "reference": "CN1", "rows": [{"account": 2100, "debit": 1}, {"account": 5200, "credit": 1}]})" "\n" +
        head + R"("invoice": "P3", "rows": [{"account": 2100, "debit": 1}, {"account": 5200, "credit": 1}]})" "\n" +
        head + R"("invoice": "P4", "rows": [{"account": 2100, "credit": 1}, {"account": 9999, "debit": 1}]})" "\n" +
        head + R"("invoice": "P5", "rows": [{"account": 2100, "credit": 2}, {"account": 5200, "debit": 1}]})" "\n" +
        R"({"cash": true, "invoice": "C1", "date": "2026-03-20", "rows": [{"account": 2100, "credit": 1}, {"account": 5200, "debit": 1}]})" "\n";
    const struct {
        std::string options;
        std::vector<std::string> lines;
        const char* totals;
    } languages[] = {
        {"1",
         {":3: Invoice number already in database.", ":4: Supplier does not exist.", ":5: Invoice number not found.",
          ":6: row 1: Please enter an amount in the credit field.", ":7: row 2: The account number entered does not exist.",
          ":8: Invoice is out of balance.", ":9: row 1: This is a direct cash purchase.  The A/P account should not be affected."},
         "1 document(s) posted, 7 refused."},
        {"2",
         {":1: Ce numéro de facture est déjà dans les livres.", ":4: Ce fournisseur n'existe pas.", ":5: Ce numéro de facture est introuvable.",
          ":6: row 1: Entrez le montant dans la colonne crédit.", ":8: La facture n'est pas balancée."},
         "0 document(s) posted, 8 refused."},
    };
    for (const auto& language : languages) {
        SCOPED_TRACE(language.options);
        EXPECT_EQ(post(records, {"--language", language.options}), 2);
        for (const std::string& line : language.lines) EXPECT_THAT(out_, HasSubstr(line));
        EXPECT_THAT(out_, HasSubstr(language.totals));
    }
    EXPECT_EQ(count("SELECT COUNT(*) FROM apori"), 1);
    EXPECT_EQ(run({"check", "1"}), 0) << out_;
}

// Records each wrong in its form, as rows: none is posted and each is named by its line.
TEST_P(PostPurchasesTest, malformed_records_are_refused_by_line_and_write_nothing)
{
    const std::string head = R"({"supplier": "BUR100", "invoice": "M1", "date": "2026-03-20", )";
    const std::string rows = R"("rows": [{"account": 2100, "credit": "10.00"}, {"account": 5200, "debit": "10.00"}])";
    std::string many = R"("rows": [)";
    for (int r = 0; r < 16; ++r) many += std::string(r ? ", " : "") + R"({"account": 5200, "debit": 1})";
    const struct {
        std::string record;
        const char* named;
    } cases[] = {
        {head.substr(0, 30), "not JSON"},
        {"[1, 2]", "a document is a JSON object"},
        {R"({"invoice": "M1", "date": "2026-03-20", )" + rows + "}", "\"supplier\" is missing"},
        {head + R"("type": "refund", )" + rows + "}", "\"type\" is purchase, debit, credit or adjustment, not refund"},
        {head + R"("cash": "yes", )" + rows + "}", "\"cash\" must be true or false"},
        {head + R"("rows": []})", "\"rows\" is missing"},
        {head + many + "]}", "a document has at most 15 rows"},
        {head + R"("rows": [{"account": 2100, "credit": 5, "debit": 5}]})", "row 1 has both a debit and a credit"},
        {head + R"("rows": [{"account": 2100, "credit": "-5"}, {"account": 5200, "debit": "-5"}]})", "\"credit\" is negative"},
        {head + R"("rows": [{"account": 2100, "credit": 5.00001}, {"account": 5200, "debit": 5}]})",
         "\"credit\" is not an amount of at most four decimals"},
        {head + R"("rows": [{"acount": 2100, "credit": 5}]})", "row 1 has no field \"acount\""},
        {R"({"supplier": "BUR100", "invoice": "INVOICE-TOO-LONG", "date": "2026-03-20", )" + rows + "}",
         "\"invoice\" holds at most 10 characters"},
        {R"({"supplier": "BUR100", "invoice": "M1", "date": "20/03/2026", )" + rows + "}", "\"date\" is not a date (YYYY-MM-DD): 20/03/2026"},
        {head + R"("taxes": [{"code": "A", "net": 1}], )" + rows + "}", "\"code\" must be a whole number"},
        {head + R"("holdback": {"percent": 10, "amount": "1.00", "due": "2026-09-30"}, )" + rows + "}",
         "the holdback takes a \"percent\" or an \"amount\", not both"},
        {head + R"("holdback": {"percent": 120, "due": "2026-09-30"}, )" + rows + "}",
         "the holdback's \"percent\" must be a number from 0 to 100"},
        {head + R"("projects": [{"project": "P1", "phase": "F", "element": "E", "rate": 1}], )" + rows + "}",
         "project line 1 needs a \"quantity\" of 0 or more"},
        {head + R"("supplir": "x", )" + rows + "}", "a document has no field \"supplir\""},
    };
    std::string records;
    for (const auto& c : cases) records += c.record + "\n";
    const std::vector<std::int64_t> before = written(1);
    EXPECT_EQ(post(records), 2);
    EXPECT_THAT(out_, HasSubstr("0 document(s) posted, " + std::to_string(std::size(cases)) + " refused."));
    int line = 0;
    for (const auto& c : cases) EXPECT_THAT(out_, HasSubstr(file_ + ":" + std::to_string(++line) + ": " + c.named)) << c.record;
    EXPECT_EQ(written(1), before);
    EXPECT_EQ(run({"check"}), 0) << out_;
}

}  // namespace
}  // namespace orvant::ctl
