#include "disbursement_posting.h"

#include <algorithm>

#include "books/control_accounts.h"
#include "books/party_lock.h"

namespace orvant::disbursements {

namespace {

std::string headerMemo(const DisbursementDocument& disbursement, const std::optional<SupplierFacts>& supplier)
{
    if (!supplier) return disbursement.memo;
    return disbursement.memo.empty() ? supplier->name : supplier->name + '\r' + disbursement.memo;
}

}  // namespace

int DisbursementJournal(DisbursementBooks& books, const DisbursementDocument& disbursement, const std::optional<SupplierFacts>& supplier)
{
    if (supplier) return JournalNumber(Journal::Disbursements, supplier->currency).value_or(4);
    for (const DistributionRow& row : disbursement.rows.rows())
        if (books.isBankAccount(row.account)) return JournalNumber(Journal::Disbursements, books.accountCurrency(row.account)).value_or(4);
    return 4;
}

Money PayableMovement(DisbursementBooks& books, const Distribution& rows, int currency)
{
    const int own = books.payables().accountFor(currency).value_or(0);
    Money moved;
    for (const DistributionRow& row : rows.rows())
        if (own != 0 && row.account == own) moved += row.credit - row.debit;
    return moved;
}

DisbursementPosting::DisbursementPosting(DisbursementBooks& books)
    : books_(books), headers_(books.company(), "cdorihdr"), details_(books.company(), "cdoridet"),
      bankLines_(books.company()), journal_(books.company()), ledger_(books.company(), Ledger::Payables),
      taxReport_(books.company(), "taxrepP", true)
{
    headers_.open();
    details_.open();
}

// A tax row debited is tax paid (4), credited tax received back (6); a tax row without an
// amount asks nothing.
std::vector<sidedialogs::TaxPerRateLine> DisbursementPosting::taxLinesToAsk(const DisbursementDocument& disbursement) const
{
    if (books_.settings().taxSystem == 0) return {};
    std::vector<sidedialogs::TaxPerRateLine> lines = sidedialogs::TaxLinesFor(disbursement.rows, books_.taxRates(), false);
    std::erase_if(lines, [](const sidedialogs::TaxPerRateLine& line) { return line.tax.isZero(); });
    for (auto& line : lines) line.type = line.type == sidedialogs::kTaxDebited ? kTaxPaid : kTaxReceived;
    return lines;
}

std::variant<PreparedDisbursement, Refusal> DisbursementPosting::prepare(const DisbursementDocument& disbursement, PostingAnswers answers)
{
    return prepare(disbursement, std::move(answers),
                   disbursement.toSupplier() ? books_.findSupplier(disbursement.supplier) : std::nullopt);
}

std::variant<PreparedDisbursement, Refusal> DisbursementPosting::prepare(const DisbursementDocument& disbursement, PostingAnswers answers,
                                                                         const std::optional<SupplierFacts>& supplier)
{
    PreparedDisbursement prepared{disbursement, 4, {}};
    if (disbursement.toSupplier() && !supplier) return Refusal{kNoSuchSupplier, DisbursementField::Supplier};
    if (!disbursement.toSupplier()) prepared.document.items.clear();
    prepared.journal = DisbursementJournal(books_, disbursement, supplier);
    if (books_.settings().taxSystem != 0) {
        prepared.taxes = std::move(answers.taxes);
        for (auto& line : prepared.taxes) {
            if (line.type != kTaxReceived) continue;
            if (line.tax > Money()) line.tax = -line.tax;
            if (line.net > Money()) line.net = -line.net;
        }
    }
    return prepared;
}

std::optional<Refusal> DisbursementPosting::write(const PreparedDisbursement& prepared, const PostingContext& context)
{
    const DisbursementDocument& disbursement = prepared.document;
    if (!JournalTotals(disbursement.rows).balanced()) return Refusal{kOutOfBalance, DisbursementField::Totals};
    store::Table& suppliers = books_.suppliers();
    std::optional<SupplierFacts> supplier;
    if (disbursement.toSupplier()) {
        if (!LockParty(suppliers, disbursement.supplier, context.lockRetry)) return Refusal{kNoSuchSupplier, DisbursementField::Supplier};
        supplier = ReadSupplier(suppliers);
    }
    // A disbursement not to a supplier has no supplier to lock: its reference and date are held
    // instead, so two workstations never both post it.
    const auto disbursementNumber =
        supplier ? nullptr : store::HoldKeyWithLockRetry(headers_, {disbursement.reference, disbursement.date}, context.lockRetry);
    const PartyLockRelease release(suppliers);

    store::Transaction transaction(books_.company(), store::OnRefusedWrite::SpoilTransaction);
    if (!context.repeatAllowed && books_.disbursementExists(supplier ? supplier->code : std::string(), disbursement.reference, disbursement.date))
        return Refusal{kAlreadyPosted, DisbursementField::Reference};
    Money moved;
    if (supplier) {
        if (auto refusal = checkItemsAgain(prepared)) return refusal;
        moved = PayableMovement(books_, disbursement.rows, supplier->currency);
        const std::optional<Money> balance = CheckedAdd(suppliers.field("Sup_current_bal").asMoney(), moved);
        if (!balance || !WithinBooks(*balance)) return Refusal{kBeyondBooksLimit, DisbursementField::Totals};
    }
    try {
        const std::int64_t headerSeq = writeRows(prepared, context, supplier);
        if (supplier) writeSupplierEntries(prepared, context, *supplier, headerSeq, moved);
        if (books_.settings().taxSystem != 0)
            sidedialogs::ReportTaxes(taxReport_, prepared.taxes, disbursement.reference, disbursement.date);
    } catch (...) {
        // The transaction rolls back; a record left half made must not be saved by the next one.
        journal_.cancel();
        ledger_.cancel();
        headers_.cancel();
        details_.cancel();
        bankLines_.cancel();
        throw;
    }
    transaction.commit();
    return std::nullopt;
}

// Every item paid must owe what it did when the disbursement was entered: an invoice paid
// meanwhile from another workstation is never paid twice.
std::optional<Refusal> DisbursementPosting::checkItemsAgain(const PreparedDisbursement& prepared)
{
    const DisbursementDocument& disbursement = prepared.document;
    const std::vector<OpenItem> now = books_.openItemReader().items(disbursement.supplier, PaidInvoices(disbursement.items));
    for (std::size_t i = 0; i < disbursement.items.size(); ++i) {
        const OpenItem& item = disbursement.items[i];
        if (item.payment.isZero()) continue;
        const auto found = std::find_if(now.begin(), now.end(), [&](const OpenItem& o) { return o.sameItem(item); });
        if ((found == now.end() ? Money() : found->amount) != item.amount)
            return Refusal{kPaidMeanwhile, DisbursementField::OpenItem, static_cast<int>(i)};
        if (auto refusal = CheckPayment(item, static_cast<int>(i))) return refusal;
    }
    return std::nullopt;
}

// The journal (its header once, then a line per row with an amount, the lines written together),
// a bank reconciliation line per bank row, and the disbursement's history with every row in its
// slot. Gives the history's number.
std::int64_t DisbursementPosting::writeRows(const PreparedDisbursement& prepared, const PostingContext& context,
                                            const std::optional<SupplierFacts>& supplier)
{
    const DisbursementDocument& disbursement = prepared.document;
    const JournalKey key{context.period, prepared.journal, disbursement.reference, disbursement.date};
    const DistributionTotals totals = JournalTotals(disbursement.rows);
    if (!totals.debit.isZero() || !totals.credit.isZero())
        journal_.addToHeader(key, {headerMemo(disbursement, supplier), context.user}, totals.debit, totals.credit);
    headers_.insert();
    headers_.field("Reference") = disbursement.reference;
    headers_.field("Supplier") = supplier ? supplier->code : std::string();
    headers_.field("Date") = disbursement.date;
    headers_.field("Not_to_sup") = !supplier.has_value();
    headers_.field("Comments") = disbursement.memo;
    headers_.field("User") = context.user;
    headers_.field("Stamp") = DateTime::now();
    std::vector<JournalLine> lines;
    for (int i = 0; i < disbursement.rows.rowCount(); ++i) {
        const DistributionRow& row = disbursement.rows.row(i);
        headerSlots_.set(i + 1, row.account, row.debit, row.credit);
        if (!row.postsAmount()) continue;
        lines.push_back({row.account, row.description, row.debit, row.credit});
        if (!books_.isBankAccount(row.account)) continue;
        bankLines_.add({kBankLineDisbursement, row.account, disbursement.reference, supplier ? supplier->code : std::string(),
                        supplier ? supplier->name : disbursement.memo, disbursement.date, row.debit - row.credit});
    }
    journal_.addLines(key, lines);
    headers_.post();
    return headers_.field("Seq").asInt();
}

// A ledger entry per payment and a history line per payment above 0, the entry of what the
// payments leave of the payable's movement (the entries written together, then the lines), then
// the supplier's balance.
void DisbursementPosting::writeSupplierEntries(const PreparedDisbursement& prepared, const PostingContext& context,
                                               const SupplierFacts& supplier, std::int64_t headerSeq, Money moved)
{
    const DisbursementDocument& disbursement = prepared.document;
    Money paid;
    std::vector<LedgerEntry> entries;
    std::vector<const OpenItem*> detailed;
    for (const OpenItem& item : disbursement.items) {
        if (item.payment.isZero()) continue;
        entries.push_back({supplier.code, item.invoice, disbursement.reference, disbursement.date, item.dueDate, kPaymentType,
                           -item.payment, disbursement.memo, {}, {}, {}, item.holdback, context.user});
        paid += item.payment;
        if (item.payment > Money()) detailed.push_back(&item);
    }
    if (const Money rest = moved + paid; !rest.isZero())
        entries.push_back({supplier.code, disbursement.reference, disbursement.reference, disbursement.date, disbursement.date,
                           rest.isNegative() ? kPayableDebitedType : kPayableCreditedType, rest, disbursement.memo, {}, {}, {}, false,
                           context.user});
    ledger_.addAll(entries);
    details_.insertRecords(detailed.size(), [&](std::size_t i) {
        const OpenItem& item = *detailed[i];
        details_.field("Reference") = disbursement.reference;
        details_.field("Supplier") = supplier.code;
        details_.field("Date") = disbursement.date;
        details_.field("Header_seq") = headerSeq;
        details_.field("Invoice") = item.invoice;
        details_.field("Invoice_date") = item.date;
        details_.field("Invoice_due_date") = item.dueDate;
        details_.field("Invoice_amount") = item.amount;
        details_.field("Invoice_payment") = item.payment;
    });
    SupplierRecord(books_.suppliers()).recordPayment(disbursement.date, moved);
    books_.suppliers().post();
}

}  // namespace orvant::disbursements
