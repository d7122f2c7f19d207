#pragma once
// The purchases form (Tvndpurchases_frm): a supplier's document over its distribution, the
// widgets named as the language tables and the screen driver know them.

#include "entryscreens/entry_form.h"
#include "purchases_host.h"
#include "purchases_screen.h"

namespace orvant::purchases {

class Tvndpurchases_dm;

// The supplier, the party of a purchase.
struct SupplierParty {
    static constexpr PurchaseField kField = PurchaseField::Supplier;
    // Once the invoice number is typed the supplier may no longer change for the document.
    static bool locked(const PurchasesScreen& screen) { return screen.supplierLocked(); }
    static void leave(PurchasesScreen& screen, const std::string& code, bool towardsTag13) { screen.leaveSupplierCode(code, towardsTag13); }
    static void pick(PurchasesScreen& screen) { screen.pickSupplier(); }
    static const std::string& code(const PurchasesScreen& screen) { return screen.supplierCodeText(); }
    static const std::optional<SupplierFacts>& shown(const PurchasesScreen& screen) { return screen.shownSupplier(); }
};

class Tvndpurchases_frm : public entryscreens::EntryForm<PurchasesHost, PurchasesScreen, Tvndpurchases_dm, SupplierParty> {
public:
    Tvndpurchases_frm(Session& session, QString helpFile);

    std::string pickSupplier() override;
    HoldbackAnswer askHoldback(Money base) override;
};

}  // namespace orvant::purchases
