#include "purchases_screen.h"

#include "dates/due_date.h"
#include "ui/screen_posting.h"

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
    : EntryScreen(books, posting, host, session, std::move(messageText), std::move(today),
                  {PurchaseField::Supplier, &PurchaseDocument::supplier, &SupplierFacts::expenseAccounts, kWaitingForSupplier,
                   kProjectPurchaseDescription})
{
}

// A reset document may take any supplier again.
void PurchasesScreen::reset()
{
    supplierLocked_ = false;
    EntryScreen::reset();
}

// Row 1 the payable account of the current supplier's currency, rows 2 to 9 the default
// purchase accounts, rows 10 to 15 empty.
void PurchasesScreen::setDefaultRows()
{
    const int currency = currentParty_ ? currentParty_->currency : 0;
    setRowAccount(0, books_.payables().accountFor(currency).value_or(0));
    for (int i = 1; i < kDistributionRows; ++i)
        setRowAccount(i, i <= 8 ? books_.settings().purchaseAccounts[static_cast<std::size_t>(i - 1)] : 0);
}

void PurchasesScreen::leaveSupplierCode(const std::string& text, bool towardsTag13)
{
    if (supplierLocked_) return;
    partyCode_ = CodeAsKept(text);
    if (towardsTag13) return;
    if (HoldsControlCharacter(partyCode_)) return refuse({kControlCharacter, PurchaseField::Supplier});
    const std::optional<SupplierFacts> supplier = books_.findSupplier(partyCode_);
    // Passing again through the code of the supplier shown keeps the document being typed.
    if (supplier && shownParty_ && shownParty_->code == supplier->code) return;
    if (supplier) return acceptParty(*supplier);
    if (partyCode_.empty()) return;
    host_.message(kNoSuchSupplier, KindOf(kNoSuchSupplier));
    reset();
    document_.date = document_.dueDate = today_();
    host_.refresh();
    host_.focus(PurchaseField::Supplier);
}

void PurchasesScreen::pickSupplier()
{
    if (!supplierLocked_) acceptPicked(host_.pickSupplier());
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
    if (auto refusal = CheckInvoiceNumber(books_, partyCode_, document_.type, document_.invoice)) {
        if (refusal->message == kInvoiceExists || refusal->message == kInvoiceNotFound) {
            document_.invoice.clear();
            host_.refresh();
        }
        refuse(*refusal);
    }
}

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
    if (!ui::AskTaxes(host_, posting_, document, answers)) return std::nullopt;
    const Money base = posting_.totals(document).base();
    if (posting_.asksHoldback(document)) answers.holdback = host_.askHoldback(base);
    if (posting_.asksProjects(document))
        if (auto projects = host_.askProjects(base)) answers.projects = std::move(*projects);
    return answers;
}

}  // namespace orvant::purchases
