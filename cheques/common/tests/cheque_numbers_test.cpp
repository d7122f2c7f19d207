// Cheque numbers per bank account: never given twice, between workstations as processes too.

#include <optional>
#include <set>
#include <vector>

#include "cheque_numbers.h"
#include "child_workstation.h"
#include "testing/books_fixture.h"

namespace orvant::cheques::test {
namespace {

using State = ChequeNumberState;

class ChequeNumbersTest : public testing::BooksTest {
protected:
    // Takes `count` numbers of `state` in one committed run, starting where the user typed.
    static std::vector<int> takeRun(store::Database& books, int bank, int count, State state = State::Issued,
                                    int typedFirst = 0)
    {
        ChequeNumberRun run(books, bank, "Lead");
        if (typedFirst) run.startAt(typedFirst);
        store::Transaction transaction(books);
        std::vector<int> numbers;
        for (int i = 0; i < count; ++i) numbers.push_back(run.take(state));
        run.finish();
        transaction.commit();
        return numbers;
    }

    int counter(int bank) { return ChequeNumberRun(*books_, bank, "Lead").counter(); }

    void setCounter(int bank, int value)
    {
        store::Table control(*books_, "ctrl");
        control.open();
        control.first();
        control.edit();
        control.field("Ctrl_ap_chqno" + std::to_string(bank)) = value;
        control.post();
    }
};
ORVANT_BOOKS_ON_EVERY_ENGINE(ChequeNumbersTest);

TEST_P(ChequeNumbersTest, runs_follow_the_counter_of_their_own_bank_and_the_first_number_typed)
{
    setCounter(2, 480);
    struct Row {
        int bank, typedFirst, count;
        std::vector<int> given;
        int counterAfter;
    };
    const Row rows[] = {
        {1, 0, 3, {1, 2, 3}, 4},
        {2, 500, 3, {500, 501, 502}, 503},  // typed above the counter: the counter follows
        {2, 0, 2, {503, 504}, 505},
        {2, 480, 2, {480, 481}, 505},  // typed below: free numbers given, the counter never goes back
        {2, 500, 1, {505}, 506},       // typed on used numbers: they are passed over
        {1, 0, 1, {4}, 5},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(::testing::Message() << "bank " << row.bank << " from " << row.typedFirst);
        EXPECT_EQ(takeRun(*books_, row.bank, row.count, State::Issued, row.typedFirst), row.given);
        EXPECT_EQ(counter(row.bank), row.counterAfter);
        EXPECT_EQ(NextChequeNumber(*books_, row.bank), row.counterAfter) << "proposed without holding the control record";
    }
    ChequeNumberRun run(*books_, 2, "Lead");
    EXPECT_TRUE(run.used(501));
    EXPECT_FALSE(run.used(490));
}

TEST_P(ChequeNumbersTest, a_void_number_is_never_given_again_and_a_run_rolled_back_gives_none)
{
    EXPECT_EQ(takeRun(*books_, 1, 2), (std::vector<int>{1, 2}));
    {
        ChequeNumberRun run(*books_, 1, "Lead");
        store::Transaction transaction(*books_);
        run.voidNumber(2);  // a spoiled cheque
        run.voidNumber(7);  // a form lost before it was ever printed
        transaction.commit();
    }
    EXPECT_EQ(takeRun(*books_, 1, 1, State::Void), (std::vector<int>{3}));  // a continuation form
    {
        ChequeNumberRun run(*books_, 1, "Lead");
        store::Transaction transaction(*books_);
        EXPECT_EQ(run.take(State::Issued), 4);
        run.finish();
    }  // rolled back: 4 was never printed
    EXPECT_EQ(counter(1), 4);
    EXPECT_EQ(takeRun(*books_, 1, 4, State::Issued, 1), (std::vector<int>{4, 5, 6, 8}));

    store::Table numbers(*books_, "apchqno");
    numbers.open();
    std::string states;
    for (numbers.first(); !numbers.eof(); numbers.next()) states += numbers.field("Apchqno_state").asString();
    EXPECT_EQ(states, "IVVIIIVI");
}

TEST_P(ChequeNumbersTest, workstations_taking_numbers_at_once_never_share_one)
{
    constexpr int kWorkstations = 3, kRuns = 15;
    std::vector<std::unique_ptr<Pipe>> outputs;
    std::vector<pid_t> children;
    for (int w = 0; w < kWorkstations; ++w) {
        outputs.push_back(std::make_unique<Pipe>());
        Pipe& out = *outputs.back();
        children.push_back(StartWorkstation(installation_, "W" + std::to_string(w), 10 + w, [&out](store::Database& books) {
            for (int i = 0; i < kRuns; ++i)
                for (int n : takeRun(books, 1, 2)) out.send(static_cast<char>(n));
            return 0;
        }));
    }
    std::set<int> given;
    for (int w = 0; w < kWorkstations; ++w) {
        EXPECT_EQ(ExitStatusOf(children[w]), 0);
        for (int i = 0; i < kRuns * 2; ++i) EXPECT_TRUE(given.insert(static_cast<unsigned char>(outputs[w]->receive())).second);
    }
    EXPECT_EQ(given.size(), std::size_t(kWorkstations * kRuns * 2));
    EXPECT_EQ(*given.rbegin(), kWorkstations * kRuns * 2);
    EXPECT_EQ(counter(1), kWorkstations * kRuns * 2 + 1);
}

TEST(ChequeNumberText, reads_a_positive_number_between_spaces_and_nothing_else)
{
    struct Row {
        const char* text;
        std::optional<int> number;
    };
    const Row rows[] = {
        {"1024", 1024}, {" 1024  ", 1024}, {"", std::nullopt}, {"   ", std::nullopt}, {"12a", std::nullopt},
        {"1 2", std::nullopt}, {"0", std::nullopt}, {"-5", std::nullopt}, {"99999999999", std::nullopt},
    };
    for (const Row& row : rows) EXPECT_EQ(ChequeNumberOf(row.text), row.number) << '"' << row.text << '"';
}

}  // namespace
}  // namespace orvant::cheques::test
