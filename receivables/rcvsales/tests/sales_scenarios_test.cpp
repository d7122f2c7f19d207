// The sales screen played by the screen driver against the real form, as a bookkeeper uses it:
// a sale, a credit note on it and a direct cash sale in English, a sale in French; then the
// books are read back.

#include <gtest/gtest.h>

#include <QProcess>
#include <QTemporaryDir>

#include "company/books_check.h"
#include "company/company_creation.h"
#include "company/data_root_setup.h"
#include "company/demo_company.h"
#include "settings/registry.h"
#include "store/query.h"

namespace orvant::sales {
namespace {

class SalesScenarios : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(home_.isValid());
        Registry(home_.filePath("registry.ini")).setValue(kSettingsSection, u"DateFmt", "YYYY-MM-DD");
        company::SetupDataRoot(installation());
        company::MakeDemoCompany(installation(), 1);
    }

    company::Installation installation() const { return {home_.filePath("Orvant/data").toStdString(), {}}; }

    // Plays the scenario; the transcript when it fails.
    void play(const char* scenario, int language = 1)
    {
        QProcess driver;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("ORVANT_REGISTRY", home_.filePath("registry.ini"));
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        driver.setProcessEnvironment(environment);
        driver.start(SCREENDRIVER_PROGRAM, {"--data-root", home_.filePath("Orvant/data"), "--modules", ORVANT_TEST_MODULES,
                                            "--languages", ORVANT_TEST_LANGUAGES, "--language", QString::number(language),
                                            "rcvsales", QStringLiteral(SCENARIOS "/%1.script").arg(scenario)});
        ASSERT_TRUE(driver.waitForFinished(120000)) << "the driver hung on " << scenario;
        EXPECT_EQ(driver.exitCode(), 0) << driver.readAllStandardOutput().toStdString() << driver.readAllStandardError().toStdString();
    }

    store::Value value(const std::string& sql)
    {
        const auto books = company::OpenCompany(installation(), 1);
        store::Query query(*books, sql);
        query.open();
        return query.eof() ? store::Value() : query.value(0);
    }
    Money money(const std::string& sql)
    {
        const auto books = company::OpenCompany(installation(), 1);
        store::Query query(*books, sql);
        query.open();
        return query.eof() ? Money() : query.field(0).asMoney();
    }

    QTemporaryDir home_;
};

TEST_F(SalesScenarios, ASaleACreditNoteOnItAndADirectCashSale)
{
    play("sale");
    EXPECT_EQ(money("SELECT car_amount FROM car WHERE car_invoice = 'S-101' AND car_type = '1'"), Money::fromUnits(115));
    EXPECT_EQ(value("SELECT car_du_date FROM car WHERE car_invoice = 'S-101'").asDate(), *Date::fromYmd(2026, 4, 9));
    EXPECT_EQ(money("SELECT cli_sales_ytd FROM cli WHERE cli_code = 'ABC100'"), Money::fromUnits(115));

    play("credit_note");
    EXPECT_EQ(money("SELECT car_amount FROM car WHERE car_type = '5'"), Money::fromUnits(-115));
    EXPECT_EQ(value("SELECT car_ref FROM car WHERE car_type = '5'").asString(), "CR-1");
    EXPECT_EQ(value("SELECT car_memo FROM car WHERE car_type = '5'").asString(), "Returned goods");
    EXPECT_EQ(money("SELECT cli_current_bal FROM cli WHERE cli_code = 'ABC100'"), Money());
    EXPECT_EQ(value("SELECT tjlh_memo FROM tjlh WHERE tjlh_date = '2026-03-12'").asString(), "ABC Construction Ltd.\rReturned goods");

    play("cash_sale");
    EXPECT_EQ(value("SELECT COUNT(*) FROM car").asInt(), 2) << "a cash sale has no ledger entry";
    EXPECT_TRUE(value("SELECT direct_cash_sale FROM arori WHERE reference = 'CASH-1'").asBool());
    EXPECT_EQ(value("SELECT client FROM arori WHERE reference = 'CASH-1'").asString(), "");
    EXPECT_EQ(money("SELECT tjld_debit FROM tjld WHERE tjld_account = 1000"), Money::fromCents(5750));
    EXPECT_EQ(value("SELECT COUNT(*) FROM arori").asInt(), 3);
    EXPECT_TRUE(company::CheckBooks(installation(), 1).clean());
}

TEST_F(SalesScenarios, ASaleEnteredInFrench)
{
    play("vente", 2);
    EXPECT_EQ(money("SELECT car_amount FROM car WHERE car_invoice = 'F-200'"), Money::fromCents(22995));
    EXPECT_EQ(value("SELECT car_client FROM car WHERE car_invoice = 'F-200'").asString(), "BEL200");
    EXPECT_TRUE(company::CheckBooks(installation(), 1).clean());
}

}  // namespace
}  // namespace orvant::sales
