#include "receipts_screen.h"

#include <QString>

#include "money/currency_format.h"
#include "receipt_posting.h"
#include "store/error.h"

namespace orvant::receipts {

namespace {

// A caption text of the language table has no trailing blank; the number follows a blank.
std::string withBlank(std::string text)
{
    if (!text.empty() && text.back() != ' ') text += ' ';
    return text;
}

std::string trimmed(const std::string& text) { return QString::fromStdString(text).trimmed().toStdString(); }

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
    : books_(books), posting_(posting), host_(host), session_(session), messageText_(std::move(messageText)), today_(std::move(today))
{
}

void ReceiptsScreen::start()
{
    postingPeriod_ = books_.settings().currentPeriod;
    lastDate_ = today_();
    reset();
    host_.focus(ReceiptField::Client);
}

int ReceiptsScreen::currency() const
{
    if (document_.notFromClient) return CurrencyFormat::kNoSign;
    return shownClient_ ? shownClient_->currency : 0;
}

ItemShown ReceiptsScreen::itemShown(int item) const
{
    const OpenItem& open = document_.items.at(static_cast<std::size_t>(item));
    const std::string invoice = open.holdback ? withBlank(trimmed(text(kHoldbackPrefix))) + open.invoice : open.invoice;
    return {invoice, open.date, open.dueDate, open.amount, open.payment};
}

// The screen as at start and after each receipt: nothing typed, the fields disabled, the client
// code waiting.
void ReceiptsScreen::reset()
{
    clientCode_.clear();
    shownClient_.reset();
    document_ = ReceiptDocument{};
    entryEnabled_ = false;
    clientMode_ = false;
    lineCount_ = 0;
    host_.refresh();
}

void ReceiptsScreen::resetDistribution(int currency)
{
    ResetDistribution(books_, document_.rows, currency);
    lineCount_ = 1;
    for (int row = 0; row < document_.rows.rowCount(); ++row)
        if (document_.rows.row(row).account != 0) lineCount_ = row + 1;
}

// What a client accepted and a receipt not from a client share: the proposed date, no
// reference, the NSF box unchecked, the fields open, the focus on the date.
void ReceiptsScreen::startEntry()
{
    entryEnabled_ = true;
    document_.date = lastDate_;
    document_.reference.clear();
    document_.nsfCheque = false;
    host_.refresh();
    host_.focus(ReceiptField::Date);
}

void ReceiptsScreen::leaveClientCode(const std::string& text, bool towardsTag13)
{
    clientCode_ = trimmed(text);
    if (towardsTag13 || !clientCodeEnabled()) return;
    // A client on credit hold still pays: its receipt is accepted.
    if (const std::optional<ClientFacts> client = books_.findClient(clientCode_)) return acceptClient(*client);
    if (clientCode_.empty()) return;
    host_.message(kNoSuchClient, KindOf(kNoSuchClient));
    host_.focus(ReceiptField::Client);
}

void ReceiptsScreen::acceptClient(const ClientFacts& client)
{
    shownClient_ = client;
    clientCode_ = client.code;
    document_ = ReceiptDocument{};
    document_.client = client.code;
    document_.items = books_.openItems(client.code);
    resetDistribution(client.currency);
    clientMode_ = true;
    startEntry();
}

void ReceiptsScreen::pickClient()
{
    if (!clientCodeEnabled()) return;
    const std::string code = host_.pickClient();
    if (code.empty()) return;
    if (const std::optional<ClientFacts> client = books_.findClient(code)) acceptClient(*client);
}

void ReceiptsScreen::setNotFromClient(bool on)
{
    if (!on) return cancel();
    // Nothing is taken from the client shown before: the receivable is the home currency's.
    clientCode_.clear();
    shownClient_.reset();
    document_ = ReceiptDocument{};
    document_.notFromClient = true;
    resetDistribution(0);
    clientMode_ = false;
    startEntry();
}

void ReceiptsScreen::setNsfCheque(bool on) { document_.nsfCheque = on; }

void ReceiptsScreen::leaveDate(std::optional<Date> date, bool towardsTag13)
{
    if (towardsTag13 || !entryEnabled_) return;
    if (!date || !date->isValid()) return refuse(kNotADate, ReceiptField::Date);
    document_.date = lastDate_ = *date;
}

void ReceiptsScreen::leaveReference(const std::string& text) { document_.reference = trimmed(text); }

// The memo is kept as wide as the client's ledger keeps it.
void ReceiptsScreen::setMemo(const std::string& text)
{
    document_.memo = QString::fromStdString(text).left(kMemoWidth).toStdString();
    host_.refresh();
}

void ReceiptsScreen::setPayment(int item, std::optional<Money> amount)
{
    if (!clientMode_ || item < 0 || item >= itemCount()) return;
    if (!amount) return refuse(kNotANumber, ReceiptField::OpenItem, item);
    OpenItem& open = document_.items[static_cast<std::size_t>(item)];
    const Money previous = open.payment;
    open.payment = *amount;
    if (auto refusal = CheckPayment(open, item)) {
        open.payment = previous;
        host_.refresh();
        return refuse(*refusal);
    }
    followPayments();
}

void ReceiptsScreen::payInFull(int item)
{
    if (!clientMode_ || item < 0 || item >= itemCount()) return;
    OpenItem& open = document_.items[static_cast<std::size_t>(item)];
    if (open.payment == open.amount) return;
    open.payment = open.amount;
    followPayments();
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

void ReceiptsScreen::pickAccount(int row)
{
    if (!entryEnabled_ || row < 0 || row >= lineCount_) return;
    const int account = host_.pickAccount();
    if (account != 0) leaveAccount(row, std::to_string(account), false);
}

void ReceiptsScreen::setDescription(int row, const std::string& text)
{
    if (row >= 0 && row < lineCount_) document_.rows.setDescription(row, QString::fromStdString(text).left(kRowDescriptionWidth).toStdString());
}

void ReceiptsScreen::setDebit(int row, std::optional<Money> amount)
{
    if (row < 0 || row >= lineCount_) return;
    if (!amount) return refuse(kNotANumber, ReceiptField::RowDebit, row);
    if (amount->isNegative()) return refuse(kNegativeAmount, ReceiptField::RowDebit, row);
    document_.rows.setDebit(row, *amount);
    host_.refresh();
}

void ReceiptsScreen::setCredit(int row, std::optional<Money> amount)
{
    if (row < 0 || row >= lineCount_) return;
    if (!amount) return refuse(kNotANumber, ReceiptField::RowCredit, row);
    if (amount->isNegative()) return refuse(kNegativeAmount, ReceiptField::RowCredit, row);
    document_.rows.setCredit(row, *amount);
    host_.refresh();
}

bool ReceiptsScreen::addLine()
{
    if (!entryEnabled_ || lineCount_ >= kDistributionRows) return false;
    ++lineCount_;
    host_.refresh();
    return true;
}

void ReceiptsScreen::deleteLine(int row)
{
    if (!entryEnabled_ || row < 0 || row >= lineCount_) return;
    document_.rows.setAccount(row, 0, {});
    host_.refresh();
}

void ReceiptsScreen::changePeriod()
{
    const std::optional<int> period = host_.askPeriod(postingPeriod_);
    if (!period) return;
    postingPeriod_ = *period;
    const std::string prefix = withBlank(text(kCaptionPrefix));
    if (books_.settings().currentPeriod == 0)
        periodCaption_ = prefix + "0" + withBlank(text(kCaptionBeforePeriod)) + std::to_string(postingPeriod_);
    else if (postingPeriod_ != 0)
        periodCaption_ = prefix + std::to_string(postingPeriod_) + " : " + books_.periodMonth(postingPeriod_);
    else
        periodCaption_ = prefix + "0";
    host_.refresh();
}

void ReceiptsScreen::cancel()
{
    reset();
    host_.focus(ReceiptField::Client);
}

void ReceiptsScreen::refuse(ReceiptMessage message, ReceiptField field, int row)
{
    host_.message(message, KindOf(message));
    host_.focus(field, row);
}

void ReceiptsScreen::refuse(const Refusal& refusal)
{
    if (refusal.message == kAskForMemo) return host_.focus(refusal.field, refusal.row);  // asked already
    host_.message(refusal.message, KindOf(refusal.message));
    if (refusal.field != ReceiptField::Totals) host_.focus(refusal.field, refusal.row);
}

bool ReceiptsScreen::accept()
{
    if (!entryEnabled_) return false;
    ReceiptDocument receipt = document_;
    receipt.client = receipt.notFromClient ? std::string() : clientCode_;
    receipt.reference = trimmed(receipt.reference);
    session_.ledgerCode = "N";
    books_.forgetAccounts();
    if (!receipt.date.isValid()) {
        refuse(kNotADate, ReceiptField::Date);
        return false;
    }
    const auto wantsMemo = [this] { return host_.message(kAskForMemo, KindOf(kAskForMemo)) == ui::Answer::Yes; };
    if (auto refusal = CheckReceipt(books_, receipt, wantsMemo)) {
        refuse(*refusal);
        return false;
    }
    const bool repeat = books_.receiptExists(receipt.client, receipt.reference, receipt.date);
    if (repeat && host_.message(kAskPostAgain, KindOf(kAskPostAgain)) != ui::Answer::Yes) return false;
    // Back to "N" however Accept ends: posted, refused, given up, or failed in the store.
    session_.ledgerCode = "Y";
    struct LedgerCodeBack {
        Session& session;
        ~LedgerCodeBack() { session.ledgerCode = "N"; }
    } ledgerCodeBack{session_};
    PostingAnswers answers;
    if (const auto taxes = posting_.taxLinesToAsk(receipt); !taxes.empty()) {
        auto answered = host_.askTaxes(taxes);
        if (!answered) return false;
        answers.taxes = std::move(*answered);
    }
    auto prepared = posting_.prepare(receipt, std::move(answers));
    std::optional<Refusal> refusal;
    if (auto* refused = std::get_if<Refusal>(&prepared)) refusal = *refused;
    if (!refusal) {
        std::optional<std::optional<Refusal>> written = write(std::get<PreparedReceipt>(prepared), repeat);
        if (!written) return false;  // the user gave up waiting for the client
        refusal = *written;
    }
    if (refusal) {
        refuse(*refusal);
        return false;
    }
    lastDate_ = receipt.date;
    reset();
    host_.focus(ReceiptField::Client);
    return true;
}

// The posting, waiting while another workstation holds the client; nothing when the user gives
// up the wait.
std::optional<std::optional<Refusal>> ReceiptsScreen::write(const PreparedReceipt& prepared, bool repeatAllowed)
{
    PostingContext context{postingPeriod_, session_.userId, {}, repeatAllowed};
    context.lockRetry.waiting = [this](const store::StoreError& error) {
        host_.waiting(text(kWaitingForClient) + (error.holder() ? error.holder()->user : std::string()));
    };
    context.lockRetry.cancelled = [this] { return host_.waitCancelled(); };
    struct EndWait {
        ReceiptsHost& host;
        ~EndWait() { host.waitOver(); }
    } endWait{host_};
    try {
        return posting_.write(prepared, context);
    } catch (const store::StoreError& error) {
        if (error.code() == store::errc::kCancelled) return std::nullopt;
        throw;
    }
}

}  // namespace orvant::receipts
