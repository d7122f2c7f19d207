// The raw twin of a purchases posting: the rows a supplier's invoice writes, as plain statements
// on the engine's client library, in one transaction: the invoice number checked free under the
// supplier's lock, as every posting checks it, then the journal header and its four lines, the
// supplier's balance and purchase statistics, the ledger entry and the document record.

#include <vector>

#include "money/money.h"
#include "purchases_workload.h"
#include "raw_writer.h"

namespace orvant::bench {
namespace {

// A purchase's document record keeps fifteen distribution slots.
constexpr int kSlots = 15;

struct Statements {
    std::string numberCheck, header, line, supplier, ledger, document;
};

Statements statementsFor(bool sqlite)
{
    const auto next = [sqlite](const char* column, const char* table) { return nextNumber(sqlite, column, table); };
    const auto number = [sqlite](const char* column) { return numberedColumn(sqlite, column); };
    const std::string no = sqlite ? "0" : "false";
    return {
        "SELECT 1 FROM cap WHERE cap_supplier = ? AND cap_invoice = ? AND cap_type = '1' ORDER BY cap_seq LIMIT 1",
        "INSERT INTO tjlh (tjlh_period, tjlh_journal, tjlh_reference, tjlh_date, tjlh_memo, tjlh_user, tjlh_stamp, "
        "tjlh_tot_debit, tjlh_tot_credit) VALUES (3, 3, ?, ?, " + partyName("sup") + ", 'BENCH', ?, ?, ?)",
        "INSERT INTO tjld (tjld_period, tjld_journal, tjld_reference, tjld_date, tjld_account, tjld_debit, tjld_credit, "
        "tjld_description" + number("tjld_autoinc") + ") VALUES (3, 3, ?, ?, ?, ?, ?, ?" + next("tjld_autoinc", "tjld") + ")",
        "UPDATE sup SET sup_current_bal = sup_current_bal + ?, sup_last_purch = sup_last_purch + ?, "
        "sup_purch_mth = sup_purch_mth + ?, sup_purch_ytd = sup_purch_ytd + ?, sup_date_last_purch = ? WHERE sup_code = ?",
        "INSERT INTO cap (cap_supplier, cap_invoice, cap_ref, cap_date, cap_type, cap_du_date, cap_amount, cap_memo, cap_user, "
        "cap_stamp, cap_holdback" + number("cap_seq") + ") VALUES (?, ?, '', ?, '1', ?, ?, '', 'BENCH', ?, " + no +
        next("cap_seq", "cap") + ")",
        "INSERT INTO apori (reference, supplier, \"date\", due_date, direct_cash_purchase, trx_type, dr_cr_reference, comments, " +
            slotColumns(kSlots) + ", stamp, \"user\", debitcredit" + number("seq") + ") VALUES (?, ?, ?, ?, " + no + ", '1', '', '', " +
            slotPlaceholders(kSlots) + ", ?, 'BENCH', " + no + next("seq", "apori") + ")",
    };
}

std::vector<RawWrite> purchaseOf(const Statements& s, long number)
{
    const std::string invoice = "R" + std::to_string(number), supplier = supplierOf(number);
    const std::string day = "2026-03-10", due = "2026-04-09", stamp = "2026-03-10 09:00:00.000";
    const Money net = Money::fromCents(10000 + number % 1000);
    const Money federal = net.percent(5), provincial = net.percent(9.975), total = net + federal + provincial;
    const long long t = total.raw();
    std::vector<RawWrite> writes{{&s.numberCheck, {supplier, invoice}}, {&s.header, {invoice, day, supplier, stamp, t, t}}};
    const std::vector<RawSlot> slots{{2100, 0, t}, {5200, net.raw(), 0}, {2200, federal.raw(), 0}, {2210, provincial.raw(), 0}};
    const char* const descriptions[] = {"Accounts payable", "Office supplies", "Federal sales tax", "Provincial sales tax"};
    for (std::size_t i = 0; i < slots.size(); ++i)
        writes.push_back({&s.line, {invoice, day, slots[i].account, slots[i].debit, slots[i].credit, std::string(descriptions[i])}});
    writes.push_back({&s.supplier, {t, t, t, t, day, supplier}});
    writes.push_back({&s.ledger, {supplier, invoice, day, due, t, stamp}});
    writes.push_back({&s.document, withSlots({invoice, supplier, day, due}, slots, kSlots, stamp)});
    return writes;
}

class RawPurchasePoster final : public Poster {
public:
    RawPurchasePoster(const std::string& dataRoot, const store::StoreConfig& config)
        : writer_(rawWriter(dataRoot, config)), statements_(statementsFor(config.postgres.empty()))
    {
    }

    void post(long number) override { writer_->transaction({"sup", supplierOf(number)}, purchaseOf(statements_, number)); }

private:
    std::unique_ptr<RawWriter> writer_;
    Statements statements_;
};

}  // namespace

std::unique_ptr<Poster> purchaseRawPoster(const std::string& dataRoot, const store::StoreConfig& config)
{
    return std::make_unique<RawPurchasePoster>(dataRoot, config);
}

}  // namespace orvant::bench
