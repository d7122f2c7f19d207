#include "store/database.h"

#include "store/layout_upgrade.h"
#include "store/tables/catalog.h"

namespace orvant::store {
namespace {

TableDef declaredTable(std::string_view table)
{
    auto def = findTable(table);
    if (!def) throw StoreError(errc::kTableNotFound, "Table " + std::string(table) + " is not declared.");
    return *def;
}

}  // namespace

Database::Database(std::string name, std::string directory, StoreConfig config, bool create)
    : name_(std::move(name)), directory_(std::move(directory)), config_(std::move(config))
{
    while (directory_.size() > 1 && directory_.back() == '/') directory_.pop_back();
    connection_ = config_.isPostgres() ? connectPostgres(config_.postgres, directory_, create)
                                       : connectSqlite(directory_, create);
    UpgradeStoredLayout(*connection_);
}

Database::~Database()
{
    if (inTransaction_) {
        try {
            connection_->rollback();
        } catch (...) {  // the connection closes next; nothing of the transaction survives that
        }
    }
    heldUntilEnd_.clear();
}

bool Database::tableExists(std::string_view table) { return connection_->tableExists(sqlTableName(std::string(table))); }

void Database::createTable(std::string_view table) { createTable(declaredTable(table)); }

void Database::createTable(const TableDef& def)
{
    const std::string sqlName = sqlTableName(def.name);
    write([&] {
        for (const auto& statement : connection_->createTableSql(def, sqlName)) connection_->execute(statement);
    });
}

void Database::createOrEmptyTable(std::string_view table)
{
    if (tableExists(table)) emptyTable(table);
    else createTable(table);
}

void Database::emptyTable(std::string_view table)
{
    const std::string sql = "DELETE FROM " + quoteIdent(sqlTableName(std::string(table)));
    write([&] { connection_->execute(sql); });
}

void Database::dropTable(std::string_view table)
{
    const std::string sql = "DROP TABLE " + quoteIdent(sqlTableName(std::string(table)));
    write([&] { connection_->execute(sql); });
}

void Database::startTransaction(OnRefusedWrite onRefusal)
{
    if (inTransaction_) throw StoreError(errc::kTransactionState, "A transaction is already active.");
    connection_->begin();
    inTransaction_ = true;
    onRefusal_ = onRefusal;
    spoiled_ = false;
}

// A refused commit (a deferred constraint, a full disk, a lost connection) ends the transaction
// all the same: what the engine kept open is rolled back, so the next transaction really begins
// instead of being taken for a nested one.
void Database::commit()
{
    if (!inTransaction_) throw StoreError(errc::kTransactionState, "No transaction is active.");
    try {
        if (spoiled_)
            throw StoreError(errc::kTransactionAborted, "A write of the transaction was refused; nothing of the transaction was kept.");
        connection_->commitThenRelease(heldUntilEnd_);
    } catch (...) {
        try {
            connection_->rollback();
        } catch (...) {  // the commit's own error is the one reported; a dead connection keeps nothing either
        }
        endTransaction();
        throw;
    }
    endTransaction();
}

void Database::rollback()
{
    if (!inTransaction_) throw StoreError(errc::kTransactionState, "No transaction is active.");
    try {
        connection_->rollback();
    } catch (...) {
        endTransaction();
        throw;
    }
    endTransaction();
}

void Database::endTransaction()
{
    inTransaction_ = false;
    heldUntilEnd_.clear();
}

std::unique_ptr<LockHandle> Database::tryLock(std::uint64_t key)
{
    return connection_->tryLock(key, workstationIdentity());
}

std::unique_ptr<LockHandle> Database::tryLockThenRun(std::uint64_t key, Statement& then)
{
    return connection_->tryLockThenRun(key, workstationIdentity(), then);
}

std::optional<LockHolder> Database::lockHolder(std::uint64_t key) { return connection_->lockHolder(key); }

void Database::release(std::unique_ptr<LockHandle> lock)
{
    if (lock && inTransaction_) heldUntilEnd_.push_back(std::move(lock));
}

Transaction::Transaction(Database& db, OnRefusedWrite onRefusal) : db_(db), outermost_(!db.inTransaction())
{
    if (outermost_) db_.startTransaction(onRefusal);
}

Transaction::~Transaction()
{
    if (outermost_ && !done_ && db_.inTransaction()) {
        try {
            db_.rollback();
        } catch (...) {  // a destructor must not throw; the engine ends the transaction with the connection
        }
    }
}

void Transaction::commit()
{
    done_ = true;
    if (outermost_) db_.commit();
}

}  // namespace orvant::store
