#pragma once
// The purchases screen without its widgets: the payable document being entered, the rules run
// as each field is entered and left, the period change, Cancel, and Accept with its dialogs and
// posting. The form forwards its events here and shows the state through PurchasesHost; tests
// drive this class directly.

#include <functional>
#include <optional>
#include <string>

#include "purchase_posting.h"
#include "purchases_host.h"
#include "session/session.h"

namespace orvant::purchases {

class PurchasesScreen {
public:
    using MessageText = std::function<std::string(int number)>;
    using Today = std::function<Date()>;

    PurchasesScreen(PurchaseBooks& books, PurchasePosting& posting, PurchasesHost& host, Session& session, MessageText messageText,
                    Today today = &Date::today);

    // First activation: the posting period, the proposed date, a reset screen.
    void start();

    // The state shown.
    const PurchaseDocument& document() const { return document_; }
    const std::string& supplierCodeText() const { return supplierCode_; }
    // The supplier whose name and address are shown; nothing hides them.
    const std::optional<SupplierFacts>& shownSupplier() const { return shownSupplier_; }
    // Once an invoice number is typed the supplier can no longer change for this document: its
    // code and its list stay disabled until Accept or Cancel.
    bool supplierLocked() const { return supplierLocked_; }
    // The currency the amounts are shown in (UseCurrency): the supplier's, none for a direct
    // cash purchase, the home currency while no supplier is chosen.
    int currency() const;
    int postingPeriod() const { return postingPeriod_; }
    Date lastDate() const { return lastDate_; }
    // The caption after a change of period; empty until the period is changed.
    const std::string& periodCaption() const { return periodCaption_; }

    // Entering a field of the header or the grid: false when the focus went back to the
    // supplier code (no supplier and not a direct cash purchase).
    bool enterField(PurchaseField field);
    void leaveSupplierCode(const std::string& text, bool towardsTag13);
    void pickSupplier();
    void pickAccount(int row);
    void setDirectCash(bool on);
    void setType(int index);
    void leaveInvoice(const std::string& text, bool towardsTag13);
    void leaveReference(const std::string& text, bool towardsTag13);
    // Dates as read from their fields: nothing when the text is not a date.
    void leaveDate(std::optional<Date> date);
    void leaveDueDate(std::optional<Date> date);
    void setComment(const std::string& text);
    void leaveAccount(int row, const std::string& text);
    void setDescription(int row, const std::string& text);
    // Amounts as read from their fields: nothing when the text is not an amount.
    void leaveDebit(int row, std::optional<Money> amount);
    void leaveCredit(int row, std::optional<Money> amount);

    void changePeriod();
    void cancel();
    // Checks, asks the dialogs and posts; true when the document was posted.
    bool accept();

private:
    void reset();
    void setDefaultRows();
    void setRowAccount(int row, int account);
    void acceptSupplier(const SupplierFacts& supplier);
    // Whether the payable row may not take an amount in this column for the document's type.
    bool payableTakesOtherColumn(int row, bool debit) const;
    void refuse(const Refusal& refusal);
    std::optional<PostingAnswers> askDialogs(const PurchaseDocument& document);
    std::optional<std::optional<Refusal>> write(const PreparedPurchase& prepared, bool repeatAllowed);
    std::string text(int number) const { return messageText_(number); }

    PurchaseBooks& books_;
    PurchasePosting& posting_;
    PurchasesHost& host_;
    Session& session_;
    MessageText messageText_;
    Today today_;

    PurchaseDocument document_;
    std::string supplierCode_;
    std::optional<SupplierFacts> shownSupplier_;
    std::optional<SupplierFacts> currentSupplier_;  // the last supplier found: its currency and terms
    bool supplierLocked_ = false;
    int postingPeriod_ = 0;
    Date lastDate_;
    std::string periodCaption_;
};

// How each of the screen's messages is shown.
ui::MessageKind KindOf(PurchaseMessage message);

}  // namespace orvant::purchases
