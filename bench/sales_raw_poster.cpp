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

struct Statements {
    std::string numberCheck, header, line, client, ledger, document;
};

Statements statementsFor(bool sqlite)
{
    const auto next = [sqlite](const char* column, const char* table) { return nextNumber(sqlite, column, table); };
    const auto number = [sqlite](const char* column) { return numberedColumn(sqlite, column); };
    return {
        "SELECT 1 FROM car WHERE car_client = ? AND car_invoice = ? AND car_type = '1' LIMIT 1",
        "INSERT INTO tjlh (tjlh_period, tjlh_journal, tjlh_reference, tjlh_date, tjlh_memo, tjlh_user, tjlh_stamp, "
        "tjlh_tot_debit, tjlh_tot_credit) VALUES (3, 1, ?, ?, ?, 'BENCH', ?, ?, ?)",
        "INSERT INTO tjld (tjld_period, tjld_journal, tjld_reference, tjld_date, tjld_account, tjld_debit, tjld_credit, "
        "tjld_description" + number("tjld_autoinc") + ") VALUES (3, 1, ?, ?, ?, ?, ?, ?" + next("tjld_autoinc", "tjld") + ")",
        "UPDATE cli SET cli_current_bal = cli_current_bal + ?, cli_sales_mth = cli_sales_mth + ?, "
        "cli_sales_ytd = cli_sales_ytd + ?, cli_last_sale = ?, cli_date_last_sale = ? WHERE cli_code = ?",
        "INSERT INTO car (car_client, car_invoice, car_ref, car_date, car_type, car_du_date, car_amount, car_memo, car_slsm, "
        "car_pro_tax, car_fed_tax, car_user, car_stamp" + number("car_seq") + ") VALUES (?, ?, '', ?, '1', ?, ?, '', 'JD', 0, 0, "
        "'BENCH', ?" + next("car_seq", "car") + ")",
        "INSERT INTO arori (reference, client, date, due_date, direct_cash_sale, trx_type, dr_cr_reference, comments, "
        "account1, debit1, credit1, account2, debit2, credit2, account3, debit3, credit3, account4, debit4, credit4, stamp, "
        "\"user\", debitcredit" + number("seq") + ") VALUES (?, ?, ?, ?, " + (sqlite ? "0" : "false") +
        ", '1', '', '', 1100, ?, 0, 4000, 0, ?, 2200, 0, ?, 2210, 0, ?, ?, 'BENCH', " + (sqlite ? "0" : "false") +
        next("seq", "arori") + ")",
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
    sale.writes.push_back({&s.header, {invoice, day, std::string("Client"), stamp, t, t}});
    const std::pair<int, Money> rows[] = {{1100, total}, {4000, net}, {2200, federal}, {2210, provincial}};
    for (const auto& [account, amount] : rows) {
        const bool debit = account == 1100;
        sale.writes.push_back({&s.line, {invoice, day, static_cast<long long>(account), debit ? amount.raw() : 0LL,
                                         debit ? 0LL : amount.raw(), std::string("row")}});
    }
    sale.writes.push_back({&s.client, {t, t, t, t, day, client}});
    sale.writes.push_back({&s.ledger, {client, invoice, day, due, t, stamp}});
    sale.writes.push_back({&s.document, {invoice, client, day, due, t, net.raw(), federal.raw(), provincial.raw(), stamp}});
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
