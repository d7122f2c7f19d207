#include "undo_plan.h"

#include <algorithm>

#include "cheque_numbers.h"
#include "ledger_items.h"
#include "store/query.h"

namespace orvant::vndundo {

namespace {

constexpr int kBankLinePayment = 2;      // Concil_type of a disbursement or cheque
constexpr int kProjectFromPayables = 2;  // JcTrans_Source of a purchase's project lines
constexpr int kPurchaseSlots = 15, kPaymentSlots = 20;

using Binds = std::vector<store::Value>;

std::int64_t countOf(store::Database& books, const std::string& sql, const Binds& binds)
{
    store::Query query(books, sql);
    for (std::size_t i = 0; i < binds.size(); ++i) query.bind(static_cast<int>(i), binds[i]);
    query.open();
    return query.field(0).asInt();
}

std::vector<std::int64_t> seqsOf(store::Database& books, const std::string& sql, const Binds& binds)
{
    store::Query query(books, sql);
    for (std::size_t i = 0; i < binds.size(); ++i) query.bind(static_cast<int>(i), binds[i]);
    std::vector<std::int64_t> seqs;
    for (query.open(); !query.eof(); query.next()) seqs.push_back(query.field(0).asInt());
    return seqs;
}

UndoRefusal refusal(RefusalReason reason, std::string detail) { return {reason, std::move(detail), kRefusedMessage}; }

bool contains(const std::vector<LedgerItem>& items, std::int64_t seq)
{
    return std::any_of(items.begin(), items.end(), [&](const LedgerItem& item) { return item.seq == seq; });
}

class Planner {
public:
    Planner(store::Database& books, const UndoSelection& selection) : books_(books), selection_(selection) {}

    std::variant<UndoPlan, UndoRefusal> run();

private:
    std::optional<UndoRefusal> gatherItems(const LedgerItem& chosen);
    void addPayment(const std::string& reference, const Date& date, const std::string& ownInvoice);
    std::optional<UndoRefusal> checkHistory();
    std::optional<UndoRefusal> checkChequeList(const LedgerItem& purchase);
    std::optional<UndoRefusal> gatherDocuments(const LedgerItem& chosen);
    std::optional<UndoRefusal> addDocuments(CascadeDocument::Kind kind, const std::string& table, const std::string& where, const Binds& binds,
                                            const CascadeDocument& shown);
    std::optional<UndoRefusal> checkBankLines(PlannedDocument& payment);
    std::optional<UndoRefusal> checkSharedLines();

    store::Database& books_;
    UndoSelection selection_;
    UndoPlan plan_;
    std::vector<std::pair<std::string, Date>> payments_;  // each payment of the cascade once
    ClaimedLines claimed_;
};

std::variant<UndoPlan, UndoRefusal> Planner::run()
{
    const auto chosen = ItemBySeq(books_, selection_.supplier, selection_.seq);
    if (!chosen) return refusal(RefusalReason::ItemGone, selection_.supplier);
    store::Query supplier(books_, "SELECT sup_name FROM sup WHERE sup_code = ?");
    supplier.bind(0, selection_.supplier);
    supplier.open();
    if (supplier.eof()) return refusal(RefusalReason::SupplierMissing, selection_.supplier);
    plan_.cascade.selection = selection_;
    plan_.cascade.supplierName = supplier.field(0).asString();
    for (auto step : {&Planner::gatherItems, &Planner::gatherDocuments})
        if (auto refused = (this->*step)(*chosen)) return *refused;
    if (auto refused = checkHistory()) return *refused;
    if (chosen->type == kPurchaseType)
        if (auto refused = checkChequeList(*chosen)) return *refused;
    for (PlannedDocument& document : plan_.documents)
        if (document.shown.kind == CascadeDocument::Kind::Payment)
            if (auto refused = checkBankLines(document)) return *refused;
    if (auto refused = checkSharedLines()) return *refused;
    UndoCascade& cascade = plan_.cascade;
    for (const LedgerItem& item : cascade.items) cascade.balanceChange -= item.amount;
    for (const PlannedDocument& document : plan_.documents) {
        cascade.documents.push_back(document.shown);
        const JournalPart& part = document.journal.part;
        if (part.generalLedger && std::find(cascade.generalLedgerPeriods.begin(), cascade.generalLedgerPeriods.end(), part.period) ==
                                      cascade.generalLedgerPeriods.end())
            cascade.generalLedgerPeriods.push_back(part.period);
    }
    std::sort(cascade.generalLedgerPeriods.begin(), cascade.generalLedgerPeriods.end());
    return std::move(plan_);
}

// A purchase takes every item of its invoice and the whole set of each payment on it; a payment
// its own set. The chosen item comes first.
std::optional<UndoRefusal> Planner::gatherItems(const LedgerItem& chosen)
{
    std::vector<LedgerItem>& items = plan_.cascade.items;
    items.push_back(chosen);
    if (chosen.type == kPurchaseType) {
        const std::vector<LedgerItem> ofInvoice = ItemsOfInvoice(books_, chosen.supplier, chosen.invoice);
        // Two purchases of one number: which notes and payments are whose cannot be told.
        if (std::any_of(ofInvoice.begin(), ofInvoice.end(), [&](const LedgerItem& item) { return item.type == kPurchaseType && item.seq != chosen.seq; }))
            return refusal(RefusalReason::InvoiceNumberShared, chosen.invoice);
        for (const LedgerItem& item : ofInvoice)
            if (item.seq != chosen.seq) items.push_back(item);
        const std::vector<LedgerItem> own = items;
        for (const LedgerItem& item : own)
            if (item.isPayment()) addPayment(item.reference, item.date, chosen.invoice);
        return std::nullopt;
    }
    if (!chosen.isPayment() && !IsUnappliedPart(books_, chosen)) return refusal(RefusalReason::NotUndoable, chosen.invoice);
    addPayment(chosen.reference, chosen.date, {});
    return std::nullopt;
}

void Planner::addPayment(const std::string& reference, const Date& date, const std::string& ownInvoice)
{
    const std::pair<std::string, Date> key{reference, date};
    if (std::find(payments_.begin(), payments_.end(), key) != payments_.end()) return;
    payments_.push_back(key);
    auto& reopened = plan_.cascade.reopenedInvoices;
    for (const LedgerItem& item : PaymentSet(books_, selection_.supplier, reference, date)) {
        if (item.isPayment() && item.invoice != ownInvoice && std::find(reopened.begin(), reopened.end(), item.invoice) == reopened.end())
            reopened.push_back(item.invoice);
        if (!contains(plan_.cascade.items, item.seq)) plan_.cascade.items.push_back(item);
    }
}

// An item already carried to the supplier's history cannot be taken out of the books any more.
std::optional<UndoRefusal> Planner::checkHistory()
{
    for (const LedgerItem& item : plan_.cascade.items) {
        const bool found =
            item.reference.empty()
                ? countOf(books_, "SELECT COUNT(*) FROM caph WHERE LOWER(cap_supplier) = LOWER(?) AND LOWER(cap_invoice) = LOWER(?) AND "
                                  "cap_date = ? AND cap_type = ?", {item.supplier, item.invoice, item.date, item.type}) > 0
                : countOf(books_, "SELECT COUNT(*) FROM caph WHERE LOWER(cap_supplier) = LOWER(?) AND LOWER(cap_ref) = LOWER(?) AND "
                                  "cap_date = ?", {item.supplier, item.reference, item.date}) > 0;
        if (found) return refusal(RefusalReason::InHistory, item.reference.empty() ? item.invoice : item.reference);
    }
    return std::nullopt;
}

std::optional<UndoRefusal> Planner::checkChequeList(const LedgerItem& purchase)
{
    if (countOf(books_, "SELECT COUNT(*) FROM apchqd WHERE LOWER(apchqd_fou) = LOWER(?) AND LOWER(apchqd_invoice) = LOWER(?)",
                {purchase.supplier, purchase.invoice}) > 0)
        return refusal(RefusalReason::OnChequeList, purchase.invoice);
    return std::nullopt;
}

// The purchase's record, each note's, and each payment's history header, with the items that
// belong to each and the journal lines each wrote.
std::optional<UndoRefusal> Planner::gatherDocuments(const LedgerItem& chosen)
{
    const std::string& supplier = selection_.supplier;
    if (chosen.type == kPurchaseType) {
        CascadeDocument purchase{CascadeDocument::Kind::Purchase, kPurchaseType, chosen.invoice, {}, chosen.date, {}, {}, false, 0, 0};
        if (auto refused = addDocuments(CascadeDocument::Kind::Purchase, "apori",
                                        "reference = ? AND supplier = ? AND date = ? AND trx_type = ?",
                                        {chosen.invoice, supplier, chosen.date, std::string(kPurchaseType)}, purchase))
            return refused;
        std::vector<std::pair<std::string, std::string>> notes;  // reference and type, once each
        for (const LedgerItem& item : plan_.cascade.items) {
            if (item.reference.empty() || item.isPayment() || item.type == kHoldbackType || item.type == kPurchaseType) continue;
            if (IsUnappliedPart(books_, item)) continue;
            const CascadeDocument note{CascadeDocument::Kind::Note, item.type, item.invoice, item.reference, item.date, {}, {}, false, 0, 0};
            if (auto refused = addDocuments(CascadeDocument::Kind::Note, "apori",
                                            "reference = ? AND supplier = ? AND date = ? AND dr_cr_reference = ? AND trx_type = ?",
                                            {item.invoice, supplier, item.date, item.reference, item.type}, note))
                return refused;
        }
    }
    for (const auto& [reference, date] : payments_) {
        const CascadeDocument payment{CascadeDocument::Kind::Payment, kPaymentType, {}, reference, date, {}, {}, false, 0, 0};
        if (auto refused = addDocuments(CascadeDocument::Kind::Payment, "cdorihdr", "reference = ? AND supplier = ? AND date = ?",
                                        {reference, supplier, date}, payment))
            return refused;
    }
    return std::nullopt;
}

// Every record of the kind found once (a note posted twice has two), each with its own lines.
std::optional<UndoRefusal> Planner::addDocuments(CascadeDocument::Kind kind, const std::string& table, const std::string& where,
                                                 const Binds& binds, const CascadeDocument& shown)
{
    const bool payment = kind == CascadeDocument::Kind::Payment;
    const std::string key = payment ? shown.reference : shown.invoice;
    for (const PlannedDocument& known : plan_.documents)
        if (known.table == table && known.shown.type == shown.type && known.shown.invoice == shown.invoice &&
            known.shown.reference == shown.reference && known.shown.date == shown.date)
            return std::nullopt;
    const std::vector<std::int64_t> seqs = seqsOf(books_, "SELECT seq FROM " + table + " WHERE " + where + " ORDER BY seq", binds);
    if (seqs.empty()) return refusal(RefusalReason::JournalNotFound, key);
    for (const std::int64_t seq : seqs) {
        PlannedDocument document{shown, table, {key, selection_.supplier, shown.date, seq}, {}};
        const auto lines = DistributionOfRecord(books_, table, document.record, payment ? kPaymentSlots : kPurchaseSlots);
        auto match = FindDocumentLines(books_, payment ? Journal::Disbursements : Journal::Purchases, key, shown.date, lines, claimed_);
        if (auto* reason = std::get_if<RefusalReason>(&match)) return refusal(*reason, key);
        document.journal = std::get<JournalMatch>(std::move(match));
        document.shown.journal = document.journal.part;
        plan_.documents.push_back(std::move(document));
    }
    // What the kind's items moved on the balance; a purchase's holdback part is the purchase's.
    Money moved;
    for (const LedgerItem& item : plan_.cascade.items) {
        const bool mine = payment ? (item.reference == shown.reference && item.date == shown.date &&
                                     (item.isPayment() || item.invoice == shown.reference))
                                  : (item.reference == shown.reference && item.date == shown.date && item.invoice == shown.invoice &&
                                     (item.type == shown.type || item.type == kHoldbackType));
        if (mine) moved += item.amount;
    }
    plan_.documents.back().shown.payableAmount = moved;
    if (kind == CascadeDocument::Kind::Purchase) plan_.purchaseStatistics = moved;
    return std::nullopt;
}

// A payment goes with its bank line, which must not be reconciled yet; a printed cheque's
// number is found in its bank account's register, issued for this supplier and date (a payment
// typed with the number of another cheque leaves that cheque's number alone).
std::optional<UndoRefusal> Planner::checkBankLines(PlannedDocument& payment)
{
    const CascadeDocument& shown = payment.shown;
    store::Query lines(books_, "SELECT concil_account, concil_tag FROM concil WHERE concil_type = ? AND concil_reference = ? AND "
                               "concil_fou_cli_emp = ? AND concil_date = ?");
    const Binds binds{kBankLinePayment, shown.reference, selection_.supplier, shown.date};
    for (std::size_t i = 0; i < binds.size(); ++i) lines.bind(static_cast<int>(i), binds[i]);
    lines.open();
    if (lines.eof()) return refusal(RefusalReason::NoBankLine, shown.reference);
    const int account = static_cast<int>(lines.field(0).asInt());
    for (; !lines.eof(); lines.next())
        if (lines.field(1).asBool()) return refusal(RefusalReason::Reconciled, shown.reference);
    const auto number = cheques::ChequeNumberOf(shown.reference);
    if (!number || !books_.tableExists("apchqno")) return std::nullopt;
    store::Query control(books_, "SELECT ctrl_bank_accnt1, ctrl_bank_accnt2, ctrl_bank_accnt3, ctrl_bank_accnt4, ctrl_bank_accnt5 FROM ctrl");
    control.open();
    for (int position = 1; !control.eof() && position <= 5; ++position) {
        if (control.field(position - 1).asInt() != account || account == 0) continue;
        if (countOf(books_, "SELECT COUNT(*) FROM apchqno WHERE apchqno_bank = ? AND apchqno_number = ? AND apchqno_state = 'I' AND "
                            "apchqno_supplier = ? AND apchqno_cheque_date = ?",
                    {position, *number, selection_.supplier, shown.date}) == 0)
            break;
        payment.shown.cheque = true;
        payment.shown.bankPosition = position;
        payment.shown.chequeNumber = *number;
        break;
    }
    return std::nullopt;
}

// The tax report and the project lines of a document are kept by its reference and date alone:
// they can go only when no other document shares them.
std::optional<UndoRefusal> Planner::checkSharedLines()
{
    for (const PlannedDocument& document : plan_.documents) {
        const std::string& key = document.record.reference;
        const Date& date = document.record.date;
        const std::int64_t taxLines = countOf(books_, "SELECT COUNT(*) FROM taxrepp WHERE taxrep_reference = ? AND taxrep_date = ?", {key, date});
        const std::int64_t projectLines =
            countOf(books_, "SELECT COUNT(*) FROM jctrans WHERE jctrans_ref = ? AND jctrans_date = ? AND jctrans_source = ?",
                    {key, date, kProjectFromPayables});
        if (taxLines == 0 && projectLines == 0) continue;
        for (const std::string table : {"apori", "cdorihdr"}) {
            for (const std::int64_t seq : seqsOf(books_, "SELECT seq FROM " + table + " WHERE reference = ? AND date = ?", {key, date})) {
                const bool ours = std::any_of(plan_.documents.begin(), plan_.documents.end(), [&](const PlannedDocument& d) {
                    return d.table == table && d.record.seq == seq;
                });
                if (!ours) return refusal(RefusalReason::SharedTaxLines, key);
            }
        }
    }
    return std::nullopt;
}

bool sameDocument(const CascadeDocument& a, const CascadeDocument& b)
{
    return a.kind == b.kind && a.type == b.type && a.invoice == b.invoice && a.reference == b.reference && a.date == b.date &&
           a.payableAmount == b.payableAmount && a.journal.generalLedger == b.journal.generalLedger && a.journal.period == b.journal.period &&
           a.journal.journal == b.journal.journal && a.journal.lines == b.journal.lines && a.cheque == b.cheque &&
           a.chequeNumber == b.chequeNumber;
}

}  // namespace

std::variant<UndoPlan, UndoRefusal> PlanUndo(store::Database& books, const UndoSelection& selection) { return Planner(books, selection).run(); }

bool SameCascade(const UndoCascade& a, const UndoCascade& b)
{
    const auto sameItem = [](const LedgerItem& x, const LedgerItem& y) { return x.seq == y.seq && x.amount == y.amount; };
    return a.items.size() == b.items.size() && std::equal(a.items.begin(), a.items.end(), b.items.begin(), sameItem) &&
           a.documents.size() == b.documents.size() && std::equal(a.documents.begin(), a.documents.end(), b.documents.begin(), sameDocument) &&
           a.reopenedInvoices == b.reopenedInvoices && a.balanceChange == b.balanceChange;
}

std::variant<UndoCascade, UndoRefusal> ComputeCascade(store::Database& books, const UndoSelection& selection)
{
    auto plan = PlanUndo(books, selection);
    if (auto* refused = std::get_if<UndoRefusal>(&plan)) return *refused;
    return std::get<UndoPlan>(std::move(plan)).cascade;
}

}  // namespace orvant::vndundo
