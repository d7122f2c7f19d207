// orvantctl post sales: documents imported from a file through the sales screen's checks.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "ctl_books_fixture.h"
#include "demo_sales.h"

namespace orvant::ctl {
namespace {

using ::testing::HasSubstr;

class PostSalesTest : public CtlBooksTest {
protected:
    int post(const std::string& records, std::vector<std::string> options = {}) { return postFile("sales", records, std::move(options)); }
};
INSTANTIATE_TEST_SUITE_P(Engines, PostSalesTest, ::testing::ValuesIn(testing::allEngines()), testing::engineName);

const char* const kSale =
    R"({"client": "ABC100", "invoice": "A1", "date": "2026-03-10", "rows": [{"account": 1100, "debit": "115.00"}, )"
    R"({"account": 4000, "credit": "100.00"}, {"account": 2200, "credit": 7}, {"account": 2210, "credit": "8.00"}]})";

TEST_P(PostSalesTest, the_sample_file_posts_whole_and_the_books_agree)
{
    std::ifstream sample(ORVANT_SAMPLE_SALES);
    std::stringstream records;
    records << sample.rdbuf();
    PostDemoQuarter(installation(), 1, Date::today());
    const std::int64_t documents = count("SELECT COUNT(*) FROM arori"), entries = count("SELECT COUNT(*) FROM car");
    ASSERT_EQ(post(records.str()), 0) << out_ << err_;
    EXPECT_THAT(out_, HasSubstr("5 document(s) posted, 0 refused.")) << "none collides with the demo's quarter";
    EXPECT_EQ(count("SELECT COUNT(*) FROM arori"), documents + 5);
    EXPECT_EQ(count("SELECT COUNT(*) FROM car"), entries + 4) << "the direct cash sale has no ledger entry";
    ASSERT_EQ(run({"check"}), 0) << out_;
}

TEST_P(PostSalesTest, refusals_name_the_line_and_the_screens_message_in_the_chosen_language)
{
    const std::string records = std::string(kSale) + "\n\n" + kSale + "\n" +
                                R"({"client": "NOBODY", "invoice": "A2", "date": "2026-03-10", "rows": [{"account": 1100, "debit": 1}, {"account": 4000, "credit": 1}]})" "\n";
    EXPECT_EQ(post(records), 2);
    EXPECT_THAT(out_, HasSubstr(":3: This invoice number is already in the books."));
    EXPECT_THAT(out_, HasSubstr(":4: This client does not exist."));
    EXPECT_THAT(out_, HasSubstr("1 document(s) posted, 2 refused."));
    EXPECT_EQ(post(records, {"--language", "2", "--period", "7", "--user", "ADMIN"}), 2);
    EXPECT_THAT(out_, HasSubstr(":1: Ce numéro de facture est déjà dans les livres."));
    EXPECT_EQ(count("SELECT COUNT(*) FROM tjlh WHERE tjlh_period = 7 AND tjlh_reference = 'A1'"), 0);
    EXPECT_EQ(count("SELECT COUNT(*) FROM car WHERE car_user = 'IMPORT'"), 1);

    // Posted on a user's behalf, the entries carry the user's whole name.
    const std::string another = R"({"client": "ABC100", "invoice": "A3", "date": "2026-03-10", "rows": [{"account": 1100, "debit": 1}, {"account": 4000, "credit": 1}]})";
    EXPECT_NE(post(another, {"--user", "NOBODY"}), 0);
    EXPECT_EQ(post(another, {"--user", "ADMIN"}), 0);
    EXPECT_EQ(count("SELECT COUNT(*) FROM car WHERE car_invoice = 'A3' AND car_user = 'Administrator'"), 1);
}

// A thousand records, each wrong in one way: none is posted, each is reported with its reason.
std::string malformed(int i)
{
    const std::string n = std::to_string(i);
    const std::string rows = R"("rows": [{"account": 1100, "debit": "10.00"}, {"account": 4000, "credit": "10.00"}])";
    const std::string head = R"({"client": "ABC100", "invoice": "M)" + n + R"(", "date": "2026-03-10", )";
    switch (i % 20) {
    case 0: return head.substr(0, 20 + i % 30);  // cut short
    case 1: return "[" + n + ", 2]";
    case 2: return R"({"client": )" + n + R"(, "invoice": "M1", "date": "2026-03-10", )" + rows + "}";
    case 3: return head + R"("rows": "none"})";
    case 4: return head + R"("rows": [{"account": "1100", "debit": 1}, {"account": 4000, "credit": 1}]})";
    case 5: return head + R"("rows": [{"account": 1100, "debit": true}, {"account": 4000, "credit": 1}]})";
    case 6: return R"({"client": "ABC100", "date": "2026-03-10", )" + rows + "}";
    case 7: return R"({"client": "ABC100", "invoice": "M1", )" + rows + "}";
    case 8: return head + R"("rows": []})";
    case 9: return R"({"client": "Z)" + n + R"(", "invoice": "M1", "date": "2026-03-10", )" + rows + "}";
    case 10: return head + R"("rows": [{"account": 1100, "debit": 5}, {"account": 9)" + n + R"(, "credit": 5}]})";
    case 11: return head + R"("rows": [{"account": 1100, "debit": 5}, {"account": 4000, "credit": 4.99}]})";
    case 12: return R"({"client": "ABC100", "invoice": "TOO-LONG-NUMBER", "date": "2026-03-10", )" + rows + "}";
    case 13: return head + R"("comment": ")" + std::string(201 + i % 50, 'x') + R"(", )" + rows + "}";
    case 14: return R"({"client": "ABC100", "invoice": "M1", "date": "2026-02-30", )" + rows + "}";
    case 15: return R"({"client": "ABC100", "invoice": "M1", "date": "10/03/2026", )" + rows + "}";
    case 16: {
        std::string many = R"("rows": [)";
        for (int r = 0; r < 10; ++r) many += std::string(r ? ", " : "") + R"({"account": 4000, "debit": 1})";
        return head + many + "]}";
    }
    case 17: return head + R"("rows": [{"account": 1100, "debit": 5, "credit": 5}, {"account": 4000, "credit": 0}]})";
    case 18: return head + R"("rows": [{"account": 1100, "debit": "-5.00"}, {"account": 4000, "credit": "-5.00"}]})";
    default: return head + R"("clent": "x", )" + rows + "}";
    }
}

TEST_P(PostSalesTest, a_thousand_malformed_records_post_nothing_and_each_is_reported)
{
    std::string records;
    for (int i = 0; i < 1000; ++i) records += malformed(i) + "\n";
    const std::int64_t lines = count("SELECT COUNT(*) FROM tjld"), documents = count("SELECT COUNT(*) FROM arori");
    EXPECT_EQ(post(records), 2);
    EXPECT_THAT(out_, HasSubstr("0 document(s) posted, 1000 refused."));
    for (int line : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 1000})
        EXPECT_THAT(out_, HasSubstr(":" + std::to_string(line) + ": ")) << "line " << line;
    EXPECT_THAT(out_, HasSubstr("not JSON"));
    EXPECT_THAT(out_, HasSubstr("\"client\" must be a text"));
    EXPECT_THAT(out_, HasSubstr("\"invoice\" is missing"));
    EXPECT_THAT(out_, HasSubstr("This client does not exist."));
    EXPECT_THAT(out_, HasSubstr("row 2: This account does not exist."));
    EXPECT_THAT(out_, HasSubstr("The document is out of balance."));
    EXPECT_THAT(out_, HasSubstr("\"invoice\" holds at most 10 characters"));
    EXPECT_THAT(out_, HasSubstr("\"date\" is not a date (YYYY-MM-DD): 2026-02-30"));
    EXPECT_THAT(out_, HasSubstr("a document has at most 9 rows"));
    EXPECT_THAT(out_, HasSubstr("row 1 has both a debit and a credit"));
    EXPECT_THAT(out_, HasSubstr("\"debit\" is negative"));
    EXPECT_THAT(out_, HasSubstr("a document has no field \"clent\""));
    EXPECT_EQ(count("SELECT COUNT(*) FROM tjld"), lines);
    EXPECT_EQ(count("SELECT COUNT(*) FROM arori"), documents);
    EXPECT_EQ(run({"check"}), 0) << out_;
}

TEST_P(PostSalesTest, a_file_posted_twice_leaves_the_books_as_after_the_first_time)
{
    std::ifstream sample(ORVANT_SAMPLE_SALES);
    std::stringstream records;
    records << sample.rdbuf();
    ASSERT_EQ(post(records.str()), 0) << out_;
    const std::vector<std::int64_t> after = counts({"tjlh", "tjld", "car", "arori"});

    EXPECT_EQ(post(records.str()), 2);
    EXPECT_THAT(out_, HasSubstr("0 document(s) posted, 5 refused."));
    EXPECT_THAT(out_, HasSubstr(":3: This document is already in the books."));  // the credit note
    EXPECT_THAT(out_, HasSubstr(":5: This document is already in the books."));  // the direct cash sale
    EXPECT_EQ(counts({"tjlh", "tjld", "car", "arori"}), after);
    ASSERT_EQ(run({"check"}), 0) << out_;

    EXPECT_EQ(post(records.str(), {"--allow-repeats"}), 2) << "the sales are still refused by their numbers";
    EXPECT_THAT(out_, HasSubstr("3 document(s) posted, 2 refused."));
    EXPECT_EQ(count("SELECT COUNT(*) FROM arori"), after[3] + 3);
}

TEST_P(PostSalesTest, numbers_are_kept_without_blanks_and_control_characters_are_refused)
{
    const std::string records = std::string(R"({"client": " ABC100 ", "invoice": " pad1 ", "date": "2026-03-10", )"
                                            R"("rows": [{"account": 1100, "debit": 5}, {"account": 4000, "credit": 5}]})") + "\n" +
                                R"({"client": "ABC100", "type": "credit", "invoice": "PAD1", "reference": " CR1 ", "date": "2026-03-11", )"
                                R"("rows": [{"account": 1100, "credit": 5}, {"account": 4000, "debit": 5}]})" "\n" +
                                R"({"client": "ABC100", "invoice": "N\u0000A", "date": "2026-03-10", )"
                                R"("rows": [{"account": 1100, "debit": 5}, {"account": 4000, "credit": 5}]})" "\n" +
                                R"({"client": "ABC100\u0000x", "invoice": "N2", "date": "2026-03-10", )"
                                R"("rows": [{"account": 1100, "debit": 5}, {"account": 4000, "credit": 5}]})" "\n" +
                                R"({"client": "ABC100", "invoice": "N3", "date": "2026-03-10", "rows": [{"account": 1100, "debit": 0}]})" "\n";
    EXPECT_EQ(post(records), 2);
    EXPECT_THAT(out_, HasSubstr("2 document(s) posted, 3 refused."));
    EXPECT_THAT(out_, HasSubstr(":3: This text holds a control character; remove it."));
    EXPECT_THAT(out_, HasSubstr(":4: This text holds a control character; remove it."));
    EXPECT_THAT(out_, HasSubstr(":5: There is nothing to post: no row holds an amount."));
    EXPECT_EQ(count("SELECT COUNT(*) FROM car WHERE car_invoice = 'PAD1' AND car_client = 'ABC100'"), 2);
    EXPECT_EQ(count("SELECT COUNT(*) FROM car WHERE car_ref = 'CR1'"), 1);
    EXPECT_EQ(count("SELECT COUNT(*) FROM tjlh WHERE tjlh_reference IN ('PAD1', 'N3')"), 2) << "no header without lines";
}

TEST_P(PostSalesTest, allow_repeats_is_a_flag_of_post_sales_only)
{
    EXPECT_NE(run({"check", "--allow-repeats"}), 0);
    EXPECT_THAT(err_, HasSubstr("--allow-repeats go with post sales"));
    EXPECT_NE(run({"post", "sales", "-", "--allow-repeats=yes"}), 0);
    EXPECT_THAT(err_, HasSubstr("--allow-repeats takes no value"));
}

}  // namespace
}  // namespace orvant::ctl
