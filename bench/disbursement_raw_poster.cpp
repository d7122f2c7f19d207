// The raw twin of a disbursement posting: what a disbursement paying one invoice reads under the
// supplier's lock (the supplier's balance, whether the disbursement is in the books, the
// invoice's entries) and the rows it writes, as plain statements in one transaction: the journal
// header and its payable and bank lines, the bank reconciliation line, the disbursement's history
// and its line, the ledger entry and the supplier. And the purchase invoices they pay, written
// the same way beforehand.

#include "disbursements_workload.h"
#include "money/money.h"
#include "raw_writer.h"

namespace orvant::bench {
namespace {

constexpr long long kInvoiceCents = 20000;

// A disbursement's history keeps twenty distribution slots.
constexpr int kSlots = 20;

struct Statements {
    std::string balance, posted, entries;
    std::string header, line, bank, history, detail, ledger, supplier;
};

std::string ledgerInsert(bool sqlite, const char* type)
{
    return "INSERT INTO cap (cap_supplier, cap_invoice, cap_ref, cap_date, cap_type, cap_du_date, cap_amount, cap_memo, cap_user, "
           "cap_stamp, cap_holdback" + numberedColumn(sqlite, "cap_seq") + ") VALUES (?, ?, ?, ?, '" + type + "', ?, ?, '', 'BENCH', ?, " +
           (sqlite ? "0" : "false") + nextNumber(sqlite, "cap_seq", "cap") + ")";
}

Statements statementsFor(bool sqlite)
{
    const auto next = [sqlite](const char* column, const char* table) { return nextNumber(sqlite, column, table); };
    const auto number = [sqlite](const char* column) { return numberedColumn(sqlite, column); };
    const std::string no = sqlite ? "0" : "false";
    const std::string historySeq = sqlite ? "(SELECT MAX(seq) FROM cdorihdr)" : "currval(pg_get_serial_sequence('cdorihdr', 'seq'))";
    return {
        "SELECT sup_current_bal FROM sup WHERE sup_code = ?",
        "SELECT 1 FROM cdorihdr WHERE supplier = ? AND reference = ? AND \"date\" = ? LIMIT 1",
        "SELECT cap_type, cap_date, cap_du_date, cap_amount FROM cap WHERE cap_supplier = ? AND cap_invoice = ? ORDER BY cap_seq",
        "INSERT INTO tjlh (tjlh_period, tjlh_journal, tjlh_reference, tjlh_date, tjlh_memo, tjlh_user, tjlh_stamp, "
        "tjlh_tot_debit, tjlh_tot_credit) VALUES (3, 4, ?, ?, " + partyName("sup") + ", 'BENCH', ?, ?, ?)",
        "INSERT INTO tjld (tjld_period, tjld_journal, tjld_reference, tjld_date, tjld_account, tjld_debit, tjld_credit, "
        "tjld_description" + number("tjld_autoinc") + ") VALUES (3, 4, ?, ?, ?, ?, ?, ?" + next("tjld_autoinc", "tjld") + ")",
        "INSERT INTO concil (concil_type, concil_account, concil_reference, concil_fou_cli_emp, concil_nom, concil_date, "
        "concil_montant, concil_tag" + number("concil_seq") + ") VALUES (2, 1000, ?, ?, " + partyName("sup") + ", ?, ?, " + no +
        next("concil_seq", "concil") + ")",
        "INSERT INTO cdorihdr (reference, supplier, \"date\", not_to_sup, comments, " + slotColumns(kSlots) + ", \"user\", stamp" +
            number("seq") + ") VALUES (?, ?, ?, " + no + ", '', " + slotPlaceholders(kSlots) + ", 'BENCH', ?" + next("seq", "cdorihdr") +
            ")",
        "INSERT INTO cdoridet (reference, supplier, \"date\", header_seq, invoice, invoice_date, invoice_due_date, invoice_amount, "
        "invoice_payment" + number("seq") + ") VALUES (?, ?, ?, " + historySeq + ", ?, ?, ?, ?, ?" + next("seq", "cdoridet") + ")",
        ledgerInsert(sqlite, "2"),
        "UPDATE sup SET sup_current_bal = sup_current_bal - ?, sup_date_last_pmt = ? WHERE sup_code = ?",
    };
}

std::vector<RawWrite> disbursementOf(const Statements& s, long number)
{
    const std::string reference = "Q" + std::to_string(number), invoice = "R" + std::to_string(number), supplier = supplierOf(number);
    const std::string day = "2026-03-20", stamp = "2026-03-20 09:00:00.000";
    const long long owed = Money::fromCents(kInvoiceCents).raw(), paid = Money::fromCents(kDisbursementCents).raw();
    // The distribution as the screen sets it out: the bank and the payable, then the demo company's
    // other accounts for it, left empty.
    const std::vector<RawSlot> distribution{{1000, 0, paid}, {2100, paid, 0}, {5000}, {5100}, {5200},
                                            {5400}, {5000}, {5000}, {5000}, {5000}};
    return {
        {&s.balance, {supplier}},
        {&s.posted, {supplier, reference, day}},
        {&s.entries, {supplier, invoice}},
        {&s.header, {reference, day, supplier, stamp, paid, paid}},
        {&s.line, {reference, day, 1000LL, 0LL, paid, std::string("Bank")}},
        {&s.line, {reference, day, 2100LL, paid, 0LL, std::string("Accounts payable")}},
        {&s.bank, {reference, supplier, supplier, day, -paid}},
        {&s.history, withSlots({reference, supplier, day}, distribution, kSlots, stamp)},
        {&s.detail, {reference, supplier, day, invoice, std::string("2026-03-10"), std::string("2026-04-09"), owed, paid}},
        {&s.ledger, {supplier, invoice, reference, day, std::string("2026-04-09"), -paid, stamp}},
        {&s.supplier, {paid, day, supplier}},
    };
}

class RawDisbursementPoster final : public Poster {
public:
    RawDisbursementPoster(const std::string& dataRoot, const store::StoreConfig& config)
        : writer_(rawWriter(dataRoot, config)), statements_(statementsFor(config.postgres.empty()))
    {
    }

    void post(long number) override { writer_->transaction({"sup", supplierOf(number)}, disbursementOf(statements_, number)); }

private:
    std::unique_ptr<RawWriter> writer_;
    Statements statements_;
};

class PurchaseInvoicePoster final : public Poster {
public:
    PurchaseInvoicePoster(const std::string& dataRoot, const store::StoreConfig& config)
        : writer_(rawWriter(dataRoot, config)), ledger_(ledgerInsert(config.postgres.empty(), "1")),
          supplier_("UPDATE sup SET sup_current_bal = sup_current_bal + ? WHERE sup_code = ?")
    {
    }

    void post(long number) override
    {
        const std::string supplier = supplierOf(number);
        const long long owed = Money::fromCents(kInvoiceCents).raw();
        writer_->transaction({"sup", supplier},
                             {{&ledger_, {supplier, "R" + std::to_string(number), std::string(), std::string("2026-03-10"),
                                          std::string("2026-04-09"), owed, std::string("2026-03-10 09:00:00.000")}},
                              {&supplier_, {owed, supplier}}});
    }

private:
    std::unique_ptr<RawWriter> writer_;
    std::string ledger_, supplier_;
};

}  // namespace

std::unique_ptr<Poster> disbursementRawPoster(const std::string& dataRoot, const store::StoreConfig& config)
{
    return std::make_unique<RawDisbursementPoster>(dataRoot, config);
}

std::unique_ptr<Poster> purchaseInvoicePoster(const std::string& dataRoot, const store::StoreConfig& config)
{
    return std::make_unique<PurchaseInvoicePoster>(dataRoot, config);
}

}  // namespace orvant::bench
