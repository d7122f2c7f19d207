#include "purchase_books.h"

#include "books/control_accounts.h"

namespace orvant::purchases {

namespace {

int intOf(store::Table& table, const std::string& field) { return static_cast<int>(table.field(field).asInt()); }

ControlAccountTable readPayables(store::Database& company)
{
    store::Table control(company, "ctrl");
    control.open();
    control.first();
    return ControlAccountTable(Ledger::Payables, control);
}

}  // namespace

PurchaseBooks::PurchaseBooks(store::Database& company, bool jobCosting)
    : company_(company), payables_(readPayables(company)), taxRates_(company, "taxratesP"), suppliers_(company, "sup"),
      accounts_(company, "glm"), periods_(company, "Periods"),
      // Ordered by invoice so the engine looks the number up through an index that starts with
      // the supplier and the invoice: a plan kept from when the ledger was empty may otherwise
      // read every entry of the supplier by reference, slower with every purchase posted.
      purchases_(company, "SELECT 1 FROM cap WHERE cap_supplier = ? AND cap_invoice = ? AND cap_type = '1' ORDER BY cap_seq LIMIT 1"),
      notes_(company, "SELECT 1 FROM apori WHERE supplier = ? AND trx_type = ? AND reference = ? AND dr_cr_reference = ? LIMIT 1"),
      cashPurchases_(company, "SELECT 1 FROM apori WHERE direct_cash_purchase = ? AND reference = ? AND \"date\" = ? LIMIT 1")
{
    settings_.jobCosting = jobCosting;
    readControl();
    suppliers_.open();
    accounts_.open();
    periods_.open();
}

void PurchaseBooks::readControl()
{
    store::Table control(company_, "ctrl");
    control.open();
    control.first();
    settings_.taxSystem = intOf(control, "Ctrl_TaxSystem");
    settings_.currentPeriod = intOf(control, "Ctrl_ap_period");
    for (int i = 1; i <= 8; ++i)
        settings_.purchaseAccounts[static_cast<std::size_t>(i - 1)] = intOf(control, "Ctrl_ap_purch_accnt" + std::to_string(i));
    for (int currency = 1; currency <= 4; ++currency)
        settings_.currencySigns[static_cast<std::size_t>(currency - 1)] = control.field(*CurrencySignField(currency)).asString();
}

std::optional<SupplierFacts> PurchaseBooks::findSupplier(const std::string& code)
{
    if (code.empty() || !suppliers_.findKey({code})) return std::nullopt;
    return ReadSupplier(suppliers_);
}

std::optional<std::string> PurchaseBooks::accountDescription(int account)
{
    if (account == 0) return std::nullopt;
    if (auto known = knownAccounts_.find(account); known != knownAccounts_.end()) return known->second;
    if (!accounts_.findKey({account})) return std::nullopt;
    return knownAccounts_.emplace(account, accounts_.field("Glm_Description").asString()).first->second;
}

bool PurchaseBooks::purchaseExists(const std::string& supplier, const std::string& invoice)
{
    return exists(purchases_, {supplier, invoice});
}

bool PurchaseBooks::noteExists(const std::string& supplier, const std::string& typeCode, const std::string& invoice,
                               const std::string& reference)
{
    return exists(notes_, {supplier, typeCode, invoice, reference});
}

bool PurchaseBooks::cashPurchaseExists(const std::string& number, const Date& date)
{
    return exists(cashPurchases_, {true, number, date});
}

bool PurchaseBooks::exists(store::Query& query, const std::vector<store::Value>& binds)
{
    query.close();
    query.clearBindings();
    for (std::size_t i = 0; i < binds.size(); ++i) query.bind(static_cast<int>(i), binds[i]);
    query.open();
    const bool found = !query.eof();
    query.close();
    return found;
}

std::string PurchaseBooks::periodMonth(int period)
{
    return periods_.findKey({period}) ? periods_.field("Period_mth").asString() : std::string();
}

}  // namespace orvant::purchases
