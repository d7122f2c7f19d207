#pragma once
// Test support: one-statement reads and writes on a company's books. Header-only.

#include <string>
#include <vector>

#include "money/money.h"
#include "store/query.h"

namespace orvant::testing {

inline void BindAll(store::Query& query, const std::vector<store::Value>& binds)
{
    for (std::size_t i = 0; i < binds.size(); ++i) query.bind(static_cast<int>(i), binds[i]);
}

// The first column of the first row; a null value when there is no row.
inline store::Value Scalar(store::Database& books, const std::string& sql, const std::vector<store::Value>& binds = {})
{
    store::Query query(books, sql);
    BindAll(query, binds);
    query.open();
    return query.eof() ? store::Value() : query.value(0);
}

// The first column of the first row as an amount; zero when there is no row or it is null (a sum
// over nothing).
inline Money ScalarMoney(store::Database& books, const std::string& sql, const std::vector<store::Value>& binds = {})
{
    store::Query query(books, sql);
    BindAll(query, binds);
    query.open();
    return query.eof() || query.field(0).isNull() ? Money() : query.field(0).asMoney();
}

inline void Execute(store::Database& books, const std::string& sql, const std::vector<store::Value>& binds = {})
{
    store::Query query(books, sql);
    BindAll(query, binds);
    query.execute();
}

}  // namespace orvant::testing
