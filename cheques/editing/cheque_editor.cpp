#include "cheque_editor.h"

#include <algorithm>
#include <charconv>

#include <QString>

#include "cheque_rules.h"
#include "cheque_tax_lines.h"
#include "cheque_writer.h"

namespace orvant::cheques {

namespace {

constexpr std::size_t kPayableSlot = 0;
constexpr std::size_t kBankSlot = 1;
constexpr int kFirstTypedSlot = 3;
constexpr int kLastSlot = kChequeSlots;
// Where the amounts of a cheque to a payee who is not a supplier go.
constexpr int kPayeeSlot = 4;

std::string trimmed(const std::string& text) { return QString::fromStdString(text).trimmed().toStdString(); }

// Supplier codes are kept in capitals, however they are typed.
std::string supplierCode(const std::string& text) { return QString::fromStdString(text).trimmed().toUpper().toStdString(); }

// An account typed in a slot: empty is none; anything but digits is no account.
std::optional<int> accountNumber(const std::string& text)
{
    const std::string digits = trimmed(text);
    if (digits.empty()) return 0;
    int account = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), account);
    if (error != std::errc() || end != digits.data() + digits.size() || account < 0) return std::nullopt;
    return account;
}

bool typedSlot(int slot) { return slot >= kFirstTypedSlot && slot <= kLastSlot; }

// A discount that a cheque of this date takes after its item was due.
bool lateDiscount(const ChequeLine& line, Date chequeDate)
{
    return !line.supplier.empty() && line.discount > Money() && line.dueDate.isValid() && chequeDate.isValid() &&
           chequeDate > line.dueDate;
}

ChequeMessage messageFor(ChequeFault fault)
{
    switch (fault) {
    case ChequeFault::LineSign:
    case ChequeFault::LineAboveOpen: return kLineAgainstBalance;
    case ChequeFault::DiscountRange: return kDiscountOutOfRange;
    case ChequeFault::NegativeTotal: return kNegativeCheque;
    case ChequeFault::Unbalanced: return kOutOfBalance;
    case ChequeFault::SlotWithoutAccount: return kSlotNeedsAccount;
    case ChequeFault::AmountTooLarge: return kTooLargeForWords;
    }
    return kOutOfBalance;
}

}  // namespace

ChequeEditor::ChequeEditor(store::Database& books, ChequeSet set, ChequeEditorHost& host, const Session& session,
                           Today today, store::LockRetry retry)
    : books_(books), store_(books, set), set_(set), host_(host), session_(session), today_(std::move(today)),
      retry_(std::move(retry)), wording_(books, WordsLanguageOf(session.language))
{
    if (set_ == ChequeSet::List) inUse_.emplace(ChequeListLock::take(books, ChequeListUse::Shared));
    writer_ = std::make_unique<ChequeWriter>(books, set, session_.userId, retry_);
    readSequences();
    showAt(0);
}

ChequeEditor::~ChequeEditor() = default;

int ChequeEditor::currency() const
{
    if (supplier_) return supplier_->facts.currency;
    const std::optional<int> entry = bankEntry();
    return entry ? bankEntries()[static_cast<std::size_t>(*entry)].currency() : 0;
}

std::optional<Money> ChequeEditor::openBalance(int row) const
{
    if (set_ != ChequeSet::List || row < 0 || row >= static_cast<int>(cheque_.lines.size())) return std::nullopt;
    const ChequeLine& line = cheque_.lines[static_cast<std::size_t>(row)];
    if (line.supplier.empty()) return std::nullopt;
    for (const OpenItem& item : items_)
        if (item.invoice == line.invoice && item.holdback == line.holdback) return item.amount;
    return std::nullopt;
}

// ---- the navigator

void ChequeEditor::readSequences() { sequences_ = store_.sequences(); }

void ChequeEditor::showAt(std::size_t position)
{
    if (sequences_.empty()) {
        position_ = 0;
        show(std::nullopt);
        return;
    }
    position_ = std::min(position, sequences_.size() - 1);
    show(sequences_[position_]);
}

void ChequeEditor::show(std::optional<int> seq)
{
    mode_ = EditorMode::Browse;
    stale_ = false;
    stored_ = seq ? store_.read(*seq) : std::nullopt;
    cheque_ = stored_.value_or(Cheque{});
    supplier_ = books_.findSupplier(cheque_.supplier);
    items_ = supplier_ && set_ == ChequeSet::List ? books_.openItems().items(cheque_.supplier) : std::vector<OpenItem>{};
    host_.refresh();
}

void ChequeEditor::first()
{
    if (inputEnabled()) return;
    readSequences();
    showAt(0);
}

void ChequeEditor::last()
{
    if (inputEnabled()) return;
    readSequences();
    showAt(sequences_.empty() ? 0 : sequences_.size() - 1);
}

// The cheques are read again at each move, so those other workstations added or deleted count.
void ChequeEditor::prior()
{
    if (inputEnabled()) return;
    const int current = stored_ ? stored_->seq : 0;
    readSequences();
    const auto at = std::lower_bound(sequences_.begin(), sequences_.end(), current) - sequences_.begin();
    showAt(at > 0 ? static_cast<std::size_t>(at - 1) : 0);
}

void ChequeEditor::next()
{
    if (inputEnabled()) return;
    const int current = stored_ ? stored_->seq : 0;
    readSequences();
    const auto at = std::upper_bound(sequences_.begin(), sequences_.end(), current) - sequences_.begin();
    showAt(static_cast<std::size_t>(at));
}

void ChequeEditor::refresh()
{
    if (inputEnabled()) return;
    showNear(stored_ ? stored_->seq : 0);
}

bool ChequeEditor::showNear(int seq)
{
    readSequences();
    const auto at = std::lower_bound(sequences_.begin(), sequences_.end(), seq) - sequences_.begin();
    showAt(static_cast<std::size_t>(at));
    return stored_ && stored_->seq == seq;
}

// The cheque shown, as another workstation may have left it while this one browsed; one gone
// meanwhile is said so and the next one shown.
bool ChequeEditor::readShownAgain()
{
    if (showNear(stored_->seq)) return true;
    host_.message(kDeletedElsewhere, KindOf(kDeletedElsewhere));
    return false;
}

void ChequeEditor::insert()
{
    if (inputEnabled()) return;
    Cheque fresh;
    fresh.seq = store_.nextSequence();
    fresh.date = today_();
    if (!bankEntries().empty()) fresh.accounts[kBankSlot] = bankEntries().front().account;
    const auto& proposed = books_.proposedAccounts();
    std::copy(proposed.begin(), proposed.end(), fresh.accounts.begin() + 2);
    cheque_ = std::move(fresh);
    supplier_.reset();
    items_.clear();
    stale_ = false;
    mode_ = EditorMode::Insert;
    rebuildWords();
    host_.showPage(EditorPage::General);
    host_.focus(set_ == ChequeSet::List ? EditorField::SupplierCode : EditorField::Name);
    host_.refresh();
}

bool ChequeEditor::edit()
{
    if (inputEnabled() || !stored_ || !readShownAgain()) return false;
    if (!cheque_.number.empty() && host_.message(kAskVoidNumber, KindOf(kAskVoidNumber)) != ui::Answer::Yes) return false;
    mode_ = EditorMode::Edit;
    stale_ = false;
    host_.showPage(EditorPage::General);
    host_.focus(set_ == ChequeSet::List ? EditorField::SupplierCode : EditorField::Name);
    host_.refresh();
    return true;
}

void ChequeEditor::cancel()
{
    if (!inputEnabled()) return;
    show(stored_ ? std::optional<int>(stored_->seq) : std::nullopt);
}

bool ChequeEditor::remove()
{
    if (inputEnabled() || !stored_ || !readShownAgain()) return false;
    // Asked here, on the cheque as it now stands: a key press alone never deletes one.
    if (host_.message(kAskDelete, KindOf(kAskDelete)) != ui::Answer::Yes) return false;
    if (!stored_->number.empty() && host_.message(kAskVoidNumber, KindOf(kAskVoidNumber)) != ui::Answer::Yes) return false;
    const WriteResult result = writer_->remove(*stored_);
    if (result.outcome == WriteOutcome::ChangedElsewhere) host_.message(kChangedElsewhere, KindOf(kChangedElsewhere));
    refresh();
    return result.outcome != WriteOutcome::ChangedElsewhere;
}

// ---- Save

bool ChequeEditor::save(EditorPage from)
{
    if (!inputEnabled()) return false;
    // A line left without invoice is no line, unless it holds an amount: that is never dropped unseen.
    for (int row = 0; row < static_cast<int>(cheque_.lines.size()); ++row) {
        const ChequeLine& line = cheque_.lines[static_cast<std::size_t>(row)];
        if (trimmed(line.invoice).empty() && (!line.amount.isZero() || !line.discount.isZero()))
            return refuse(kLineWithoutInvoice, EditorField::LineInvoice, row);
    }
    const auto empty = std::remove_if(cheque_.lines.begin(), cheque_.lines.end(),
                                      [](const ChequeLine& line) { return trimmed(line.invoice).empty(); });
    if (empty != cheque_.lines.end()) {
        cheque_.lines.erase(empty, cheque_.lines.end());
        linesChanged();
    }
    if (!checkLines()) return false;
    if (stale_ && from == EditorPage::General) {
        ProposeDistribution(cheque_);
        stale_ = false;
        rebuildWords();
        // A cheque to a payee who is not a supplier is spread by the user: its distribution is
        // shown before it is first stored.
        if (cheque_.supplier.empty()) {
            host_.showPage(EditorPage::Distribution);
            host_.focus(EditorField::SlotAccount, kPayeeSlot);
            host_.refresh();
            return false;
        }
    }
    if (!checkDistribution()) return false;
    if (books_.taxSystem() != 0) askTaxes();
    else cheque_.taxLines.clear();

    const WriteResult result = writer_->write(mode_ == EditorMode::Edit ? stored_ : std::nullopt, cheque_);
    switch (result.outcome) {
    case WriteOutcome::Written: return finishSave(result.seq);
    case WriteOutcome::ItemOnOtherCheque: return refuse(kItemOnOtherCheque, EditorField::LineInvoice, result.line);
    case WriteOutcome::ChangedElsewhere:
        host_.message(kChangedElsewhere, KindOf(kChangedElsewhere));
        show(result.seq);
        return false;
    case WriteOutcome::DeletedElsewhere:
        host_.message(kDeletedElsewhere, KindOf(kDeletedElsewhere));
        mode_ = EditorMode::Browse;
        refresh();
        return false;
    }
    return false;
}

// Each line pays an item of the supplier's ledger once, within its open balance, and its
// discount lies between 0 and its amount. The supplier's items are read again first: a
// payment posted meanwhile shows.
bool ChequeEditor::checkLines()
{
    if (supplier_ && set_ == ChequeSet::List) items_ = books_.openItems().items(cheque_.supplier);
    for (int row = 0; row < static_cast<int>(cheque_.lines.size()); ++row) {
        const ChequeLine& line = cheque_.lines[static_cast<std::size_t>(row)];
        if (set_ == ChequeSet::List && !line.supplier.empty()) {
            if (!openBalance(row)) return refuse(kNoSuchInvoice, EditorField::LineInvoice, row);
            for (int other = 0; other < row; ++other)
                if (cheque_.lines[static_cast<std::size_t>(other)].sameItem(line))
                    return refuse(kInvoiceOnCheque, EditorField::LineInvoice, row);
        }
        if (set_ == ChequeSet::Recurring && (line.amount.isNegative() || line.discount.isNegative()))
            return refuse(kNegativeRefused, line.amount.isNegative() ? EditorField::LineAmount : EditorField::LineDiscount, row);
        if (const auto fault = CheckLine(line, openBalance(row)))
            return refuse(messageFor(*fault), *fault == ChequeFault::DiscountRange ? EditorField::LineDiscount : EditorField::LineAmount, row);
    }
    return true;
}

// The free slots' accounts, then the cheque's own checks, the first fault found refusing.
bool ChequeEditor::checkDistribution()
{
    for (int slot = kFirstTypedSlot; slot <= kLastSlot; ++slot)
        if (!slotAmount(slot).isZero() && !books_.accountExists(slotAccount(slot)))
            return refuse(kNoSuchAccount, EditorField::SlotAccount, slot);
    for (int slot = kFirstTypedSlot; slot <= kLastSlot; ++slot)
        if (books_.isReservedAccount(slotAccount(slot))) return refuse(kReservedAccount, EditorField::SlotAccount, slot);
    if (!cheque_.slotAmounts[kPayableSlot].isZero() && cheque_.supplier.empty())
        return refuse(kPayableNeedsSupplier, EditorField::SlotAmount, 1);

    const std::vector<ChequeProblem> problems = CheckCheque(cheque_);
    const ChequeFault order[] = {ChequeFault::SlotWithoutAccount, ChequeFault::Unbalanced, ChequeFault::NegativeTotal,
                                 ChequeFault::DiscountRange, ChequeFault::AmountTooLarge};
    for (ChequeFault fault : order)
        for (const ChequeProblem& problem : problems) {
            if (problem.fault != fault) continue;
            switch (fault) {
            case ChequeFault::SlotWithoutAccount: return refuse(kSlotNeedsAccount, EditorField::SlotAccount, problem.index + 1);
            case ChequeFault::Unbalanced: return refuse(kOutOfBalance, EditorField::SlotAmount, kFirstTypedSlot);
            case ChequeFault::DiscountRange: return refuse(kDiscountOutOfRange, EditorField::LineDiscount, problem.index);
            default: return refuse(messageFor(fault), EditorField::LineAmount, 0);
            }
        }
    return true;
}

// The tax paid per rate, asked before anything is written; the net amounts the user leaves
// (or those proposed, when the dialog is cancelled) are stored with the cheque.
void ChequeEditor::askTaxes()
{
    std::vector<sidedialogs::TaxPerRateLine> lines = TaxLinesToAsk(cheque_, books_.taxRates());
    if (!lines.empty())
        if (auto typed = host_.askTaxes(lines)) lines = std::move(*typed);
    cheque_.taxLines = ChequeTaxLines(lines);
}

bool ChequeEditor::finishSave(int seq)
{
    readSequences();
    const auto at = std::lower_bound(sequences_.begin(), sequences_.end(), seq) - sequences_.begin();
    showAt(static_cast<std::size_t>(at));
    host_.showPage(EditorPage::General);
    return true;
}

// ---- the header

void ChequeEditor::enterSupplier() { enteredCode_ = cheque_.supplier; }

bool ChequeEditor::leaveSupplier(const std::string& text)
{
    if (!inputEnabled() || set_ != ChequeSet::List) return false;
    const std::string code = supplierCode(text);
    if (code == cheque_.supplier && (code.empty() || supplier_)) return true;
    if (!cheque_.lines.empty()) {
        // The lines pay the former supplier's items: it stays.
        host_.refresh();
        return false;
    }
    const std::optional<ChequeSupplier> supplier = books_.findSupplier(code);
    if (!supplier) {
        cheque_.supplier.clear();
        supplier_.reset();
        items_.clear();
        cheque_.accounts[kPayableSlot] = 0;
        ComputeFollowingSlots(cheque_);
        rebuildWords();
        return code.empty() ? (host_.refresh(), true) : refuse(kNoSuchSupplier, EditorField::SupplierCode);
    }
    applySupplier(*supplier, code != enteredCode_);
    return true;
}

void ChequeEditor::applySupplier(const ChequeSupplier& supplier, bool copyAddress)
{
    cheque_.supplier = supplier.facts.code;
    supplier_ = supplier;
    if (copyAddress) copyPayee(supplier.facts, supplier.country);
    // A supplier without a bank account of its own leaves the cheque's.
    if (supplier.facts.bankAccount != 0) cheque_.accounts[kBankSlot] = supplier.facts.bankAccount;
    cheque_.accounts[kPayableSlot] = books_.payableAccount(supplier.facts.currency).value_or(0);
    items_ = books_.openItems().items(cheque_.supplier);
    ComputeFollowingSlots(cheque_);
    rebuildWords();
    host_.refresh();
}

void ChequeEditor::copyPayee(const SupplierFacts& facts, const std::string& country)
{
    cheque_.name = facts.name;
    cheque_.address1 = facts.address1;
    cheque_.address2 = facts.address2;
    cheque_.city = facts.city;
    cheque_.postalCode = facts.postalCode;
    cheque_.province = facts.province;
    cheque_.country = country;
}

void ChequeEditor::pickSupplier()
{
    if (!supplierCodeEditable()) return;
    const std::string code = host_.pickSupplier();
    if (code.empty()) return;
    const std::optional<ChequeSupplier> supplier = books_.findSupplier(code);
    if (!supplier) {
        refuse(kNoSuchSupplier, EditorField::SupplierCode);
        return;
    }
    applySupplier(*supplier, true);
}

void ChequeEditor::pickPayee()
{
    if (!inputEnabled() || (set_ == ChequeSet::Recurring && !cheque_.supplier.empty())) return;
    const std::string code = host_.pickSupplier();
    if (code.empty()) return;
    if (const std::optional<ChequeSupplier> payee = books_.findSupplier(code)) copyPayee(payee->facts, payee->country);
    host_.refresh();
}

bool ChequeEditor::leaveDate(Date date)
{
    if (!inputEnabled() || !date.isValid()) {
        host_.focus(EditorField::Date);
        return false;
    }
    for (const ChequeLine& line : cheque_.lines)
        if (!lateDiscount(line, cheque_.date) && lateDiscount(line, date)) {
            if (host_.message(kAskLateDiscount, KindOf(kAskLateDiscount)) != ui::Answer::Yes) {
                host_.focus(EditorField::Date);
                host_.refresh();
                return false;
            }
            break;
        }
    cheque_.date = date;
    host_.refresh();
    return true;
}

void ChequeEditor::setPayee(PayeeField field, const std::string& text)
{
    if (!inputEnabled()) return;
    std::string* target[] = {&cheque_.name, &cheque_.address1, &cheque_.address2, &cheque_.city,
                             &cheque_.postalCode, &cheque_.province, &cheque_.country};
    *target[static_cast<int>(field)] = text;
}

void ChequeEditor::setBank(int entry)
{
    if (!bankEnabled() || entry < 0 || entry >= static_cast<int>(bankEntries().size())) return;
    cheque_.accounts[kBankSlot] = bankEntries()[static_cast<std::size_t>(entry)].account;
    rebuildWords();
    host_.refresh();
}

// ---- the lines

ChequeLine* ChequeEditor::line(int row)
{
    if (!inputEnabled() || row < 0 || row >= static_cast<int>(cheque_.lines.size())) return nullptr;
    return &cheque_.lines[static_cast<std::size_t>(row)];
}

int ChequeEditor::addLine()
{
    if (!inputEnabled()) return -1;
    ChequeLine added;
    if (set_ == ChequeSet::List) added.supplier = cheque_.supplier;
    if (added.supplier.empty()) added.date = added.dueDate = today_();
    cheque_.lines.push_back(added);
    host_.refresh();
    return static_cast<int>(cheque_.lines.size()) - 1;
}

bool ChequeEditor::leaveInvoice(int row, const std::string& text)
{
    ChequeLine* edited = line(row);
    if (!edited) return false;
    const std::string invoice = trimmed(text);
    if (invoice == edited->invoice) return true;
    if (set_ != ChequeSet::List || cheque_.supplier.empty() || invoice.empty()) {
        edited->invoice = invoice;
        host_.refresh();
        return true;
    }
    // The invoice's items in turn (the invoice, then its holdback): the first not on the cheque.
    bool known = false;
    for (const OpenItem& item : items_) {
        if (item.invoice != invoice) continue;
        known = true;
        const auto onCheque = std::find_if(cheque_.lines.begin(), cheque_.lines.end(), [&](const ChequeLine& other) {
            return &other != edited && other.invoice == item.invoice && other.holdback == item.holdback;
        });
        if (onCheque == cheque_.lines.end()) return !itemRefused(row, item);
    }
    // The row keeps the item it paid before.
    return refuse(known ? kInvoiceOnCheque : kNoSuchInvoice, EditorField::LineInvoice, row);
}

// Puts the item on the row unless another cheque of the list pays it (the row then keeps what
// it paid before): the row settles what the item owes, without discount.
bool ChequeEditor::itemRefused(int row, const OpenItem& item)
{
    ChequeLine& taken = cheque_.lines[static_cast<std::size_t>(row)];
    const std::optional<int> payer = store_.chequeOf(cheque_.supplier, item.invoice, item.holdback);
    if (payer && (mode_ == EditorMode::Insert || *payer != cheque_.seq)) {
        refuse(kItemOnOtherCheque, EditorField::LineInvoice, row);
        return true;
    }
    taken.supplier = cheque_.supplier;
    taken.invoice = item.invoice;
    taken.holdback = item.holdback;
    taken.date = item.date;
    taken.dueDate = item.dueDate;
    taken.amount = item.amount;
    taken.discount = Money();
    linesChanged();
    return false;
}

bool ChequeEditor::pickInvoice(int row)
{
    if (!inputEnabled() || set_ != ChequeSet::List || cheque_.supplier.empty()) return false;
    std::vector<OpenItem> choices;
    for (const OpenItem& item : items_) {
        if (item.amount <= Money()) continue;
        const std::optional<int> payer = store_.chequeOf(cheque_.supplier, item.invoice, item.holdback);
        if (payer && (mode_ == EditorMode::Insert || *payer != cheque_.seq)) continue;
        choices.push_back(item);
    }
    const std::optional<std::size_t> chosen = host_.pickInvoice(choices);
    if (!chosen || *chosen >= choices.size()) return false;
    const OpenItem& item = choices[*chosen];
    const bool onCheque = std::any_of(cheque_.lines.begin(), cheque_.lines.end(), [&](const ChequeLine& other) {
        return other.invoice == item.invoice && other.holdback == item.holdback;
    });
    if (onCheque) return refuse(kInvoiceOnCheque, EditorField::LineInvoice, row);
    // The row picked for, when it has no invoice yet; else a row of its own.
    if (!line(row) || !trimmed(cheque_.lines[static_cast<std::size_t>(row)].invoice).empty()) row = addLine();
    return !itemRefused(row, item);
}

void ChequeEditor::setLineDate(int row, Date date)
{
    // The dates of a supplier's item are the ledger's.
    if (ChequeLine* edited = line(row); edited && edited->supplier.empty()) edited->date = date;
}

void ChequeEditor::setLineDueDate(int row, Date date)
{
    if (ChequeLine* edited = line(row); edited && edited->supplier.empty()) edited->dueDate = date;
}

bool ChequeEditor::setLineAmount(int row, Money amount)
{
    ChequeLine* edited = line(row);
    if (!edited) return false;
    if (set_ == ChequeSet::Recurring && amount.isNegative()) {
        edited->amount = Money();
        linesChanged();
        return refuse(kNegativeRefused, EditorField::LineAmount, row);
    }
    ChequeLine changed = *edited;
    changed.amount = amount;
    if (const auto fault = CheckLine(changed, openBalance(row))) return refuse(messageFor(*fault), EditorField::LineAmount, row);
    *edited = changed;
    linesChanged();
    return true;
}

bool ChequeEditor::setLineDiscount(int row, Money discount)
{
    ChequeLine* edited = line(row);
    if (!edited) return false;
    if (set_ == ChequeSet::Recurring && discount.isNegative()) {
        edited->discount = Money();
        linesChanged();
        return refuse(kNegativeRefused, EditorField::LineDiscount, row);
    }
    ChequeLine changed = *edited;
    changed.discount = discount;
    if (CheckLine(changed, std::nullopt)) return refuse(kDiscountOutOfRange, EditorField::LineDiscount, row);
    if (discount != edited->discount && lateDiscount(changed, cheque_.date) &&
        host_.message(kAskLateDiscount, KindOf(kAskLateDiscount)) != ui::Answer::Yes) {
        host_.focus(EditorField::LineDiscount, row);
        host_.refresh();
        return false;
    }
    *edited = changed;
    linesChanged();
    return true;
}

void ChequeEditor::deleteLine(int row)
{
    if (!line(row)) return;
    cheque_.lines.erase(cheque_.lines.begin() + row);
    linesChanged();
}

void ChequeEditor::linesChanged()
{
    stale_ = true;
    ComputeFollowingSlots(cheque_);
    rebuildWords();
    host_.refresh();
}

// An amount too large to be written leaves no words; Save refuses it.
void ChequeEditor::rebuildWords() { cheque_.words = wording_.words(cheque_.amount, currency()).value_or(std::string()); }

// ---- the distribution

void ChequeEditor::pageShown(EditorPage page)
{
    if (page != EditorPage::Distribution || !inputEnabled() || !stale_) return;
    ProposeDistribution(cheque_);
    stale_ = false;
    rebuildWords();
    host_.refresh();
}

bool ChequeEditor::leaveSlotAccount(int slot, const std::string& text, bool skipChecks)
{
    if (!inputEnabled() || !typedSlot(slot)) return false;
    const std::optional<int> account = accountNumber(text);
    if (!account) return skipChecks ? false : refuse(kNoSuchAccount, EditorField::SlotAccount, slot);
    int& held = cheque_.accounts[static_cast<std::size_t>(slot - 1)];
    if (!skipChecks && *account != 0 && !books_.accountExists(*account)) return refuse(kNoSuchAccount, EditorField::SlotAccount, slot);
    if (!skipChecks && books_.isReservedAccount(*account)) {
        held = 0;
        return refuse(kReservedAccount, EditorField::SlotAccount, slot);
    }
    held = *account;
    host_.refresh();
    return true;
}

void ChequeEditor::pickSlotAccount(int slot)
{
    if (!inputEnabled() || !typedSlot(slot)) return;
    if (const int account = host_.pickAccount(); account != 0) leaveSlotAccount(slot, std::to_string(account));
}

void ChequeEditor::setSlotAmount(int slot, Money amount)
{
    if (!inputEnabled() || !typedSlot(slot)) return;
    cheque_.slotAmounts[static_cast<std::size_t>(slot - 1)] = amount;
    host_.refresh();
}

bool ChequeEditor::refuse(ChequeMessage message, EditorField field, int row)
{
    host_.message(message, KindOf(message));
    const bool onDistribution = field == EditorField::SlotAccount || field == EditorField::SlotAmount;
    host_.showPage(onDistribution ? EditorPage::Distribution : EditorPage::General);
    host_.focus(field, row);
    host_.refresh();
    return false;
}

}  // namespace orvant::cheques
