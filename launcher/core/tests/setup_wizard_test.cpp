// The setup wizard without its widgets: the presets of each place, rates read in the session's
// notation, and what closing on the last page writes to the company and the registry.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QDir>

#include "company/company_creation.h"
#include "core/setup_presets.h"
#include "core/setup_writer.h"
#include "qstring_printing.h"
#include "store/error.h"
#include "store/query.h"
#include "testing/module_test_home.h"

namespace orvant::launcher {
namespace {

constexpr int kOutside = -1;  // a visit to page 3 from outside Canada

// Goes back to page 1 and on to page 3 for the place (a province, or kOutside); types `rate1`
// there when given.
void visit(SetupSteps& steps, int place, const QString& rate1 = {})
{
    while (steps.page() > 1) steps.back();
    steps.answers().inCanada = place != kOutside;
    if (place != kOutside) {
        steps.next();
        steps.answers().province = place;
    }
    steps.next();
    ASSERT_EQ(steps.page(), 3);
    if (!rate1.isNull()) steps.answers().rates[0] = rate1;
}

struct PresetCase {
    const char* what;
    int language;
    std::vector<std::pair<int, QString>> visits;  // place, first rate typed there
    std::array<QString, 3> rates;
    int dateFormat;
    bool thirdShown;
    TaxWording wording;
};

TEST(SetupPresets, each_place_gets_its_rates_and_date_format_and_a_new_place_resets_them)
{
    const PresetCase cases[] = {
        {"Nova Scotia over a rate typed for Ontario", 1, {{kOntario, "5"}, {kNovaScotia, {}}}, {"0", "0", "15"}, kMonthDayYear, true, TaxWording::GstPstHst},
        {"Nova Scotia, back, Ontario", 1, {{kNovaScotia, {}}, {kOntario, {}}}, {"7", "", ""}, kMonthDayYear, false, TaxWording::GstPst},
        {"Québec in French", 2, {{kQuebec, {}}}, {"7", "7,5", ""}, kDayMonthYear, false, TaxWording::GstQst},
        {"Québec, then outside Canada", 1, {{kQuebec, {}}, {kOutside, {}}}, {"", "", ""}, kMonthDayYear, false, TaxWording::SalesTaxAndVat},
        {"back to the same province keeps what was typed", 1, {{kOntario, "13"}, {kOntario, {}}}, {"13", "", ""}, kMonthDayYear, false, TaxWording::GstPst},
    };
    for (const PresetCase& c : cases) {
        SCOPED_TRACE(c.what);
        SetupSteps steps(c.language, false);
        for (const auto& [place, rate1] : c.visits) visit(steps, place, rate1);
        EXPECT_EQ(steps.answers().rates, c.rates);
        EXPECT_EQ(steps.answers().dateFormat, c.dateFormat);
        EXPECT_EQ(steps.thirdRateShown(), c.thirdShown);
        EXPECT_EQ(steps.taxWording(), c.wording);
    }
}

TEST(SetupPresets, the_pages_follow_the_country_and_the_province_defaults_to_the_first)
{
    SetupSteps steps(1, false);
    steps.answers().inCanada = true;
    steps.next();
    EXPECT_EQ(steps.page(), 2);
    EXPECT_EQ(steps.answers().province, 0);
    steps.next();
    steps.back();
    EXPECT_EQ(steps.page(), 2) << "back from the rates goes to the provinces in Canada";
    steps.back();
    steps.answers().inCanada = false;
    steps.next();
    EXPECT_EQ(steps.page(), 3);
    EXPECT_TRUE(steps.taxNoteShown());
    EXPECT_FALSE(SetupSteps(1, true).taxNoteShown()) << "that edition sets its taxes elsewhere";
    steps.back();
    EXPECT_EQ(steps.page(), 1);
}

TEST(SetupPresets, rates_read_in_the_sessions_notation_from_0_to_100)
{
    const struct {
        int language;
        const char* typed;
        std::optional<double> rate;
    } cases[] = {{1, "", 0.0},      {1, "20", 20.0},         {1, "5.5", 5.5},         {2, "5,5", 5.5},
                 {1, "100", 100.0}, {1, "100.01", std::nullopt}, {1, "-1", std::nullopt}, {1, "5,5", std::nullopt},
                 {1, "abc", std::nullopt}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        SetupSteps steps(c.language, false);
        visit(steps, kOutside);
        steps.answers().rates[1] = QString::fromUtf8(c.typed);
        EXPECT_EQ(steps.rate(1), c.rate);
        EXPECT_EQ(steps.next(), c.rate.has_value());
        EXPECT_EQ(steps.page(), c.rate ? 4 : 3);
        EXPECT_EQ(steps.badRate(), c.rate ? -1 : 1);
    }
}

TEST(SetupPresets, the_currency_is_preset_where_empty_and_aligned_right_for_quebec_in_french)
{
    SetupSteps steps(2, false);
    visit(steps, kQuebec);
    steps.answers().currencyDescription = "Piastres";
    steps.next();
    EXPECT_EQ(steps.answers().currencySymbol, "$");
    EXPECT_EQ(steps.answers().currencyDescription, "Piastres");
    EXPECT_EQ(steps.answers().fractionsDescription, "Cents");
    EXPECT_EQ(steps.answers().alignRight, true);
    steps.answers().alignRight = false;
    steps.back();
    steps.next();
    EXPECT_EQ(steps.answers().alignRight, false) << "the user's choice stays while the place does";
    visit(steps, kOntario);
    steps.next();
    EXPECT_EQ(steps.answers().alignRight, false);
    visit(steps, kQuebec);
    steps.next();
    EXPECT_EQ(steps.answers().alignRight, true) << "a new place gets its own alignment";
    SetupSteps english(1, false);
    visit(english, kQuebec);
    english.next();
    EXPECT_EQ(english.answers().alignRight, false);
}

TEST(SetupPresets, the_company_added_is_the_one_new_number)
{
    EXPECT_EQ(AddedCompany({}, {1}), 1);
    EXPECT_EQ(AddedCompany({1, 2}, {1, 2, 5}), 5);
    EXPECT_EQ(AddedCompany({}, {}), std::nullopt) << "a cancelled creation";
    EXPECT_EQ(AddedCompany({1}, {1}), std::nullopt);
    EXPECT_EQ(AddedCompany({}, {1, 2}), std::nullopt) << "two appeared: neither is known to be ours";
}

class SetupWriterTest : public ::testing::Test {
protected:
    void SetUp() override { company::CreateCompany(home_.installation(), 2, "New Books"); }

    SetupValues closedOn(int language, int place, const QString& rate1, const QString& rate2)
    {
        SetupSteps steps(language, false);
        visit(steps, place, rate1);
        steps.answers().rates[1] = rate2;
        while (!steps.lastPage()) EXPECT_TRUE(steps.next());
        return ValuesOf(steps);
    }
    store::Value read(int company, const std::string& sql)
    {
        const auto books = company::OpenCompany(home_.installation(), company);
        store::Query query(*books, sql);
        query.open();
        return query.eof() ? store::Value() : query.value(0);
    }
    QStringList rates(int company, const char* table)
    {
        const auto books = company::OpenCompany(home_.installation(), company);
        store::Query query(*books, std::string("SELECT taxrates_code, taxrates_description, taxrates_rate, taxrates_account FROM ") + table +
                                       " ORDER BY taxrates_code");
        QStringList rows;
        for (query.open(); !query.eof(); query.next())
            rows << QStringLiteral("%1 %2 %3 %4").arg(query.value(0).asInt()).arg(QString::fromStdString(query.value(1).asString()))
                        .arg(query.value(2).asFloat()).arg(query.value(3).asInt());
        return rows;
    }

    orvant::testing::ModuleTestHome home_{ORVANT_TEST_LANGUAGES};
    const RateDescriptions descriptions_{QStringLiteral("VAT/Tax 1"), QStringLiteral("VAT/Tax 2")};
};

TEST_F(SetupWriterTest, outside_canada_both_tables_get_rates_1_and_2_once_whatever_the_times_saved)
{
    const SetupValues values = closedOn(1, kOutside, "20", "5.5");
    const auto books = company::OpenCompany(home_.installation(), 2);
    WriteCompanySetup(*books, values, descriptions_, false);
    WriteCompanySetup(*books, values, descriptions_, false);
    for (const char* table : {"taxrates", "taxratesP"})
        EXPECT_THAT(rates(2, table), ::testing::ElementsAre("1 VAT/Tax 1 20 0", "2 VAT/Tax 2 5.5 0")) << table;
    EXPECT_EQ(read(2, "SELECT ctrl_taxsystem FROM ctrl").asInt(), 1);
    EXPECT_EQ(read(2, "SELECT ctrl_fed_rate FROM ctrl").asFloat(), 20.0);
    EXPECT_EQ(read(2, "SELECT ctrl_pro_rate1 FROM ctrl").asFloat(), 5.5);
    EXPECT_EQ(read(2, "SELECT ctrl_dollars1 FROM ctrl").asString(), "Dollars");
    EXPECT_EQ(read(2, "SELECT ctrl_cents1 FROM ctrl").asString(), "Cents");
}

TEST_F(SetupWriterTest, a_rate_already_there_is_replaced_and_keeps_its_account)
{
    const auto books = company::OpenCompany(home_.installation(), 1);
    const QStringList before = rates(1, "taxrates");
    WriteCompanySetup(*books, closedOn(1, kOutside, "20", "5.5"), descriptions_, false);
    const QStringList after = rates(1, "taxrates");
    ASSERT_EQ(after.size(), before.size());
    EXPECT_EQ(after[0].section(' ', 0, 3), "1 VAT/Tax 1 20");
    EXPECT_EQ(after[0].section(' ', -1), before[0].section(' ', -1));
}

TEST_F(SetupWriterTest, in_canada_or_in_that_edition_the_tax_tables_stay_as_they_are)
{
    const struct {
        const char* what;
        int place;
        bool tolvane;
        int taxSystem;
    } cases[] = {{"Ontario", kOntario, false, 0}, {"Tolvane outside Canada", kOutside, true, 7}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const auto books = company::OpenCompany(home_.installation(), 2);
        store::Query(*books, "UPDATE ctrl SET ctrl_taxsystem = 7").execute();
        WriteCompanySetup(*books, closedOn(1, c.place, {}, {}), descriptions_, c.tolvane);
        EXPECT_EQ(read(2, "SELECT ctrl_taxsystem FROM ctrl").asInt(), c.taxSystem);
        EXPECT_EQ(read(2, "SELECT ctrl_fed_rate FROM ctrl").asFloat(), c.place == kOntario ? 7.0 : 0.0);
        EXPECT_THAT(rates(2, "taxrates"), ::testing::IsEmpty());
    }
    EXPECT_TRUE(TolvaneEdition(QStringLiteral("/srv/Tolvane/Orvant/data1")));
    EXPECT_FALSE(TolvaneEdition(QStringLiteral("/srv/Orvant/data1")));
}

TEST_F(SetupWriterTest, a_table_that_cannot_be_written_leaves_the_control_record_and_the_rates_as_they_were)
{
    const auto books = company::OpenCompany(home_.installation(), 2);
    books->dropTable("taxratesP");
    EXPECT_THROW(WriteCompanySetup(*books, closedOn(1, kOutside, "20", "5.5"), descriptions_, false), store::StoreError);
    EXPECT_EQ(read(2, "SELECT ctrl_taxsystem FROM ctrl").asInt(), 0);
    EXPECT_NE(read(2, "SELECT ctrl_fed_rate FROM ctrl").asFloat(), 20.0);
    EXPECT_THAT(rates(2, "taxrates"), ::testing::IsEmpty());
}

TEST_F(SetupWriterTest, the_registry_gets_the_presentation_and_says_when_it_cannot_be_saved)
{
    Registry registry = home_.registry();
    ASSERT_TRUE(WriteRegionalSetup(registry, closedOn(2, kQuebec, {}, {})));
    EXPECT_EQ(registry.value(kSettingsSection, u"DateFmt"), "dd/mm/yyyy");
    EXPECT_EQ(registry.value(kSettingsSection, u"CurrSmbl"), "$");
    EXPECT_EQ(registry.value(kSettingsSection, u"intl"), "n");
    EXPECT_EQ(registry.value(kSettingsSection, u"CurrAlign"), "R");

    QFile blocker(home_.path("blocker"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    Registry unwritable(home_.path("blocker/registry.ini"));
    EXPECT_FALSE(WriteRegionalSetup(unwritable, closedOn(1, kOutside, {}, {})));
}

}  // namespace
}  // namespace orvant::launcher
