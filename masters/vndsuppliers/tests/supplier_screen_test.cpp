// Supplier maintenance driven as its form drives it, with the user's answers scripted, and
// another workstation writing to the same books meanwhile.

#include <gtest/gtest.h>

#include "company/company_creation.h"
#include "store/query.h"
#include "store/table.h"
#include "testing/queried_books_test.h"
#include "testing/scripted_answers.h"
#include "vndsuppliers/supplier_screen.h"

namespace orvant::masters {
namespace {

class ScriptedHost : public MasterHost, public SupplierPickers, public testing::ScriptedAnswers {
public:
    std::vector<std::string> focuses;
    int page = 0;
    std::string supplierPicked, territoryPicked;
    int accountPicked = 0;
    bool giveUpWaiting = false;
    int waits = 0;

    ui::Answer message(int number, ui::MessageKind) override { return answer(number); }
    void focus(const std::string& field) override { focuses.push_back(field); }
    void showPage(int shown) override { page = shown; }
    void refresh() override {}
    void waiting() override { ++waits; }
    bool waitCancelled() override { return giveUpWaiting; }
    void waitOver() override {}
    std::string supplier() override { return supplierPicked; }
    std::string territory() override { return territoryPicked; }
    int account() override { return accountPicked; }

    std::string lastFocus() const { return focuses.empty() ? std::string() : focuses.back(); }
};

class SupplierScreenTest : public testing::QueriedBooksTest {
protected:
    SupplierScreenTest() : QueriedBooksTest(Company::Demo) {}

    SupplierScreen& screen()
    {
        if (!screen_) {
            screen_ = std::make_unique<SupplierScreen>(*books_, host, host, installation_.dataRoot, false);
            screen_->start();
        }
        return *screen_;
    }

    // The same books opened by another workstation.
    std::unique_ptr<store::Database> otherWorkstation() { return company::OpenCompany(installation_, 1); }

    // Finds the supplier with the list and puts it into edit.
    void editSupplier(const std::string& code)
    {
        host.supplierPicked = code;
        screen().findWithPicker();
        host.supplierPicked.clear();
        screen().edit();
        ASSERT_EQ(screen().state(), EditState::Edit);
        ASSERT_EQ(screen().record().text("Sup_code"), code);
    }

    ScriptedHost host;
    std::unique_ptr<SupplierScreen> screen_;
};

TEST_P(SupplierScreenTest, ANewSupplierNeedsACodeAndStartsWithItsDefaults)
{
    execute("UPDATE ctrl SET ctrl_apcopies = 3");
    screen().insert();
    EXPECT_EQ(host.lastFocus(), "Sup_code");
    EXPECT_EQ(host.page, kSupplierGeneralPage);
    screen().set("Sup_name", "Nameless");
    screen().post();
    EXPECT_EQ(host.lastFocus(), "Sup_code") << "a save without a code is abandoned";
    EXPECT_EQ(screen().state(), EditState::Insert);
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM sup WHERE sup_name = 'Nameless'").asInt(), 0);
    host.messages.clear();
    screen().leaveCode("NEW100");
    EXPECT_EQ(host.lastFocus(), "Sup_name");
    screen().set("Sup_name", "New supplier");
    EXPECT_EQ(screen().bankAccountIndex(), 0) << "the first bank account";
    screen().post();
    EXPECT_TRUE(host.messages.empty()) << host.lastMessage();
    EXPECT_EQ(screen().state(), EditState::Browse);
    EXPECT_EQ(host.lastFocus(), kNavigator);
    EXPECT_EQ(scalar("SELECT sup_copies FROM sup WHERE sup_code = 'NEW100'").asInt(), 3);
    EXPECT_EQ(scalar("SELECT sup_bank_account FROM sup WHERE sup_code = 'NEW100'").asInt(), 1000) << "the account, not its position";
    EXPECT_EQ(scalar("SELECT sup_date_created FROM sup WHERE sup_code = 'NEW100'").asDate(), Date::today());
    EXPECT_FALSE(scalar("SELECT sup_email_po FROM sup WHERE sup_code = 'NEW100'").asBool());
    EXPECT_EQ(scalar("SELECT sup_current_bal FROM sup WHERE sup_code = 'NEW100'").asInt(), 0) << "numbers start at 0";
    EXPECT_EQ(scalar("SELECT sup_accnt3 FROM sup WHERE sup_code = 'NEW100'").asInt(), 0)
        << "an account box never left empty holds 0 and passes";
}

TEST_P(SupplierScreenTest, CopiesStayWithinTheBoxsRangeAndAnEmptyDateCreatedBecomesToday)
{
    screen().insert();
    EXPECT_EQ(screen().record().number("Sup_copies"), 1) << "no copies configured still prints one";
    screen().setCopies(25);
    EXPECT_EQ(screen().record().number("Sup_copies"), 10);
    screen().set("Sup_date_created", store::Value());
    screen().enterDateCreated();
    EXPECT_EQ(screen().record().value("Sup_date_created").asDate(), Date::today());
}

TEST_P(SupplierScreenTest, ACodeTypedLeadsToThatSupplier)
{
    screen().insert();
    screen().leaveCode("HYD200");
    EXPECT_TRUE(host.messages.empty()) << "an existing code is edited without a message";
    EXPECT_EQ(screen().state(), EditState::Edit);
    EXPECT_FALSE(screen().codeBoxEnabled());
    EXPECT_EQ(screen().record().text("Sup_name"), "Hydro Services");
    EXPECT_EQ(host.lastFocus(), "Sup_name");

    screen().cancel();
    screen().leaveCode("NOBODY");
    EXPECT_EQ(host.lastMessage(), kSupplierNoSuchCode);
    EXPECT_EQ(screen().state(), EditState::Browse);
    screen().leaveCode("MAP300");
    EXPECT_EQ(screen().record().text("Sup_name"), "Maple Leaf Lumber");
}

TEST_P(SupplierScreenTest, PurchaseAccountsAreCheckedInTheirOrder)
{
    for (const int firstAccount : {5200, 0}) {
        SCOPED_TRACE(firstAccount);
        editSupplier("BUR100");
        screen().set("Sup_accnt1", firstAccount);
        screen().set("Sup_accnt2", 999999);
        host.messages.clear();
        screen().post();
        EXPECT_EQ(host.lastMessage(), kSupplierAccountMissing);
        EXPECT_EQ(host.lastFocus(), "Sup_accnt2");
        EXPECT_EQ(host.page, kSupplierControlPage);
        EXPECT_EQ(screen().state(), EditState::Edit) << "kept in edit";
        screen().cancel();
    }
    EXPECT_EQ(scalar("SELECT sup_accnt2 FROM sup WHERE sup_code = 'BUR100'").asInt(), 0) << "nothing written";

    editSupplier("BUR100");
    screen().set("Sup_accnt1", 999998);
    screen().set("Sup_accnt3", 999999);
    screen().post();
    EXPECT_EQ(host.lastFocus(), "Sup_accnt1") << "account 1 comes first";
    screen().set("Sup_accnt1", 5000);
    screen().post();
    EXPECT_EQ(host.lastFocus(), "Sup_accnt3");
}

TEST_P(SupplierScreenTest, LeavingAnAccountBoxChecksItUnlessGoingToItsList)
{
    editSupplier("TEL400");
    screen().leaveAccount(3, "", true);
    EXPECT_TRUE(host.messages.empty()) << "towards the account list";
    screen().leaveAccount(3, "", false);
    EXPECT_EQ(host.lastMessage(), kSupplierAccountMissing) << "an empty box";
    EXPECT_EQ(host.lastFocus(), "Sup_accnt3");
    screen().leaveAccount(2, "0", false);
    screen().leaveAccount(1, "5300", false);
    EXPECT_EQ(host.messages.size(), 1u) << "0 and an existing account pass";
    screen().leaveAccount(2, "999999", false);
    EXPECT_EQ(host.messages.size(), 2u);
    EXPECT_EQ(host.lastFocus(), "Sup_accnt2");
}

TEST_P(SupplierScreenTest, EmailedPurchaseOrdersNeedAnAddressOnTheFirstPage)
{
    editSupplier("MAP300");
    screen().set("Sup_email_po", true);
    host.page = kSupplierControlPage;
    screen().post();
    EXPECT_EQ(host.lastMessage(), kSupplierNoEmailForOrders);
    EXPECT_EQ(host.page, kSupplierGeneralPage);
    EXPECT_EQ(host.lastFocus(), "Sup_email");
    EXPECT_FALSE(scalar("SELECT sup_email_po FROM sup WHERE sup_code = 'MAP300'").asBool());
    screen().set("Sup_email", "orders@mapleleaf.example");
    screen().post();
    EXPECT_TRUE(scalar("SELECT sup_email_po FROM sup WHERE sup_code = 'MAP300'").asBool());
}

TEST_P(SupplierScreenTest, DueDaysOutOfRangeAreRefused)
{
    editSupplier("BUR100");
    for (const int days : {-1, 900, 932}) {
        screen().set("Sup_du_days", days);
        host.messages.clear();
        screen().post();
        EXPECT_EQ(host.lastMessage(), kSupplierDueDaysOutOfRange) << days;
        EXPECT_EQ(host.lastFocus(), "Sup_du_days");
    }
    screen().set("Sup_du_days", 915);  // the 15th of the next month
    screen().post();
    EXPECT_EQ(scalar("SELECT sup_du_days FROM sup WHERE sup_code = 'BUR100'").asInt(), 915);
}

TEST_P(SupplierScreenTest, TheBankAndCurrencyListsTieEachEntryToItsAccountOrNumber)
{
    execute("UPDATE ctrl SET ctrl_bank_accnt2 = 0, ctrl_bank_accnt3 = 1200");
    execute("UPDATE ctrl SET ctrl_curr1_name = 'US dollar', ctrl_curr3_name = 'Euro'");
    execute("UPDATE sup SET sup_bank_account = 1200 WHERE sup_code = 'HYD200'");
    execute("UPDATE sup SET sup_bank_account = 1 WHERE sup_code = 'MAP300'");  // a number, not an account
    screen().leaveCode("HYD200");
    EXPECT_EQ(screen().bankAccountIndex(), 1) << "bank account 3 is the second entry";
    screen().cancel();
    screen().leaveCode("MAP300");
    EXPECT_EQ(screen().bankAccountIndex(), std::nullopt) << "an account that is no bank account shows no choice";
    screen().set("Sup_name", "Maple Leaf Lumber Co.");
    screen().chooseBankAccount(-1);
    screen().post();
    EXPECT_EQ(scalar("SELECT sup_bank_account FROM sup WHERE sup_code = 'MAP300'").asInt(), 1) << "no choice keeps it";
    editSupplier("TEL400");
    EXPECT_EQ(screen().currencyIndex(), 0) << "the home currency";
    screen().chooseBankAccount(1);
    screen().chooseCurrency(2);
    screen().post();
    EXPECT_EQ(scalar("SELECT sup_bank_account FROM sup WHERE sup_code = 'TEL400'").asInt(), 1200);
    EXPECT_EQ(scalar("SELECT sup_currency FROM sup WHERE sup_code = 'TEL400'").asInt(), 3) << "unnamed currency 2 skipped";
    EXPECT_EQ(screen().currencyIndex(), 2);
}

TEST_P(SupplierScreenTest, DeletingAsksFirstAndRefusesASupplierWithEntries)
{
    execute("INSERT INTO caph (cap_supplier, cap_invoice, cap_ref, cap_type, cap_amount, cap_seq) VALUES ('BUR100', 'OLD', '', '1', 0, 1)");
    screen().first();
    host.answers = {ui::Answer::No};
    screen().remove();
    EXPECT_EQ(host.messages, std::vector<int>{kSupplierConfirmDelete});
    host.answers = {ui::Answer::Yes};
    screen().remove();
    EXPECT_EQ(host.lastMessage(), kSupplierHasEntries) << "entries in the history only";
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM sup WHERE sup_code = 'BUR100'").asInt(), 1);

    screen().next();
    host.answers = {ui::Answer::No};
    screen().remove();
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM sup WHERE sup_code = 'HYD200'").asInt(), 1) << "No deletes nothing";
    host.answers = {ui::Answer::Yes};
    screen().remove();
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM sup WHERE sup_code = 'HYD200'").asInt(), 0);
    EXPECT_EQ(screen().record().text("Sup_code"), "MAP300") << "the next supplier shown";
}

TEST_P(SupplierScreenTest, ACancelledPickerChangesNothing)
{
    editSupplier("BUR100");
    screen().pickTerritory();
    EXPECT_EQ(screen().record().text("Sup_terr"), "N");
    screen().pickAccount(1);
    EXPECT_EQ(screen().record().number("Sup_accnt1"), 5200);
    host.territoryPicked = "E";
    host.accountPicked = 5300;
    screen().pickTerritory();
    screen().pickAccount(2);
    EXPECT_EQ(screen().record().text("Sup_terr"), "E");
    EXPECT_EQ(screen().record().number("Sup_accnt2"), 5300);
    screen().cancel();

    screen().findWithPicker();
    EXPECT_EQ(screen().record().text("Sup_code"), "BUR100");
    host.supplierPicked = "TEL400";
    screen().findWithPicker();
    EXPECT_EQ(screen().record().text("Sup_code"), "TEL400");
}

TEST_P(SupplierScreenTest, TwoWorkstationsInsertingOneCodeMakeOneSupplier)
{
    const auto other = otherWorkstation();
    ScriptedHost otherHost;
    SupplierScreen second(*other, otherHost, otherHost, installation_.dataRoot, false);
    second.start();

    screen().insert();
    screen().leaveCode("NEW500");
    screen().set("Sup_name", "First");
    second.insert();
    second.leaveCode("NEW500");
    second.set("Sup_name", "Second");
    screen().post();
    second.post();
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(otherHost.messages, std::vector<int>{kSupplierCodeTakenMeanwhile});
    EXPECT_EQ(otherHost.lastFocus(), "Sup_code");
    EXPECT_EQ(second.state(), EditState::Insert) << "the second one's typing is kept";
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM sup WHERE sup_code = 'NEW500'").asInt(), 1);
    EXPECT_EQ(scalar("SELECT sup_name FROM sup WHERE sup_code = 'NEW500'").asString(), "First");
}

TEST_P(SupplierScreenTest, AWaitGivenUpKeepsTheChanges)
{
    const auto other = otherWorkstation();
    store::Table held(*other, "sup");
    held.open();
    ASSERT_TRUE(held.findKey({std::string("BUR100")}));
    held.edit();  // a posting on the other workstation holds the supplier

    editSupplier("BUR100");
    screen().set("Sup_name", "Bureau Plus inc.");
    host.giveUpWaiting = true;
    screen().post();
    EXPECT_GE(host.waits, 1);
    EXPECT_EQ(screen().state(), EditState::Edit);
    EXPECT_EQ(screen().record().text("Sup_name"), "Bureau Plus inc.");
    EXPECT_EQ(scalar("SELECT sup_name FROM sup WHERE sup_code = 'BUR100'").asString(), "Bureau Plus");

    held.cancel();
    screen().post();
    EXPECT_EQ(scalar("SELECT sup_name FROM sup WHERE sup_code = 'BUR100'").asString(), "Bureau Plus inc.");
}

TEST(PurchaseOrderFields, ShownForTolvaneOrTheLargerEdition)
{
    EXPECT_TRUE(PurchaseOrderFieldsShown("/srv/Tolvane/Orvant/data", false));
    EXPECT_TRUE(PurchaseOrderFieldsShown("/home/ap/Orvant/data", true));
    EXPECT_FALSE(PurchaseOrderFieldsShown("/home/ap/Orvant/data", false));
}

ORVANT_BOOKS_ON_EVERY_ENGINE(SupplierScreenTest);

}  // namespace
}  // namespace orvant::masters
