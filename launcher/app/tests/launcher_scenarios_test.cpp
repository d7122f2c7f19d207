// The suite as its users start it: the real launcher program on a demo data root, signed in as
// the demo's own first user or as a French-speaking clerk with a long name, working in the
// modules its menus open; then the books are read back.

#include <QDir>
#include <QFile>

#include "company/books_check.h"
#include "company/users.h"
#include "core/desktop_sizes.h"
#include "core/desktop_store.h"
#include "testing/scenario_player.h"

namespace orvant::launcher {
namespace {

class LauncherScenarios : public ::testing::Test {
protected:
    void SetUp() override { company::CreateCompany(books_.installation(), 2, "Second Company"); }

    // A French installation whose first user takes the installation's language.
    void inFrenchInstallation()
    {
        books_.registry().setValue(kProductSection, u"language", "2");
        store::Query(*company::OpenDataRoot(books_.installation()), "UPDATE \"user\" SET user_language = 0 WHERE user_code = 'ADMIN'").execute();
    }

    // Books whose data root lists no company and holds none of their folders.
    void withoutCompanies()
    {
        store::Query(*company::OpenDataRoot(books_.installation()), "DELETE FROM comp").execute();
        for (const char* company : {"1", "2"}) QDir(QString::fromStdString(books_.installation().dataRoot) + company).removeRecursively();
    }

    testing::ScenarioPlayer books_ = ORVANT_SCENARIO_PLAYER();
};

TEST_F(LauncherScenarios, TheDemosFirstUserPostsASaleAndACreditNoteEditsAClientAndSwitchesCompany)
{
    books_.playInLauncher("first_day");
    EXPECT_EQ(books_.value("SELECT car_user FROM car WHERE car_invoice = 'L-101' AND car_type = '1'").asString(), "Administrator");
    EXPECT_EQ(books_.value("SELECT tjlh_user FROM tjlh WHERE tjlh_reference = 'L-101' AND tjlh_date = '2026-03-10'").asString(),
              "Administrator");
    EXPECT_EQ(books_.money("SELECT car_amount FROM car WHERE car_ref = 'LCR-1'"), Money::fromCents(-1500));
    EXPECT_EQ(books_.money("SELECT cli_current_bal FROM cli WHERE cli_code = 'ABC100'"), Money::fromUnits(100));
    EXPECT_EQ(books_.value("SELECT cli_tel FROM cli WHERE cli_code = 'ABC100'").asString(), "514-555-0199");
    EXPECT_TRUE(company::CheckBooks(books_.installation(), 1).clean());
}

TEST_F(LauncherScenarios, TheDemosFirstUserPostsASaleThenTheClientsChequeForIt)
{
    books_.playInLauncher("sale_then_receipt");
    EXPECT_EQ(books_.money("SELECT car_amount FROM car WHERE car_ref = 'CHQ-3310' AND car_invoice = 'L-700'"), Money::fromUnits(-230));
    EXPECT_EQ(books_.value("SELECT car_user FROM car WHERE car_ref = 'CHQ-3310'").asString(), "Administrator");
    EXPECT_EQ(books_.value("SELECT \"User\" FROM crorihdr WHERE reference = 'CHQ-3310'").asString(), "Administrator");
    EXPECT_EQ(books_.money("SELECT cli_current_bal FROM cli WHERE cli_code = 'WES500'"), Money());
    EXPECT_TRUE(company::CheckBooks(books_.installation(), 1).clean());
}

TEST_F(LauncherScenarios, TheDemosFirstUserPostsAPurchaseThenPaysItByCheque)
{
    books_.playInLauncher("purchase_then_disbursement");
    EXPECT_EQ(books_.money("SELECT cap_amount FROM cap WHERE cap_ref = 'CHQ-800' AND cap_invoice = 'L-800'"), Money::fromUnits(-300));
    EXPECT_EQ(books_.value("SELECT cap_user FROM cap WHERE cap_ref = 'CHQ-800'").asString(), "Administrator");
    EXPECT_EQ(books_.value("SELECT \"User\" FROM cdorihdr WHERE reference = 'CHQ-800'").asString(), "Administrator");
    EXPECT_EQ(books_.money("SELECT concil_montant FROM concil WHERE concil_reference = 'CHQ-800'"), Money::fromUnits(-300));
    EXPECT_EQ(books_.money("SELECT sup_current_bal FROM sup WHERE sup_code = 'MAP300'"), Money());
    EXPECT_TRUE(company::CheckBooks(books_.installation(), 1).clean());
}

TEST_F(LauncherScenarios, TheDemosFirstUserPostsAPurchaseBuildsTheListOfChequesAndPaysPartOfIt)
{
    books_.playInLauncher("cheque_list");
    QFile::remove("launcher-cheque-list.pdf");
    EXPECT_EQ(books_.value("SELECT COUNT(*) FROM apchqh").asInt(), 1);
    EXPECT_EQ(books_.value("SELECT apchqh_fou FROM apchqh").asString(), "MAP300");
    EXPECT_EQ(books_.value("SELECT apchqd_invoice FROM apchqd").asString(), "L-900");
    // The cheque the list made, edited: the line, the cheque and its slots follow the amount paid.
    for (const char* sql : {"SELECT apchqh_montant FROM apchqh", "SELECT apchqd_montant FROM apchqd",
                            "SELECT apchqd_payment FROM apchqd", "SELECT apchqh_dist1 FROM apchqh",
                            "SELECT -apchqh_dist2 FROM apchqh"})
        EXPECT_EQ(books_.money(sql), Money::fromUnits(120)) << sql;
    EXPECT_TRUE(company::CheckBooks(books_.installation(), 1).clean());
}

// The cheque the list made, printed to the run's PDF (no printer is set up) and posted.
TEST_F(LauncherScenarios, TheDemosFirstUserBuildsTheListOfChequesPrintsItToPdfAndPostsIt)
{
    books_.registry().setValue(kSettingsSection, u"APChequePrinter", "(PDF file)");
    books_.playInLauncher("cheque_print");
    QFile::remove("launcher-cheque-print-list.pdf");
    EXPECT_EQ(books_.value("SELECT COUNT(*) FROM apchqh").asInt(), 0) << "the posted cheque left the list";
    EXPECT_EQ(books_.money("SELECT cap_amount FROM cap WHERE cap_ref = '3001' AND cap_invoice = 'L-950'"), Money::fromUnits(-450));
    EXPECT_EQ(books_.money("SELECT concil_montant FROM concil WHERE concil_reference = '3001'"), Money::fromUnits(-450));
    EXPECT_EQ(books_.value("SELECT apchqno_state FROM apchqno WHERE apchqno_number = 3001").asString(), "I");
    EXPECT_TRUE(company::CheckBooks(books_.installation(), 1).clean());
}

// A French installation: the demo's first user, whose language is the installation's.
TEST_F(LauncherScenarios, TheDemosFirstUserInFrenchWorksInEveryModule)
{
    inFrenchInstallation();

    books_.playInLauncher("journee_complete");
    EXPECT_EQ(books_.money("SELECT SUM(car_amount) FROM car WHERE car_invoice = 'Q-700'"), Money());
    EXPECT_EQ(books_.money("SELECT SUM(cap_amount) FROM cap WHERE cap_invoice = 'Q-800'"), Money());
    EXPECT_EQ(books_.value("SELECT car_user FROM car WHERE car_ref = 'CHQ-3311'").asString(), "Administrator");
    EXPECT_EQ(books_.money("SELECT concil_montant FROM concil WHERE concil_reference = 'CHQ-801'"), Money::fromCents(-31250));
    EXPECT_TRUE(company::CheckBooks(books_.installation(), 1).clean());
}

// A French installation: the list of cheques built over invoices already owed, in French words.
TEST_F(LauncherScenarios, TheDemosFirstUserInFrenchBuildsTheListOfCheques)
{
    inFrenchInstallation();
    books_.execute("INSERT INTO cap (cap_supplier, cap_invoice, cap_ref, cap_date, cap_type, cap_du_date, cap_amount, cap_seq) VALUES "
                   "('MAP300', 'M-1', '', '2026-03-01', '1', '2026-03-31', 3000000, 1), "
                   "('HYD200', 'H-1', '', '2026-04-01', '1', '2026-05-31', 990000, 2)");

    books_.playInLauncher("liste_cheques");
    QFile::remove("liste-cheques-lanceur.csv");
    EXPECT_EQ(books_.value("SELECT COUNT(*) FROM apchqh").asInt(), 1) << "the invoice due after the date waits";
    EXPECT_EQ(books_.money("SELECT apchqh_montant FROM apchqh WHERE apchqh_fou = 'MAP300'"), Money::fromUnits(300));
    EXPECT_TRUE(QString::fromStdString(books_.value("SELECT apchqh_desc FROM apchqh").asString()).contains("trois cents", Qt::CaseInsensitive));
}

// An invoice of April with its holdback due in September, and a recent one.
void addSupplierItems(const testing::ScenarioPlayer& books)
{
    books.execute("INSERT INTO cap (cap_supplier, cap_invoice, cap_ref, cap_date, cap_type, cap_du_date, cap_amount, cap_holdback, cap_seq) "
                  "VALUES ('MAP300', 'M-1', '', '2026-04-01', '1', '2026-05-01', 3000000, FALSE, 1), "
                  "('MAP300', 'M-1', '', '2026-04-01', '6', '2026-09-30', 300000, TRUE, 2), "
                  "('HYD200', 'H-1', '', '2026-06-15', '1', '2026-07-15', 1200000, FALSE, 3)");
}

QStringList exportedLines(const char* path)
{
    QFile csv(path);
    const QStringList lines = csv.open(QIODevice::ReadOnly) ? QString::fromUtf8(csv.readAll()).split("\r\n", Qt::SkipEmptyParts) : QStringList();
    QFile::remove(path);
    return lines;
}

TEST_F(LauncherScenarios, TheDemosFirstUserExportsThePayablesAgingFromTheMenu)
{
    addSupplierItems(books_);
    books_.playInLauncher("payables_aging");
    EXPECT_EQ(exportedLines("launcher-payables-aging.csv").mid(1),
              (QStringList{"HYD200,Hydro Services,120.00,120.00,0.00,0.00,0.00,0.00", "MAP300,Maple Leaf Lumber,330.00,0.00,0.00,330.00,0.00,0.00"}));
}

TEST_F(LauncherScenarios, TheDemosFirstUserInFrenchExportsThePayablesAgingFromTheMenu)
{
    inFrenchInstallation();
    addSupplierItems(books_);
    books_.playInLauncher("classement_fournisseurs");
    EXPECT_EQ(exportedLines("classement-fournisseurs-lanceur.csv").mid(1),
              (QStringList{"MAP300,M-1,2026-04-01,2026-05-01,,Achat,60,300.00,,300.00,,,", "MAP300,M-1,2026-04-01,2026-09-30,,Retenue,-92,30.00,30.00,,,,"}))
        << "the holdback ages from its own due date";
}

TEST_F(LauncherScenarios, AFrenchClerkWithALongNameSignsInAndPostsAmountsTypedTheFrenchWay)
{
    company::User marie;
    marie.code = "MARIE";
    marie.name = "Marie-Ève Lavoie-Desrosiers";
    marie.language = 2;
    marie.rights = company::AllRights();
    company::AddUser(books_.installation(), marie, "marie");

    books_.playInLauncher("premier_jour");
    EXPECT_EQ(books_.money("SELECT car_amount FROM car WHERE car_invoice = 'F-300' AND car_type = '1'"), Money::fromCents(123456));
    EXPECT_EQ(books_.money("SELECT car_amount FROM car WHERE car_ref = 'NC-300'"), Money::fromCents(-1250));
    EXPECT_EQ(books_.value("SELECT \"User\" FROM arori WHERE reference = 'F-300' AND trx_type = '1'").asString(), marie.name);
    EXPECT_TRUE(company::CheckBooks(books_.installation(), 1).clean());
}

TEST_F(LauncherScenarios, TheDemosFirstUserAddsAChequeToTheListAndChangesItsAmount)
{
    books_.playInLauncher("cheque_edit");
    EXPECT_EQ(books_.value("SELECT COUNT(*) FROM apchqh").asInt(), 1) << "the cheque begun with Insert was cancelled";
    EXPECT_EQ(books_.value("SELECT apchqh_nom FROM apchqh WHERE apchqh_seq = 1").asString(), "City Water Works");
    EXPECT_EQ(books_.money("SELECT apchqh_montant FROM apchqh WHERE apchqh_seq = 1"), Money::fromUnits(95));
    EXPECT_EQ(books_.money("SELECT apchqh_dist2 FROM apchqh WHERE apchqh_seq = 1"), Money::fromUnits(-95));
    EXPECT_EQ(books_.money("SELECT apchqd_montant FROM apchqd WHERE apchqd_seq = 1"), Money::fromUnits(95));
}

TEST_F(LauncherScenarios, TheDemosFirstUserInFrenchAddsAChequeAndChangesItsAmount)
{
    inFrenchInstallation();
    books_.playInLauncher("cheques_modifies");
    EXPECT_EQ(books_.money("SELECT apchqh_montant FROM apchqh WHERE apchqh_seq = 1"), Money::fromCents(131250));
    EXPECT_EQ(books_.money("SELECT apchqh_dist4 FROM apchqh WHERE apchqh_seq = 1"), Money::fromCents(131250));
    EXPECT_THAT(books_.value("SELECT apchqh_desc FROM apchqh WHERE apchqh_seq = 1").asString(), ::testing::StartsWith("Mille Trois Cent Douze"));
}

// The desktop arranged in one run is the one the next login finds.
TEST_F(LauncherScenarios, TheDemosFirstUserOpensAndEnlargesTheListOfClientsAndKeepsItsDesktop)
{
    books_.playInLauncher("desktop");
    const auto root = company::OpenDataRoot(books_.installation());
    const std::optional<DesktopState> kept = RestoreDesktop(*root, "ADMIN", StandardDesktop(QString(), 1)).desktop;
    ASSERT_TRUE(kept);
    const DesktopState standard = StandardDesktop(QString(), 1);
    EXPECT_TRUE(kept->panels[0].visible);
    EXPECT_EQ(kept->panels[0].geometry.size(), Enlarged(standard.panels[0].geometry.size(), SizeStep::Button));
    EXPECT_FALSE(kept->panels[1].visible) << "closed again";
}

TEST_F(LauncherScenarios, TheDemosFirstUserPostsASaleAndAPurchaseThenLooksTheirPartiesUp)
{
    for (const auto& [scenario, posted] : {std::pair{"client_lookup", "SELECT COUNT(*) FROM car WHERE car_invoice = 'L-880'"},
                                           std::pair{"supplier_lookup", "SELECT COUNT(*) FROM cap WHERE cap_invoice = 'L-991'"}}) {
        books_.playInLauncher(scenario);
        EXPECT_EQ(books_.value(posted).asInt(), 1) << scenario;
        EXPECT_TRUE(company::CheckBooks(books_.installation(), 1).clean()) << "an inquiry changes nothing";
    }
}

// A recurring cheque joins the list built with the recurring cheques, dated as the list.
TEST_F(LauncherScenarios, TheDemosFirstUserKeepsARecurringChequeAndTheListTakesIt)
{
    books_.playInLauncher("recurring_cheque");
    QFile::remove("launcher-recurring-list.pdf");
    EXPECT_EQ(books_.value("SELECT COUNT(*) FROM recchqh").asInt(), 1) << "the recurring cheque stays";
    EXPECT_EQ(books_.money("SELECT apchqh_montant FROM apchqh WHERE apchqh_nom = 'Lakeside Properties'"), Money::fromUnits(950));
}

// In French: the recurring cheque listed, printed to the run's PDF from number 500 and posted.
TEST_F(LauncherScenarios, TheDemosFirstUserInFrenchPrintsAndPostsARecurringCheque)
{
    inFrenchInstallation();
    books_.registry().setValue(kSettingsSection, u"APChequePrinter", "(PDF file)");
    books_.playInLauncher("cheques_recurrents_imprimes");
    QFile::remove("liste-recurrents-lanceur.csv");
    EXPECT_EQ(books_.value("SELECT COUNT(*) FROM apchqh").asInt(), 0) << "the posted cheque leaves the list";
    EXPECT_EQ(books_.value("SELECT COUNT(*) FROM cdorihdr WHERE reference = '500'").asInt(), 1);
    EXPECT_EQ(books_.value("SELECT apchqno_state FROM apchqno WHERE apchqno_number = 500").asString(), "I");
    EXPECT_TRUE(company::CheckBooks(books_.installation(), 1).clean());
}

TEST_F(LauncherScenarios, TheDemosFirstUserInFrenchLooksUpAClientAndASupplier)
{
    inFrenchInstallation();
    books_.playInLauncher("consultations");
    EXPECT_TRUE(company::CheckBooks(books_.installation(), 1).clean()) << "an inquiry changes nothing";
}

// A purchase posted, then undone from the menu: it leaves the ledger, the journal and the
// supplier's balance, its audit copy names the user, and its report is exported.
TEST_F(LauncherScenarios, TheDemosFirstUserUndoesAPurchaseAndExportsTheReport)
{
    books_.playInLauncher("purchase_undone");
    EXPECT_EQ(books_.value("SELECT COUNT(*) FROM cap WHERE cap_invoice = 'L-990'").asInt(), 0);
    EXPECT_EQ(books_.value("SELECT COUNT(*) FROM tjlh WHERE tjlh_reference = 'L-990'").asInt(), 0);
    EXPECT_EQ(books_.value("SELECT cap_user FROM cvndundo WHERE cap_invoice = 'L-990'").asString(), "Administrator");
    EXPECT_EQ(books_.money("SELECT sup_current_bal FROM sup WHERE sup_code = 'MAP300'"), Money());
    EXPECT_TRUE(QFile::remove("launcher-undo.pdf")) << "the report was exported";
    EXPECT_TRUE(company::CheckBooks(books_.installation(), 1).clean());
}

TEST_F(LauncherScenarios, TheDemosFirstUserInFrenchUndoesAPurchaseAndExportsTheReport)
{
    inFrenchInstallation();
    books_.playInLauncher("achat_annule");
    EXPECT_EQ(books_.value("SELECT COUNT(*) FROM cap WHERE cap_invoice = 'Q-990'").asInt(), 0);
    EXPECT_EQ(books_.value("SELECT COUNT(*) FROM glundoap WHERE gla_reference = 'Q-990'").asInt(), 2);
    QFile csv("annulation-lanceur.csv");
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly)) << "the report was not exported";
    EXPECT_TRUE(QString::fromUtf8(csv.readAll()).contains("Q-990"));
    csv.remove();
    EXPECT_TRUE(company::CheckBooks(books_.installation(), 1).clean());
}

// Books without a company: the launcher creates the first one and the setup wizard sets it up.
TEST_F(LauncherScenarios, TheFirstStartCreatesACompanyAndTheWizardSetsItUpForOntario)
{
    withoutCompanies();

    books_.playInLauncher("first_start");
    EXPECT_EQ(books_.value("SELECT ctrl_fed_rate FROM ctrl").asFloat(), 7.0);
    EXPECT_EQ(books_.value("SELECT ctrl_pro_rate1 + ctrl_pro_rate2 FROM ctrl").asFloat(), 0.0);
    EXPECT_EQ(books_.value("SELECT ctrl_taxsystem FROM ctrl").asInt(), 0);
    EXPECT_EQ(books_.value("SELECT ctrl_dollars1 FROM ctrl").asString(), "Dollars");
}

// Outside of Canada the two rates typed are the company's rates 1 and 2, each written once, under
// the other tax system.
TEST_F(LauncherScenarios, TheFirstStartSetsUpACompanyOutsideCanadaWithItsOwnTwoRates)
{
    withoutCompanies();

    books_.playInLauncher("outside_canada");
    EXPECT_EQ(books_.value("SELECT ctrl_fed_rate FROM ctrl").asFloat(), 20.0);
    EXPECT_EQ(books_.value("SELECT ctrl_pro_rate1 FROM ctrl").asFloat(), 5.5);
    EXPECT_EQ(books_.value("SELECT ctrl_taxsystem FROM ctrl").asInt(), 1);
    for (const char* table : {"taxrates", "taxratesp"}) {
        const std::string rows = std::string("SELECT COUNT(*) FROM ") + table;
        EXPECT_EQ(books_.value(rows + " WHERE taxrates_code = 1 AND taxrates_rate = 20 AND taxrates_description = 'VAT/Tax 1'").asInt(), 1) << table;
        EXPECT_EQ(books_.value(rows + " WHERE taxrates_code = 2 AND taxrates_rate = 5.5 AND taxrates_description = 'VAT/Tax 2'").asInt(), 1) << table;
        EXPECT_EQ(books_.value(rows).asInt(), 2) << table;
    }
}

// The switches last for the run: the user's record keeps its language.
TEST_F(LauncherScenarios, TheDemosFirstUserSwitchesToFrenchAndBackUnderNorthAmericanSettings)
{
    books_.registry().setValue(kSettingsSection, u"intl", "Y");
    books_.playInLauncher("languages");
    const auto root = company::OpenDataRoot(books_.installation());
    EXPECT_EQ(company::FindUserByCode(*root, "ADMIN")->language, 1);
}

}  // namespace
}  // namespace orvant::launcher
