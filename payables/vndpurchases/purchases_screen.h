#pragma once
// The purchases screen without its widgets: the payable document being entered, the rules run
// as each field is entered and left, the period change, Cancel, and Accept with its dialogs and
// posting. The form forwards its events here and shows the state through PurchasesHost; tests
// drive this class directly.

#include <optional>
#include <string>

#include "entryscreens/entry_screen.h"
#include "purchase_posting.h"
#include "purchases_host.h"

namespace orvant::purchases {

// How each of the screen's messages is shown.
ui::MessageKind KindOf(PurchaseMessage message);

class PurchasesScreen
    : public entryscreens::EntryScreen<PurchaseBooks, PurchasePosting, PurchasesHost, PurchaseDocument, SupplierFacts,
                                      Refusal, PostingAnswers, PostingContext> {
public:
    PurchasesScreen(PurchaseBooks& books, PurchasePosting& posting, PurchasesHost& host, Session& session, MessageText messageText,
                    Today today = &Date::today);

    const std::string& supplierCodeText() const { return partyCode_; }
    // The supplier whose name and address are shown; nothing hides them.
    const std::optional<SupplierFacts>& shownSupplier() const { return shownParty_; }
    // Once an invoice number is typed the supplier can no longer change for this document: its
    // code and its list stay disabled until Accept or Cancel.
    bool supplierLocked() const { return supplierLocked_; }

    void leaveSupplierCode(const std::string& text, bool towardsTag13);
    void pickSupplier();
    void setType(int index);
    void leaveInvoice(const std::string& text, bool towardsTag13);
    // Amounts as read from their fields: nothing when the text is not an amount.
    void leaveDebit(int row, std::optional<Money> amount);
    void leaveCredit(int row, std::optional<Money> amount);

private:
    void reset() override;
    void setDefaultRows() override;
    std::optional<SupplierFacts> findParty(const std::string& code) const override { return books_.findSupplier(code); }
    void refuse(const Refusal& refusal) override;
    // Whether the payable row may not take an amount in this column for the document's type.
    bool payableTakesOtherColumn(int row, bool debit) const;
    std::optional<PostingAnswers> askDialogs(const PurchaseDocument& document) override;

    bool supplierLocked_ = false;
};

}  // namespace orvant::purchases
