#include "sales_books.h"

#include <algorithm>

#include "books/control_accounts.h"

namespace orvant::sales {

namespace {

int intOf(store::Table& table, const std::string& field) { return static_cast<int>(table.field(field).asInt()); }

ControlAccountTable readReceivables(store::Database& company)
{
    store::Table control(company, "ctrl");
    control.open();
    control.first();
    return ControlAccountTable(Ledger::Receivables, control);
}

}  // namespace

SalesBooks::SalesBooks(store::Database& company, bool jobCosting)
    : company_(company), receivables_(readReceivables(company)), taxRates_(company, "taxrates"), clients_(company, "cli"),
      accounts_(company, "glm"), periods_(company, "Periods"),
      sales_(company, "SELECT 1 FROM car WHERE car_client = ? AND car_invoice = ? AND car_type = '1' LIMIT 1"),
      notes_(company, "SELECT 1 FROM arori WHERE client = ? AND trx_type = ? AND reference = ? AND dr_cr_reference = ? LIMIT 1"),
      cashSales_(company, "SELECT 1 FROM arori WHERE direct_cash_sale = ? AND reference = ? AND \"date\" = ? LIMIT 1")
{
    settings_.jobCosting = jobCosting;
    readControl();
    if (jobCosting) readJobCostControl();
    clients_.open();
    accounts_.open();
    periods_.open();
}

void SalesBooks::readControl()
{
    store::Table control(company_, "ctrl");
    control.open();
    control.first();
    settings_.taxSystem = intOf(control, "Ctrl_TaxSystem");
    settings_.currentPeriod = intOf(control, "Ctrl_ar_period");
    settings_.federalTaxAccount = intOf(control, "Ctrl_fed_tax_accnt");
    settings_.provincialTaxAccounts.push_back(intOf(control, "Ctrl_Pro_tax_accnt"));
    for (int i = 1; i <= 9; ++i) settings_.provincialTaxAccounts.push_back(intOf(control, "Ctrl_pro_tax_accnt" + std::to_string(i)));
    for (int i = 1; i <= 8; ++i) settings_.salesAccounts[static_cast<std::size_t>(i - 1)] = intOf(control, "Ctrl_sales_accnt" + std::to_string(i));
    for (int currency = 1; currency <= 4; ++currency)
        settings_.currencySigns[static_cast<std::size_t>(currency - 1)] = control.field(*CurrencySignField(currency)).asString();
}

void SalesBooks::readJobCostControl()
{
    store::Table control(company_, "jcctrl");
    control.open();
    control.first();
    if (!control.hasRecord()) return;
    settings_.holdbackReceivableAccount = intOf(control, "JcCtrl_ARHoldBackAccnt");
    settings_.holdbackFederalAccount = intOf(control, "JcCtrl_GSTHoldBackAccnt");
    settings_.holdbackProvincialAccount = intOf(control, "JcCtrl_PSTHoldBackAccnt");
    settings_.holdbackChoice = intOf(control, "JcCtrl_TaxCalcType") == 1 ? HoldbackChoice::HoldbackOnTaxes : HoldbackChoice::TaxesBeforeHoldback;
}

bool SalesBooks::isProvincialTax(int account) const
{
    const auto& accounts = settings_.provincialTaxAccounts;
    return account != 0 && std::find(accounts.begin(), accounts.end(), account) != accounts.end();
}

std::optional<ClientFacts> SalesBooks::findClient(const std::string& code)
{
    if (code.empty() || !clients_.findKey({code})) return std::nullopt;
    return ReadClient(clients_);
}

std::optional<std::string> SalesBooks::accountDescription(int account)
{
    if (account == 0) return std::nullopt;
    if (auto known = knownAccounts_.find(account); known != knownAccounts_.end()) return known->second;
    if (!accounts_.findKey({account})) return std::nullopt;
    return knownAccounts_.emplace(account, accounts_.field("Glm_Description").asString()).first->second;
}

bool SalesBooks::saleExists(const std::string& client, const std::string& invoice)
{
    return exists(sales_, {client, invoice});
}

bool SalesBooks::noteExists(const std::string& client, const std::string& typeCode, const std::string& invoice,
                            const std::string& reference)
{
    return exists(notes_, {client, typeCode, invoice, reference});
}

bool SalesBooks::cashSaleExists(const std::string& number, const Date& date)
{
    return exists(cashSales_, {true, number, date});
}

bool SalesBooks::exists(store::Query& query, const std::vector<store::Value>& binds)
{
    query.close();
    query.clearBindings();
    for (std::size_t i = 0; i < binds.size(); ++i) query.bind(static_cast<int>(i), binds[i]);
    query.open();
    const bool found = !query.eof();
    query.close();
    return found;
}

std::string SalesBooks::periodMonth(int period)
{
    return periods_.findKey({period}) ? periods_.field("Period_mth").asString() : std::string();
}

std::optional<HoldbackAccounts> SalesBooks::holdbackAccounts()
{
    if (!settings_.jobCosting || !accountExists(settings_.holdbackReceivableAccount)) return std::nullopt;
    HoldbackAccounts accounts;
    accounts.receivable = settings_.holdbackReceivableAccount;
    if (accountExists(settings_.holdbackFederalAccount)) accounts.federalTax = settings_.holdbackFederalAccount;
    if (accountExists(settings_.holdbackProvincialAccount)) accounts.provincialTax = settings_.holdbackProvincialAccount;
    return accounts;
}

}  // namespace orvant::sales
