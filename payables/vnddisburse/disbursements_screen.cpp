#include "disbursements_screen.h"

#include <QString>

#include "books/text_cut.h"
#include "sidedialogs/period_number.h"

namespace orvant::disbursements {

ui::MessageKind KindOf(DisbursementMessage message)
{
    switch (message) {
    case kEnterReference: return ui::MessageKind::Plain;
    case kAskForMemo:
    case kAskPostAgain: return ui::MessageKind::Question;
    case kOutOfBalance:
    case kPayableWithoutSupplier:
    case kOtherCurrencyPayable:
    case kPaidMeanwhile: return ui::MessageKind::Warning;
    default: return ui::MessageKind::Information;
    }
}

DisbursementsScreen::DisbursementsScreen(DisbursementBooks& books, DisbursementPosting& posting, DisbursementsHost& host,
                                         Session& session, MessageText messageText, Today today)
    : PaymentScreen(books, posting, host, session, std::move(messageText), std::move(today),
                    {DisbursementField::Supplier, &DisbursementDocument::supplier, &DisbursementDocument::notToSupplier, kWaitingForSupplier},
                    kMemoWidth, kRowDescriptionWidth)
{
}

void DisbursementsScreen::start()
{
    session_.ledgerCode = "N";
    postingPeriod_ = books_.settings().currentPeriod;
    lastDate_ = today_();
    reset();
    host_.focus(DisbursementField::Supplier);
}

sidedialogs::OpenItemShown DisbursementsScreen::itemShown(int item) const
{
    const OpenItem& open = document_.items.at(static_cast<std::size_t>(item));
    // A holdback is listed apart from its invoice, under the holdback word.
    const std::string invoice = open.holdback ? FirstCharacters(trimmed(text(kHoldbackPrefix)) + " " + open.invoice, kShownInvoiceWidth)
                                              : open.invoice;
    return {invoice, open.date, open.dueDate, open.amount, open.payment};
}

void DisbursementsScreen::resetDistribution()
{
    ResetDistribution(books_, document_.rows, shownParty_);
    countLines();
}

void DisbursementsScreen::leaveSupplierCode(const std::string& text, bool towardsTag13)
{
    partyCode_ = trimmed(text);
    if (towardsTag13 || !partyCodeEnabled() || partyCode_.empty()) return;
    if (const std::optional<SupplierFacts> supplier = books_.findSupplier(partyCode_)) return acceptSupplier(*supplier);
    host_.message(kNoSuchSupplier, KindOf(kNoSuchSupplier));
    partyCode_.clear();
    host_.refresh();
    host_.focus(DisbursementField::Supplier);
}

void DisbursementsScreen::acceptSupplier(const SupplierFacts& supplier)
{
    shownParty_ = supplier;
    partyCode_ = supplier.code;
    document_ = DisbursementDocument{};
    document_.supplier = supplier.code;
    document_.items = books_.openItems(supplier.code);
    resetDistribution();
    startEntry();
}

void DisbursementsScreen::pickSupplier()
{
    if (!partyCodeEnabled()) return;
    const std::string code = host_.pickSupplier();
    if (code.empty()) return host_.focus(DisbursementField::Supplier);
    if (const std::optional<SupplierFacts> supplier = books_.findSupplier(code)) acceptSupplier(*supplier);
}

void DisbursementsScreen::setNotToSupplier(bool on)
{
    if (!on || entryEnabled_) return host_.refresh();
    partyCode_.clear();
    shownParty_.reset();
    document_ = DisbursementDocument{};
    document_.notToSupplier = true;
    resetDistribution();
    startEntry();
}

void DisbursementsScreen::leaveDate(std::optional<Date> date, bool towardsTag13)
{
    if (towardsTag13 || !entryEnabled_) return;
    if (!date || !date->isValid()) return refuse(kNotADate, DisbursementField::Date);
    document_.date = *date;
}

void DisbursementsScreen::followPayments()
{
    FollowPayments(books_, document_.rows, document_.items, shownParty_);
    host_.refresh();
}

void DisbursementsScreen::leaveAccount(int row, const std::string& typed, bool towardsTag13)
{
    if (row < 0 || row >= lineCount_) return;
    const DistributionRow kept = document_.rows.row(row);
    bool numeric = false;
    const QString text = QString::fromStdString(typed).trimmed();
    const int account = text.isEmpty() ? 0 : text.toInt(&numeric);
    if (!text.isEmpty() && !numeric) return refuse(kNoSuchAccountTyped, DisbursementField::RowAccount, row);
    if (account == kept.account) return;
    if (account == 0) {
        // A row with an amount keeps its account.
        if (towardsTag13 || (kept.debit.isZero() && kept.credit.isZero())) document_.rows.setAccount(row, 0, {});
        else refuse(kNoSuchAccount, DisbursementField::RowAccount, row);
        return host_.refresh();
    }
    const std::optional<std::string> description = books_.accountDescription(account);
    document_.rows.setAccount(row, description ? account : 0, FirstCharacters(description.value_or(std::string()), kRowDescriptionWidth));
    document_.rows.setDebit(row, kept.debit);
    document_.rows.setCredit(row, kept.credit);
    host_.refresh();
    if (!description) refuse(kNoSuchAccountTyped, DisbursementField::RowAccount, row);
}

void DisbursementsScreen::changePeriod()
{
    const std::optional<int> period = host_.askPeriod(postingPeriod_);
    if (!period) return;
    postingPeriod_ = *period;
    const int current = books_.settings().currentPeriod;
    periodCaption_ = sidedialogs::PeriodCaption(text(kCaptionPrefix), text(kCaptionBeforePeriod), current, postingPeriod_,
                                                current != 0 && postingPeriod_ != 0 ? books_.periodMonth(postingPeriod_) : std::string());
    host_.refresh();
}

}  // namespace orvant::disbursements
