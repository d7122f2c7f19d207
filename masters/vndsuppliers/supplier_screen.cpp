#include "vndsuppliers/supplier_screen.h"

#include <algorithm>

#include "dates/due_date.h"
#include "store/table.h"

namespace orvant::masters {

namespace {

constexpr int kFewestCopies = 1, kMostCopies = 10;  // the copies box's range

std::string accountField(int n) { return "Sup_accnt" + std::to_string(n); }

int orderCopies(store::Database& company)
{
    store::Table control(company, "ctrl");
    control.open();
    control.first();
    const int copies = control.hasRecord() ? static_cast<int>(control.field("Ctrl_ApCopies").asInt()) : kFewestCopies;
    return std::clamp(copies, kFewestCopies, kMostCopies);
}

}  // namespace

bool PurchaseOrderFieldsShown(const std::string& dataRoot, bool largerEdition)
{
    return largerEdition || dataRoot.find("Tolvane") != std::string::npos;
}

// Suppliers refer to nothing in the data root: the references are all the company's.
SupplierScreen::SupplierScreen(store::Database& company, MasterHost& host, SupplierPickers& pickers, const std::string& dataRoot,
                               bool largerEdition, std::string homeCurrencyName)
    : MaintenanceScreen(company, host,
                        {"sup", "Sup_code", "Sup_name", "Sup_date_created", kSupplierNoSuchCode, kSupplierConfirmDelete,
                         kSupplierHasEntries, kSupplierCodeTakenMeanwhile, kSupplierGone}),
      pickers_(pickers), references_(company, company),
      currencies_(CurrencyList(company, homeCurrencyName)), bankAccounts_(BankAccounts(company)),
      orderCopies_(orderCopies(company)), purchaseOrderFieldsShown_(PurchaseOrderFieldsShown(dataRoot, largerEdition))
{
}

std::optional<int> SupplierScreen::currencyIndex() const
{
    return currencies_.indexOf(static_cast<int>(editor_.number("Sup_currency")));
}

std::optional<int> SupplierScreen::bankAccountIndex() const
{
    return bankAccounts_.indexOf(static_cast<int>(editor_.number("Sup_bank_account")));
}

void SupplierScreen::addInsertDefaults(std::map<std::string, store::Value>& defaults)
{
    defaults["Sup_po_req"] = false;
    defaults["Sup_email_po"] = false;
    if (const auto firstBank = bankAccounts_.numberAt(0)) defaults["Sup_bank_account"] = *firstBank;
    defaults["Sup_copies"] = orderCopies_;
}

// The checks of a save, in their order, on the record as it will be written. The bank
// account, the currency and the copies are set as they are chosen, so nothing is left to copy.
std::optional<SaveRefusal> SupplierScreen::checkForSave(RecordEditor& record)
{
    const auto accountMissing = [&](int n) {
        const auto account = record.number(accountField(n));
        return account > 0 && !references_.accountExists(static_cast<int>(account));
    };
    if (accountMissing(1)) return SaveRefusal{kSupplierAccountMissing, accountField(1), kSupplierControlPage};
    if (accountMissing(2)) return SaveRefusal{kSupplierAccountMissing, accountField(2), kSupplierControlPage};
    if (record.state() == EditState::Edit && codeBoxEnabled_) return SaveRefusal{kSupplierNoSuchCode, "Sup_code", kSupplierGeneralPage};
    if (accountMissing(3)) return SaveRefusal{kSupplierAccountMissing, accountField(3), kSupplierControlPage};
    if (record.flag("Sup_email_po") && Trimmed(record.text("Sup_email")).empty())
        return SaveRefusal{kSupplierNoEmailForOrders, "Sup_email", kSupplierGeneralPage};
    if (!IsDueDaysRule(record.number("Sup_du_days"))) return SaveRefusal{kSupplierDueDaysOutOfRange, "Sup_du_days", kSupplierControlPage};
    return std::nullopt;
}

void SupplierScreen::leaveAccount(int n, const std::string& text, bool skipCheck)
{
    leaveAccountBox(accountField(n), text, skipCheck, kSupplierAccountMissing,
                    [this](int account) { return references_.accountExists(account); });
}

void SupplierScreen::chooseCurrency(int index)
{
    if (const auto number = currencies_.numberAt(index)) set("Sup_currency", *number);
}

void SupplierScreen::chooseBankAccount(int index)
{
    if (const auto account = bankAccounts_.numberAt(index)) set("Sup_bank_account", *account);
}

void SupplierScreen::setCopies(int copies) { set("Sup_copies", std::clamp(copies, kFewestCopies, kMostCopies)); }

void SupplierScreen::pickTerritory() { setPicked("Sup_terr", pickers_.territory()); }

void SupplierScreen::pickAccount(int n) { setPicked(accountField(n), pickers_.account()); }

}  // namespace orvant::masters
