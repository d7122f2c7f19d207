#include "purchase_posting.h"

#include <algorithm>

#include <QList>
#include <QString>

#include "books/books_limits.h"
#include "books/control_accounts.h"
#include "books/party_lock.h"
#include "books/supplier_record.h"

namespace orvant::purchases {

namespace {

// Widths of the texts the posting makes up from others.
constexpr int kHeaderMemoWidth = 240;
constexpr int kLedgerMemoWidth = 200;
constexpr int kProjectDescriptionWidth = 40;
constexpr int kProjectTypeWidth = 25;

std::string firstCharacters(const std::string& text, int count)
{
    const QList<uint> characters = QString::fromStdString(text).toUcs4();
    if (characters.size() <= count) return text;
    return QString::fromUcs4(reinterpret_cast<const char32_t*>(characters.constData()), count).toStdString();
}

bool hasAmount(const DistributionRow& row) { return row.account != 0 && !(row.debit.isZero() && row.credit.isZero()); }

// The totals of the journal lines the rows make: each row's debit, or its credit when it has no
// debit.
DistributionTotals journalTotals(const Distribution& rows)
{
    DistributionTotals totals;
    for (const DistributionRow& row : rows.rows()) {
        if (!hasAmount(row)) continue;
        if (!row.debit.isZero()) totals.debit += row.debit;
        else totals.credit += row.credit;
    }
    return totals;
}

// The last word before anything is written: an entry with no line, or one whose lines do not
// balance, never reaches the journal.
std::optional<Refusal> checkLinesToWrite(const Distribution& rows)
{
    const auto& all = rows.rows();
    if (!RowsWithinBooks(rows)) return Refusal{kBeyondBooksLimit, PurchaseField::Totals};
    if (std::none_of(all.begin(), all.end(), hasAmount)) return Refusal{kNothingToPost, PurchaseField::Totals};
    if (!journalTotals(rows).balanced()) return Refusal{kOutOfBalance, PurchaseField::Totals};
    return std::nullopt;
}

std::string headerMemo(const PurchaseDocument& document, const std::optional<SupplierFacts>& supplier)
{
    if (!supplier) return firstCharacters(document.comment, kHeaderMemoWidth);
    const std::string memo = document.comment.empty() ? supplier->name : supplier->name + '\r' + document.comment;
    return firstCharacters(memo, kHeaderMemoWidth);
}

// The amount held back: the amount settled on to the cent, else the percent of the base rounded
// to cents; nothing when the answer cannot be taken from this base.
std::variant<Money, Refusal> holdbackOf(const HoldbackAnswer& answer, Money base)
{
    const Refusal tooMuch{kHoldbackTooMuch, PurchaseField::Holdback};
    if (base <= Money()) return tooMuch;
    if (answer.amount) {
        const Money amount = RoundMoney(*answer.amount);
        if (amount.isNegative() || amount > base) return tooMuch;
        return amount;
    }
    if (answer.percent < 0 || answer.percent > 100) return tooMuch;
    return base.percent(answer.percent);
}

}  // namespace

int PurchaseJournal(const std::optional<SupplierFacts>& supplier)
{
    if (!supplier) return 3;
    return JournalNumber(Journal::Purchases, supplier->currency).value_or(3);
}

PurchasePosting::PurchasePosting(PurchaseBooks& books)
    : books_(books), documents_(books.company(), "apori"), journal_(books.company()),
      ledger_(books.company(), Ledger::Payables), taxReport_(books.company(), "taxrepP", true)
{
    documents_.open();
}

PurchaseTotals PurchasePosting::totals(const PurchaseDocument& document) const
{
    PurchaseTotals totals;
    bool debits = false, credits = false;
    if (document.directCash) return totals;
    for (const DistributionRow& row : document.rows.rows()) {
        if (!books_.payables().isControlAccount(row.account)) continue;
        totals.payableAmount += row.credit - row.debit;
        debits = debits || row.debit > Money();
        credits = credits || row.credit > Money();
    }
    totals.payableOnBothSides = debits && credits;
    return totals;
}

std::vector<sidedialogs::TaxPerRateLine> PurchasePosting::taxLinesToAsk(const PurchaseDocument& document) const
{
    if (books_.settings().taxSystem == 0) return {};
    return sidedialogs::TaxLinesFor(document.rows, books_.taxRates(), document.type == PurchaseType::Credit,
                                    sidedialogs::kPurchaseTaxTypes);
}

bool PurchasePosting::asksHoldback(const PurchaseDocument& document) const
{
    return books_.settings().jobCosting && !document.directCash;
}

bool PurchasePosting::asksProjects(const PurchaseDocument&) const { return books_.settings().jobCosting; }

std::variant<PreparedPurchase, Refusal> PurchasePosting::prepare(const PurchaseDocument& document, PostingAnswers answers)
{
    const PurchaseTotals owed = totals(document);
    PreparedPurchase prepared{document, owed.payableAmount, {}, {}, {}, {}};
    if (books_.settings().taxSystem != 0) {
        prepared.taxes = std::move(answers.taxes);
        sidedialogs::SignDebitedLines(prepared.taxes, sidedialogs::kPurchaseTaxTypes);
    }
    if (answers.holdback && answers.holdback->holdsBack() && asksHoldback(document)) {
        if (owed.payableOnBothSides) return Refusal{kPayableBothSides, PurchaseField::Holdback};
        auto held = holdbackOf(*answers.holdback, owed.base());
        if (auto* refusal = std::get_if<Refusal>(&held)) return *refusal;
        const Money amount = std::get<Money>(held);
        prepared.holdback = owed.payableAmount.isNegative() ? -amount : amount;
        prepared.holdbackDueDate = answers.holdback->dueDate;
    }
    if (asksProjects(document)) {
        for (sidedialogs::ProjectLine& line : answers.projects) {
            const std::optional<Money> amount = sidedialogs::ProjectLineAmount(line.quantity, line.rate);
            if (!amount) return Refusal{kBeyondBooksLimit, PurchaseField::ProjectLine, static_cast<int>(&line - answers.projects.data())};
            line.amount = *amount;
        }
        if (auto refusal = sidedialogs::CheckPurchaseProjectLines(books_.company(), answers.projects))
            return Refusal{static_cast<PurchaseMessage>(refusal->message), PurchaseField::ProjectLine, refusal->line};
        prepared.projects = std::move(answers.projects);
    }
    return prepared;
}

std::optional<Refusal> PurchasePosting::write(const PreparedPurchase& prepared, const PostingContext& context)
{
    const PurchaseDocument& document = prepared.document;
    if (auto refusal = checkLinesToWrite(document.rows)) return refusal;
    store::Table& suppliers = books_.suppliers();
    std::optional<SupplierFacts> supplier;
    if (!document.directCash) {
        if (!LockParty(suppliers, document.supplier, context.lockRetry)) return Refusal{kNoSuchSupplier, PurchaseField::Supplier};
        supplier = ReadSupplier(suppliers);
    }
    const PartyLockRelease release(suppliers);

    if (supplier) {
        if (!FieldsWithinBooks(suppliers, {"Sup_current_bal"}, prepared.payableAmount))
            return Refusal{kBeyondBooksLimit, PurchaseField::Totals};
        if (document.type == PurchaseType::Purchase &&
            !FieldsWithinBooks(suppliers, {"Sup_last_purch", "Sup_purch_mth", "Sup_purch_ytd"}, prepared.payableAmount))
            return Refusal{kBeyondBooksLimit, PurchaseField::Totals};
    }
    // A direct cash purchase has no supplier to lock: its number and date are held instead.
    const auto cashPurchaseNumber =
        supplier ? nullptr : store::HoldKeyWithLockRetry(documents_, {document.invoice, document.date}, context.lockRetry);
    store::Transaction transaction(books_.company(), store::OnRefusedWrite::SpoilTransaction);
    if (supplier)
        if (auto refusal = CheckInvoiceNumber(books_, supplier->code, document.type, document.invoice)) return refusal;
    if (!context.repeatAllowed && LooksPostedAlready(books_, document)) return Refusal{kPostedMeanwhile, PurchaseField::Invoice};
    try {
        writeRows(prepared, context, supplier);
        if (books_.settings().taxSystem != 0) sidedialogs::ReportTaxes(taxReport_, prepared.taxes, document.invoice, document.date);
        if (!prepared.projects.empty()) {
            sidedialogs::ProjectPosting posting{document.date,
                                                context.period,
                                                document.invoice,
                                                firstCharacters(supplier ? supplier->name : std::string(), kProjectDescriptionWidth),
                                                firstCharacters(context.projectDescription, kProjectTypeWidth),
                                                context.user,
                                                sidedialogs::ProjectSource::Purchases};
            sidedialogs::WriteProjectTransactions(books_.company(), prepared.projects, posting);
        }
        addDocumentRecord(prepared, context);
    } catch (...) {
        // The transaction rolls back; a record left half made must not be saved by the next one.
        journal_.cancel();
        ledger_.cancel();
        documents_.cancel();
        throw;
    }
    transaction.commit();
    return std::nullopt;
}

// The document's totals into its journal header, then the rows in order, each a journal line;
// the first payable row brings the supplier's update and its ledger entries.
void PurchasePosting::writeRows(const PreparedPurchase& prepared, const PostingContext& context,
                                const std::optional<SupplierFacts>& supplier)
{
    const PurchaseDocument& document = prepared.document;
    const JournalKey key{context.period, PurchaseJournal(supplier), document.invoice, document.date};
    const JournalHeaderText header{headerMemo(document, supplier), context.user};
    const DistributionTotals totals = journalTotals(document.rows);
    journal_.addToHeader(key, header, totals.debit, totals.credit);
    std::vector<JournalLine> lines;
    bool supplierDone = false;
    for (int i = 0; i < document.rows.rowCount(); ++i) {
        const DistributionRow& row = document.rows.row(i);
        if (!hasAmount(row)) continue;
        lines.push_back({row.account, row.description, row.debit, row.credit});
        if (!supplier || supplierDone || !books_.payables().isControlAccount(row.account)) continue;
        updateSupplier(prepared);
        addLedgerEntries(prepared, *supplier, context);
        supplierDone = true;
    }
    journal_.addLines(key, lines);
}

// The balance takes the whole payable amount, held back or not, so that it always equals the
// sum of the supplier's ledger entries.
void PurchasePosting::updateSupplier(const PreparedPurchase& prepared)
{
    SupplierRecord supplier(books_.suppliers());
    if (prepared.document.type == PurchaseType::Purchase) supplier.recordPurchase(prepared.document.date, prepared.payableAmount);
    supplier.moveBalance(prepared.payableAmount);
    books_.suppliers().post();
}

// The open item of the document less what is held back, and the holdback's own item.
void PurchasePosting::addLedgerEntries(const PreparedPurchase& prepared, const SupplierFacts& supplier, const PostingContext& context)
{
    const PurchaseDocument& document = prepared.document;
    LedgerEntry entry;
    entry.party = supplier.code;
    entry.invoice = document.invoice;
    entry.reference = document.isNote() ? document.reference : std::string();
    entry.date = document.date;
    entry.type = TypeCode(document.type);
    entry.dueDate = document.dueDate;
    entry.amount = prepared.payableAmount - prepared.holdback;
    entry.memo = firstCharacters(document.comment, kLedgerMemoWidth);
    entry.user = context.user;
    ledger_.add(entry);
    if (prepared.holdback.isZero()) return;
    entry.type = kHoldbackTypeCode;
    entry.dueDate = prepared.holdbackDueDate;
    entry.amount = prepared.holdback;
    entry.holdback = true;
    ledger_.add(entry);
}

void PurchasePosting::addDocumentRecord(const PreparedPurchase& prepared, const PostingContext& context)
{
    const PurchaseDocument& document = prepared.document;
    documents_.insert();
    documents_.field("Reference") = document.invoice;
    documents_.field("Supplier") = document.directCash ? std::string() : document.supplier;
    documents_.field("Date") = document.date;
    documents_.field("Due_date") = document.dueDate;
    documents_.field("Direct_cash_purchase") = document.directCash;
    documents_.field("Trx_type") = std::string(TypeCode(document.type));
    documents_.field("Dr_cr_reference") = document.reference;
    documents_.field("Comments") = document.comment;
    documents_.field("Stamp") = DateTime::now();
    documents_.field("User") = context.user;
    documents_.field("DebitCredit") = document.isNote();
    documentSlots_.setAll(document.rows);
    documents_.post();
}

}  // namespace orvant::purchases
