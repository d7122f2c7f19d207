#include <gtest/gtest.h>

#include "money/currency_format.h"
#include "settings/regional.h"
#include "settings/tests/test_support.h"

namespace orvant {
namespace {

using testing::TempRegistry;

const Money kAmount = Money::fromCents(123450);

// The date format and currency display are process-wide: each test starts from the defaults.
class RegionalSettingsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetShortDateFormat("DD/MM/YYYY");
        SetCurrencySigns("$", "L", {});
        UseCurrency(0);
    }
    TempRegistry file;
};

TEST_F(RegionalSettingsTest, DefaultsWhenTheRegistryIsEmpty)
{
    SetShortDateFormat("YYYY/MM/DD");
    SetCurrencySigns("kr", "R", {});
    const RegionalSettings applied = ApplyRegionalSettings(file.open());
    EXPECT_EQ(applied.dateFormat, "DD/MM/YYYY");
    EXPECT_EQ(applied.currencySymbol, "$");
    EXPECT_EQ(applied.currencyAlign, "L");
    EXPECT_EQ(ShortDateFormat(), "DD/MM/YYYY");
    EXPECT_EQ(FormatMoney(-kAmount), "-$1,234.50");
}

TEST_F(RegionalSettingsTest, AlignmentRPutsTheSymbolAfterAndLowerCaseLBefore)
{
    file.writeFile("[Settings]\nCurrAlign=R\nCurrSmbl=\xE2\x82\xAC\n");  // the euro sign in UTF-8
    ApplyRegionalSettings(file.open());
    EXPECT_EQ(FormatMoney(kAmount), "1,234.50\xE2\x82\xAC");
    EXPECT_EQ(FormatMoney(-kAmount), "(1,234.50\xE2\x82\xAC)");

    file.open().setValue(kSettingsSection, u"CurrAlign", QStringLiteral("l"));
    ApplyRegionalSettings(file.open());
    EXPECT_EQ(FormatMoney(-kAmount), "-\xE2\x82\xAC" "1,234.50");
}

TEST_F(RegionalSettingsTest, NamesAreReadWithoutRegardToCase)
{
    file.writeFile("[settings]\ndatefmt=YYYY-MM-DD\ncurrsmbl=kr\ncurralign=r\n");
    const RegionalSettings applied = ApplyRegionalSettings(file.open());
    EXPECT_EQ(applied.dateFormat, "YYYY-MM-DD");
    EXPECT_EQ(DateMaskFor(ShortDateFormat()), "!9999-99-99;1; ");
    EXPECT_EQ(FormatMoney(kAmount), "1,234.50kr");
}

TEST_F(RegionalSettingsTest, ADateFormatThatCannotShowADateFallsBackToTheDefault)
{
    for (const char* format : {"", "abc", "MM/YYYY"}) {
        Registry registry = file.open();
        registry.setValue(kSettingsSection, u"DateFmt", QString::fromUtf8(format));
        EXPECT_EQ(ApplyRegionalSettings(registry).dateFormat, "DD/MM/YYYY") << format;
        EXPECT_EQ(ShortDateFormat(), "DD/MM/YYYY") << format;
    }
}

TEST_F(RegionalSettingsTest, ForeignSignsAlreadyRememberedAreKept)
{
    SetCurrencySigns("$", "L", {"US", "E", "L", "Y"});
    file.writeFile("[Settings]\nCurrSmbl=CAD\nCurrAlign=R\n");
    ApplyRegionalSettings(file.open());
    UseCurrency(1);
    EXPECT_EQ(FormatMoney(kAmount), "1,234.50US");
    UseCurrency(0);
    EXPECT_EQ(FormatMoney(kAmount), "1,234.50CAD");
}

TEST_F(RegionalSettingsTest, TheControlRecordsSignsComeWithTheRegistrysSymbolReadAgain)
{
    ApplyRegionalSettings(file.open());
    file.writeFile("[Settings]\nCurrSmbl=CAD\nCurrAlign=R\n");
    SetCurrencySigns(file.open(), {"US", "E", "L", "Y"});
    UseCurrency(4);
    EXPECT_EQ(FormatMoney(-kAmount), "(1,234.50Y)");
    UseCurrency(0);
    EXPECT_EQ(FormatMoney(kAmount), "1,234.50CAD");
}

TEST(JobCost, SectionFollowsTheEditionInTheDataRoot)
{
    EXPECT_EQ(JobCostSection("/srv/Orvant/data"), "Orvant");
    EXPECT_EQ(JobCostSection("/srv/Tolvane/data"), "Tolvane");
    EXPECT_EQ(JobCostSection("/srv/Tolvane/Orvant/data"), "Orvant");
    EXPECT_EQ(JobCostSection("/srv/books/data"), "brsk");
    EXPECT_EQ(JobCostSection("/srv/orvant/data"), "brsk");  // paths are case-sensitive here
}

TEST(JobCost, EnabledOnlyByYInEitherCase)
{
    TempRegistry file;
    const QString root = QStringLiteral("/srv/Orvant/data");
    EXPECT_FALSE(JobCostEnabled(file.open(), root));
    const std::pair<const char*, bool> cases[] = {{"Y", true}, {"y", true}, {"N", false}, {"Yes", false}, {"", false}};
    for (const auto& [value, enabled] : cases) {
        file.open().setValue(kProductSection, u"JobCost", QString::fromUtf8(value));
        EXPECT_EQ(JobCostEnabled(file.open(), root), enabled) << value;
    }
}

TEST(JobCost, ReadsTheSectionOfTheEdition)
{
    TempRegistry file;
    file.writeFile("[Orvant]\nJobCost=N\n[tolvane]\njobcost=Y\n[brsk]\nJobCost=y\n");
    EXPECT_FALSE(JobCostEnabled(file.open(), "/srv/Orvant/data"));
    EXPECT_TRUE(JobCostEnabled(file.open(), "/srv/Tolvane/data"));
    EXPECT_TRUE(JobCostEnabled(file.open(), "/srv/other/data"));
}

}  // namespace
}  // namespace orvant
