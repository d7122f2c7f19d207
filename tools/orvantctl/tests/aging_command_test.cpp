// orvantctl aging: the report of a company written as CSV with the screen's options, and the
// calls it refuses with their reason, on each engine.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <sstream>

#include "company/company_creation.h"
#include "company/data_root_setup.h"
#include "orvantctl.h"
#include "settings/registry.h"
#include "store/query.h"
#include "testing/temp_data_root.h"

namespace orvant::ctl {
namespace {

using ::testing::HasSubstr;

class AgingCommandTest : public ::testing::TestWithParam<testing::Engine> {
protected:
    void SetUp() override
    {
        root_ = std::make_unique<testing::TempDataRoot>(GetParam());
        ORVANT_REQUIRE_ENGINE(*root_);
        registryFile_ = root_->path() + "-registry.ini";
        setenv("ORVANT_REGISTRY", registryFile_.c_str(), 1);
        setenv("ORVANT_LANGUAGES", ORVANT_SOURCE_LANGUAGES, 1);
        Registry(QString::fromStdString(registryFile_)).setValue(kProductSection, u"store", QString::fromStdString(root_->config().postgres));
        const company::Installation installation{root_->path(), root_->config()};
        company::SetupDataRoot(installation);
        company::CreateCompany(installation, 1, "Aging Books");
        const auto books = company::OpenCompany(installation, 1);
        const auto sql = [&](const char* text) { store::Query(*books, text).execute(); };
        sql("UPDATE ctrl SET ctrl_curr1_name = 'Euro', ctrl_curr1_rate = 1.3, ctrl_curr2_name = 'Yen', ctrl_curr2_rate = 0");
        sql("INSERT INTO cli (cli_code, cli_name, cli_currency) VALUES ('A', 'Alpha', 0), ('E', 'Euro Outils', 1), ('Y', 'Yen Ltd', 2)");
        sql("INSERT INTO car (car_client, car_invoice, car_ref, car_date, car_type, car_du_date, car_amount, car_seq) VALUES "
            "('A', '100', '', '2026-03-01', '1', '2026-03-31', 1000000, 1), ('A', '100', 'P', '2026-06-29', '2', '2026-06-29', -250000, 2), "
            "('E', '100', '', '2026-06-29', '1', '2026-06-29', 10000000000, 3), ('Y', '7', '', '2026-06-01', '1', '2026-06-01', 50000, 4)");
        sql("INSERT INTO sup (sup_code, sup_name, sup_tel, sup_currency) VALUES ('S', 'Scierie Nord', '819-555-0100', 0)");
        sql("INSERT INTO cap (cap_supplier, cap_invoice, cap_ref, cap_date, cap_type, cap_du_date, cap_amount, cap_seq) VALUES "
            "('S', 'F-9', '', '2026-05-01', '1', '2026-05-31', 4000000, 1), ('S', 'F-9', '', '2026-05-01', '6', '2026-09-30', 500000, 2)");
    }

    void TearDown() override
    {
        unsetenv("ORVANT_REGISTRY");
        unsetenv("ORVANT_LANGUAGES");
    }

    int run(std::vector<std::string> arguments)
    {
        arguments.insert(arguments.begin(), {"--data-root", root_->path(), "aging", "--date", "2026-06-30"});
        out_.str({});
        err_.str({});
        return RunOrvantctl(arguments, out_, err_);
    }

    QStringList csvLines(const QString& path)
    {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) return {};
        return QString::fromUtf8(file.readAll()).split("\r\n", Qt::SkipEmptyParts);
    }

    std::unique_ptr<testing::TempDataRoot> root_;
    std::string registryFile_;
    std::ostringstream out_, err_;
    QTemporaryDir dir_;
};
INSTANTIATE_TEST_SUITE_P(Engines, AgingCommandTest, ::testing::ValuesIn(testing::allEngines()), testing::engineName);

TEST_P(AgingCommandTest, the_screens_options_choose_the_lines_and_their_amounts)
{
    const std::string csv = dir_.filePath("aging.csv").toStdString();
    struct Row {
        std::vector<std::string> options;
        QStringList lines;  // after the titles
    } rows[] = {
        {{"--layout", "summary", "--to", "E", "--convert-to", "0"},
         {"A,Alpha,,75.00,0.00,0.00,0.00,0.00,75.00", "E,Euro Outils,,1300000.00,1300000.00,0.00,0.00,0.00,0.00"}},
        {{"--older-than", "4", "--currency", "0"}, {"A,100,2026-03-01,2026-03-31,,Sale,121,100.00,,,,,100.00",
                                                      "A,100,2026-06-29,2026-06-29,P,Pmt,121,-25.00,,,,,-25.00"}},
        {{"--layout", "summary", "--from", "Y", "--language", "2"}, {"Y,Yen Ltd,,5.00,5.00,0.00,0.00,0.00,0.00"}},
    };
    for (const Row& row : rows) {
        std::vector<std::string> arguments = row.options;
        arguments.insert(arguments.end(), {"--csv", csv});
        ASSERT_EQ(run(arguments), 0) << err_.str();
        EXPECT_EQ(csvLines(QString::fromStdString(csv)).mid(1), row.lines) << row.options[1];
    }
    EXPECT_THAT(out_.str(), HasSubstr("1 line(s) on 1 page(s)"));
    EXPECT_TRUE(csvLines(QString::fromStdString(csv)).value(0).startsWith("Code client,Nom,")) << "French titles";
}

// The suppliers' listings are headed as the payables aging screen heads them, with no telephone,
// in the payables' own words where the language tables are missing.
TEST_P(AgingCommandTest, the_payables_listings_carry_the_supplier_headings)
{
    const std::string csv = dir_.filePath("payables.csv").toStdString();
    struct Row {
        std::vector<std::string> options;
        QStringList lines;
        bool withoutTables = false;
    } rows[] = {
        {{"--layout", "summary"}, {"Supplier,Name,Amount,Current,31-60,61-90,91-120,Over 120", "S,Scierie Nord,450.00,0.00,450.00,0.00,0.00,0.00"}},
        {{"--layout", "summary", "--language", "2"}, {"Fournisseur,Nom,Montant,Current,31-60,61-90,91-120,Over 120",
                                                       "S,Scierie Nord,450.00,0.00,450.00,0.00,0.00,0.00"}},
        // From the due dates the holdback ages from its own; 30 days is not older than 30.
        {{"--due-date"}, {"Code,Invoice #,Date,Due date,Reference,Type,Days,Amount,Current,31-60,61-90,91-120,Over 120",
                          "S,F-9,2026-05-01,2026-05-31,,Pur,30,400.00,400.00,,,,", "S,F-9,2026-05-01,2026-09-30,,Hold,-92,50.00,50.00,,,,"}},
        {{"--due-date", "--older-than", "1", "--layout", "summary"}, {"Supplier,Name,Amount,Current,31-60,61-90,91-120,Over 120"}},
        {{"--due-date"}, {"Code,Invoice #,Date,Due date,Reference,Type,Days,Amount,Current,31-60,61-90,91-120,Over 120",
                          "S,F-9,2026-05-01,2026-05-31,,Pur,30,400.00,400.00,,,,", "S,F-9,2026-05-01,2026-09-30,,Hold,-92,50.00,50.00,,,,"},
         true},
        {{"--layout", "summary"}, {"Supplier,Name,Amount,Current,31-60,61-90,91-120,Over 120", "S,Scierie Nord,450.00,0.00,450.00,0.00,0.00,0.00"},
         true},
    };
    for (const Row& row : rows) {
        setenv("ORVANT_LANGUAGES", row.withoutTables ? dir_.filePath("no-languages").toUtf8().constData() : ORVANT_SOURCE_LANGUAGES, 1);
        std::vector<std::string> arguments = row.options;
        arguments.insert(arguments.end(), {"--payables", "--csv", csv});
        ASSERT_EQ(run(arguments), 0) << err_.str();
        EXPECT_EQ(csvLines(QString::fromStdString(csv)), row.lines) << row.options.back();
    }
}

TEST_P(AgingCommandTest, refused_calls_say_why_and_write_nothing)
{
    const std::string csv = dir_.filePath("refused.csv").toStdString();
    struct Row {
        std::vector<std::string> options;
        const char* why;
    } rows[] = {
        {{"--csv", csv, "--pdf", csv}, "one file"},
        {{"--csv", csv, "--convert-to", "5"}, "--convert-to takes 0 to 4"},
        {{"--csv", csv, "--from", "Z", "--to", "A"}, "--from comes after --to"},
        {{"--csv", csv, "--layout", "wide"}, "--layout detail or summary"},
        {{"--csv", csv, "--bogus"}, "Unknown option --bogus"},
        {{"--csv", csv, "--convert-to", "0"}, "the currency Yen (2) has no exchange rate"},
        {{"--csv", csv, "--payables", "--territory", "EST"}, "are for the clients' aging"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(run(row.options), 2) << row.why;
        EXPECT_THAT(err_.str(), HasSubstr(row.why));
        EXPECT_FALSE(QFile::exists(QString::fromStdString(csv))) << row.why;
    }
}

}  // namespace
}  // namespace orvant::ctl
