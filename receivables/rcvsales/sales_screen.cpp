#include "sales_screen.h"

#include <QString>

#include "dates/due_date.h"
#include "money/currency_format.h"
#include "sidedialogs/period_number.h"
#include "store/error.h"

namespace orvant::sales {

ui::MessageKind KindOf(SalesMessage message)
{
    switch (message) {
    case kInvoiceExists:
    case kInvoiceNotFound:
    case kEnterReference:
    case kUseDebitColumn:
    case kUseCreditColumn:
    case kOutOfBalance:
    case kCashSaleOnReceivable: return ui::MessageKind::Plain;
    case kAskForComment:
    case kAskPostAgain: return ui::MessageKind::Question;
    case kNoSuchAccount: return ui::MessageKind::Information;
    default: return ui::MessageKind::Information;
    }
}

SalesScreen::SalesScreen(SalesBooks& books, SalesPosting& posting, SalesHost& host, Session& session, MessageText messageText,
                         Today today)
    : books_(books), posting_(posting), host_(host), session_(session), messageText_(std::move(messageText)), today_(std::move(today))
{
}

void SalesScreen::start()
{
    postingPeriod_ = books_.settings().currentPeriod;
    lastDate_ = today_();
    reset();
    host_.focus(SalesField::Client);
}

int SalesScreen::currency() const
{
    if (document_.directCash) return CurrencyFormat::kNoSign;
    return currentClient_ ? currentClient_->currency : 0;
}

// The screen as at start: no client shown, a sale dated the proposed date, the default rows.
void SalesScreen::reset()
{
    clientCode_.clear();
    shownClient_.reset();
    const Date today = today_();
    document_ = SalesDocument{};
    document_.date = lastDate_;
    document_.dueDate = DueDate(today, currentClient_ ? currentClient_->dueDays : 0);
    setDefaultRows();
    host_.refresh();
}

// Row 1 the receivable account of the current client's currency, rows 2 to 9 the default
// sales accounts, the hidden rows empty.
void SalesScreen::setDefaultRows()
{
    const int currency = currentClient_ ? currentClient_->currency : 0;
    setRowAccount(0, books_.receivables().accountFor(currency).value_or(0));
    for (int i = 1; i < kDistributionRows; ++i)
        setRowAccount(i, i <= 8 ? books_.settings().salesAccounts[static_cast<std::size_t>(i - 1)] : 0);
}

void SalesScreen::setRowAccount(int row, int account)
{
    document_.rows.setAccount(row, account, books_.accountDescription(account).value_or(std::string()));
}

bool SalesScreen::enterField(SalesField field)
{
    if (field == SalesField::Client || !clientCode_.empty() || document_.directCash) return true;
    host_.focus(SalesField::Client);
    return false;
}

void SalesScreen::leaveClientCode(const std::string& text, bool towardsTag13)
{
    clientCode_ = CodeAsKept(text);
    if (towardsTag13) return;
    if (HoldsControlCharacter(clientCode_)) return refuse({kControlCharacter, SalesField::Client});
    const std::optional<ClientFacts> client = books_.findClient(clientCode_);
    if (client && client->creditHold) {
        host_.message(kClientOnCreditHold, KindOf(kClientOnCreditHold));
        host_.focus(SalesField::Client);
        return;
    }
    // Passing again through the code of the client shown keeps the document being typed.
    if (client && shownClient_ && shownClient_->code == client->code) return;
    if (client) {
        acceptClient(*client);
        return;
    }
    if (clientCode_.empty()) return;
    host_.message(kNoSuchClient, KindOf(kNoSuchClient));
    reset();
    document_.date = document_.dueDate = today_();
    host_.refresh();
}

// The client's own sales accounts replace the defaults of rows 2 to 4.
void SalesScreen::acceptClient(const ClientFacts& client)
{
    currentClient_ = client;
    reset();
    clientCode_ = client.code;
    shownClient_ = client;
    document_.client = client.code;
    document_.date = lastDate_;
    document_.dueDate = DueDate(lastDate_, client.dueDays);
    for (int i = 0; i < 3; ++i)
        if (const int account = client.salesAccounts[static_cast<std::size_t>(i)]; account != 0) setRowAccount(i + 1, account);
    host_.refresh();
}

void SalesScreen::pickClient()
{
    const std::string code = host_.pickClient();
    if (code.empty()) return;
    const std::optional<ClientFacts> client = books_.findClient(code);
    if (!client) return;
    acceptClient(*client);
    host_.focus(SalesField::Client);
}

void SalesScreen::pickAccount(int row)
{
    const int account = host_.pickAccount();
    if (account == 0 || !books_.accountExists(account)) return;
    leaveAccount(row, std::to_string(account));
}

void SalesScreen::setDirectCash(bool on)
{
    if (!on) {
        document_.directCash = false;
        host_.refresh();
        return;
    }
    document_.directCash = true;
    document_.date = document_.dueDate = lastDate_;
    setDefaultRows();
    host_.refresh();
}

void SalesScreen::setType(int index)
{
    if (const auto type = TypeFromIndex(index)) document_.type = *type;
}

void SalesScreen::leaveInvoice(const std::string& text, bool towardsTag13)
{
    document_.invoice = InvoiceNumberAsKept(text);
    host_.refresh();
    if (towardsTag13) return;
    if (auto refusal = CheckInvoiceNumber(books_, clientCode_, document_.type, document_.invoice)) refuse(*refusal);
}

void SalesScreen::leaveReference(const std::string& text, bool towardsTag13)
{
    document_.reference = CodeAsKept(text);
    if (towardsTag13) return;
    if (auto refusal = CheckReference(document_.type, document_.reference)) refuse(*refusal);
}

void SalesScreen::leaveDate(std::optional<Date> date)
{
    if (!date || !date->isValid()) {
        host_.focus(SalesField::Date);
        return;
    }
    document_.date = *date;
    const std::optional<ClientFacts> client = books_.findClient(clientCode_);
    document_.dueDate = client ? DueDate(*date, client->dueDays) : *date;
    host_.refresh();
}

void SalesScreen::leaveDueDate(std::optional<Date> date)
{
    if (!date || !date->isValid()) {
        host_.focus(SalesField::DueDate);
        return;
    }
    document_.dueDate = *date;
}

void SalesScreen::setComment(const std::string& text) { document_.comment = text; }

void SalesScreen::leaveAccount(int row, const std::string& text)
{
    bool numeric = false;
    const int account = QString::fromStdString(text).trimmed().toInt(&numeric);
    const DistributionRow kept = document_.rows.row(row);
    if (!numeric && !QString::fromStdString(text).trimmed().isEmpty()) {
        document_.rows.setAccount(row, 0, {});
    } else if (account == 0 || books_.accountExists(account)) {
        document_.rows.setAccount(row, account, books_.accountDescription(account).value_or(std::string()));
        document_.rows.setDebit(row, kept.debit);
        document_.rows.setCredit(row, kept.credit);
        host_.refresh();
        return;
    } else {
        document_.rows.setAccount(row, 0, {});
    }
    document_.rows.setDebit(row, kept.debit);
    document_.rows.setCredit(row, kept.credit);
    host_.refresh();
    host_.message(kNoSuchAccount, KindOf(kNoSuchAccount));
    host_.focus(SalesField::RowAccount, row);
}

void SalesScreen::setDescription(int row, const std::string& text) { document_.rows.setDescription(row, text); }

void SalesScreen::leaveDebit(int row, std::optional<Money> amount)
{
    if (!amount) return refuse({kNotANumber, SalesField::RowDebit, row});
    if (amount->isNegative()) return refuse({kNegativeAmount, SalesField::RowDebit, row});
    const bool receivable = books_.receivables().isControlAccount(document_.rows.row(row).account);
    if (receivable && document_.type == SalesType::Credit && *amount > Money()) {
        document_.rows.setDebit(row, Money());
        host_.refresh();
        host_.message(kUseCreditColumn, KindOf(kUseCreditColumn));
        return;
    }
    document_.rows.setDebit(row, *amount);
    host_.refresh();
}

void SalesScreen::leaveCredit(int row, std::optional<Money> amount)
{
    if (!amount) return refuse({kNotANumber, SalesField::RowCredit, row});
    if (amount->isNegative()) return refuse({kNegativeAmount, SalesField::RowCredit, row});
    const bool receivable = books_.receivables().isControlAccount(document_.rows.row(row).account);
    if (receivable && document_.type == SalesType::Debit && *amount > Money()) {
        document_.rows.setCredit(row, Money());
        host_.refresh();
        host_.message(kUseDebitColumn, KindOf(kUseDebitColumn));
        return;
    }
    document_.rows.setCredit(row, *amount);
    host_.refresh();
}

void SalesScreen::changePeriod()
{
    const std::optional<int> period = host_.askPeriod(postingPeriod_);
    if (!period) return;
    postingPeriod_ = *period;
    const int current = books_.settings().currentPeriod;
    periodCaption_ = sidedialogs::PeriodCaption(text(kCaptionPrefix), text(kCaptionBeforePeriod), current, postingPeriod_,
                                                current != 0 && postingPeriod_ != 0 ? books_.periodMonth(postingPeriod_) : std::string());
    host_.refresh();
}

void SalesScreen::cancel()
{
    reset();
    host_.focus(SalesField::Client);
}

void SalesScreen::refuse(const Refusal& refusal)
{
    if (refusal.message == kAskForComment) return host_.focus(refusal.field, refusal.row);  // asked already
    host_.message(refusal.message, refusal.message == kNoSuchAccount && refusal.field == SalesField::RowAccount
                                       ? ui::MessageKind::Error
                                       : KindOf(refusal.message));
    if (refusal.field != SalesField::Totals && refusal.field != SalesField::ProjectLine) host_.focus(refusal.field, refusal.row);
}

// The tax-per-rate, holdback and project dialogs, all answered before anything is written;
// nothing when the user cancels the taxes.
std::optional<PostingAnswers> SalesScreen::askDialogs(const SalesDocument& document)
{
    PostingAnswers answers;
    const auto taxes = posting_.taxLinesToAsk(document);
    if (!taxes.empty()) {
        auto answered = host_.askTaxes(taxes);
        if (!answered) return std::nullopt;
        answers.taxes = std::move(*answered);
    }
    const SalesTotals totals = posting_.totals(document);
    if (posting_.asksHoldback(document))
        answers.holdback = host_.askHoldback(totals.net(), totals.federalTax, totals.provincialTax, books_.settings().holdbackChoice);
    if (posting_.asksProjects(document))
        if (auto projects = host_.askProjects(totals.receivable)) answers.projects = std::move(*projects);
    return answers;
}

bool SalesScreen::accept()
{
    SalesDocument document = document_;
    document.invoice = InvoiceNumberAsKept(document.invoice);
    document.reference = CodeAsKept(document.reference);
    document.client = document.directCash ? std::string() : clientCode_;
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
        std::optional<std::optional<Refusal>> written = write(std::get<PreparedDocument>(prepared), repeat);
        if (!written) return false;  // the user gave up waiting for the client
        refusal = *written;
    }
    if (refusal) {
        refuse(*refusal);
        return false;
    }
    lastDate_ = document.date;
    reset();
    host_.focus(SalesField::Client);
    return true;
}

// The posting, waiting while another workstation holds the client; nothing when the user gives
// up the wait.
std::optional<std::optional<Refusal>> SalesScreen::write(const PreparedDocument& prepared, bool repeatAllowed)
{
    PostingContext context{postingPeriod_, session_.userId, text(kProjectSaleDescription), {}, repeatAllowed};
    context.lockRetry.waiting = [this](const store::StoreError& error) {
        host_.waiting(text(kWaitingForClient) + (error.holder() ? error.holder()->user : std::string()));
    };
    context.lockRetry.cancelled = [this] { return host_.waitCancelled(); };
    struct EndWait {
        SalesHost& host;
        ~EndWait() { host.waitOver(); }
    } endWait{host_};
    try {
        return posting_.write(prepared, context);
    } catch (const store::StoreError& error) {
        if (error.code() == store::errc::kCancelled) return std::nullopt;
        throw;
    }
}

}  // namespace orvant::sales
