#include "cheque_posting.h"

#include <algorithm>

#include "books/control_accounts.h"
#include "books/supplier_record.h"
#include "cheque_rules.h"
#include "cheque_writer.h"
#include "store/error.h"

namespace orvant::cheques {

namespace {

constexpr const char* kPaymentType = "2";
constexpr int kHistorySlots = 20;

bool balanced(const Cheque& cheque)
{
    Money sum;
    for (const Money& amount : cheque.slotAmounts) sum += amount;
    return sum.isZero();
}

// The supplier's record goes back once the transaction has ended, whatever happens.
struct ReleaseSupplier {
    store::Table& suppliers;
    ~ReleaseSupplier()
    {
        if (suppliers.state() == store::TableState::Edit) suppliers.cancel();
    }
};

}  // namespace

ChequePosting::ChequePosting(store::Database& books, std::string user, store::LockRetry retry)
    : books_(books), user_(std::move(user)), retry_(std::move(retry)), list_(books, ChequeSet::List), taxRates_(books, "taxratesP"),
      listHeaders_(books, "apchqh"), suppliers_(books, "sup"), accounts_(books, "glm"), historyHeaders_(books, "cdorihdr"),
      historyLines_(books, "cdoridet"), openItems_(books, Ledger::Payables), bankLines_(books), journal_(books),
      ledger_(books, Ledger::Payables), taxReport_(books, "taxrepP", true)
{
    for (store::Table* table : {&listHeaders_, &suppliers_, &accounts_, &historyHeaders_, &historyLines_}) table->open();
    store::Table control(books, "ctrl");
    control.open();
    control.first();
    if (control.hasRecord()) taxSystem_ = static_cast<int>(control.field("Ctrl_TaxSystem").asInt());
}

ChequeUpdateResult ChequePosting::post(const PrintedCheque& printed, const Date& date, int period)
{
    // Held as the editor and the numbering hold it: nobody changes the cheque while it is posted.
    const auto held = HoldChequeForChange(listHeaders_, printed.seq, retry_);
    const std::optional<Cheque> seen = list_.read(printed.seq);
    if (auto refused = refusal(seen, printed, date)) return *refused;
    if (!seen->supplier.empty())
        if (const auto missing = lockSupplier(seen->supplier)) return ChequeUpdateResult::of(printed, *missing);
    ReleaseSupplier release{suppliers_};

    store::Transaction transaction(books_, store::OnRefusedWrite::SpoilTransaction);
    const std::optional<Cheque> stored = list_.read(printed.seq);
    if (!stored) return ChequeUpdateResult::of(printed, UpdateOutcome::Gone);
    if (*stored != *seen) return ChequeUpdateResult::of(printed, UpdateOutcome::ChangedElsewhere);
    ChequeUpdateResult result = ChequeUpdateResult::of(printed, UpdateOutcome::Posted);
    result.overPaidLines = overPaidLines(*stored);
    if (!result.overPaidLines.empty()) result.outcome = UpdateOutcome::OverPaid;
    try {
        write(*stored, period);
        list_.remove(stored->seq);
    } catch (...) {
        // The transaction rolls back; a record left half made must not be saved by the next cheque.
        journal_.cancel();
        ledger_.cancel();
        bankLines_.cancel();
        historyHeaders_.cancel();
        historyLines_.cancel();
        throw;
    }
    transaction.commit();
    return result;
}

// Why the cheque is not posted: it is not the one printed, or it could not be posted whole.
std::optional<ChequeUpdateResult> ChequePosting::refusal(const std::optional<Cheque>& seen, const PrintedCheque& printed, const Date& date)
{
    if (const auto outcome = checkStored(seen, printed, date)) return ChequeUpdateResult::of(printed, *outcome);
    if (const auto slot = missingAccount(*seen)) {
        ChequeUpdateResult result = ChequeUpdateResult::of(printed, UpdateOutcome::AccountMissing);
        result.slot = *slot;
        return result;
    }
    if (!balanced(*seen)) return ChequeUpdateResult::of(printed, UpdateOutcome::Unbalanced);
    return std::nullopt;
}

// Puts the supplier's record in edit, waiting while another workstation holds it.
std::optional<UpdateOutcome> ChequePosting::lockSupplier(const std::string& supplier)
{
    if (!suppliers_.findKey({supplier})) return UpdateOutcome::SupplierMissing;
    try {
        store::EditWithLockRetry(suppliers_, retry_);
    } catch (const store::StoreError& error) {
        if (error.code() != store::errc::kRecordGone) throw;
        return UpdateOutcome::SupplierMissing;  // deleted meanwhile
    }
    return std::nullopt;
}

// The cheque must be the one printed: still numbered with the number printed, on the bank it
// was drawn on, of the date its period was found for, and, when the printed cheque is known,
// unchanged in every field.
std::optional<UpdateOutcome> ChequePosting::checkStored(const std::optional<Cheque>& stored, const PrintedCheque& printed, const Date& date)
{
    if (!stored) return UpdateOutcome::Gone;
    if (printed.number.empty() || stored->number != printed.number || stored->bankAccount() != printed.bankAccount || stored->date != date)
        return UpdateOutcome::ChangedElsewhere;
    if (printed.printed) {
        Cheque expected = *printed.printed;
        expected.number = printed.number;
        if (*stored != expected) return UpdateOutcome::ChangedElsewhere;
    }
    return std::nullopt;
}

// A slot with an amount whose account is not in the chart: the journal would not balance
// without it, and the printing refuses such a cheque before numbering it.
std::optional<int> ChequePosting::missingAccount(const Cheque& cheque)
{
    for (int slot = 0; slot < kChequeSlots; ++slot) {
        const auto i = static_cast<std::size_t>(slot);
        if (cheque.slotAmounts[i].isZero()) continue;
        if (cheque.accounts[i] == 0 || !accounts_.findKey({cheque.accounts[i]})) return slot;
    }
    return std::nullopt;
}

// The cheque is printed, so it is posted whatever its items owe now; a line settling more than
// its item owes (paid meanwhile from another workstation) is reported.
std::vector<int> ChequePosting::overPaidLines(const Cheque& cheque)
{
    std::vector<int> lines;
    if (cheque.supplier.empty()) return lines;
    for (std::size_t i = 0; i < cheque.lines.size(); ++i) {
        const ChequeLine& line = cheque.lines[i];
        const Money open = openItems_.openAmount(cheque.supplier, line.invoice, line.holdback);
        const std::optional<ChequeFault> fault = CheckLine(line, open);
        if (fault == ChequeFault::LineAboveOpen || fault == ChequeFault::LineSign) lines.push_back(static_cast<int>(i));
    }
    return lines;
}

void ChequePosting::write(const Cheque& cheque, int period)
{
    const std::int64_t historySeq = writeHistoryAndJournal(cheque, period);
    if (!cheque.supplier.empty()) writeSupplier(cheque, historySeq);
}

// The bank reconciliation line (a cheque of 0 or more), the journal entry with each slot in
// the history header, the tax report, then the history header stored. Gives its number.
std::int64_t ChequePosting::writeHistoryAndJournal(const Cheque& cheque, int period)
{
    historyHeaders_.insert();
    historyHeaders_.field("Reference") = cheque.number;
    historyHeaders_.field("Supplier") = cheque.supplier;
    historyHeaders_.field("Date") = cheque.date;
    historyHeaders_.field("Not_to_sup") = cheque.supplier.empty();
    historyHeaders_.field("Stamp") = DateTime::now();
    historyHeaders_.field("User") = user_;
    for (int k = 1; k <= kHistorySlots; ++k) historySlots_.set(k, 0, Money(), Money());
    if (!cheque.amount.isNegative())
        bankLines_.add({kBankLineDisbursement, cheque.bankAccount(), cheque.number, cheque.supplier, cheque.name, cheque.date, -cheque.amount});

    const JournalKey key{period, journalOf(cheque), cheque.number, cheque.date};
    int k = 0;
    for (int slot = 0; slot < kChequeSlots; ++slot) {
        const auto i = static_cast<std::size_t>(slot);
        const int account = cheque.accounts[i];
        const Money amount = cheque.slotAmounts[i];
        if (account == 0 || amount.isZero()) continue;
        const Money debit = amount.isNegative() ? Money() : amount, credit = amount.isNegative() ? -amount : Money();
        journal_.addRow(key, {cheque.name, user_}, account, {}, debit, credit);
        historySlots_.set(++k, account, debit, credit);
    }
    if (taxSystem_ != 0) writeTaxes(cheque);
    historyHeaders_.post();
    return historyHeaders_.field("Seq").asInt();
}

// Each tax line whose rate is still on file and which carries a tax paid or an amount subject to
// the rate: a tax paid is reported even when no amount subject to it was typed, so it is never
// left out of the tax report.
void ChequePosting::writeTaxes(const Cheque& cheque)
{
    for (const ChequeTaxLine& line : cheque.taxLines) {
        const auto& rates = taxRates_.all();
        const auto rate = std::find_if(rates.begin(), rates.end(), [&](const TaxRate& r) { return r.description == line.description; });
        if (rate == rates.end()) continue;
        if (line.totalAmount <= Money() && line.taxAmount <= Money()) continue;
        taxReport_.add({rate->code, line.type, cheque.number, cheque.date, line.totalAmount, line.taxAmount});
    }
}

// The supplier's last payment and balance (down by what the cheque settles on the payable
// slot), then per line its ledger entry and its history line.
void ChequePosting::writeSupplier(const Cheque& cheque, std::int64_t historySeq)
{
    SupplierRecord(suppliers_).recordPayment(cheque.date, -cheque.slotAmounts[0]);
    suppliers_.post();
    for (const ChequeLine& line : cheque.lines) {
        ledger_.add({cheque.supplier, line.invoice, cheque.number, cheque.date, line.dueDate, kPaymentType, -line.amount, {}, {}, {}, {},
                     line.holdback, user_});
        historyLines_.insert();
        historyLines_.field("Reference") = cheque.number;
        historyLines_.field("Supplier") = cheque.supplier;
        historyLines_.field("Date") = cheque.date;
        historyLines_.field("Header_seq") = historySeq;
        historyLines_.field("Invoice") = line.invoice;
        historyLines_.field("Invoice_date") = line.date;
        historyLines_.field("Invoice_due_date") = line.dueDate;
        historyLines_.field("Invoice_amount") = line.amount;
        historyLines_.field("Invoice_payment") = line.payment;
        historyLines_.post();
    }
}

// Journal 4 for a bank of the home currency (or one missing from the chart), 41 + its currency
// otherwise.
int ChequePosting::journalOf(const Cheque& cheque)
{
    const int currency = accounts_.findKey({cheque.bankAccount()}) ? static_cast<int>(accounts_.field("Glm_currency").asInt()) : 0;
    return JournalNumber(Journal::Cheques, currency).value_or(4);
}

}  // namespace orvant::cheques
