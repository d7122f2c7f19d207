// The raw twin of a sales posting: the rows a sale writes, as plain statements on the engine's
// client library, in one transaction: the invoice number checked free under the client's lock,
// as every posting checks it, then the journal header and its four lines, the client's balance,
// the ledger entry and the document record.

#include <vector>

#include "money/money.h"
#include "raw_writer.h"
#include "sales_workload.h"

namespace orvant::bench {
namespace {

// A sale's document record keeps fifteen distribution slots.
constexpr int kSlots = 15;

struct Statements {
    std::string numberCheck, header, line, client, ledger, document;
};

Statements statementsFor(bool sqlite)
{
    const auto next = [sqlite](const char* column, const char* table) { return nextNumber(sqlite, column, table); };
    const auto number = [sqlite](const char* column) { return numberedColumn(sqlite, column); };
    const std::string no = sqlite ? "0" : "false";
    return {
        "SELECT 1 FROM car WHERE car_client = ? AND car_invoice = ? AND car_type = '1' LIMIT 1",
        "INSERT INTO tjlh (tjlh_period, tjlh_journal, tjlh_reference, tjlh_date, tjlh_memo, tjlh_user, tjlh_stamp, "
        "tjlh_tot_debit, tjlh_tot_credit) VALUES (3, 1, ?, ?, " + partyName("cli") + ", 'BENCH', ?, ?, ?)",
        "INSERT INTO tjld (tjld_period, tjld_journal, tjld_reference, tjld_date, tjld_account, tjld_debit, tjld_credit, "
        "tjld_description" + number("tjld_autoinc") + ") VALUES (3, 1, ?, ?, ?, ?, ?, ?" + next("tjld_autoinc", "tjld") + ")",
        "UPDATE cli SET cli_current_bal = cli_current_bal + ?, cli_sales_mth = cli_sales_mth + ?, "
        "cli_sales_ytd = cli_sales_ytd + ?, cli_last_sale = ?, cli_date_last_sale = ? WHERE cli_code = ?",
        "INSERT INTO car (car_client, car_invoice, car_ref, car_date, car_type, car_du_date, car_amount, car_memo, car_slsm, "
        "car_pro_tax, car_fed_tax, car_user, car_stamp, car_holdback" + number("car_seq") + ") VALUES (?, ?, '', ?, '1', ?, ?, '', "
        "'JD', 0, 0, 'BENCH', ?, " + no + next("car_seq", "car") + ")",
        "INSERT INTO arori (reference, client, date, due_date, direct_cash_sale, trx_type, dr_cr_reference, comments, " +
            slotColumns(kSlots) + ", stamp, \"user\", debitcredit" + number("seq") + ") VALUES (?, ?, ?, ?, " + no + ", '1', '', '', " +
            slotPlaceholders(kSlots) + ", ?, 'BENCH', " + no + next("seq", "arori") + ")",
    };
}

// One sale's statements and their values.
struct Sale {
    std::vector<RawWrite> writes;
};

Sale saleOf(const Statements& s, long number)
{
    const std::string invoice = "R" + std::to_string(number), client = clientOf(number);
    const std::string day = "2026-03-10", due = "2026-04-09", stamp = "2026-03-10 09:00:00.000";
    const Money net = Money::fromCents(10000 + number % 1000);
    const Money federal = net.percent(5), provincial = net.percent(9.975), total = net + federal + provincial;
    const long long t = total.raw();
    Sale sale;
    sale.writes.push_back({&s.numberCheck, {client, invoice}});
    sale.writes.push_back({&s.header, {invoice, day, client, stamp, t, t}});
    const std::vector<RawSlot> slots{{1100, t, 0}, {4000, 0, net.raw()}, {2200, 0, federal.raw()}, {2210, 0, provincial.raw()}};
    const char* const descriptions[] = {"Accounts receivable", "Sales", "Federal sales tax", "Provincial sales tax"};
    for (std::size_t i = 0; i < slots.size(); ++i)
        sale.writes.push_back({&s.line, {invoice, day, slots[i].account, slots[i].debit, slots[i].credit, std::string(descriptions[i])}});
    sale.writes.push_back({&s.client, {t, t, t, t, day, client}});
    sale.writes.push_back({&s.ledger, {client, invoice, day, due, t, stamp}});
    sale.writes.push_back({&s.document, withSlots({invoice, client, day, due}, slots, kSlots, stamp)});
    return sale;
}

class RawSalesPoster final : public Poster {
public:
    RawSalesPoster(const std::string& dataRoot, const store::StoreConfig& config)
        : writer_(rawWriter(dataRoot, config)), statements_(statementsFor(config.postgres.empty()))
    {
    }

    void post(long number) override { writer_->transaction({"cli", clientOf(number)}, saleOf(statements_, number).writes); }

private:
    std::unique_ptr<RawWriter> writer_;
    Statements statements_;
};

}  // namespace

std::unique_ptr<Poster> rawPoster(const std::string& dataRoot, const store::StoreConfig& config)
{
    return std::make_unique<RawSalesPoster>(dataRoot, config);
}

}  // namespace orvant::bench
