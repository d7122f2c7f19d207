// The raw twin of a receipt posting: what a receipt paying one invoice reads under the client's
// lock (the client's balance, whether the receipt is in the books, the invoice's entries) and the
// rows it writes, as plain statements in one transaction: the journal header and its bank and
// receivable lines, the bank reconciliation line, the receipt's history and its line, the ledger
// entry and the client.

#include "money/money.h"
#include "raw_writer.h"
#include "receipts_workload.h"

namespace orvant::bench {
namespace {

// A receipt's history keeps twenty distribution slots.
constexpr int kSlots = 20;

struct Statements {
    std::string balance, posted, entries;
    std::string header, line, bank, history, detail, ledger, client;
};

Statements statementsFor(bool sqlite)
{
    const auto next = [sqlite](const char* column, const char* table) { return nextNumber(sqlite, column, table); };
    const auto number = [sqlite](const char* column) { return numberedColumn(sqlite, column); };
    const std::string no = sqlite ? "0" : "false";
    const std::string historySeq = sqlite ? "(SELECT MAX(seq) FROM crorihdr)" : "currval(pg_get_serial_sequence('crorihdr', 'seq'))";
    return {
        "SELECT cli_current_bal FROM cli WHERE cli_code = ?",
        "SELECT 1 FROM crorihdr WHERE client = ? AND reference = ? AND \"date\" = ? LIMIT 1",
        "SELECT car_type, car_date, car_du_date, car_amount, car_fed_tax, car_pro_tax FROM car WHERE car_client = ? AND car_invoice = ? "
        "ORDER BY car_seq",
        "INSERT INTO tjlh (tjlh_period, tjlh_journal, tjlh_reference, tjlh_date, tjlh_memo, tjlh_user, tjlh_stamp, "
        "tjlh_tot_debit, tjlh_tot_credit) VALUES (3, 2, ?, ?, " + partyName("cli") + ", 'BENCH', ?, ?, ?)",
        "INSERT INTO tjld (tjld_period, tjld_journal, tjld_reference, tjld_date, tjld_account, tjld_debit, tjld_credit, "
        "tjld_description" + number("tjld_autoinc") + ") VALUES (3, 2, ?, ?, ?, ?, ?, ?" + next("tjld_autoinc", "tjld") + ")",
        "INSERT INTO concil (concil_type, concil_account, concil_reference, concil_fou_cli_emp, concil_nom, concil_date, "
        "concil_montant, concil_tag" + number("concil_seq") + ") VALUES (1, 1000, ?, ?, " + partyName("cli") + ", ?, ?, " + no +
        next("concil_seq", "concil") + ")",
        "INSERT INTO crorihdr (reference, client, \"date\", not_from_cli, nsf_cheque, comments, " + slotColumns(kSlots) +
            ", \"user\", stamp" + number("seq") + ") VALUES (?, ?, ?, " + no + ", " + no + ", '', " + slotPlaceholders(kSlots) +
            ", 'BENCH', ?" + next("seq", "crorihdr") + ")",
        "INSERT INTO croridet (reference, client, \"date\", header_seq, invoice, invoice_date, invoice_due_date, invoice_amount, "
        "invoice_payment" + number("seq") + ") VALUES (?, ?, ?, " + historySeq + ", ?, ?, ?, ?, ?" + next("seq", "croridet") + ")",
        "INSERT INTO car (car_client, car_invoice, car_ref, car_date, car_type, car_du_date, car_amount, car_memo, car_slsm, "
        "car_pro_tax, car_fed_tax, car_user, car_stamp, car_holdback" + number("car_seq") + ") VALUES (?, ?, ?, ?, '2', ?, ?, '', "
        "'JD', 0, 0, 'BENCH', ?, " + no + next("car_seq", "car") + ")",
        "UPDATE cli SET cli_current_bal = cli_current_bal - ?, cli_date_last_pmt = ?, cli_avgdayspay = cli_avgdayspay + 10, "
        "cli_avgnuminvoices = cli_avgnuminvoices + 1 WHERE cli_code = ?",
    };
}

std::vector<RawWrite> receiptOf(const Statements& s, long number)
{
    const std::string reference = "Q" + std::to_string(number), invoice = "R" + std::to_string(number), client = clientOf(number);
    const std::string day = "2026-03-20", stamp = "2026-03-20 09:00:00.000";
    const Money net = Money::fromCents(10000 + number % 1000);
    const long long owed = (net + net.percent(5) + net.percent(9.975)).raw(), paid = Money::fromCents(kReceiptCents).raw();
    // The distribution as the screen sets it out: the receivable and the bank, then the demo company's
    // other accounts for it, left empty.
    const std::vector<RawSlot> distribution{{1100, 0, paid}, {1000, paid, 0}, {5400}, {4020}, {4000}, {4000}, {4000}, {4000}, {4000}};
    return {
        {&s.balance, {client}},
        {&s.posted, {client, reference, day}},
        {&s.entries, {client, invoice}},
        {&s.header, {reference, day, client, stamp, paid, paid}},
        {&s.line, {reference, day, 1100LL, 0LL, paid, std::string("Accounts receivable")}},
        {&s.line, {reference, day, 1000LL, paid, 0LL, std::string("Bank")}},
        {&s.bank, {reference, client, client, day, paid}},
        {&s.history, withSlots({reference, client, day}, distribution, kSlots, stamp)},
        {&s.detail, {reference, client, day, invoice, std::string("2026-03-10"), std::string("2026-04-09"), owed, paid}},
        {&s.ledger, {client, invoice, reference, day, day, -paid, stamp}},
        {&s.client, {paid, day, client}},
    };
}

class RawReceiptPoster final : public Poster {
public:
    RawReceiptPoster(const std::string& dataRoot, const store::StoreConfig& config)
        : writer_(rawWriter(dataRoot, config)), statements_(statementsFor(config.postgres.empty()))
    {
    }

    void post(long number) override { writer_->transaction({"cli", clientOf(number)}, receiptOf(statements_, number)); }

private:
    std::unique_ptr<RawWriter> writer_;
    Statements statements_;
};

}  // namespace

std::unique_ptr<Poster> receiptRawPoster(const std::string& dataRoot, const store::StoreConfig& config)
{
    return std::make_unique<RawReceiptPoster>(dataRoot, config);
}

}  // namespace orvant::bench
