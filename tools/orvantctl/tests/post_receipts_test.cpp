// orvantctl post receipts: cash receipts imported from a file through the receipts screen's
// checks and posting, and the demo's receipts.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "ctl_books_fixture.h"

namespace orvant::ctl {
namespace {

using ::testing::HasSubstr;

class PostReceiptsTest : public CtlBooksTest {
protected:
    int post(const std::string& records, std::vector<std::string> options = {})
    {
        return postFile("receipts", records, std::move(options));
    }

    // What a posting writes, table by table, to compare the books before and after.
    std::vector<std::int64_t> written(int company) { return counts({"tjlh", "tjld", "car", "crorihdr", "croridet", "concil", "taxrep"}, company); }

    // Invoices of the company whose entries sum to 0 (paid) or above it (still owing).
    std::int64_t invoices(const std::string& numbers, const char* open, int company)
    {
        return count("SELECT COUNT(*) FROM (SELECT car_invoice FROM car WHERE car_invoice IN (" + numbers +
                         ") GROUP BY car_invoice HAVING SUM(car_amount) " + open + ") paid",
                     company);
    }
};
INSTANTIATE_TEST_SUITE_P(Engines, PostReceiptsTest, ::testing::ValuesIn(testing::allEngines()), testing::engineName);

// The samples post on the demo as the demo command leaves it; a second time the receipts are
// refused as already in the books and nothing moves, unless repeats are allowed.
TEST_P(PostReceiptsTest, the_samples_post_on_a_fresh_demo_and_a_second_time_only_when_repeats_are_allowed)
{
    ASSERT_EQ(run({"demo", "2"}), 0) << err_;
    EXPECT_THAT(out_, HasSubstr("37 sales documents, 5 cash receipts and "));
    ASSERT_EQ(postFile("sales", fileContents(ORVANT_SAMPLE_SALES), {"--company", "2"}), 0) << out_;
    const std::string receipts = fileContents(ORVANT_SAMPLE_RECEIPTS);
    ASSERT_EQ(post(receipts, {"--company", "2"}), 0) << out_;
    EXPECT_THAT(out_, HasSubstr("5 receipt(s) posted, 0 refused."));
    ASSERT_EQ(run({"check", "2"}), 0) << out_;
    EXPECT_EQ(invoices("'A1001'", "= 0", 2), 1) << "the sample sale paid in full, its credit note taken off";
    const std::vector<std::int64_t> once = written(2);

    EXPECT_EQ(post(receipts, {"--company", "2"}), 2);
    EXPECT_THAT(out_, HasSubstr("0 receipt(s) posted, 5 refused."));
    EXPECT_THAT(out_, HasSubstr(":1: This receipt is already in the books; it is not posted again."));
    EXPECT_THAT(out_, HasSubstr(":5: This receipt is already in the books; it is not posted again."));  // not from a client
    EXPECT_EQ(written(2), once);

    EXPECT_EQ(post(receipts, {"--company", "2", "--allow-repeats"}), 0) << out_;
    EXPECT_EQ(count("SELECT COUNT(*) FROM crorihdr", 2), once[3] + 5);
    EXPECT_EQ(run({"check", "2"}), 0) << out_;
}

// The demo's receipts are the same on every demo made the same day: invoices paid in full, one of
// them less a discount charged to sales, two paid in part, and a deposit from no client.
TEST_P(PostReceiptsTest, the_demo_receipts_pay_in_full_in_part_with_a_discount_and_from_no_client)
{
    const std::string entries = "SELECT car_client || ' ' || car_invoice || ' ' || car_ref FROM car WHERE car_type = '2' ORDER BY car_seq";
    std::vector<std::string> paid[2];
    for (int company : {2, 3}) {
        SCOPED_TRACE(company);
        ASSERT_EQ(run({"demo", std::to_string(company)}), 0) << err_;
        EXPECT_EQ(invoices("'1003', '1005', '1007'", "= 0", company), 3);
        EXPECT_EQ(invoices("'1009', '1012'", "> 0", company), 2);
        EXPECT_EQ(count("SELECT COUNT(*) FROM tjld WHERE tjld_journal = 2 AND tjld_account = 4000 AND tjld_debit > 0", company), 1);
        EXPECT_EQ(count("SELECT COUNT(*) FROM crorihdr WHERE not_from_cli = " + std::string(GetParam() == testing::Engine::Sqlite ? "1" : "true"),
                        company), 1);
        EXPECT_EQ(run({"check", std::to_string(company)}), 0) << out_;
        const auto books = company::OpenCompany(installation(), company);
        store::Query query(*books, entries);
        for (query.open(); !query.eof(); query.next()) paid[company - 2].push_back(query.value(0).asString());
    }
    EXPECT_EQ(paid[0].size(), 5u);
    EXPECT_EQ(paid[0], paid[1]);
}

// Each receipt refused is named by its line with the screen's message in the language asked;
// the others are posted.
TEST_P(PostReceiptsTest, refusals_name_the_line_and_the_screens_message_in_the_chosen_language)
{
    const std::string onAccount = R"({"client": "ABC100", "reference": "CHQ1", "date": "2026-03-20", )"
                                  R"("rows": [{"account": 1000, "debit": "100.00"}, {"account": 1100, "credit": "100.00"}]})";
    const std::string records = onAccount + "\n\n" + onAccount + "\n" +
                                R"({"client": "NOBODY", "reference": "CHQ2", "date": "2026-03-20", )"
                                R"("rows": [{"account": 1000, "debit": 1}, {"account": 1100, "credit": 1}]})" "\n";
    EXPECT_EQ(post(records), 2);
    EXPECT_THAT(out_, HasSubstr(":3: This receipt is already in the books; it is not posted again."));
    EXPECT_THAT(out_, HasSubstr(":4: This client does not exist."));
    EXPECT_THAT(out_, HasSubstr("1 receipt(s) posted, 2 refused."));
    EXPECT_EQ(post(records, {"--language", "2"}), 2);
    EXPECT_THAT(out_, HasSubstr(":1: Cet encaissement est déjà dans les livres; il n'est pas reporté de nouveau."));
    EXPECT_THAT(out_, HasSubstr(":4: Ce client n'existe pas."));
    EXPECT_THAT(out_, HasSubstr("0 receipt(s) posted, 3 refused."));
    EXPECT_EQ(count("SELECT COUNT(*) FROM crorihdr"), 1);
}

// Records each wrong in one way, as rows: none is posted and each is named by its line.
TEST_P(PostReceiptsTest, malformed_records_are_refused_by_line_and_write_nothing)
{
    const std::string head = R"({"client": "ABC100", "reference": "M1", "date": "2026-03-20", )";
    const std::string rows = R"("rows": [{"account": 1000, "debit": "10.00"}, {"account": 1100, "credit": "10.00"}])";
    std::string many = R"("rows": [)";
    for (int r = 0; r < 21; ++r) many += std::string(r ? ", " : "") + R"({"account": 1000, "debit": 1})";
    const struct {
        std::string record;
        const char* named;
    } cases[] = {
        {head.substr(0, 30), "not JSON"},
        {"[1, 2]", "a receipt is a JSON object"},
        {R"({"client": 100, "reference": "M1", "date": "2026-03-20", )" + rows + "}", "\"client\" must be a text"},
        {head + R"("nsf": "yes", )" + rows + "}", "\"nsf\" must be true or false"},
        {head + R"("rows": "none"})", "\"rows\" must be a list"},
        {head + R"("payments": [{"invoice": 1001, "amount": "1.00"}], )" + rows + "}", "\"invoice\" must be a text"},
        {head + R"("payments": [{"invoice": "1001", "amount": true}], )" + rows + "}", "\"amount\" is not an amount of at most four decimals"},
        {head + R"("rows": [{"account": "1000", "debit": 1}, {"account": 1100, "credit": 1}]})", "\"account\" must be a whole number"},
        {R"({"client": "NOBODY", "reference": "M1", "date": "2026-03-20", )" + rows + "}", "This client does not exist."},
        {head + R"("payments": [{"invoice": "NOPE", "amount": "10.00"}]})", "payment 1: the client has no invoice NOPE"},
        {head + R"("payments": [{"invoice": "NOPE", "holdback": true, "amount": "10.00"}]})", "payment 1: the client has no holdback on invoice NOPE"},
        {head + R"("rows": [{"account": 1000, "debit": 5}, {"account": 9999, "credit": 5}]})", "line 2: This account does not exist"},
        {head + R"("rows": [{"account": 1000, "debit": "5.00001"}, {"account": 1100, "credit": 5}]})",
         "\"debit\" is not an amount of at most four decimals within 99,999,999,999.99"},
        {head + R"("rows": [{"account": 1000, "debit": "100000000000.00"}, {"account": 1100, "credit": "100000000000.00"}]})",
         "\"debit\" is not an amount of at most four decimals within 99,999,999,999.99"},
        {head + R"("rows": [{"account": 1000, "debit": "60000000000.00"}, {"account": 1000, "debit": "60000000000.00"}, )"
                R"({"account": 1100, "credit": "60000000000.00"}, {"account": 1100, "credit": "60000000000.00"}]})",
         "An amount or a total would pass what the books hold"},
        {head + R"("rows": [{"account": 1000, "debit": 5}, {"account": 1100, "credit": 4.99}]})", "The receipt is out of balance."},
        {head + R"("rows": [{"account": 1000, "debit": 5, "credit": 5}]})", "line 1 has both a debit and a credit"},
        {head + R"("rows": [{"account": 1000, "debit": "-5.00"}, {"account": 1100, "credit": "-5.00"}]})", "\"debit\" is negative"},
        {head + many + "]}", "a receipt has at most 20 lines"},
        {R"({"client": "ABC100", "date": "2026-03-20", )" + rows + "}", "\"reference\" is missing"},
        {R"({"client": "ABC100", "reference": "TOO-LONG-REF", "date": "2026-03-20", )" + rows + "}", "\"reference\" holds at most 10 characters"},
        {R"({"client": "ABC100", "reference": "M1", "date": "2026-02-30", )" + rows + "}", "\"date\" is not a date (YYYY-MM-DD): 2026-02-30"},
        {R"({"reference": "M1", "date": "2026-03-20", "payments": [{"invoice": "1001", "amount": "1.00"}], )" + rows + "}",
         "a receipt not from a client pays no invoice"},
        {head + R"("clent": "x", )" + rows + "}", "a receipt has no field \"clent\""},
    };
    std::string records;
    for (const auto& c : cases) records += c.record + "\n";
    const std::vector<std::int64_t> before = written(1);
    EXPECT_EQ(post(records), 2);
    EXPECT_THAT(out_, HasSubstr("0 receipt(s) posted, " + std::to_string(std::size(cases)) + " refused."));
    int line = 0;
    for (const auto& c : cases) EXPECT_THAT(out_, HasSubstr(file_ + ":" + std::to_string(++line) + ": " + c.named)) << c.record;
    EXPECT_EQ(written(1), before);
    EXPECT_EQ(run({"check"}), 0) << out_;
}

}  // namespace
}  // namespace orvant::ctl
