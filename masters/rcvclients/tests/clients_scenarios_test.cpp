// Client maintenance played by the screen driver against the real form, in English and in
// French; the books are read back.

#include <gtest/gtest.h>

#include <QProcess>
#include <QTemporaryDir>

#include "company/company_creation.h"
#include "company/data_root_setup.h"
#include "company/demo_company.h"
#include "settings/registry.h"
#include "store/query.h"

namespace orvant::masters {
namespace {

class ClientScenarios : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(home_.isValid());
        Registry(home_.filePath("registry.ini")).setValue(kSettingsSection, u"DateFmt", "YYYY-MM-DD");
        company::SetupDataRoot(installation());
        company::MakeDemoCompany(installation(), 1);
        // ABC100 has a sale in its ledger.
        const auto books = company::OpenCompany(installation(), 1);
        store::Query(*books, "INSERT INTO car (car_client, car_invoice, car_ref, car_type, car_amount, car_seq) "
                             "VALUES ('ABC100', 'A1', '', '1', 1150000, 1)")
            .execute();
    }

    company::Installation installation() const { return {home_.filePath("Orvant/data").toStdString(), {}}; }

    void play(const char* scenario, int language = 1)
    {
        QProcess driver;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("ORVANT_REGISTRY", home_.filePath("registry.ini"));
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        driver.setProcessEnvironment(environment);
        driver.start(SCREENDRIVER_PROGRAM, {"--data-root", home_.filePath("Orvant/data"), "--modules", ORVANT_TEST_MODULES,
                                            "--languages", ORVANT_TEST_LANGUAGES, "--language", QString::number(language),
                                            "rcvclients", QStringLiteral(SCENARIOS "/%1.script").arg(scenario)});
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

    QTemporaryDir home_;
};

TEST_F(ClientScenarios, ACreatedClientIsChangedThenDeletedAndAClientWithEntriesStays)
{
    play("clients");
    EXPECT_EQ(value("SELECT COUNT(*) FROM cli WHERE cli_code = 'NEW100'").asInt(), 0) << "deleted at the end";
    EXPECT_EQ(value("SELECT COUNT(*) FROM cli WHERE cli_code = 'ABC100'").asInt(), 1) << "its entries keep it";
    EXPECT_EQ(value("SELECT COUNT(*) FROM cli WHERE cli_code = 'NOR400'").asInt(), 1);
}

TEST_F(ClientScenarios, AClientCreatedAndChangedInFrench)
{
    play("clients_fr", 2);
    EXPECT_EQ(value("SELECT cli_name FROM cli WHERE cli_code = 'FR100'").asString(), "Quincaillerie Tremblay");
    EXPECT_EQ(value("SELECT cli_tel FROM cli WHERE cli_code = 'FR100'").asString(), "418-555-0199");
    EXPECT_EQ(value("SELECT cli_salesrep FROM cli WHERE cli_code = 'FR100'").asString(), "SL");
    EXPECT_EQ(value("SELECT cli_du_days FROM cli WHERE cli_code = 'FR100'").asInt(), 30);
    EXPECT_EQ(value("SELECT cli_accnt2 FROM cli WHERE cli_code = 'FR100'").asInt(), 4020);
    EXPECT_TRUE(value("SELECT cli_email_statement FROM cli WHERE cli_code = 'FR100'").asBool());
    EXPECT_EQ(value("SELECT cli_bank FROM cli WHERE cli_code = 'FR100'").asString(), "Banque Laurentienne");
    EXPECT_EQ(value("SELECT cli_comments FROM cli WHERE cli_code = 'FR100'").asString(), "Livrer le matin");
    EXPECT_TRUE(value("SELECT cli_tax_fed FROM cli WHERE cli_code = 'FR100'").asBool());
}

}  // namespace
}  // namespace orvant::masters
