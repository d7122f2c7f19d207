#pragma once
// Supplier maintenance without its widgets: browsing the suppliers, inserting and changing one
// with the changes kept in the screen, the purchase-account and e-mail checks of the save, the
// currency and bank-account lists, the pickers' results, and a delete that asks first and is
// refused while the supplier has entries.

#include <optional>
#include <string>

#include "shared/choice_lists.h"
#include "shared/master_host.h"
#include "shared/maintenance_screen.h"
#include "shared/record_editor.h"
#include "shared/reference_checks.h"

namespace orvant::masters {

// The pickers the screen opens; an empty code or 0 is a cancelled picker.
class SupplierPickers {
public:
    virtual ~SupplierPickers() = default;
    virtual std::string supplier() = 0;
    virtual std::string territory() = 0;
    virtual int account() = 0;
};

// Message N of the screen's list.
enum SupplierMessage {
    kSupplierAccountMissing = 0,
    kSupplierBankAccountInvalid = 1,  // in the list, shown by no check
    kSupplierHasEntries = 2,
    kSupplierListTitle = 3,  // the title of the supplier-list window
    kSupplierNoEmailForOrders = 4,
    kSupplierNoSuchCode = 5,
    kSupplierConfirmDelete = 6,
    kSupplierCodeTakenMeanwhile = 7,
    kSupplierGone = 8,
    kSupplierDueDaysOutOfRange = 9,
    kSupplierWaiting = 10,    // another workstation is changing the supplier
    kSupplierNoCompany = 11,  // the screen was started without a company
    kSupplierNotAnAmount = 12,
};

enum SupplierPage { kSupplierGeneralPage = kFirstPage, kSupplierControlPage = 1, kSupplierCommentsPage = 2 };

// The purchase-order fields belong to the installations of one customer ("Tolvane" in the data
// root) and to the larger edition.
bool PurchaseOrderFieldsShown(const std::string& dataRoot, bool largerEdition);

class SupplierScreen : public MaintenanceScreen {
public:
    SupplierScreen(store::Database& company, MasterHost& host, SupplierPickers& pickers, const std::string& dataRoot,
                   bool largerEdition, std::string homeCurrencyName = "Défaut");

    // What the form shows besides the record.
    bool purchaseOrderFieldsShown() const { return purchaseOrderFieldsShown_; }
    const ChoiceList& currencies() const { return currencies_; }
    const ChoiceList& bankAccounts() const { return bankAccounts_; }
    // The entries of the supplier's currency and bank account; nothing shows no choice.
    std::optional<int> currencyIndex() const;
    std::optional<int> bankAccountIndex() const;

    // The fields. The account check is skipped when the focus goes to an account-list button,
    // exit or help.
    void leaveAccount(int n, const std::string& text, bool skipCheck);
    void chooseCurrency(int index);
    void chooseBankAccount(int index);
    void setCopies(int copies);

    // The pickers of the fields.
    void pickTerritory();
    void pickAccount(int n);

private:
    void addInsertDefaults(std::map<std::string, store::Value>& defaults) override;
    std::optional<SaveRefusal> checkForSave(RecordEditor& record) override;
    bool hasEntries(const std::string& code) override { return references_.supplierHasEntries(code); }
    std::string pickRecord() override { return pickers_.supplier(); }

    SupplierPickers& pickers_;
    References references_;
    ChoiceList currencies_, bankAccounts_;
    int orderCopies_ = 1;  // Ctrl_ApCopies, within the copies box's range
    bool purchaseOrderFieldsShown_ = false;
};

}  // namespace orvant::masters
