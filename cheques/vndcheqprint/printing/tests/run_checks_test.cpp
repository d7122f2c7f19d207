// The checks of a run before any number, over the demo company's books on every engine: what
// the run's cheques settle together, and the form's items.

#include <functional>

#include "cheque_layout_store.h"
#include "print_fixture.h"

namespace orvant::vndcheqprint::test {
namespace {

class RunChecksTest : public PrintBooksTest {
public:
    // A second cheque on the list paying what cheque 1 pays.
    void copyOfCheque1(int seq)
    {
        Cheque copy = *cheques::ChequeStore(*books_, cheques::ChequeSet::List).read(1);
        copy.seq = seq;
        write(copy);
    }

    // The form the run is checked on, with one more item on the cheque.
    void addItem(const char* field)
    {
        layout_ = cheques::ReadChequeLayout(*books_);
        layout_->items.push_back({field, 1, 3.0, 0.4, 0, 10, 0, "Sans Serif"});
    }

    std::optional<cheques::ChequeLayout> layout_;
};
ORVANT_BOOKS_ON_EVERY_ENGINE(RunChecksTest);

TEST_P(RunChecksTest, the_items_a_run_settles_and_the_labels_of_its_form)
{
    struct Row {
        const char* what;
        std::function<void(RunChecksTest&)> prepare;
        std::vector<std::pair<RunFault, int>> problems;  // fault, cheque
    };
    const Row rows[] = {
        {"one cheque paying part of an invoice", [](RunChecksTest& t) { t.supplierCheque(1, Money::fromUnits(150)); }, {}},
        {"two cheques paying an invoice more than it owes between them",
         [](RunChecksTest& t) {
             t.supplierCheque(1, Money::fromUnits(150));
             t.copyOfCheque1(2);
         },
         {{RunFault::ItemNotOpen, 2}}},
        {"two cheques paying an invoice all it owes between them",
         [](RunChecksTest& t) {
             t.supplierCheque(1, Money::fromUnits(200));
             t.copyOfCheque1(2);
         },
         {}},
        {"a label starting with a number",
         [](RunChecksTest& t) {
             t.payeeCheque(1, "Rent", 1);
             t.addItem("30 days net");
         },
         {}},
        {"a field code that is no field",
         [](RunChecksTest& t) {
             t.payeeCheque(1, "Rent", 1);
             t.addItem("30");
         },
         {{RunFault::Layout, 0}}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        freshBooks();
        layout_.reset();
        row.prepare(*this);
        cheques::ChequePeriods periods(*books_, setup().periods);
        const std::vector<RunProblem> problems = CheckRun(*books_, layout_ ? *layout_ : cheques::ReadChequeLayout(*books_),
                                                          ChequesOfBank(*books_, demo::kBank), periods);
        ASSERT_EQ(problems.size(), row.problems.size());
        for (std::size_t i = 0; i < problems.size(); ++i) {
            EXPECT_EQ(problems[i].fault, row.problems[i].first);
            EXPECT_EQ(problems[i].seq, row.problems[i].second);
            if (problems[i].fault != RunFault::Layout) continue;
            EXPECT_EQ(problems[i].layout.fault, cheques::LayoutFault::UnknownField);
            EXPECT_EQ(problems[i].detail, "30") << "the item at fault, for the screen to name";
        }
    }
}

}  // namespace
}  // namespace orvant::vndcheqprint::test
