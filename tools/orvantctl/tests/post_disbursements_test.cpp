// orvantctl post disbursements: cash disbursements imported from a file through the
// disbursements screen's checks and posting.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "ctl_books_fixture.h"

namespace orvant::ctl {
namespace {

using ::testing::HasSubstr;

class PostDisbursementsTest : public CtlBooksTest {
protected:
    int post(const std::string& records, std::vector<std::string> options = {})
    {
        return postFile("disbursements", records, std::move(options));
    }

    // What a posting writes, table by table, to compare the books before and after.
    std::vector<std::int64_t> written(int company) { return counts({"tjlh", "tjld", "cap", "cdorihdr", "cdoridet", "concil", "taxrepP"}, company); }
};
INSTANTIATE_TEST_SUITE_P(Engines, PostDisbursementsTest, ::testing::ValuesIn(testing::allEngines()), testing::engineName);

// The samples post on the demo as the demo command leaves it; a second time the disbursements
// are refused as already in the books and nothing moves, unless repeats are allowed.
TEST_P(PostDisbursementsTest, the_samples_post_on_a_fresh_demo_and_a_second_time_only_when_repeats_are_allowed)
{
    ASSERT_EQ(run({"demo", "2"}), 0) << err_;
    ASSERT_EQ(postFile("purchases", fileContents(ORVANT_SAMPLE_PURCHASES), {"--company", "2"}), 0) << out_;
    const std::string disbursements = fileContents(ORVANT_SAMPLE_DISBURSEMENTS);
    ASSERT_EQ(post(disbursements, {"--company", "2"}), 0) << out_;
    EXPECT_THAT(out_, HasSubstr("5 disbursement(s) posted, 0 refused."));
    ASSERT_EQ(run({"check", "2"}), 0) << out_;
    EXPECT_EQ(count("SELECT SUM(cap_amount) FROM cap WHERE cap_invoice = 'H-0315'", 2), 0) << "the sample's hydro bill paid in full";
    EXPECT_EQ(count("SELECT COUNT(*) FROM cap WHERE cap_invoice = 'CHQ7002' AND cap_type = '5'", 2), 1) << "the deposit on account";
    const std::vector<std::int64_t> once = written(2);

    EXPECT_EQ(post(disbursements, {"--company", "2"}), 2);
    EXPECT_THAT(out_, HasSubstr("0 disbursement(s) posted, 5 refused."));
    EXPECT_THAT(out_, HasSubstr(":1: This disbursement is already in the books; it is not posted again."));
    EXPECT_THAT(out_, HasSubstr(":4: This disbursement is already in the books; it is not posted again."));  // not to a supplier
    EXPECT_EQ(written(2), once);

    EXPECT_EQ(post(disbursements, {"--company", "2", "--allow-repeats"}), 0) << out_;
    EXPECT_EQ(count("SELECT COUNT(*) FROM cdorihdr", 2), once[3] + 5);
    EXPECT_EQ(run({"check", "2"}), 0) << out_;
}

// Each disbursement refused is named by its line with the screen's message in the language
// asked; malformed records by what is wrong with them; the others are posted.
TEST_P(PostDisbursementsTest, refusals_name_the_line_and_the_reason_in_the_chosen_language)
{
    const std::string onAccount = R"({"supplier": "BUR100", "reference": "CHQ1", "date": "2026-03-20", )"
                                  R"("rows": [{"account": 2100, "debit": "100.00"}, {"account": 1000, "credit": "100.00"}]})";
    const std::string records = onAccount + "\n\n" + onAccount + "\n" +
                                R"({"supplier": "NOBODY", "reference": "CHQ2", "date": "2026-03-20", )"
                                R"("rows": [{"account": 5100, "debit": 1}, {"account": 1000, "credit": 1}]})" "\n" +
                                R"({"supplier": "BUR100", "reference": "CHQ3", "date": "2026-03-20", "payments": [{"invoice": "NOPE", "amount": 1}]})" "\n" +
                                R"({"supplier": "BUR100", "reference": "CHQ4", "date": "2026-03-20", "nsf": true})" "\n" +
                                R"({"reference": "CHQ5", "date": "2026-03-20", "rows": [{"account": 2100, "debit": 1}, {"account": 1000, "credit": 1}]})" "\n";
    EXPECT_EQ(post(records), 2);
    EXPECT_THAT(out_, HasSubstr(":3: This disbursement is already in the books; it is not posted again."));
    EXPECT_THAT(out_, HasSubstr(":4: This supplier does not exist."));
    EXPECT_THAT(out_, HasSubstr(":5: payment 1 (NOPE): This invoice is not among the supplier's open items."));
    EXPECT_THAT(out_, HasSubstr(":6: a disbursement has no field \"nsf\""));
    EXPECT_THAT(out_, HasSubstr(":7: row 1: A disbursement not to a supplier must not touch the payable account."));
    EXPECT_THAT(out_, HasSubstr("1 disbursement(s) posted, 5 refused."));
    EXPECT_EQ(post(records, {"--language", "2"}), 2);
    EXPECT_THAT(out_, HasSubstr(":1: Ce déboursé est déjà dans les livres; il n'est pas reporté de nouveau."));
    EXPECT_THAT(out_, HasSubstr(":4: Ce fournisseur n'existe pas."));
    EXPECT_THAT(out_, HasSubstr(":5: payment 1 (NOPE): Cette facture n'est pas parmi les pièces ouvertes du fournisseur."));
    EXPECT_THAT(out_, HasSubstr("0 disbursement(s) posted, 6 refused."));
    EXPECT_EQ(count("SELECT COUNT(*) FROM cdorihdr"), 1);
    EXPECT_EQ(run({"check", "1"}), 0) << out_;
}

}  // namespace
}  // namespace orvant::ctl
