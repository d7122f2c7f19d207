#include "receipt_books.h"

#include <algorithm>
#include <cctype>

#include "books/control_accounts.h"

namespace orvant::receipts {

namespace {

int intOf(store::Table& table, const std::string& field) { return static_cast<int>(table.field(field).asInt()); }

ControlAccountTable readReceivables(store::Database& company)
{
    store::Table control(company, "ctrl");
    control.open();
    control.first();
    return ControlAccountTable(Ledger::Receivables, control);
}

// The provincial tax account (index into Ctrl_Pro_tax_accnt, Ctrl_pro_tax_accnt1 ... 9) of a
// province, by the first letter of its postal codes.
int provincialIndexOf(char letter)
{
    switch (std::toupper(static_cast<unsigned char>(letter))) {
    case 'A': return 1;
    case 'B': return 2;
    case 'C': return 3;
    case 'E': return 4;
    case 'K': case 'L': case 'M': case 'N': case 'P': return 5;
    case 'R': return 6;
    case 'S': return 7;
    case 'T': return 8;
    case 'V': return 9;
    default: return 0;
    }
}

}  // namespace

ReceiptBooks::ReceiptBooks(store::Database& company)
    : company_(company), receivables_(readReceivables(company)), taxRates_(company, "taxrates"), clients_(company, "cli"),
      accounts_(company, "glm"), periods_(company, "Periods"), openItems_(company, Ledger::Receivables),
      receipts_(company, "SELECT 1 FROM crorihdr WHERE client = ? AND reference = ? AND \"date\" = ? LIMIT 1")
{
    readControl();
    readJobCostControl();
    clients_.open();
    accounts_.open();
    periods_.open();
}

void ReceiptBooks::readControl()
{
    store::Table control(company_, "ctrl");
    control.open();
    control.first();
    settings_.taxSystem = intOf(control, "Ctrl_TaxSystem");
    settings_.currentPeriod = intOf(control, "Ctrl_ar_period");
    settings_.federalTaxAccount = intOf(control, "Ctrl_fed_tax_accnt");
    settings_.provincialTaxAccounts.push_back(intOf(control, "Ctrl_Pro_tax_accnt"));
    for (int i = 1; i <= 9; ++i) settings_.provincialTaxAccounts.push_back(intOf(control, "Ctrl_pro_tax_accnt" + std::to_string(i)));
    for (int i = 1; i <= 8; ++i) settings_.receiptAccounts[static_cast<std::size_t>(i - 1)] = intOf(control, "Ctrl_cr_accnt" + std::to_string(i));
    for (int currency = 0; currency < 5; ++currency)
        settings_.bankAccounts[static_cast<std::size_t>(currency)] = intOf(control, std::string(*BankAccountFieldForCurrency(currency)));
    for (int currency = 1; currency <= 4; ++currency)
        settings_.currencySigns[static_cast<std::size_t>(currency - 1)] = control.field(*CurrencySignField(currency)).asString();
}

// A holdback is collected whenever its account is set, with or without job costing.
void ReceiptBooks::readJobCostControl()
{
    store::Table control(company_, "jcctrl");
    control.open();
    control.first();
    if (!control.hasRecord()) return;
    settings_.holdbackReceivableAccount = intOf(control, "JcCtrl_ARHoldBackAccnt");
    settings_.holdbackFederalAccount = intOf(control, "JcCtrl_GSTHoldBackAccnt");
    settings_.holdbackProvincialAccount = intOf(control, "JcCtrl_PSTHoldBackAccnt");
}

bool ReceiptBooks::isBankAccount(int account) const
{
    const auto& banks = settings_.bankAccounts;
    return account != 0 && std::find(banks.begin(), banks.end(), account) != banks.end();
}

std::vector<int> ReceiptBooks::bankAccounts() const
{
    std::vector<int> banks;
    for (int account : settings_.bankAccounts)
        if (account != 0) banks.push_back(account);
    return banks;
}

std::optional<ClientFacts> ReceiptBooks::findClient(const std::string& code)
{
    if (code.empty() || !clients_.findKey({code})) return std::nullopt;
    return ReadClient(clients_);
}

std::optional<std::string> ReceiptBooks::accountDescription(int account)
{
    if (account == 0) return std::nullopt;
    if (auto known = knownAccounts_.find(account); known != knownAccounts_.end()) return known->second.first;
    if (!accounts_.findKey({account})) return std::nullopt;
    const auto entry = std::make_pair(accounts_.field("Glm_Description").asString(), intOf(accounts_, "Glm_currency"));
    return knownAccounts_.emplace(account, entry).first->second.first;
}

int ReceiptBooks::accountCurrency(int account)
{
    if (!accountExists(account)) return 0;
    return knownAccounts_.at(account).second;
}

std::string ReceiptBooks::periodMonth(int period)
{
    return periods_.findKey({period}) ? periods_.field("Period_mth").asString() : std::string();
}

bool ReceiptBooks::receiptExists(const std::string& client, const std::string& reference, const Date& date)
{
    receipts_.close();
    receipts_.clearBindings();
    receipts_.bind(0, client);
    receipts_.bind(1, reference);
    receipts_.bind(2, date);
    receipts_.open();
    const bool found = !receipts_.eof();
    receipts_.close();
    return found;
}

std::optional<HoldbackCollectionAccounts> ReceiptBooks::holdbackAccounts()
{
    if (!accountExists(settings_.holdbackReceivableAccount)) return std::nullopt;
    HoldbackCollectionAccounts accounts;
    accounts.receivable = settings_.holdbackReceivableAccount;
    if (accountExists(settings_.holdbackFederalAccount)) accounts.federalHoldback = settings_.holdbackFederalAccount;
    if (accountExists(settings_.holdbackProvincialAccount)) accounts.provincialHoldback = settings_.holdbackProvincialAccount;
    return accounts;
}

int ReceiptBooks::provincialTaxAccountOf(const ClientFacts& client) const
{
    const int index = client.postalCode.empty() ? 0 : provincialIndexOf(client.postalCode.front());
    return settings_.provincialTaxAccounts.at(static_cast<std::size_t>(index));
}

void ResetDistribution(ReceiptBooks& books, Distribution& rows, int currency)
{
    rows.clear();
    int next = 0;
    const auto add = [&](int account) {
        if (!books.accountExists(account) || next >= rows.rowCount()) return;
        rows.setAccount(next++, account, *books.accountDescription(account));
    };
    const std::optional<int> receivable = books.receivables().accountFor(currency);
    add(receivable.value_or(0));
    const std::optional<int> bankIndex = currency >= 0 && currency < 5 ? std::optional<int>(currency) : std::nullopt;
    const int ownBank = bankIndex ? books.settings().bankAccounts[static_cast<std::size_t>(*bankIndex)] : 0;
    for (int account : books.settings().receiptAccounts) {
        if (!books.accountExists(account)) continue;
        add(books.isBankAccount(account) && ownBank != 0 ? ownBank : account);
    }
}

void FollowPayments(ReceiptBooks& books, Distribution& rows, const std::vector<OpenItem>& items)
{
    orvant::FollowPayments(rows, AppliedTotal(items), Ledger::Receivables, books.receivables(), books.bankAccounts());
}

}  // namespace orvant::receipts
