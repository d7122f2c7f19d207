#include "purchases_screen.h"

#include <QString>

#include "dates/due_date.h"
#include "money/currency_format.h"
#include "sidedialogs/period_number.h"
#include "store/error.h"

namespace orvant::purchases {

ui::MessageKind KindOf(PurchaseMessage message)
{
    switch (message) {
    case kOutOfBalance:
    case kEnterReference:
    case kUseCreditColumn:
    case kUseDebitColumn: return ui::MessageKind::Plain;
    case kAskForComment:
    case kAskPostAgain: return ui::MessageKind::Question;
    default: return ui::MessageKind::Information;
    }
}

PurchasesScreen::PurchasesScreen(PurchaseBooks& books, PurchasePosting& posting, PurchasesHost& host, Session& session,
                                 MessageText messageText, Today today)
    : books_(books), posting_(posting), host_(host), session_(session), messageText_(std::move(messageText)), today_(std::move(today))
{
}

void PurchasesScreen::start()
{
    postingPeriod_ = books_.settings().currentPeriod;
    lastDate_ = today_();
    reset();
    host_.focus(PurchaseField::Supplier);
}

int PurchasesScreen::currency() const
{
    if (document_.directCash) return CurrencyFormat::kNoSign;
    return currentSupplier_ ? currentSupplier_->currency : 0;
}

// The screen as at start: no supplier shown, a purchase dated the proposed date and due by the
// terms of the last supplier found, the default rows.
void PurchasesScreen::reset()
{
    supplierCode_.clear();
    shownSupplier_.reset();
    supplierLocked_ = false;
    document_ = PurchaseDocument{};
    document_.date = lastDate_;
    document_.dueDate = DueDate(today_(), currentSupplier_ ? currentSupplier_->dueDays : 0);
    setDefaultRows();
    host_.refresh();
}

// Row 1 the payable account of the current supplier's currency, rows 2 to 9 the default
// purchase accounts, rows 10 to 15 empty.
void PurchasesScreen::setDefaultRows()
{
    const int currency = currentSupplier_ ? currentSupplier_->currency : 0;
    setRowAccount(0, books_.payables().accountFor(currency).value_or(0));
    for (int i = 1; i < kDistributionRows; ++i)
        setRowAccount(i, i <= 8 ? books_.settings().purchaseAccounts[static_cast<std::size_t>(i - 1)] : 0);
}

void PurchasesScreen::setRowAccount(int row, int account)
{
    document_.rows.setAccount(row, account, books_.accountDescription(account).value_or(std::string()));
}

bool PurchasesScreen::enterField(PurchaseField field)
{
    if (field == PurchaseField::Supplier || !supplierCode_.empty() || document_.directCash) return true;
    host_.focus(PurchaseField::Supplier);
    return false;
}

void PurchasesScreen::leaveSupplierCode(const std::string& text, bool towardsTag13)
{
    if (supplierLocked_) return;
    supplierCode_ = CodeAsKept(text);
    if (towardsTag13) return;
    if (HoldsControlCharacter(supplierCode_)) return refuse({kControlCharacter, PurchaseField::Supplier});
    const std::optional<SupplierFacts> supplier = books_.findSupplier(supplierCode_);
    // Passing again through the code of the supplier shown keeps the document being typed.
    if (supplier && shownSupplier_ && shownSupplier_->code == supplier->code) return;
    if (supplier) return acceptSupplier(*supplier);
    if (supplierCode_.empty()) return;
    host_.message(kNoSuchSupplier, KindOf(kNoSuchSupplier));
    reset();
    document_.date = document_.dueDate = today_();
    host_.refresh();
    host_.focus(PurchaseField::Supplier);
}

// The supplier's own expense accounts replace the defaults of rows 2 to 4.
void PurchasesScreen::acceptSupplier(const SupplierFacts& supplier)
{
    currentSupplier_ = supplier;
    reset();
    supplierCode_ = supplier.code;
    shownSupplier_ = supplier;
    document_.supplier = supplier.code;
    document_.date = lastDate_;
    document_.dueDate = DueDate(lastDate_, supplier.dueDays);
    for (int i = 0; i < 3; ++i)
        if (const int account = supplier.expenseAccounts[static_cast<std::size_t>(i)]; account != 0) setRowAccount(i + 1, account);
    host_.refresh();
}

void PurchasesScreen::pickSupplier()
{
    if (supplierLocked_) return;
    const std::string code = host_.pickSupplier();
    if (code.empty()) return;
    const std::optional<SupplierFacts> supplier = books_.findSupplier(code);
    if (!supplier) return;
    acceptSupplier(*supplier);
    host_.focus(PurchaseField::Supplier);
}

void PurchasesScreen::pickAccount(int row)
{
    const int account = host_.pickAccount();
    if (account == 0 || !books_.accountExists(account)) return;
    leaveAccount(row, std::to_string(account));
}

void PurchasesScreen::setDirectCash(bool on)
{
    document_.directCash = on;
    if (on) {
        document_.date = document_.dueDate = lastDate_;
        setDefaultRows();
    }
    host_.refresh();
}

void PurchasesScreen::setType(int index)
{
    if (const auto type = TypeFromIndex(index)) document_.type = *type;
}

void PurchasesScreen::leaveInvoice(const std::string& text, bool towardsTag13)
{
    document_.invoice = InvoiceNumberAsKept(text);
    if (!document_.invoice.empty() && !towardsTag13) supplierLocked_ = true;
    host_.refresh();
    if (towardsTag13) return;
    if (auto refusal = CheckInvoiceNumber(books_, supplierCode_, document_.type, document_.invoice)) {
        if (refusal->message == kInvoiceExists || refusal->message == kInvoiceNotFound) {
            document_.invoice.clear();
            host_.refresh();
        }
        refuse(*refusal);
    }
}

void PurchasesScreen::leaveReference(const std::string& text, bool towardsTag13)
{
    document_.reference = CodeAsKept(text);
    if (towardsTag13) return;
    if (auto refusal = CheckReference(document_.type, document_.reference)) refuse(*refusal);
}

void PurchasesScreen::leaveDate(std::optional<Date> date)
{
    if (!date || !date->isValid()) return host_.focus(PurchaseField::Date);
    document_.date = *date;
    const std::optional<SupplierFacts> supplier = books_.findSupplier(supplierCode_);
    document_.dueDate = supplier ? DueDate(*date, supplier->dueDays) : *date;
    host_.refresh();
}

void PurchasesScreen::leaveDueDate(std::optional<Date> date)
{
    if (!date || !date->isValid()) return host_.focus(PurchaseField::DueDate);
    document_.dueDate = *date;
}

void PurchasesScreen::setComment(const std::string& text) { document_.comment = text; }

void PurchasesScreen::leaveAccount(int row, const std::string& text)
{
    const QString typed = QString::fromStdString(text).trimmed();
    bool numeric = false;
    const int account = typed.toInt(&numeric);
    const DistributionRow kept = document_.rows.row(row);
    const bool known = (numeric || typed.isEmpty()) && (account == 0 || books_.accountExists(account));
    document_.rows.setAccount(row, known ? account : 0, known ? books_.accountDescription(account).value_or(std::string()) : std::string());
    document_.rows.setDebit(row, kept.debit);
    document_.rows.setCredit(row, kept.credit);
    host_.refresh();
    if (known) return;
    host_.message(kNoSuchAccount, KindOf(kNoSuchAccount));
    host_.focus(PurchaseField::RowAccount, row);
}

void PurchasesScreen::setDescription(int row, const std::string& text) { document_.rows.setDescription(row, text); }

// A purchase or a debit note raises what the supplier is owed: its payable row is a credit; a
// credit note lowers it: its payable row is a debit. An adjustment takes either side.
bool PurchasesScreen::payableTakesOtherColumn(int row, bool debit) const
{
    if (!books_.payables().isControlAccount(document_.rows.row(row).account)) return false;
    switch (document_.type) {
    case PurchaseType::Purchase:
    case PurchaseType::Debit: return debit;
    case PurchaseType::Credit: return !debit;
    default: return false;
    }
}

void PurchasesScreen::leaveDebit(int row, std::optional<Money> amount)
{
    if (!amount) return refuse({kNotANumber, PurchaseField::RowDebit, row});
    if (amount->isNegative()) return refuse({kNegativeAmount, PurchaseField::RowDebit, row});
    const bool refused = *amount > Money() && payableTakesOtherColumn(row, true);
    document_.rows.setDebit(row, refused ? Money() : *amount);
    host_.refresh();
    if (refused) host_.message(kUseCreditColumn, KindOf(kUseCreditColumn));
}

void PurchasesScreen::leaveCredit(int row, std::optional<Money> amount)
{
    if (!amount) return refuse({kNotANumber, PurchaseField::RowCredit, row});
    if (amount->isNegative()) return refuse({kNegativeAmount, PurchaseField::RowCredit, row});
    const bool refused = *amount > Money() && payableTakesOtherColumn(row, false);
    document_.rows.setCredit(row, refused ? Money() : *amount);
    host_.refresh();
    if (refused) host_.message(kUseDebitColumn, KindOf(kUseDebitColumn));
}

void PurchasesScreen::changePeriod()
{
    const std::optional<int> period = host_.askPeriod(postingPeriod_);
    if (!period) return;
    postingPeriod_ = *period;
    const int current = books_.settings().currentPeriod;
    periodCaption_ = sidedialogs::PeriodCaption(text(kCaptionPrefix), text(kCaptionBeforePeriod), current, postingPeriod_,
                                                current != 0 && postingPeriod_ != 0 ? books_.periodMonth(postingPeriod_) : std::string());
    host_.refresh();
}

void PurchasesScreen::cancel()
{
    reset();
    host_.focus(PurchaseField::Supplier);
}

void PurchasesScreen::refuse(const Refusal& refusal)
{
    if (refusal.message == kAskForComment) return host_.focus(refusal.field, refusal.row);  // asked already
    const bool accountAtAccept = refusal.message == kNoSuchAccount && refusal.field == PurchaseField::RowAccount;
    host_.message(refusal.message, accountAtAccept ? ui::MessageKind::Error : KindOf(refusal.message));
    switch (refusal.field) {
    case PurchaseField::Totals:
    case PurchaseField::Holdback:
    case PurchaseField::ProjectLine: return;
    default: host_.focus(refusal.field, refusal.row);
    }
}

// The tax-per-rate, holdback and project dialogs, all answered before anything is written;
// nothing when the user cancels the taxes. The holdback and the projects are offered what the
// document owes the supplier, without its sign.
std::optional<PostingAnswers> PurchasesScreen::askDialogs(const PurchaseDocument& document)
{
    PostingAnswers answers;
    const auto taxes = posting_.taxLinesToAsk(document);
    if (!taxes.empty()) {
        auto answered = host_.askTaxes(taxes);
        if (!answered) return std::nullopt;
        answers.taxes = std::move(*answered);
    }
    const Money base = posting_.totals(document).base();
    if (posting_.asksHoldback(document)) answers.holdback = host_.askHoldback(base);
    if (posting_.asksProjects(document))
        if (auto projects = host_.askProjects(base)) answers.projects = std::move(*projects);
    return answers;
}

bool PurchasesScreen::accept()
{
    PurchaseDocument document = document_;
    document.invoice = InvoiceNumberAsKept(document.invoice);
    document.reference = CodeAsKept(document.reference);
    document.supplier = document.directCash ? std::string() : supplierCode_;
    session_.ledgerCode = "N";
    books_.forgetAccounts();
    const auto wantsComment = [this] { return host_.message(kAskForComment, ui::MessageKind::Question) == ui::Answer::Yes; };
    if (auto refusal = CheckDocument(books_, document, wantsComment)) {
        refuse(*refusal);
        return false;
    }
    const bool repeat = LooksPostedAlready(books_, document);
    if (repeat && host_.message(kAskPostAgain, KindOf(kAskPostAgain)) != ui::Answer::Yes) return false;
    // Back to "N" however Accept ends: posted, refused, given up, or failed in the store.
    session_.ledgerCode = "Y";
    struct LedgerCodeBack {
        Session& session;
        ~LedgerCodeBack() { session.ledgerCode = "N"; }
    } ledgerCodeBack{session_};
    std::optional<PostingAnswers> answers = askDialogs(document);
    if (!answers) return false;
    auto prepared = posting_.prepare(document, std::move(*answers));
    std::optional<Refusal> refusal;
    if (auto* refused = std::get_if<Refusal>(&prepared)) refusal = *refused;
    if (!refusal) {
        std::optional<std::optional<Refusal>> written = write(std::get<PreparedPurchase>(prepared), repeat);
        if (!written) return false;  // the user gave up waiting for the supplier
        refusal = *written;
    }
    if (refusal) {
        refuse(*refusal);
        return false;
    }
    lastDate_ = document.date;
    reset();
    host_.focus(PurchaseField::Supplier);
    return true;
}

// The posting, waiting while another workstation holds the supplier; nothing when the user
// gives up the wait.
std::optional<std::optional<Refusal>> PurchasesScreen::write(const PreparedPurchase& prepared, bool repeatAllowed)
{
    PostingContext context{postingPeriod_, session_.userId, text(kProjectPurchaseDescription), {}, repeatAllowed};
    context.lockRetry.waiting = [this](const store::StoreError& error) {
        host_.waiting(text(kWaitingForSupplier) + (error.holder() ? error.holder()->user : std::string()));
    };
    context.lockRetry.cancelled = [this] { return host_.waitCancelled(); };
    struct EndWait {
        PurchasesHost& host;
        ~EndWait() { host.waitOver(); }
    } endWait{host_};
    try {
        return posting_.write(prepared, context);
    } catch (const store::StoreError& error) {
        if (error.code() == store::errc::kCancelled) return std::nullopt;
        throw;
    }
}

}  // namespace orvant::purchases
