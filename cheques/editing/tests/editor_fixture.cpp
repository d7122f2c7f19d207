#include "editor_fixture.h"

namespace orvant::cheques::test {

std::optional<std::size_t> ScriptedHost::pickInvoice(const std::vector<OpenItem>& items)
{
    invoicesOffered.clear();
    std::optional<std::size_t> chosen;
    for (std::size_t i = 0; i < items.size(); ++i) {
        invoicesOffered.push_back(items[i].invoice + (items[i].holdback ? "H" : ""));
        if (invoicesOffered.back() == invoiceToPick) chosen = i;
    }
    return chosen;
}

std::optional<std::vector<sidedialogs::TaxPerRateLine>> ScriptedHost::askTaxes(const std::vector<sidedialogs::TaxPerRateLine>& lines)
{
    taxesAsked = lines;
    if (!netTyped) return std::nullopt;
    std::vector<sidedialogs::TaxPerRateLine> typed = lines;
    for (auto& line : typed) line.net = *netTyped;
    return typed;
}

void ChequeEditorTest::SetUp()
{
    store::setWorkstationIdentity("Lead", 3);
    BooksTest::SetUp();
    if (IsSkipped()) return;
    session.userId = "Lead";
    execute("UPDATE ctrl SET ctrl_bank_accnt1 = ?, ctrl_bank_accnt2 = ?, ctrl_ap_accnt = ?, ctrl_ap_disb_accnt2 = ?, "
            "ctrl_ap_disb_accnt3 = ?, ctrl_dollars1 = 'Dollars', ctrl_cents1 = 'Cents'",
            {kBank, kSecondBank, kPayable, kDiscount, kExpense});
    store::Table chart(*books_, "glm"), rates(*books_, "taxratesP");
    chart.open();
    for (int account : {kBank, kSecondBank, kPayable, kTax, kDiscount, kExpense, kRent}) {
        chart.insert();
        chart.field("Glm_account") = account;
        chart.field("Glm_Description") = "Account " + std::to_string(account);
        chart.field("Glm_summarize") = "N";
        chart.post();
    }
    rates.open();
    rates.insert();
    rates.field("TaxRates_Code") = 1;
    rates.field("TaxRates_Description") = "GST";
    rates.field("TaxRates_Rate") = 5.0;
    rates.field("TaxRates_Account") = kTax;
    rates.post();
    supplier("A1", {{"I1", "1", day(3, 20), "100.00"},
                    {"I2", "1", day(3, 10), "50.00"},
                    {"C3", "3", day(3, 20), "-30.00"},
                    {"I4", "1", day(3, 20), "80.00"},
                    {"I4", "6", day(6, 30), "20.00"},
                    {"Z5", "1", day(3, 20), "40.00"},
                    {"Z5", "3", day(3, 20), "-40.00"}});
    supplier("B2", {{"I1", "1", day(3, 20), "10.00"}});
}

ChequeEditor& ChequeEditorTest::editor(ChequeSet set)
{
    if (!editor_) editor_ = std::make_unique<ChequeEditor>(*books_, set, host, session, [this] { return today; });
    return *editor_;
}

void ChequeEditorTest::supplier(const std::string& code, const std::vector<LedgerItem>& items)
{
    store::Table suppliers(*books_, "sup"), ledger(*books_, "cap");
    suppliers.open();
    suppliers.insert();
    suppliers.field("Sup_code") = code;
    suppliers.field("Sup_name") = "Supplier " + code;
    suppliers.field("Sup_country") = "Canada";
    suppliers.field("Sup_bank_account") = kBank;
    suppliers.field("Sup_currency") = 0;
    suppliers.post();
    ledger.open();
    for (const LedgerItem& item : items) {
        ledger.insert();
        ledger.field("Cap_supplier") = code;
        ledger.field("Cap_invoice") = item.invoice;
        ledger.field("Cap_type") = item.type;
        ledger.field("Cap_date") = day(3, 1);
        ledger.field("Cap_du_date") = item.due;
        ledger.field("Cap_amount") = amount(item.amount);
        ledger.field("Cap_holdback") = std::string(item.type) == "6";
        ledger.post();
    }
}

int ChequeEditorTest::savedChequeToA1(const std::vector<std::string>& invoices)
{
    ChequeEditor& e = editor();
    e.insert();
    e.leaveSupplier("A1");
    for (const std::string& invoice : invoices) e.leaveInvoice(e.addLine(), invoice);
    const int seq = e.cheque().seq;
    EXPECT_TRUE(e.save(EditorPage::General));
    return seq;
}

}  // namespace orvant::cheques::test
