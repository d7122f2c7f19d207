#include "store/query.h"

#include <cctype>

namespace orvant::store {

Value QueryField::value() const { return query_->value(index_); }

Money QueryField::asMoney() const
{
    const Value v = value();
    if (const auto* raw = std::get_if<std::int64_t>(&v.storage())) return Money::fromRaw(*raw);
    return v.asMoney();
}

Query::Query(Database& db, std::string sql) : db_(db), sql_(std::move(sql)) {}

Query::~Query() { close(); }

void Query::setSql(std::string sql)
{
    close();
    statement_.reset();
    binds_.clear();
    sql_ = std::move(sql);
}

void Query::bind(int index, Value value)
{
    if (index < 0) throw StoreError(errc::kBadValue, "Parameter numbers start at 0.");
    if (static_cast<std::size_t>(index) >= binds_.size()) binds_.resize(static_cast<std::size_t>(index) + 1);
    binds_[static_cast<std::size_t>(index)] = std::move(value);
}

Statement& Query::prepared()
{
    if (!statement_) statement_ = db_.connection().prepare(sql_);
    return *statement_;
}

// The parameters bound to this query, the others null (a parameter left unbound must not keep
// the value of an earlier run).
void Query::bindAll(Statement& st)
{
    st.clearBindings();
    for (std::size_t i = 0; i < binds_.size(); ++i) st.bind(static_cast<int>(i), binds_[i]);
}

void Query::open()
{
    close();
    Statement& st = prepared();
    bindAll(st);
    open_ = true;
    try {
        const bool onRow = st.step();
        names_.clear();
        for (int i = 0; i < st.columnCount(); ++i) names_.push_back(st.columnName(i));
        readCurrent(onRow);
    } catch (...) {
        close();
        throw;
    }
}

void Query::next()
{
    if (!open_ || !statement_) throw StoreError(errc::kTableClosed, "The query is not open.");
    readCurrent(statement_->step());
}

void Query::readCurrent(bool onRow)
{
    if (!onRow) {
        eof_ = true;
        row_.clear();
        statement_->reset();  // let go of the read as soon as the rows are read
        return;
    }
    eof_ = false;
    row_.clear();
    for (int i = 0; i < statement_->columnCount(); ++i) row_.push_back(statement_->column(i));
}

void Query::close()
{
    if (open_ && statement_) statement_->reset();
    open_ = false;
    eof_ = true;
    row_.clear();
}

std::int64_t Query::execute()
{
    close();
    Statement& st = prepared();
    std::int64_t changed = 0;
    db_.write([&] {
        bindAll(st);
        try {
            while (st.step()) {
            }
        } catch (...) {
            st.reset();
            throw;
        }
        changed = st.changes();
        st.reset();
    });
    return changed;
}

void Query::executeLater()
{
    if (!db_.writesMayWait()) {
        execute();
        return;
    }
    close();
    Statement& st = prepared();
    db_.write([&] {
        bindAll(st);
        try {
            st.runLater({});
        } catch (...) {
            st.reset();
            throw;
        }
        st.reset();
    });
}

int Query::fieldCount() const { return static_cast<int>(names_.size()); }

std::string Query::fieldName(int index) const { return names_.at(static_cast<std::size_t>(index)); }

QueryField Query::field(std::string_view name) const
{
    auto same = [](std::string_view a, std::string_view b) {
        if (a.size() != b.size()) return false;
        for (std::size_t i = 0; i < a.size(); ++i)
            if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) return false;
        return true;
    };
    for (std::size_t i = 0; i < names_.size(); ++i)
        if (same(names_[i], name)) return QueryField(*this, static_cast<int>(i));
    throw StoreError(errc::kFieldNotFound, "The query has no column " + std::string(name) + ".");
}

Value Query::value(int index) const
{
    if (eof_ || static_cast<std::size_t>(index) >= row_.size()) return {};
    return row_[static_cast<std::size_t>(index)];
}

}  // namespace orvant::store
