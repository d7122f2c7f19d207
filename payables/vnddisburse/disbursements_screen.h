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
#include "disbursement_check.h"
#include "disbursement_document.h"
#include "disbursement_messages.h"
#include "disbursement_posting.h"
#include "disbursements_host.h"
#include "sidedialogs/payment_screen.h"

namespace orvant::disbursements {

// What an open item's invoice column keeps: the holdback word and its invoice cut to this.
inline constexpr int kShownInvoiceWidth = 13;

// How each of the screen's messages is shown.
ui::MessageKind KindOf(DisbursementMessage message);

class DisbursementsScreen
    : public sidedialogs::PaymentScreen<DisbursementBooks, DisbursementPosting, DisbursementsHost, DisbursementDocument, SupplierFacts,
                                        Refusal, PostingAnswers, PostingContext> {
public:
    DisbursementsScreen(DisbursementBooks& books, DisbursementPosting& posting, DisbursementsHost& host, Session& session,
                        MessageText messageText, Today today = &Date::today);

    // First activation: the posting period, the proposed date, every data field disabled.
    void start();

    bool itemsEnabled() const override { return entryEnabled_ && document_.toSupplier(); }
    sidedialogs::OpenItemShown itemShown(int item) const override;

    void leaveSupplierCode(const std::string& text, bool towardsTag13);
    void pickSupplier();
    // Ticking the box starts a disbursement not to a supplier; unticking it while one is
    // entered changes nothing (the box stays ticked): only Accept or Cancel ends it.
    void setNotToSupplier(bool on);
    // A date as read from its field: nothing when the text is not a date.
    void leaveDate(std::optional<Date> date, bool towardsTag13);
    void leaveAccount(int row, const std::string& text, bool towardsTag13) override;
    void changePeriod();

private:
    void resetDistribution();
    void acceptSupplier(const SupplierFacts& supplier);
    void followPayments() override;
    std::optional<Refusal> checkPayment(const OpenItem& item, int index) const override { return CheckPayment(item, index); }
    std::optional<Refusal> check(const DisbursementDocument& disbursement, const std::function<bool()>& wantsMemo) override
    {
        return CheckDisbursement(books_, disbursement, wantsMemo);
    }
    // The supplier's cheque number used again on the same day is most likely typed twice.
    bool postedAlready(const DisbursementDocument& disbursement) override
    {
        return books_.disbursementExists(disbursement.supplier, disbursement.reference, disbursement.date);
    }
};

}  // namespace orvant::disbursements
