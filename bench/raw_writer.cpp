#include "raw_writer.h"

#include <fcntl.h>
#include <libpq-fe.h>
#include <sqlite3.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <stdexcept>

namespace orvant::bench {
namespace {

// A 64-bit key of the party's table and code, of the kind the store locks records by.
std::uint64_t lockKey(const RawParty& party)
{
    std::uint64_t h = 0xCBF29CE484222325ull;
    const auto feed = [&h](const std::string& text) {
        for (unsigned char c : text) h = (h ^ c) * 0x100000001B3ull;
        h = (h ^ 0x1F) * 0x100000001B3ull;
    };
    feed(party.table);
    feed(party.code);
    h ^= h >> 30;
    h *= 0xBF58476D1CE4E5B9ull;
    h ^= h >> 27;
    h *= 0x94D049BB133111EBull;
    return h ^ (h >> 31);
}

[[noreturn]] void refuseHeldLock(const RawParty& party)
{
    throw std::runtime_error(std::string("The raw twin found the lock of ") + party.table + " " + party.code +
                             " held: two workstations post for one party");
}

// A record lock of the SQLite store's lock file, taken the store's way: an open-file-description
// lock on one byte far past the holder records, with the holder's name written in its record
// slot; closing the descriptor gives it back.
class FileLock {
public:
    FileLock(const std::string& path, const RawParty& party) : fd_(::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666))
    {
        if (fd_ < 0) throw std::runtime_error("Cannot open " + path + ": " + std::strerror(errno));
        const std::uint64_t key = lockKey(party);
        struct flock byte {};
        byte.l_type = F_WRLCK;
        byte.l_whence = SEEK_SET;
        byte.l_start = kLockBase + static_cast<off_t>(key & kSlotMask);
        byte.l_len = 1;
        if (::fcntl(fd_, F_OFD_SETLK, &byte) != 0) {
            ::close(fd_);
            refuseHeldLock(party);
        }
        Holder holder{key, 0, static_cast<std::int32_t>(::getpid()), "BENCH"};
        [[maybe_unused]] auto written = ::pwrite(fd_, &holder, sizeof holder, static_cast<off_t>((key % kHolderSlots) * sizeof holder));
    }
    ~FileLock() { ::close(fd_); }
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

private:
    static constexpr std::uint64_t kHolderSlots = 65536;
    static constexpr off_t kLockBase = off_t(1) << 24;
    static constexpr std::uint64_t kSlotMask = (std::uint64_t(1) << 61) - 1;
    struct Holder {
        std::uint64_t slot;
        std::int32_t session;
        std::int32_t pid;
        char user[48];
    };
    int fd_;
};

class SqliteWriter final : public RawWriter {
public:
    explicit SqliteWriter(const std::string& directory) : lockFile_(directory + "/orvant.locks")
    {
        const std::string file = directory + "/orvant.sqlite3";
        if (sqlite3_open_v2(file.c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr) != SQLITE_OK)
            throw std::runtime_error("Cannot open " + file);
        sqlite3_busy_timeout(db_, 120000);
        run("PRAGMA journal_mode=WAL");
        run("PRAGMA synchronous=FULL");
    }
    ~SqliteWriter() override
    {
        for (auto& [sql, statement] : prepared_) sqlite3_finalize(statement);
        sqlite3_close(db_);
    }

    void transaction(const RawParty& party, const std::vector<RawWrite>& writes) override
    {
        const FileLock lock(lockFile_, party);
        run("BEGIN IMMEDIATE");
        for (const auto& [sql, params] : writes) {
            sqlite3_stmt* statement = prepared(*sql);
            for (std::size_t i = 0; i < params.size(); ++i) {
                const int at = static_cast<int>(i) + 1;
                if (const auto* n = std::get_if<long long>(&params[i])) sqlite3_bind_int64(statement, at, *n);
                else sqlite3_bind_text(statement, at, std::get<std::string>(params[i]).c_str(), -1, SQLITE_TRANSIENT);
            }
            int rc = sqlite3_step(statement);
            while (rc == SQLITE_ROW) rc = sqlite3_step(statement);
            sqlite3_reset(statement);
            if (rc != SQLITE_DONE) throw std::runtime_error(std::string("Raw SQLite statement failed: ") + sqlite3_errmsg(db_));
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

    std::string lockFile_;
    sqlite3* db_ = nullptr;
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

class PostgresWriter final : public RawWriter {
public:
    PostgresWriter(const std::string& conninfo, const std::string& schema)
    {
        conn_ = PQconnectdb(conninfo.c_str());
        if (PQstatus(conn_) != CONNECTION_OK) throw std::runtime_error(std::string("Cannot connect: ") + PQerrorMessage(conn_));
        run("SET search_path TO \"" + schema + "\"");
    }
    ~PostgresWriter() override { PQfinish(conn_); }

    void transaction(const RawParty& party, const std::vector<RawWrite>& writes) override
    {
        const std::string key = std::to_string(static_cast<std::int64_t>(lockKey(party)));
        if (!lockCall("SELECT pg_try_advisory_lock(" + key + ")")) refuseHeldLock(party);
        run("BEGIN");
        for (const auto& [sql, params] : writes) {
            std::vector<std::string> texts;
            for (const RawParam& p : params)
                texts.push_back(std::holds_alternative<long long>(p) ? std::to_string(std::get<long long>(p)) : std::get<std::string>(p));
            std::vector<const char*> values;
            for (const std::string& t : texts) values.push_back(t.c_str());
            PGresult* r = PQexecPrepared(conn_, nameOf(sql).c_str(), static_cast<int>(values.size()), values.data(), nullptr, nullptr, 0);
            const bool ok = PQresultStatus(r) == PGRES_COMMAND_OK || PQresultStatus(r) == PGRES_TUPLES_OK;
            PQclear(r);
            if (!ok) throw std::runtime_error(std::string("Raw PostgreSQL statement failed: ") + PQerrorMessage(conn_));
        }
        run("COMMIT");
        lockCall("SELECT pg_advisory_unlock(" + key + ")");
    }

private:
    // Runs one of the advisory lock functions; whether it answered true.
    bool lockCall(const std::string& sql)
    {
        PGresult* r = PQexec(conn_, sql.c_str());
        const bool ok = PQresultStatus(r) == PGRES_TUPLES_OK;
        const bool taken = ok && PQgetvalue(r, 0, 0)[0] == 't';
        PQclear(r);
        if (!ok) throw std::runtime_error(sql + ": " + PQerrorMessage(conn_));
        return taken;
    }
    void run(const std::string& sql)
    {
        PGresult* r = PQexec(conn_, sql.c_str());
        const bool ok = PQresultStatus(r) == PGRES_COMMAND_OK;
        PQclear(r);
        if (!ok) throw std::runtime_error(sql + ": " + PQerrorMessage(conn_));
    }
    // Prepared on first use.
    const std::string& nameOf(const std::string* sql)
    {
        for (const auto& [text, name] : names_)
            if (text == sql) return name;
        const std::string name = "w" + std::to_string(names_.size());
        PGresult* r = PQprepare(conn_, name.c_str(), numbered(*sql).c_str(), 0, nullptr);
        const bool ok = PQresultStatus(r) == PGRES_COMMAND_OK;
        PQclear(r);
        if (!ok) throw std::runtime_error("Cannot prepare " + *sql + ": " + PQerrorMessage(conn_));
        return names_.emplace_back(sql, name).second;
    }

    PGconn* conn_ = nullptr;
    std::vector<std::pair<const std::string*, std::string>> names_;
};

}  // namespace

std::unique_ptr<RawWriter> rawWriter(const std::string& dataRoot, const store::StoreConfig& config)
{
    const std::string company = dataRoot + "1";
    if (config.postgres.empty()) return std::make_unique<SqliteWriter>(company);
    return std::make_unique<PostgresWriter>(config.postgres, store::schemaForDirectory(company));
}

std::string numberedColumn(bool sqlite, const char* column) { return sqlite ? std::string(", ") + column : std::string(); }

std::string nextNumber(bool sqlite, const char* column, const char* table)
{
    return sqlite ? std::string(", (SELECT COALESCE(MAX(") + column + "), 0) + 1 FROM " + table + ")" : std::string();
}

std::string partyName(const char* table)
{
    const std::string p = table;
    return "(SELECT " + p + "_name FROM " + p + " WHERE " + p + "_code = ?)";
}

std::string slotColumns(int count)
{
    std::string columns;
    for (int i = 1; i <= count; ++i) {
        const std::string n = std::to_string(i);
        columns += (i > 1 ? ", account" : "account") + n + ", debit" + n + ", credit" + n;
    }
    return columns;
}

std::string slotPlaceholders(int count)
{
    std::string marks = "?";
    for (int i = 1; i < 3 * count; ++i) marks += ", ?";
    return marks;
}

std::vector<RawParam> withSlots(std::vector<RawParam> before, const std::vector<RawSlot>& used, int count, RawParam after)
{
    for (int i = 0; i < count; ++i) {
        const RawSlot slot = i < static_cast<int>(used.size()) ? used[i] : RawSlot{};
        before.insert(before.end(), {slot.account, slot.debit, slot.credit});
    }
    before.push_back(std::move(after));
    return before;
}

}  // namespace orvant::bench
