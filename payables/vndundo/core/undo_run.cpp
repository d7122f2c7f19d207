// The undo under its locks and in one transaction.

#include <map>
#include <memory>

#include "books/supplier_record.h"
#include "cheque_list_lock.h"
#include "cheque_numbers.h"
#include "store/error.h"
#include "store/query.h"
#include "undo_copies.h"
#include "undo_plan.h"

namespace orvant::vndundo {

namespace {

constexpr int kBankLinePayment = 2;
constexpr int kProjectFromPayables = 2;

using store::Condition;

// Books made before an audit table was declared get it at their first undo.
void ensureCopyTables(store::Database& books)
{
    for (const char* table : {"cvndundo", "glundoap", "aporidel", "cdorihdrdel", "cdoridetdel", "taxrepPdel", "jcTransdel"}) {
        if (books.tableExists(table)) continue;
        try {
            books.createTable(table);
        } catch (const store::StoreError&) {
            if (!books.tableExists(table)) throw;  // made meanwhile by another workstation
        }
    }
}

// The supplier's record goes back once the transaction has ended, whatever happens.
struct ReleaseSupplier {
    store::Table& suppliers;
    ~ReleaseSupplier()
    {
        if (suppliers.state() == store::TableState::Edit) suppliers.cancel();
    }
};

// The context's retry, telling its waits what they wait for.
store::LockRetry retryFor(const UndoContext& context, UndoWait wait)
{
    store::LockRetry retry = context.lockRetry;
    if (context.waitingFor) retry.waiting = [&context, wait](const store::StoreError& error) { context.waitingFor(wait, error); };
    return retry;
}

// The cheque editor holds each line it saves by (supplier, invoice, holdback), in that order;
// holding a purchase's two the same way, no cheque for it is saved between the check of the
// list and the end of the undo.
std::vector<std::unique_ptr<store::LockHandle>> holdChequeLines(store::Database& books, const UndoCascade& confirmed,
                                                                const store::LockRetry& retry)
{
    std::vector<std::unique_ptr<store::LockHandle>> held;
    if (confirmed.items.empty() || confirmed.items.front().type != kPurchaseType) return held;
    const LedgerItem& chosen = confirmed.items.front();
    store::Table lines(books, "apchqd");
    lines.open();
    for (const bool holdback : {false, true})
        held.push_back(store::HoldKeyWithLockRetry(lines, {chosen.supplier, chosen.invoice, holdback}, retry));
    return held;
}

int nextUndoNumber(store::Database& books)
{
    store::Query query(books, "SELECT MAX(cap_undo_no) FROM cvndundo");
    query.open();
    return static_cast<int>(query.field(0).asInt()) + 1;
}

class Remover {
public:
    Remover(store::Database& books, const UndoContext& context, int undoNumber)
        : books_(books), context_(context), undoNumber_(undoNumber),
          taxLines_(books, "taxrepP", {"taxrepPdel", "TaxRep_Undo_no", {}}, undoNumber),
          projectLines_(books, "jcTrans", {"jcTransdel", "JcTrans_Undo_no", {}}, undoNumber),
          purchases_(books, "apori", {"aporidel", "Undo_no", "Orig_seq"}, undoNumber),
          paymentHeaders_(books, "cdorihdr", {"cdorihdrdel", "Undo_no", "Orig_seq"}, undoNumber),
          paymentLines_(books, "cdoridet", {"cdoridetdel", "Undo_no", "Orig_seq"}, undoNumber),
          items_(books, "cap", {"cvndundo", "Cap_undo_no", "Cap_orig_seq"}, undoNumber)
    {
    }

    void document(const PlannedDocument& planned)
    {
        const DocumentKey& key = planned.record;
        const bool payment = planned.shown.kind == CascadeDocument::Kind::Payment;
        if (payment) removeBankLines(key);
        RemoveDocumentLines(books_, planned.journal, undoNumber_);
        taxLines_.move({{"TaxRep_Reference", Condition::Eq, key.reference}, {"TaxRep_Date", Condition::Eq, key.date}});
        projectLines_.move({{"JcTrans_Ref", Condition::Eq, key.reference},
                            {"JcTrans_Date", Condition::Eq, key.date},
                            {"JcTrans_Source", Condition::Eq, kProjectFromPayables}});
        const std::vector<Condition> record{{"Reference", Condition::Eq, key.reference},
                                            {"Supplier", Condition::Eq, key.supplier},
                                            {"Date", Condition::Eq, key.date}};
        std::vector<Condition> own = record;
        own.push_back({"Seq", Condition::Eq, key.seq});
        if (!payment) {
            purchases_.move(own);
            return;
        }
        std::vector<Condition> lines = record;
        lines.push_back({"Header_seq", Condition::Eq, key.seq});
        paymentLines_.move(lines);
        paymentHeaders_.move(own);
    }

    void item(const LedgerItem& item)
    {
        items_.move({{"Cap_supplier", Condition::Eq, item.supplier},
                     {"Cap_invoice", Condition::Eq, item.invoice},
                     {"Cap_seq", Condition::Eq, item.seq}},
                    [&](store::Table& copy) {
                        copy.field("cap_stamp") = DateTime::now();
                        copy.field("cap_user") = context_.user;
                    });
    }

private:
    void removeBankLines(const DocumentKey& key)
    {
        store::Query lines(books_, "DELETE FROM concil WHERE concil_type = ? AND concil_reference = ? AND concil_fou_cli_emp = ? AND "
                                   "concil_date = ?");
        const std::vector<store::Value> binds{kBankLinePayment, key.reference, key.supplier, key.date};
        for (std::size_t i = 0; i < binds.size(); ++i) lines.bind(static_cast<int>(i), binds[i]);
        books_.write([&] { lines.execute(); });
    }

    store::Database& books_;
    const UndoContext& context_;
    int undoNumber_;
    RecordMover taxLines_, projectLines_, purchases_, paymentHeaders_, paymentLines_, items_;
};

// The balance falls by what the items moved, so it still equals the ledger; the month's and the
// year's purchases by the purchase's whole payable amount.
void updateSupplier(store::Table& suppliers, const UndoPlan& plan)
{
    SupplierRecord(suppliers).moveBalance(plan.cascade.balanceChange);
    if (!plan.purchaseStatistics.isZero())
        for (const char* field : {"Sup_purch_mth", "Sup_purch_ytd"})
            suppliers.field(field) = suppliers.field(field).asMoney() - plan.purchaseStatistics;
    suppliers.post();
}

}  // namespace

std::variant<UndoDone, UndoRefusal> RunUndo(store::Database& books, const UndoCascade& confirmed, const UndoContext& context)
{
    ensureCopyTables(books);
    const UndoSelection& selection = confirmed.selection;
    const auto chequeList = cheques::ChequeListLock::takeWaiting(books, cheques::ChequeListUse::Shared, retryFor(context, UndoWait::ChequeList));
    store::Table suppliers(books, "sup");
    suppliers.open();
    const UndoRefusal missing{RefusalReason::SupplierMissing, selection.supplier, kRefusedMessage};
    if (!suppliers.findKey({selection.supplier})) return missing;
    try {
        store::EditWithLockRetry(suppliers, retryFor(context, UndoWait::Supplier));
    } catch (const store::StoreError& error) {
        if (error.code() != store::errc::kRecordGone) throw;
        return missing;
    }
    ReleaseSupplier release{suppliers};
    // The registers of the cheques to void, each bank's held as a printing holds it.
    std::map<int, std::unique_ptr<cheques::ChequeNumberRun>> registers;
    for (const CascadeDocument& document : confirmed.documents)
        if (document.cheque && !registers.contains(document.bankPosition))
            registers[document.bankPosition] = std::make_unique<cheques::ChequeNumberRun>(books, document.bankPosition, context.user,
                                                                                         retryFor(context, UndoWait::ControlRecord));
    const auto chequeLines = holdChequeLines(books, confirmed, retryFor(context, UndoWait::ChequeLine));
    // One undo numbers its copies at a time.
    store::Table undone(books, "cvndundo");
    undone.open();
    const auto numbering = store::HoldKeyWithLockRetry(undone, {std::string(), 0}, retryFor(context, UndoWait::Numbering));

    store::Transaction transaction(books, store::OnRefusedWrite::SpoilTransaction);
    auto planned = PlanUndo(books, selection);
    if (auto* refused = std::get_if<UndoRefusal>(&planned)) return *refused;
    const UndoPlan& plan = std::get<UndoPlan>(planned);
    if (!SameCascade(plan.cascade, confirmed)) return UndoRefusal{RefusalReason::ChangedMeanwhile, selection.supplier, kRefusedMessage};
    const int undoNumber = nextUndoNumber(books);
    Remover remover(books, context, undoNumber);
    for (const PlannedDocument& document : plan.documents) remover.document(document);
    for (const LedgerItem& item : plan.cascade.items) remover.item(item);
    updateSupplier(suppliers, plan);
    for (const CascadeDocument& document : plan.cascade.documents)
        if (document.cheque) registers.at(document.bankPosition)->voidNumber(document.chequeNumber);
    transaction.commit();
    return UndoDone{undoNumber, plan.cascade};
}

std::string RefusalText(const UndoRefusal& refusal)
{
    const std::string about = refusal.detail.empty() ? std::string() : " (" + refusal.detail + ")";
    switch (refusal.reason) {
    case RefusalReason::ItemGone: return "The item is no longer in the supplier's ledger" + about + ".";
    case RefusalReason::NotUndoable: return "A note, adjustment or holdback goes with its invoice" + about + ".";
    case RefusalReason::InHistory: return "The supplier's history holds an item of this transaction" + about + ".";
    case RefusalReason::NoBankLine: return "The payment has no bank reconciliation line" + about + ".";
    case RefusalReason::Reconciled: return "The payment's bank line is reconciled" + about + ".";
    case RefusalReason::OnChequeList: return "The invoice is on the list of cheques to be printed" + about + ".";
    case RefusalReason::JournalNotFound: return "No journal entry holds the document's distribution" + about + ".";
    case RefusalReason::JournalAmbiguous: return "More than one journal entry holds the document's distribution" + about + ".";
    case RefusalReason::SharedTaxLines: return "Another document shares the tax report or project lines" + about + ".";
    case RefusalReason::ChangedMeanwhile: return "The transaction changed since it was shown" + about + ".";
    case RefusalReason::SupplierMissing: return "The supplier is no longer on file" + about + ".";
    case RefusalReason::InvoiceNumberShared: return "Another purchase of the supplier carries the same invoice number" + about + ".";
    }
    return "Refused" + about + ".";
}

}  // namespace orvant::vndundo
