#include "editor_books.h"

#include <algorithm>

#include "books/control_accounts.h"

namespace orvant::cheques {

namespace {

int intOf(store::Table& table, const std::string& field) { return static_cast<int>(table.field(field).asInt()); }

ControlAccountTable readPayables(store::Database& books)
{
    store::Table control(books, "ctrl");
    control.open();
    control.first();
    return ControlAccountTable(Ledger::Payables, control);
}

}  // namespace

EditorBooks::EditorBooks(store::Database& books)
    : books_(books), payables_(readPayables(books)), taxRates_(books, "taxratesP"), suppliers_(books, "sup"),
      accounts_(books, "glm"), openItems_(books, Ledger::Payables)
{
    suppliers_.open();
    accounts_.open();
    readControl();
    banks_ = ReadChequeBanks(books_);
}

void EditorBooks::readControl()
{
    store::Table control(books_, "ctrl");
    control.open();
    control.first();
    taxSystem_ = intOf(control, "Ctrl_TaxSystem");
    for (std::size_t i = 0; i < proposed_.size(); ++i) proposed_[i] = intOf(control, "Ctrl_ap_disb_accnt" + std::to_string(i + 2));
    for (int position = 1; position <= kCurrencies; ++position)
        bankAccounts_[static_cast<std::size_t>(position - 1)] = intOf(control, std::string(*BankAccountField(position)));
}

std::optional<int> EditorBooks::bankEntryOf(int account) const
{
    for (std::size_t i = 0; i < banks_.size(); ++i)
        if (banks_[i].account == account) return static_cast<int>(i);
    return std::nullopt;
}

bool EditorBooks::isReservedAccount(int account) const
{
    if (account == 0) return false;
    return std::find(bankAccounts_.begin(), bankAccounts_.end(), account) != bankAccounts_.end() ||
           payables_.isControlAccount(account);
}

bool EditorBooks::accountExists(int account)
{
    if (account == 0) return false;
    if (const auto known = knownAccounts_.find(account); known != knownAccounts_.end()) return known->second;
    return knownAccounts_[account] = accounts_.findKey({account});
}

std::optional<ChequeSupplier> EditorBooks::findSupplier(const std::string& code)
{
    if (code.empty() || !suppliers_.findKey({code})) return std::nullopt;
    return ChequeSupplier{ReadSupplier(suppliers_), suppliers_.field("Sup_country").asString()};
}

}  // namespace orvant::cheques
