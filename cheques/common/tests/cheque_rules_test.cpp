// The amounts a cheque derives from its lines, and what makes a cheque or a line unfit to save.

#include "cheque_rules.h"

#include <gtest/gtest.h>

namespace orvant::cheques {
namespace {

Money amount(const char* text) { return *Money::parse(text); }

TEST(ChequeRules, a_line_settles_with_the_sign_of_its_item_and_no_more_than_it_owes)
{
    struct Row {
        const char *settled, *discount, *open;  // open nullptr: no item known
        std::optional<ChequeFault> fault;
    };
    const Row rows[] = {
        {"50.00", "0", "100.00", std::nullopt},
        {"100.00", "2.00", "100.00", std::nullopt},
        {"120.00", "0", "100.00", ChequeFault::LineAboveOpen},
        {"-20.00", "0", "100.00", ChequeFault::LineSign},
        {"20.00", "0", "0", ChequeFault::LineSign},
        {"-20.00", "0", "-30.00", std::nullopt},
        {"-40.00", "0", "-30.00", ChequeFault::LineAboveOpen},
        {"50.00", "-1.00", "100.00", ChequeFault::DiscountRange},
        {"50.00", "50.01", "100.00", ChequeFault::DiscountRange},
        {"-20.00", "1.00", "-30.00", ChequeFault::DiscountRange},
        {"500.00", "10.00", nullptr, std::nullopt},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(::testing::Message() << row.settled << " less " << row.discount << " of " << (row.open ? row.open : "-"));
        ChequeLine line;
        line.amount = amount(row.settled);
        line.discount = amount(row.discount);
        const std::optional<Money> open = row.open ? std::optional(amount(row.open)) : std::nullopt;
        EXPECT_EQ(CheckLine(line, open), row.fault);
    }
}

TEST(ChequeRules, the_distribution_follows_the_lines_and_must_balance_on_accounts)
{
    const auto cheque = [](const char* supplier, std::vector<const char*> lineAmounts) {
        Cheque c;
        c.supplier = supplier;
        c.accounts = {2100, 1000, 5900, 5000};
        for (const char* text : lineAmounts) c.lines.push_back({supplier, "I", false, {}, {}, amount(text), amount("0"), {}});
        c.lines.front().discount = c.lines.front().amount.isNegative() ? Money() : amount("2.00");
        ProposeDistribution(c);
        return c;
    };
    struct Row {
        const char* name;
        Cheque cheque;
        std::vector<ChequeProblem> problems;
    };
    Row rows[] = {
        {"a supplier's cheque", cheque("A1", {"100.00"}), {}},
        {"a payee's cheque", cheque("", {"100.00"}), {}},
        {"a slot typed out of balance", cheque("A1", {"100.00"}), {{ChequeFault::Unbalanced}}},
        {"a slot without its account", cheque("", {"100.00"}), {{ChequeFault::SlotWithoutAccount, 3}}},
        {"less than nothing", cheque("A1", {"10.00", "-30.00"}), {{ChequeFault::NegativeTotal}}},
        {"too large to write", cheque("A1", {"1000000002.00"}), {{ChequeFault::AmountTooLarge}}},
    };
    rows[2].cheque.slotAmounts[4] = amount("1.00");
    rows[2].cheque.accounts[4] = 5100;
    rows[3].cheque.accounts[3] = 0;

    EXPECT_EQ(rows[0].cheque.slotAmounts[0], amount("100.00"));
    EXPECT_EQ(rows[0].cheque.slotAmounts[1], amount("-98.00"));
    EXPECT_EQ(rows[0].cheque.slotAmounts[2], amount("-2.00"));
    EXPECT_EQ(rows[0].cheque.amount, amount("98.00"));
    EXPECT_EQ(rows[1].cheque.slotAmounts[0], Money()) << "a payee who is not a supplier owes nothing on the payable";
    EXPECT_EQ(rows[1].cheque.slotAmounts[3], amount("100.00"));
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        std::vector<std::pair<ChequeFault, int>> found, expected;
        for (const ChequeProblem& p : CheckCheque(row.cheque)) found.emplace_back(p.fault, p.index);
        for (const ChequeProblem& p : row.problems) expected.emplace_back(p.fault, p.index);
        EXPECT_EQ(found, expected);
    }
}

}  // namespace
}  // namespace orvant::cheques
