#include "disbursement_books.h"

#include <algorithm>

#include "books/control_accounts.h"
#include "books/text_cut.h"
#include "disbursement_document.h"

namespace orvant::disbursements {

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

DisbursementBooks::DisbursementBooks(store::Database& company)
    : company_(company), payables_(readPayables(company)), taxRates_(company, "taxratesP"), suppliers_(company, "sup"),
      accounts_(company, "glm"), periods_(company, "Periods"), openItems_(company, Ledger::Payables),
      disbursements_(company, "SELECT 1 FROM cdorihdr WHERE supplier = ? AND reference = ? AND \"date\" = ? LIMIT 1")
{
    readControl();
    suppliers_.open();
    accounts_.open();
    periods_.open();
}

void DisbursementBooks::readControl()
{
    store::Table control(company_, "ctrl");
    control.open();
    control.first();
    settings_.taxSystem = intOf(control, "Ctrl_TaxSystem");
    settings_.currentPeriod = intOf(control, "Ctrl_ap_period");
    for (int i = 1; i <= 8; ++i)
        settings_.disbursementAccounts[static_cast<std::size_t>(i - 1)] = intOf(control, "Ctrl_ap_disb_accnt" + std::to_string(i));
    for (int currency = 0; currency < 5; ++currency)
        settings_.bankAccounts[static_cast<std::size_t>(currency)] = intOf(control, std::string(*BankAccountFieldForCurrency(currency)));
    for (int currency = 1; currency <= 4; ++currency)
        settings_.currencySigns[static_cast<std::size_t>(currency - 1)] = control.field(*CurrencySignField(currency)).asString();
}

bool DisbursementBooks::isBankAccount(int account) const
{
    const auto& banks = settings_.bankAccounts;
    return account != 0 && std::find(banks.begin(), banks.end(), account) != banks.end();
}

std::vector<int> DisbursementBooks::bankAccounts() const
{
    std::vector<int> banks;
    for (int account : settings_.bankAccounts)
        if (account != 0) banks.push_back(account);
    return banks;
}

std::optional<SupplierFacts> DisbursementBooks::findSupplier(const std::string& code)
{
    if (code.empty() || !suppliers_.findKey({code})) return std::nullopt;
    return ReadSupplier(suppliers_);
}

std::optional<std::string> DisbursementBooks::accountDescription(int account)
{
    if (account == 0) return std::nullopt;
    if (auto known = knownAccounts_.find(account); known != knownAccounts_.end()) return known->second.first;
    if (!accounts_.findKey({account})) return std::nullopt;
    const auto entry = std::make_pair(accounts_.field("Glm_Description").asString(), intOf(accounts_, "Glm_currency"));
    return knownAccounts_.emplace(account, entry).first->second.first;
}

int DisbursementBooks::accountCurrency(int account)
{
    if (!accountExists(account)) return 0;
    return knownAccounts_.at(account).second;
}

std::string DisbursementBooks::periodMonth(int period)
{
    return periods_.findKey({period}) ? periods_.field("Period_mth").asString() : std::string();
}

bool DisbursementBooks::disbursementExists(const std::string& supplier, const std::string& reference, const Date& date)
{
    disbursements_.close();
    disbursements_.clearBindings();
    disbursements_.bind(0, supplier);
    disbursements_.bind(1, reference);
    disbursements_.bind(2, date);
    disbursements_.open();
    const bool found = !disbursements_.eof();
    disbursements_.close();
    return found;
}

void ResetDistribution(DisbursementBooks& books, Distribution& rows, const std::optional<SupplierFacts>& supplier)
{
    std::vector<int> accounts;
    const auto add = [&](int account) {
        if (books.accountExists(account)) accounts.push_back(account);
    };
    add(books.payables().accountFor(supplier ? supplier->currency : 0).value_or(0));
    for (int account : books.settings().disbursementAccounts) add(account);
    // The supplier's own bank goes first unless a row holds it already, even when the chart
    // lacks it (the check at Accept then names it).
    const int ownBank = supplier ? supplier->bankAccount : 0;
    if (ownBank != 0 && std::find(accounts.begin(), accounts.end(), ownBank) == accounts.end()) accounts.insert(accounts.begin(), ownBank);
    rows.clear();
    for (int i = 0; i < rows.rowCount() && i < static_cast<int>(accounts.size()); ++i) {
        const int account = accounts[static_cast<std::size_t>(i)];
        rows.setAccount(i, account, FirstCharacters(books.accountDescription(account).value_or(std::string()), kRowDescriptionWidth));
    }
}

void FollowPayments(DisbursementBooks& books, Distribution& rows, const std::vector<OpenItem>& items,
                    const std::optional<SupplierFacts>& supplier)
{
    const auto& all = rows.rows();
    const bool ownBankRow = supplier && supplier->bankAccount != 0 &&
                            std::any_of(all.begin(), all.end(), [&](const DistributionRow& r) { return r.account == supplier->bankAccount; });
    const std::vector<int> banks = ownBankRow ? std::vector<int>{supplier->bankAccount} : books.bankAccounts();
    orvant::FollowPayments(rows, AppliedTotal(items), Ledger::Payables, books.payables(), banks);
}

}  // namespace orvant::disbursements
