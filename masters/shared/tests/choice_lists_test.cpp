// Lists whose entries keep their own numbers, whatever gaps the configuration has.

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "shared/choice_lists.h"
#include "store/query.h"
#include "testing/queried_books_test.h"

namespace orvant::masters {
namespace {

class ChoiceListsTest : public testing::QueriedBooksTest {
protected:
    ChoiceListsTest() : QueriedBooksTest(Company::Demo) {}
};

TEST_P(ChoiceListsTest, ACurrencyWithoutNameLeavesAGapNotAShift)
{
    execute("UPDATE ctrl SET ctrl_curr1_name = 'US dollar', ctrl_curr2_name = '', ctrl_curr3_name = 'Euro'");
    const ChoiceList currencies = CurrencyList(*books_, "Défaut");
    ASSERT_EQ(currencies.entries().size(), 3u);
    EXPECT_EQ(currencies.numberAt(2), 3) << "Euro is currency 3, though it is the third entry";
    EXPECT_EQ(currencies.indexOf(3), 2);
    EXPECT_EQ(currencies.indexOf(2), std::nullopt) << "a client in an unnamed currency shows no choice";
    EXPECT_EQ(currencies.numberAt(-1), std::nullopt) << "no choice keeps the stored value";
}

TEST_P(ChoiceListsTest, BankAccountsAreTheirAccountNumbers)
{
    execute("UPDATE ctrl SET ctrl_bank_accnt1 = 1000, ctrl_bank_accnt2 = 0, ctrl_bank_accnt3 = 1200, ctrl_bank_accnt4 = 9999");
    const ChoiceList banks = BankAccounts(*books_);
    ASSERT_EQ(banks.entries().size(), 2u) << "an account of 0 or missing from the chart is left out";
    EXPECT_EQ(banks.entries()[1].text, "Inventory");
    EXPECT_EQ(banks.numberAt(1), 1200);
    EXPECT_EQ(banks.indexOf(1200), 1);
}

TEST_P(ChoiceListsTest, PriceListsSixToNineComeWithTheLargerEdition)
{
    execute("UPDATE ivctrl SET ivctrl_pl_name8 = 'Staff'");  // the demo names list 6
    EXPECT_EQ(PriceLists(*books_, false).entries().size(), 2u);
    const ChoiceList lists = PriceLists(*books_, true);
    ASSERT_EQ(lists.entries().size(), 4u);
    EXPECT_EQ(lists.numberAt(3), 8);
    EXPECT_EQ(InvoiceFormats(*books_), std::vector<std::string>{"Standard invoice"});
}

TEST(Editions, TheLargerEditionAndInternationalSettingsComeFromTheRegistry)
{
    QTemporaryDir dir;
    Registry registry(dir.filePath("registry.ini"));
    EXPECT_FALSE(LargerEditionInstalled(registry));
    EXPECT_FALSE(InternationalSettings(registry));
    registry.setValue(kProductSection, u"BrskAddOn", "Y");
    registry.setValue(kSettingsSection, u"Intl", "y");
    EXPECT_TRUE(LargerEditionInstalled(registry));
    EXPECT_TRUE(InternationalSettings(registry));
    registry.setValue(kProductSection, u"BrskAddOn", "n");
    EXPECT_FALSE(LargerEditionInstalled(registry));
    registry.setValue(u"brsk", u"Installed", "1");
    EXPECT_TRUE(LargerEditionInstalled(registry));
}

ORVANT_BOOKS_ON_EVERY_ENGINE(ChoiceListsTest);

}  // namespace
}  // namespace orvant::masters
