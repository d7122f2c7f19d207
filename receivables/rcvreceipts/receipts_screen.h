#pragma once
// The cash receipts screen without its widgets: the receipt being entered (a client's payments
// on its open items, or a receipt not from a client), the rules run as fields are left, the
// distribution following the payments, the period change, Cancel, and Accept with the
// tax-per-rate dialog and the posting. The form forwards its events here and shows the state
// through ReceiptsHost; tests drive this class directly.

#include <functional>
#include <optional>
#include <string>

#include "receipt_books.h"
#include "receipt_check.h"
#include "receipt_document.h"
#include "receipt_messages.h"
#include "receipt_posting.h"
#include "receipts_host.h"
#include "sidedialogs/payment_screen.h"

namespace orvant::receipts {

using ItemShown = sidedialogs::OpenItemShown;

// How each of the screen's messages is shown.
ui::MessageKind KindOf(ReceiptMessage message);

class ReceiptsScreen : public sidedialogs::PaymentScreen<ReceiptBooks, ReceiptPosting, ReceiptsHost, ReceiptDocument, ClientFacts,
                                                         Refusal, PostingAnswers, PostingContext> {
public:
    ReceiptsScreen(ReceiptBooks& books, ReceiptPosting& posting, ReceiptsHost& host, Session& session, MessageText messageText,
                   Today today = &Date::today);

    // First activation: the posting period, the proposed date, every entry field disabled.
    void start();

    bool clientMode() const { return clientMode_; }
    bool itemsEnabled() const override { return clientMode_; }
    ItemShown itemShown(int item) const override;

    void leaveClientCode(const std::string& text, bool towardsTag13);
    void pickClient();
    void setNotFromClient(bool on);
    void setNsfCheque(bool on) { document_.nsfCheque = on; }
    // A date as read from its field: nothing when the text is not a date.
    void leaveDate(std::optional<Date> date, bool towardsTag13);
    void leaveAccount(int row, const std::string& text, bool towardsTag13) override;
    void changePeriod();

private:
    void reset() override;
    void startEntry() override;
    void resetDistribution(int currency);
    void acceptClient(const ClientFacts& client);
    void followPayments() override;
    std::optional<Refusal> checkPayment(const OpenItem& item, int index) const override { return CheckPayment(item, index); }
    std::optional<Refusal> check(const ReceiptDocument& receipt, const std::function<bool()>& wantsMemo) override
    {
        return CheckReceipt(books_, receipt, wantsMemo);
    }
    bool postedAlready(const ReceiptDocument& receipt) override { return books_.receiptExists(receipt.client, receipt.reference, receipt.date); }

    bool clientMode_ = false;
};

}  // namespace orvant::receipts
