#include "sales_screen.h"

#include "dates/due_date.h"
#include "ui/screen_posting.h"

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
    : EntryScreen(books, posting, host, session, std::move(messageText), std::move(today),
                  {SalesField::Client, &SalesDocument::client, &ClientFacts::salesAccounts, kWaitingForClient, kProjectSaleDescription})
{
}

// Row 1 the receivable account of the current client's currency, rows 2 to 9 the default
// sales accounts, the hidden rows empty.
void SalesScreen::setDefaultRows()
{
    const int currency = currentParty_ ? currentParty_->currency : 0;
    setRowAccount(0, books_.receivables().accountFor(currency).value_or(0));
    for (int i = 1; i < kDistributionRows; ++i)
        setRowAccount(i, i <= 8 ? books_.settings().salesAccounts[static_cast<std::size_t>(i - 1)] : 0);
}

void SalesScreen::leaveClientCode(const std::string& text, bool towardsTag13)
{
    partyCode_ = CodeAsKept(text);
    if (towardsTag13) return;
    if (HoldsControlCharacter(partyCode_)) return refuse({kControlCharacter, SalesField::Client});
    const std::optional<ClientFacts> client = books_.findClient(partyCode_);
    if (client && client->creditHold) {
        host_.message(kClientOnCreditHold, KindOf(kClientOnCreditHold));
        host_.focus(SalesField::Client);
        return;
    }
    // Passing again through the code of the client shown keeps the document being typed.
    if (client && shownParty_ && shownParty_->code == client->code) return;
    if (client) {
        acceptParty(*client);
        return;
    }
    if (partyCode_.empty()) return;
    host_.message(kNoSuchClient, KindOf(kNoSuchClient));
    reset();
    document_.date = document_.dueDate = today_();
    host_.refresh();
}

void SalesScreen::pickClient() { acceptPicked(host_.pickClient()); }

void SalesScreen::setType(int index)
{
    if (const auto type = TypeFromIndex(index)) document_.type = *type;
}

void SalesScreen::leaveInvoice(const std::string& text, bool towardsTag13)
{
    document_.invoice = InvoiceNumberAsKept(text);
    host_.refresh();
    if (towardsTag13) return;
    if (auto refusal = CheckInvoiceNumber(books_, partyCode_, document_.type, document_.invoice)) refuse(*refusal);
}

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
    if (!ui::AskTaxes(host_, posting_, document, answers)) return std::nullopt;
    const SalesTotals totals = posting_.totals(document);
    if (posting_.asksHoldback(document))
        answers.holdback = host_.askHoldback(totals.net(), totals.federalTax, totals.provincialTax, books_.settings().holdbackChoice);
    if (posting_.asksProjects(document))
        if (auto projects = host_.askProjects(totals.receivable)) answers.projects = std::move(*projects);
    return answers;
}

}  // namespace orvant::sales
