// The raw twin of a sales posting: the rows a sale writes, as plain statements on the engine's
// client library, in one transaction: the journal header and its four lines, the client's
// balance, the ledger entry and the document record.

#include <libpq-fe.h>
#include <sqlite3.h>

#include <stdexcept>
#include <variant>
#include <vector>

#include "money/money.h"
#include "sales_workload.h"

namespace orvant::bench {
namespace {

using Param = std::variant<long long, std::string>;

const char* const kClients[] = {"ABC100", "BEL200", "HAR300", "NOR400", "WES500"};

// SQLite numbers its keys with the highest plus one; PostgreSQL's identity columns do it.
struct Statements {
    std::string header, line, client, ledger, document;
};

Statements statementsFor(bool sqlite)
{
    const auto next = [sqlite](const char* column, const char* table) {
        return sqlite ? std::string(", (SELECT COALESCE(MAX(") + column + "), 0) + 1 FROM " + table + ")" : std::string();
    };
    const auto number = [sqlite](const char* column) { return sqlite ? std::string(", ") + column : std::string(); };
    return {
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
    std::vector<std::pair<const std::string*, std::vector<Param>>> writes;
};

Sale saleOf(const Statements& s, long number)
{
    const std::string invoice = "R" + std::to_string(number), client = kClients[number % 5];
    const std::string day = "2026-03-10", due = "2026-04-09", stamp = "2026-03-10 09:00:00.000";
    const Money net = Money::fromCents(10000 + number % 1000);
    const Money federal = net.percent(5), provincial = net.percent(9.975), total = net + federal + provincial;
    const long long t = total.raw();
    Sale sale;
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

class SqlitePoster final : public SalesPoster {
public:
    explicit SqlitePoster(const std::string& file) : statements_(statementsFor(true))
    {
        if (sqlite3_open_v2(file.c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr) != SQLITE_OK)
            throw std::runtime_error("Cannot open " + file);
        sqlite3_busy_timeout(db_, 120000);
        run("PRAGMA journal_mode=WAL");
        run("PRAGMA synchronous=FULL");
    }
    ~SqlitePoster() override
    {
        for (auto& [sql, statement] : prepared_) sqlite3_finalize(statement);
        sqlite3_close(db_);
    }

    void post(long number) override
    {
        run("BEGIN IMMEDIATE");
        for (const auto& [sql, params] : saleOf(statements_, number).writes) {
            sqlite3_stmt* statement = prepared(*sql);
            for (std::size_t i = 0; i < params.size(); ++i) {
                const int at = static_cast<int>(i) + 1;
                if (const auto* n = std::get_if<long long>(&params[i])) sqlite3_bind_int64(statement, at, *n);
                else sqlite3_bind_text(statement, at, std::get<std::string>(params[i]).c_str(), -1, SQLITE_TRANSIENT);
            }
            const int rc = sqlite3_step(statement);
            sqlite3_reset(statement);
            if (rc != SQLITE_DONE) throw std::runtime_error(std::string("Raw SQLite write failed: ") + sqlite3_errmsg(db_));
        }
        run("COMMIT");
    }

private:
    void run(const char* sql)
    {
        if (sqlite3_exec(db_, sql, nullptr, nullptr, nullptr) != SQLITE_OK)
            throw std::runtime_error(std::string(sql) + ": " + sqlite3_errmsg(db_));
    }
    sqlite3_stmt* prepared(const std::string& sql)
    {
        for (auto& [text, statement] : prepared_)
            if (text == &sql) return statement;
        sqlite3_stmt* statement = nullptr;
        if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &statement, nullptr) != SQLITE_OK)
            throw std::runtime_error("Cannot prepare " + sql + ": " + sqlite3_errmsg(db_));
        prepared_.emplace_back(&sql, statement);
        return statement;
    }

    sqlite3* db_ = nullptr;
    Statements statements_;
    std::vector<std::pair<const std::string*, sqlite3_stmt*>> prepared_;
};

// "?" placeholders as "$1", "$2"...
std::string numbered(const std::string& sql)
{
    std::string out;
    int n = 0;
    for (char c : sql) out += c == '?' ? "$" + std::to_string(++n) : std::string(1, c);
    return out;
}

class PostgresPoster final : public SalesPoster {
public:
    PostgresPoster(const std::string& conninfo, const std::string& schema) : statements_(statementsFor(false))
    {
        conn_ = PQconnectdb(conninfo.c_str());
        if (PQstatus(conn_) != CONNECTION_OK) throw std::runtime_error(std::string("Cannot connect: ") + PQerrorMessage(conn_));
        run("SET search_path TO \"" + schema + "\"");
        const std::string* all[] = {&statements_.header, &statements_.line, &statements_.client, &statements_.ledger,
                                    &statements_.document};
        for (int i = 0; i < 5; ++i) {
            PGresult* r = PQprepare(conn_, ("w" + std::to_string(i)).c_str(), numbered(*all[i]).c_str(), 0, nullptr);
            const bool ok = PQresultStatus(r) == PGRES_COMMAND_OK;
            PQclear(r);
            if (!ok) throw std::runtime_error("Cannot prepare " + *all[i] + ": " + PQerrorMessage(conn_));
            names_.emplace_back(all[i], "w" + std::to_string(i));
        }
    }
    ~PostgresPoster() override { PQfinish(conn_); }

    void post(long number) override
    {
        run("BEGIN");
        for (const auto& [sql, params] : saleOf(statements_, number).writes) {
            std::vector<std::string> texts;
            for (const Param& p : params)
                texts.push_back(std::holds_alternative<long long>(p) ? std::to_string(std::get<long long>(p)) : std::get<std::string>(p));
            std::vector<const char*> values;
            for (const std::string& t : texts) values.push_back(t.c_str());
            PGresult* r = PQexecPrepared(conn_, nameOf(sql).c_str(), static_cast<int>(values.size()), values.data(), nullptr, nullptr, 0);
            const bool ok = PQresultStatus(r) == PGRES_COMMAND_OK;
            PQclear(r);
            if (!ok) throw std::runtime_error(std::string("Raw PostgreSQL write failed: ") + PQerrorMessage(conn_));
        }
        run("COMMIT");
    }

private:
    void run(const std::string& sql)
    {
        PGresult* r = PQexec(conn_, sql.c_str());
        const bool ok = PQresultStatus(r) == PGRES_COMMAND_OK;
        PQclear(r);
        if (!ok) throw std::runtime_error(sql + ": " + PQerrorMessage(conn_));
    }
    const std::string& nameOf(const std::string* sql) const
    {
        for (const auto& [text, name] : names_)
            if (text == sql) return name;
        throw std::logic_error("unprepared statement");
    }

    PGconn* conn_ = nullptr;
    Statements statements_;
    std::vector<std::pair<const std::string*, std::string>> names_;
};

}  // namespace

std::unique_ptr<SalesPoster> rawPoster(const std::string& dataRoot, const store::StoreConfig& config)
{
    const std::string company = dataRoot + "1";
    if (config.postgres.empty()) return std::make_unique<SqlitePoster>(company + "/orvant.sqlite3");
    return std::make_unique<PostgresPoster>(config.postgres, store::schemaForDirectory(company));
}

}  // namespace orvant::bench
