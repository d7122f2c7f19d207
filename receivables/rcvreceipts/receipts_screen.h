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
#include "receipt_document.h"
#include "receipt_messages.h"
#include "receipt_posting.h"
#include "receipts_host.h"
#include "session/session.h"
#include "sidedialogs/payment_grid_source.h"

namespace orvant::receipts {

using ItemShown = sidedialogs::OpenItemShown;

class ReceiptsScreen : public sidedialogs::PaymentGridSource {
public:
    using MessageText = std::function<std::string(int number)>;
    using Today = std::function<Date()>;

    ReceiptsScreen(ReceiptBooks& books, ReceiptPosting& posting, ReceiptsHost& host, Session& session, MessageText messageText,
                   Today today = &Date::today);

    // First activation: the posting period, the proposed date, every entry field disabled.
    void start();

    // The state shown.
    const ReceiptDocument& document() const { return document_; }
    const std::string& clientCodeText() const { return clientCode_; }
    // The client whose payments are entered; nothing before one is accepted.
    const std::optional<ClientFacts>& shownClient() const { return shownClient_; }
    // The fields of the receipt take input once a client is accepted or the receipt is not
    // from a client; the client code then waits for the next reset.
    bool entryEnabled() const { return entryEnabled_; }
    bool clientCodeEnabled() const { return !entryEnabled_; }
    bool clientMode() const { return clientMode_; }
    int currency() const;
    int itemCount() const override { return static_cast<int>(document_.items.size()); }
    ItemShown itemShown(int item) const override;
    // The distribution's lines on the grid: those set at the reset and those added since.
    int lineCount() const override { return lineCount_; }
    const DistributionRow& line(int row) const override { return document_.rows.row(row); }
    DistributionTotals lineTotals() const override { return document_.rows.totals(); }
    int postingPeriod() const { return postingPeriod_; }
    Date lastDate() const { return lastDate_; }
    // The caption after a change of period; empty until the period is changed.
    const std::string& periodCaption() const { return periodCaption_; }

    void leaveClientCode(const std::string& text, bool towardsTag13);
    void pickClient();
    void setNotFromClient(bool on);
    void setNsfCheque(bool on);
    // A date as read from its field: nothing when the text is not a date.
    void leaveDate(std::optional<Date> date, bool towardsTag13);
    void leaveReference(const std::string& text);
    void setMemo(const std::string& text);

    // The payment typed on an item (nothing: not an amount); a double click pays it in full.
    void setPayment(int item, std::optional<Money> amount);
    void payInFull(int item);

    void leaveAccount(int row, const std::string& text, bool towardsTag13);
    void pickAccount(int row);
    void setDescription(int row, const std::string& text);
    void setDebit(int row, std::optional<Money> amount);
    void setCredit(int row, std::optional<Money> amount);
    // A line added below the last: false once twenty were added since the reset.
    bool addLine();
    // The line's account and amounts leave the distribution; the line itself stays counted.
    void deleteLine(int row);

    void changePeriod();
    void cancel();
    // Checks, asks the tax-per-rate dialog and posts; true when the receipt was posted.
    bool accept();

private:
    void reset();
    void resetDistribution(int currency);
    void acceptClient(const ClientFacts& client);
    void startEntry();
    void followPayments();
    void refuse(ReceiptMessage message, ReceiptField field, int row = -1);
    void refuse(const Refusal& refusal);
    std::optional<std::optional<Refusal>> write(const PreparedReceipt& prepared, bool repeatAllowed);
    std::string text(int number) const { return messageText_(number); }

    ReceiptBooks& books_;
    ReceiptPosting& posting_;
    ReceiptsHost& host_;
    Session& session_;
    MessageText messageText_;
    Today today_;

    ReceiptDocument document_;
    std::string clientCode_;
    std::optional<ClientFacts> shownClient_;
    bool entryEnabled_ = false;
    bool clientMode_ = false;
    int lineCount_ = 0;
    int postingPeriod_ = 0;
    Date lastDate_;
    std::string periodCaption_;
};

// How each of the screen's messages is shown.
ui::MessageKind KindOf(ReceiptMessage message);

}  // namespace orvant::receipts
