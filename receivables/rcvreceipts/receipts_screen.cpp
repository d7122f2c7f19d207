#include "receipts_screen.h"

#include <QString>

#include "sidedialogs/period_number.h"

namespace orvant::receipts {

namespace {

// A caption text of the language table has no trailing blank; the number follows a blank.
std::string withBlank(std::string text)
{
    if (!text.empty() && text.back() != ' ') text += ' ';
    return text;
}

}  // namespace

ui::MessageKind KindOf(ReceiptMessage message)
{
    switch (message) {
    case kAskForMemo:
    case kAskPostAgain: return ui::MessageKind::Question;
    case kOutOfBalance:
    case kReceivableWithoutClient:
    case kHoldbackWithoutClient:
    case kOtherCurrencyReceivable:
    case kPaidMeanwhile:
    case kTooManyLines: return ui::MessageKind::Warning;
    default: return ui::MessageKind::Information;
    }
}

ReceiptsScreen::ReceiptsScreen(ReceiptBooks& books, ReceiptPosting& posting, ReceiptsHost& host, Session& session,
                               MessageText messageText, Today today)
    : PaymentScreen(books, posting, host, session, std::move(messageText), std::move(today),
                    {ReceiptField::Client, &ReceiptDocument::client, &ReceiptDocument::notFromClient, kWaitingForClient}, kMemoWidth,
                    kRowDescriptionWidth)
{
}

void ReceiptsScreen::start()
{
    postingPeriod_ = books_.settings().currentPeriod;
    lastDate_ = today_();
    reset();
    host_.focus(ReceiptField::Client);
}

ItemShown ReceiptsScreen::itemShown(int item) const
{
    const OpenItem& open = document_.items.at(static_cast<std::size_t>(item));
    const std::string invoice = open.holdback ? withBlank(trimmed(text(kHoldbackPrefix))) + open.invoice : open.invoice;
    return {invoice, open.date, open.dueDate, open.amount, open.payment};
}

void ReceiptsScreen::reset()
{
    clientMode_ = false;
    PaymentScreen::reset();
}

void ReceiptsScreen::resetDistribution(int currency)
{
    ResetDistribution(books_, document_.rows, currency);
    countLines();
}

// A receipt starts with the NSF box unchecked.
void ReceiptsScreen::startEntry()
{
    document_.nsfCheque = false;
    PaymentScreen::startEntry();
}

void ReceiptsScreen::leaveClientCode(const std::string& text, bool towardsTag13)
{
    partyCode_ = trimmed(text);
    if (towardsTag13 || !partyCodeEnabled()) return;
    // A client on credit hold still pays: its receipt is accepted.
    if (const std::optional<ClientFacts> client = books_.findClient(partyCode_)) return acceptClient(*client);
    if (partyCode_.empty()) return;
    host_.message(kNoSuchClient, KindOf(kNoSuchClient));
    host_.focus(ReceiptField::Client);
}

void ReceiptsScreen::acceptClient(const ClientFacts& client)
{
    shownParty_ = client;
    partyCode_ = client.code;
    document_ = ReceiptDocument{};
    document_.client = client.code;
    document_.items = books_.openItems(client.code);
    resetDistribution(client.currency);
    clientMode_ = true;
    startEntry();
}

void ReceiptsScreen::pickClient()
{
    if (!partyCodeEnabled()) return;
    const std::string code = host_.pickClient();
    if (code.empty()) return;
    if (const std::optional<ClientFacts> client = books_.findClient(code)) acceptClient(*client);
}

void ReceiptsScreen::setNotFromClient(bool on)
{
    if (!on) return cancel();
    // Nothing is taken from the client shown before: the receivable is the home currency's.
    partyCode_.clear();
    shownParty_.reset();
    document_ = ReceiptDocument{};
    document_.notFromClient = true;
    resetDistribution(0);
    clientMode_ = false;
    startEntry();
}

void ReceiptsScreen::leaveDate(std::optional<Date> date, bool towardsTag13)
{
    if (towardsTag13 || !entryEnabled_) return;
    if (!date || !date->isValid()) return refuse(kNotADate, ReceiptField::Date);
    document_.date = lastDate_ = *date;
}

void ReceiptsScreen::followPayments()
{
    FollowPayments(books_, document_.rows, document_.items);
    host_.refresh();
}

void ReceiptsScreen::leaveAccount(int row, const std::string& typed, bool towardsTag13)
{
    if (row < 0 || row >= lineCount_) return;
    const DistributionRow kept = document_.rows.row(row);
    bool numeric = false;
    const QString text = QString::fromStdString(typed).trimmed();
    const int account = text.isEmpty() ? 0 : text.toInt(&numeric);
    if (!text.isEmpty() && !numeric) return refuse(kNoSuchAccount, ReceiptField::RowAccount, row);
    if (account == kept.account) return;
    if (account == 0) {
        // A line with an amount keeps its account.
        if (towardsTag13 || (kept.debit.isZero() && kept.credit.isZero())) document_.rows.setAccount(row, 0, {});
        else refuse(kNoSuchAccount, ReceiptField::RowAccount, row);
        return host_.refresh();
    }
    const std::optional<std::string> description = books_.accountDescription(account);
    document_.rows.setAccount(row, description ? account : 0, description.value_or(std::string()));
    document_.rows.setDebit(row, kept.debit);
    document_.rows.setCredit(row, kept.credit);
    host_.refresh();
    if (!description) refuse(kNoSuchAccount, ReceiptField::RowAccount, row);
}

void ReceiptsScreen::changePeriod()
{
    const std::optional<int> period = host_.askPeriod(postingPeriod_);
    if (!period) return;
    postingPeriod_ = *period;
    const int current = books_.settings().currentPeriod;
    periodCaption_ = sidedialogs::PeriodCaption(text(kCaptionPrefix), text(kCaptionBeforePeriod), current, postingPeriod_,
                                                current != 0 && postingPeriod_ != 0 ? books_.periodMonth(postingPeriod_) : std::string());
    host_.refresh();
}

}  // namespace orvant::receipts
