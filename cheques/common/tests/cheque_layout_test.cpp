#include "cheque_layout.h"
#include "default_cheque_layout.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <set>

namespace orvant::cheques {
namespace {

// An item is a field, a label printed as it is, or a bare number that is no field: a typo.
TEST(ChequeLayout, FieldCodes)
{
    struct Row {
        const char* field;
        std::optional<int> code;
        bool mistyped;
    };
    const Row rows[] = {
        {"01 Supplier code", 1, false}, {"7", 7, false}, {"7 Country", 7, false}, {"21", 21, false},
        {"00", std::nullopt, true},     {"30", std::nullopt, true},   {"0 ", std::nullopt, true},
        {"22 Total", std::nullopt, false}, {"30 days net", std::nullopt, false}, {"300 Main Street", std::nullopt, false},
        {"Payee", std::nullopt, false}, {" 7", std::nullopt, false},  {"7a", std::nullopt, false}, {"", std::nullopt, false},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(FieldCode(row.field), row.code) << row.field;
        EXPECT_EQ(IsMistypedFieldCode(row.field), row.mistyped) << row.field;
    }
}

TEST(ChequeLayout, DefaultPrintsEveryFieldOnACompanyNewForm)
{
    const ChequeLayout layout = DefaultChequeLayout();
    EXPECT_TRUE(CheckLayout(layout).empty());
    std::set<int> codes;
    for (const LayoutItem& item : layout.items) {
        const std::optional<int> code = FieldCode(item.field);
        ASSERT_TRUE(code) << item.field;
        codes.insert(*code);
    }
    EXPECT_EQ(codes.size(), 21u);
    EXPECT_EQ(*codes.begin(), kFirstFieldCode);
    EXPECT_EQ(*codes.rbegin(), kLastFieldCode);
}

struct Breakage {
    const char* what;
    std::function<void(ChequeLayout&)> breakIt;
    std::optional<LayoutFault> fault;  // nothing: the change is sound
    int item;
};

TEST(ChequeLayout, RefusesWhatCannotPrint)
{
    const Breakage rows[] = {
        {"parts taller than the page", [](ChequeLayout& l) { l.partHeights[2] = 4; }, LayoutFault::PageSize, -1},
        {"no page length", [](ChequeLayout& l) { l.pageLength = 0; }, LayoutFault::PageSize, -1},
        {"two cheques", [](ChequeLayout& l) { l.partRoles[1] = 0; }, LayoutFault::ChequePart, -1},
        {"no cheque", [](ChequeLayout& l) { l.partRoles[0] = 3; }, LayoutFault::ChequePart, -1},
        {"heading line past the headings", [](ChequeLayout& l) { l.chequeHeadingLine = 3; }, LayoutFault::HeadingLine, -1},
        {"unknown field", [](ChequeLayout& l) { l.items[4].field = "22"; }, LayoutFault::UnknownField, 4},
        {"label starting with a number", [](ChequeLayout& l) { l.items.push_back({"30 days net", 1, 3.0, 0.4, 0, 10, 0, "Sans Serif"}); }, std::nullopt, -1},
        {"part four", [](ChequeLayout& l) { l.items[1].part = 4; }, LayoutFault::ItemPart, 1},
        {"right of the page", [](ChequeLayout& l) { l.items[2].position = 8.5; }, LayoutFault::ItemOffPage, 2},
        {"below the cheque", [](ChequeLayout& l) { l.items[3].line = 3.5; }, LayoutFault::ItemOffPage, 3},
        {"no font size", [](ChequeLayout& l) { l.items[0].size = 0; }, LayoutFault::ItemFont, 0},
        {"endless page", [](ChequeLayout& l) { l.pageLength = HUGE_VAL; }, LayoutFault::PageSize, -1},
        {"part of no number", [](ChequeLayout& l) { l.partHeights[1] = NAN; }, LayoutFault::PageSize, -1},
        {"position of no number", [](ChequeLayout& l) { l.items[2].position = NAN; }, LayoutFault::ItemOffPage, 2},
        {"stub line of no number", [](ChequeLayout& l) { l.items[20].line = NAN; }, LayoutFault::ItemOffPage, 20},
    };
    for (const Breakage& row : rows) {
        ChequeLayout layout = DefaultChequeLayout();
        row.breakIt(layout);
        const std::vector<LayoutProblem> problems = CheckLayout(layout);
        if (!row.fault) {
            EXPECT_TRUE(problems.empty()) << row.what;
            continue;
        }
        ASSERT_EQ(problems.size(), 1u) << row.what;
        EXPECT_EQ(problems[0].fault, row.fault) << row.what;
        EXPECT_EQ(problems[0].item, row.item) << row.what;
    }
}

// A stub prints its items on every line, so their line is not checked; a part of no height
// takes no item.
TEST(ChequeLayout, TwoPartForm)
{
    ChequeLayout layout = DefaultChequeLayout();
    for (LayoutItem& item : layout.items) {
        if (item.part == 2) item.line = 9;
    }
    EXPECT_TRUE(CheckLayout(layout).empty());
    layout.partHeights[2] = 0;
    const std::vector<LayoutProblem> problems = CheckLayout(layout);
    ASSERT_FALSE(problems.empty());
    for (const LayoutProblem& problem : problems) {
        EXPECT_EQ(problem.fault, LayoutFault::ItemPart);
        EXPECT_EQ(layout.items[problem.item].part, 3);
    }
}

}  // namespace
}  // namespace orvant::cheques
