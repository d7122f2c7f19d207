#include "disbursements_screen.h"

#include <QString>

#include "books/text_cut.h"
#include "money/currency_format.h"
#include "sidedialogs/period_number.h"
#include "store/error.h"

namespace orvant::disbursements {

namespace {

std::string trimmed(const std::string& text) { return QString::fromStdString(text).trimmed().toStdString(); }

}  // namespace

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
    : books_(books), posting_(posting), host_(host), session_(session), messageText_(std::move(messageText)), today_(std::move(today))
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

int DisbursementsScreen::currency() const
{
    if (document_.notToSupplier) return CurrencyFormat::kNoSign;
    return shownSupplier_ ? shownSupplier_->currency : 0;
}

sidedialogs::OpenItemShown DisbursementsScreen::itemShown(int item) const
{
    const OpenItem& open = document_.items.at(static_cast<std::size_t>(item));
    // A holdback is listed apart from its invoice, under the holdback word.
    const std::string invoice = open.holdback ? FirstCharacters(trimmed(text(kHoldbackPrefix)) + " " + open.invoice, kShownInvoiceWidth)
                                              : open.invoice;
    return {invoice, open.date, open.dueDate, open.amount, open.payment};
}

// The screen as at start and after each disbursement: nothing typed, the data fields disabled,
// the supplier code waiting.
void DisbursementsScreen::reset()
{
    supplierCode_.clear();
    shownSupplier_.reset();
    document_ = DisbursementDocument{};
    entryEnabled_ = false;
    lineCount_ = 0;
    host_.refresh();
}

void DisbursementsScreen::resetDistribution()
{
    ResetDistribution(books_, document_.rows, shownSupplier_);
    lineCount_ = 1;
    for (int row = 0; row < document_.rows.rowCount(); ++row)
        if (document_.rows.row(row).account != 0) lineCount_ = row + 1;
}

// What a supplier accepted and a disbursement not to a supplier share: the proposed date, no
// reference, the fields open, the focus on the date.
void DisbursementsScreen::startEntry()
{
    entryEnabled_ = true;
    document_.date = lastDate_;
    document_.reference.clear();
    host_.refresh();
    host_.focus(DisbursementField::Date);
}

void DisbursementsScreen::leaveSupplierCode(const std::string& text, bool towardsTag13)
{
    supplierCode_ = trimmed(text);
    if (towardsTag13 || !supplierCodeEnabled() || supplierCode_.empty()) return;
    if (const std::optional<SupplierFacts> supplier = books_.findSupplier(supplierCode_)) return acceptSupplier(*supplier);
    host_.message(kNoSuchSupplier, KindOf(kNoSuchSupplier));
    supplierCode_.clear();
    host_.refresh();
    host_.focus(DisbursementField::Supplier);
}

void DisbursementsScreen::acceptSupplier(const SupplierFacts& supplier)
{
    shownSupplier_ = supplier;
    supplierCode_ = supplier.code;
    document_ = DisbursementDocument{};
    document_.supplier = supplier.code;
    document_.items = books_.openItems(supplier.code);
    resetDistribution();
    startEntry();
}

void DisbursementsScreen::pickSupplier()
{
    if (!supplierCodeEnabled()) return;
    const std::string code = host_.pickSupplier();
    if (code.empty()) return host_.focus(DisbursementField::Supplier);
    if (const std::optional<SupplierFacts> supplier = books_.findSupplier(code)) acceptSupplier(*supplier);
}

// Ticking the box starts a disbursement not to a supplier; unticking it while one is entered
// changes nothing (the box stays ticked): only Accept or Cancel ends it.
void DisbursementsScreen::setNotToSupplier(bool on)
{
    if (!on || entryEnabled_) return host_.refresh();
    supplierCode_.clear();
    shownSupplier_.reset();
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

void DisbursementsScreen::leaveReference(const std::string& text) { document_.reference = trimmed(text); }

// The memo is kept as wide as the supplier's ledger keeps it.
void DisbursementsScreen::setMemo(const std::string& text)
{
    document_.memo = FirstCharacters(text, kMemoWidth);
    host_.refresh();
}

void DisbursementsScreen::setPayment(int item, std::optional<Money> amount)
{
    if (!itemsEnabled() || item < 0 || item >= itemCount()) return;
    if (!amount) return refuse(kNotANumber, DisbursementField::OpenItem, item);
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

void DisbursementsScreen::payInFull(int item)
{
    if (!itemsEnabled() || item < 0 || item >= itemCount()) return;
    OpenItem& open = document_.items[static_cast<std::size_t>(item)];
    if (open.payment == open.amount) return;
    open.payment = open.amount;
    followPayments();
}

void DisbursementsScreen::followPayments()
{
    FollowPayments(books_, document_.rows, document_.items, shownSupplier_);
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

void DisbursementsScreen::pickAccount(int row)
{
    if (!entryEnabled_ || row < 0 || row >= lineCount_) return;
    const int account = host_.pickAccount();
    if (account != 0) leaveAccount(row, std::to_string(account), false);
}

void DisbursementsScreen::setDescription(int row, const std::string& text)
{
    if (row >= 0 && row < lineCount_) document_.rows.setDescription(row, FirstCharacters(text, kRowDescriptionWidth));
}

void DisbursementsScreen::setDebit(int row, std::optional<Money> amount)
{
    if (row < 0 || row >= lineCount_) return;
    if (!amount) return refuse(kNotANumber, DisbursementField::RowDebit, row);
    if (amount->isNegative()) return refuse(kNegativeAmount, DisbursementField::RowDebit, row);
    document_.rows.setDebit(row, *amount);
    host_.refresh();
}

void DisbursementsScreen::setCredit(int row, std::optional<Money> amount)
{
    if (row < 0 || row >= lineCount_) return;
    if (!amount) return refuse(kNotANumber, DisbursementField::RowCredit, row);
    if (amount->isNegative()) return refuse(kNegativeAmount, DisbursementField::RowCredit, row);
    document_.rows.setCredit(row, *amount);
    host_.refresh();
}

bool DisbursementsScreen::addLine()
{
    if (!entryEnabled_ || lineCount_ >= kDistributionRows) return false;
    ++lineCount_;
    host_.refresh();
    return true;
}

void DisbursementsScreen::deleteLine(int row)
{
    if (!entryEnabled_ || row < 0 || row >= lineCount_) return;
    document_.rows.setAccount(row, 0, {});
    host_.refresh();
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

void DisbursementsScreen::cancel()
{
    reset();
    host_.focus(DisbursementField::Supplier);
}

void DisbursementsScreen::refuse(DisbursementMessage message, DisbursementField field, int row)
{
    host_.message(message, KindOf(message));
    host_.focus(field, row);
}

void DisbursementsScreen::refuse(const Refusal& refusal)
{
    if (refusal.message == kAskForMemo) return host_.focus(refusal.field, refusal.row);  // asked already
    host_.message(refusal.message, KindOf(refusal.message));
    if (refusal.field != DisbursementField::Totals) host_.focus(refusal.field, refusal.row);
}

bool DisbursementsScreen::accept()
{
    if (!entryEnabled_) return false;
    DisbursementDocument disbursement = document_;
    disbursement.supplier = disbursement.notToSupplier ? std::string() : supplierCode_;
    disbursement.reference = trimmed(disbursement.reference);
    session_.ledgerCode = "N";
    books_.forgetAccounts();
    if (!disbursement.date.isValid()) {
        refuse(kNotADate, DisbursementField::Date);
        return false;
    }
    const auto wantsMemo = [this] { return host_.message(kAskForMemo, KindOf(kAskForMemo)) == ui::Answer::Yes; };
    if (auto refusal = CheckDisbursement(books_, disbursement, wantsMemo)) {
        refuse(*refusal);
        return false;
    }
    // The supplier's cheque number used again on the same day is most likely typed twice.
    const bool repeat = books_.disbursementExists(disbursement.supplier, disbursement.reference, disbursement.date);
    if (repeat && host_.message(kAskPostAgain, KindOf(kAskPostAgain)) != ui::Answer::Yes) return false;
    // Back to "N" however Accept ends: posted, refused, given up, or failed in the store.
    session_.ledgerCode = "Y";
    struct LedgerCodeBack {
        Session& session;
        ~LedgerCodeBack() { session.ledgerCode = "N"; }
    } ledgerCodeBack{session_};
    PostingAnswers answers;
    if (const auto taxes = posting_.taxLinesToAsk(disbursement); !taxes.empty()) {
        auto answered = host_.askTaxes(taxes);
        if (!answered) return false;
        answers.taxes = std::move(*answered);
    }
    auto prepared = posting_.prepare(disbursement, std::move(answers));
    std::optional<Refusal> refusal;
    if (auto* refused = std::get_if<Refusal>(&prepared)) refusal = *refused;
    if (!refusal) {
        std::optional<std::optional<Refusal>> written = write(std::get<PreparedDisbursement>(prepared), repeat);
        if (!written) return false;  // the user gave up waiting for the supplier
        refusal = *written;
    }
    if (refusal) {
        refuse(*refusal);
        return false;
    }
    // Only a committed disbursement leaves the screen: a refusal or a store failure keeps it typed.
    lastDate_ = disbursement.date;
    reset();
    host_.focus(DisbursementField::Supplier);
    return true;
}

// The posting, waiting while another workstation holds the supplier; nothing when the user gives
// up the wait.
std::optional<std::optional<Refusal>> DisbursementsScreen::write(const PreparedDisbursement& prepared, bool repeatAllowed)
{
    PostingContext context{postingPeriod_, session_.userId, {}, repeatAllowed};
    context.lockRetry.waiting = [this](const store::StoreError& error) {
        host_.waiting(text(kWaitingForSupplier) + (error.holder() ? error.holder()->user : std::string()));
    };
    context.lockRetry.cancelled = [this] { return host_.waitCancelled(); };
    struct EndWait {
        DisbursementsHost& host;
        ~EndWait() { host.waitOver(); }
    } endWait{host_};
    try {
        return posting_.write(prepared, context);
    } catch (const store::StoreError& error) {
        if (error.code() == store::errc::kCancelled) return std::nullopt;
        throw;
    }
}

}  // namespace orvant::disbursements
