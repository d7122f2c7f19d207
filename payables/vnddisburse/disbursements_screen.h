#pragma once
// The cash disbursements screen without its widgets: the disbursement being entered (payments
// to a supplier on its open items, or a disbursement not to a supplier), the rules run as fields
// are left, the payable and bank rows following the payments, the period change, Cancel, and
// Accept with the tax-per-rate dialog and the posting. The form forwards its events here and
// shows the state through DisbursementsHost; tests drive this class directly.

#include <functional>
#include <optional>
#include <string>

#include "disbursement_books.h"
#include "disbursement_document.h"
#include "disbursement_messages.h"
#include "disbursement_posting.h"
#include "disbursements_host.h"
#include "session/session.h"
#include "sidedialogs/payment_grid_source.h"

namespace orvant::disbursements {

// What an open item's invoice column keeps: the holdback word and its invoice cut to this.
inline constexpr int kShownInvoiceWidth = 13;

class DisbursementsScreen : public sidedialogs::PaymentGridSource {
public:
    using MessageText = std::function<std::string(int number)>;
    using Today = std::function<Date()>;

    DisbursementsScreen(DisbursementBooks& books, DisbursementPosting& posting, DisbursementsHost& host, Session& session,
                        MessageText messageText, Today today = &Date::today);

    // First activation: the posting period, the proposed date, every data field disabled.
    void start();

    // The state shown.
    const DisbursementDocument& document() const { return document_; }
    const std::string& supplierCodeText() const { return supplierCode_; }
    // The supplier paid; nothing before one is accepted.
    const std::optional<SupplierFacts>& shownSupplier() const { return shownSupplier_; }
    // The data fields take input once a supplier is accepted or the disbursement is not to a
    // supplier (application mode); the supplier code then waits for the next reset.
    bool entryEnabled() const { return entryEnabled_; }
    bool supplierCodeEnabled() const { return !entryEnabled_; }
    // The open items take payments only while a supplier's are shown.
    bool itemsEnabled() const { return entryEnabled_ && document_.toSupplier(); }
    int currency() const;
    int itemCount() const override { return static_cast<int>(document_.items.size()); }
    sidedialogs::OpenItemShown itemShown(int item) const override;
    int lineCount() const override { return lineCount_; }
    const DistributionRow& line(int row) const override { return document_.rows.row(row); }
    DistributionTotals lineTotals() const override { return document_.rows.totals(); }
    int postingPeriod() const { return postingPeriod_; }
    Date lastDate() const { return lastDate_; }
    // The caption after a change of period; empty until the period is changed.
    const std::string& periodCaption() const { return periodCaption_; }

    void leaveSupplierCode(const std::string& text, bool towardsTag13);
    void pickSupplier();
    void setNotToSupplier(bool on);
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
    // A row added below the last: false once twenty were added since the reset.
    bool addLine();
    // The row's account and amounts leave the distribution; the row itself stays counted.
    void deleteLine(int row);

    void changePeriod();
    void cancel();
    // Checks, asks the tax-per-rate dialog and posts; true when the disbursement was posted.
    bool accept();

private:
    void reset();
    void resetDistribution();
    void acceptSupplier(const SupplierFacts& supplier);
    void startEntry();
    void followPayments();
    void refuse(DisbursementMessage message, DisbursementField field, int row = -1);
    void refuse(const Refusal& refusal);
    std::optional<std::optional<Refusal>> write(const PreparedDisbursement& prepared, bool repeatAllowed);
    std::string text(int number) const { return messageText_(number); }

    DisbursementBooks& books_;
    DisbursementPosting& posting_;
    DisbursementsHost& host_;
    Session& session_;
    MessageText messageText_;
    Today today_;

    DisbursementDocument document_;
    std::string supplierCode_;
    std::optional<SupplierFacts> shownSupplier_;
    bool entryEnabled_ = false;
    int lineCount_ = 0;
    int postingPeriod_ = 0;
    Date lastDate_;
    std::string periodCaption_;
};

// How each of the screen's messages is shown.
ui::MessageKind KindOf(DisbursementMessage message);

}  // namespace orvant::disbursements
