#pragma once
// A local query: real SQL over the tables of one database, with "?" parameters bound by
// position. User text is only ever bound, never pasted into the SQL.
//
// Table names are written as the engine knows them: lower case, without ".db". Money columns,
// and sums of them, come back in ten-thousandths; `asMoney` reads them so.

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "store/database.h"

namespace orvant::store {

class Query;

class QueryField {
public:
    QueryField(const Query& query, int index) : query_(&query), index_(index) {}
    Value value() const;
    bool isNull() const { return value().isNull(); }
    std::string asString() const { return value().asString(); }
    std::int64_t asInt() const { return value().asInt(); }
    double asFloat() const { return value().asFloat(); }
    Money asMoney() const;
    bool asBool() const { return value().asBool(); }
    Date asDate() const { return value().asDate(); }
    DateTime asDateTime() const { return value().asDateTime(); }

private:
    const Query* query_;
    int index_;
};

class Query {
public:
    Query(Database& db, std::string sql);
    ~Query();

    void setSql(std::string sql);
    void bind(int index, Value value);
    void clearBindings() { binds_.clear(); }

    // Runs a select and stands on its first row.
    void open();
    void close();
    bool isOpen() const { return open_; }
    bool eof() const { return eof_; }
    void next();

    // Runs a statement that returns no rows; the number of rows it changed.
    std::int64_t execute();
    // Runs a write whose count of rows changed nobody reads: inside a transaction where nothing
    // is tried again, it may go with the connection's next round trip.
    void executeLater();

    int fieldCount() const;
    std::string fieldName(int index) const;
    QueryField field(std::string_view name) const;
    QueryField field(int index) const { return QueryField(*this, index); }
    Value value(int index) const;

private:
    Statement& prepared();
    void bindAll(Statement& st);
    void readCurrent(bool onRow);

    Database& db_;
    std::string sql_;
    std::vector<Value> binds_;
    std::unique_ptr<Statement> statement_;
    std::vector<Value> row_;
    std::vector<std::string> names_;
    bool open_ = false;
    bool eof_ = true;
};

}  // namespace orvant::store
