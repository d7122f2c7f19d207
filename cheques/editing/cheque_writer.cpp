#include "cheque_writer.h"

#include <algorithm>
#include <tuple>

#include "cheque_words.h"

namespace orvant::cheques {

std::unique_ptr<store::LockHandle> HoldChequeForChange(store::Table& headers, int seq, const store::LockRetry& retry)
{
    return store::HoldKeyWithLockRetry(headers, {seq, std::string("changed")}, retry);
}

ChequeWriter::ChequeWriter(store::Database& books, ChequeSet set, std::string user, store::LockRetry retry)
    : books_(books), store_(books, set), headers_(books, TablesOf(set).headers), lines_(books, TablesOf(set).lines),
      user_(std::move(user)), retry_(std::move(retry))
{
    headers_.open();
    lines_.open();
}

WriteResult ChequeWriter::write(const std::optional<Cheque>& shown, Cheque cheque)
{
    if (shown && *shown == cheque) return {WriteOutcome::Written, shown->seq};
    std::unique_ptr<store::LockHandle> held;
    std::unique_ptr<ChequeNumberRun> run;
    if (shown) {
        held = HoldChequeForChange(headers_, shown->seq, retry_);
        const std::optional<Cheque> now = store_.read(shown->seq);
        if (!now) return {WriteOutcome::DeletedElsewhere, shown->seq};
        if (*shown != *now) return {WriteOutcome::ChangedElsewhere, shown->seq};
        cheque.seq = shown->seq;
        run = numberRun(*now);
    } else {
        // A new cheque takes the next sequence, held so that another workstation adding one at
        // the same time takes the one after.
        do {
            held.reset();
            cheque.seq = store_.nextSequence();
            held = HoldChequeForChange(headers_, cheque.seq, retry_);
        } while (store_.read(cheque.seq));
    }
    const auto items = holdItems(cheque);

    store::Transaction transaction(books_);
    if (const auto line = lineOnOtherCheque(cheque, cheque.seq)) return {WriteOutcome::ItemOnOtherCheque, cheque.seq, *line};
    if (!cheque.number.empty()) {
        voidNumber(run.get(), cheque);
        cheque.number.clear();
    }
    store_.write(cheque);
    transaction.commit();
    return {WriteOutcome::Written, cheque.seq};
}

WriteResult ChequeWriter::remove(const Cheque& shown)
{
    const auto held = HoldChequeForChange(headers_, shown.seq, retry_);
    const std::optional<Cheque> now = store_.read(shown.seq);
    if (!now) return {WriteOutcome::DeletedElsewhere, shown.seq};
    if (shown != *now) return {WriteOutcome::ChangedElsewhere, shown.seq};
    const auto run = numberRun(*now);
    store::Transaction transaction(books_);
    if (!now->number.empty()) voidNumber(run.get(), *now);
    store_.remove(shown.seq);
    transaction.commit();
    return {WriteOutcome::Written, shown.seq};
}

// Each supplier item the cheque pays is held while it is written, in one order on every
// workstation, so two cheques saved at once cannot both take the same item.
std::vector<std::unique_ptr<store::LockHandle>> ChequeWriter::holdItems(const Cheque& cheque)
{
    std::vector<std::unique_ptr<store::LockHandle>> held;
    if (store_.set() != ChequeSet::List) return held;
    std::vector<const ChequeLine*> items;
    for (const ChequeLine& line : cheque.lines)
        if (!line.supplier.empty()) items.push_back(&line);
    std::sort(items.begin(), items.end(), [](const ChequeLine* a, const ChequeLine* b) {
        return std::tie(a->supplier, a->invoice, a->holdback) < std::tie(b->supplier, b->invoice, b->holdback);
    });
    for (const ChequeLine* line : items)
        held.push_back(store::HoldKeyWithLockRetry(lines_, {line->supplier, line->invoice, line->holdback}, retry_));
    return held;
}

std::optional<int> ChequeWriter::lineOnOtherCheque(const Cheque& cheque, int seq)
{
    if (store_.set() != ChequeSet::List) return std::nullopt;
    for (std::size_t i = 0; i < cheque.lines.size(); ++i) {
        const ChequeLine& line = cheque.lines[i];
        if (line.supplier.empty()) continue;
        const std::optional<int> payer = store_.chequeOf(line.supplier, line.invoice, line.holdback);
        if (payer && *payer != seq) return static_cast<int>(i);
    }
    return std::nullopt;
}

// The register of the bank the cheque was printed on, held from before the transaction.
std::unique_ptr<ChequeNumberRun> ChequeWriter::numberRun(const Cheque& stored)
{
    if (!ChequeNumberOf(stored.number)) return nullptr;
    const std::optional<int> bank = BankPosition(books_, stored.bankAccount());
    if (!bank) return nullptr;
    return std::make_unique<ChequeNumberRun>(books_, *bank, user_, retry_);
}

// A number on no known bank, or that is no number, cannot reach the register; the cheque
// loses it all the same.
void ChequeWriter::voidNumber(ChequeNumberRun* run, const Cheque& stored)
{
    if (run) run->voidNumber(*ChequeNumberOf(stored.number));
}

}  // namespace orvant::cheques
