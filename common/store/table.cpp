#include "store/table.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <limits>

#include "store/tables/catalog.h"

namespace orvant::store {
namespace {

constexpr int kFirstPage = 32;
constexpr int kLargestPage = 1024;
// Parameters one statement may bind on every engine and version (the embedded engine's oldest limit).
constexpr std::size_t kMostParameters = 999;
constexpr const char* kHiddenRowId = "orv_rowid";

std::string lower(std::string_view s)
{
    std::string out(s);
    for (auto& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

std::size_t utf8Length(const std::string& s)
{
    return static_cast<std::size_t>(std::count_if(s.begin(), s.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

// Resets a statement when a read or write leaves, so the engine's read snapshot is let go.
struct ResetOnExit {
    Statement& st;
    ~ResetOnExit() { st.reset(); }
};

std::uint64_t mix(std::uint64_t x)
{
    x ^= x >> 30;
    x *= 0xBF58476D1CE4E5B9ull;
    x ^= x >> 27;
    x *= 0x94D049BB133111EBull;
    return x ^ (x >> 31);
}

}  // namespace

// ----- fields -------------------------------------------------------------------------------

const std::string& FieldRef::name() const { return table_->definition().fields[static_cast<std::size_t>(index_)].name; }
FieldType FieldRef::type() const { return table_->definition().fields[static_cast<std::size_t>(index_)].type; }
const Value& FieldRef::value() const { return table_->value(index_); }
void FieldRef::set(Value v) { table_->setValue(index_, std::move(v)); }

// ----- opening ------------------------------------------------------------------------------

Table::Table(Database& db, std::string_view tableName) : db_(db), name_(tableName) {}

Table::Table(Database& db, TableDef definition) : db_(db), name_(definition.name), givenDef_(std::move(definition)) {}

Table::~Table()
{
    try {
        close();
    } catch (...) {  // closing only gives back locks and statements; nothing is written
    }
    clearMasterLink();
    for (Table* detail : details_) detail->master_ = nullptr;
}

void Table::setTableName(std::string_view tableName)
{
    if (isOpen()) throw StoreError(errc::kTableClosed, "The table name can be changed only while the table is closed.");
    name_ = tableName;
    if (givenDef_) givenDef_->name = name_;
}

void Table::open()
{
    if (isOpen()) return;
    auto def = givenDef_ ? givenDef_ : findTable(name_);
    if (!def) throw StoreError(errc::kTableNotFound, "Table " + name_ + " is not declared.");
    sqlName_ = sqlTableName(def->name);
    if (!db_.tableExists(sqlName_))
        throw StoreError(errc::kTableNotFound, "Table " + name_ + " does not exist in " + db_.directory() + ".");
    def_ = std::move(*def);
    indexFieldNames();
    keyColumns_.clear();
    for (const auto& k : def_.primaryKey) keyColumns_.push_back(fieldIndex(k));
    if (keyColumns_.empty()) keyColumns_.push_back(fieldCount());  // the hidden row number
    indexName_.clear();
    buildIndexColumns();
    selectList_ = buildSelectList();
    planInsert();
    state_ = TableState::Browse;
    first();
}

void Table::close()
{
    if (!isOpen()) return;
    if (state_ == TableState::Edit || state_ == TableState::Insert) cancel();
    page_.clear();
    spare_.clear();
    statements_.clear();
    ranged_ = filtered_ = false;
    rangeLow_.clear();
    rangeHigh_.clear();
    filter_.clear();
    bof_ = eof_ = true;
    state_ = TableState::Inactive;
}

void Table::requireOpen() const
{
    if (!isOpen()) throw StoreError(errc::kTableClosed, "Table " + name_ + " is not open.");
}

void Table::requireRecord() const
{
    requireOpen();
    if (page_.empty()) throw StoreError(errc::kNoCurrentRecord, "Table " + name_ + " has no current record.");
}

namespace {
char asciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }
}  // namespace

namespace {

// Eight characters at a time: setting bit 0x20 of each folds a letter's two cases together, so
// names equal in any case hash equal (a few other characters fold too: they only share a slot).
std::size_t caselessHash(std::string_view name)
{
    constexpr std::uint64_t kFold = 0x2020202020202020ull, kMix = 0x9E3779B97F4A7C15ull;
    std::uint64_t h = name.size();
    std::size_t i = 0;
    for (; i + 8 <= name.size(); i += 8) {
        std::uint64_t word;
        std::memcpy(&word, name.data() + i, 8);
        h = (h ^ (word | kFold)) * kMix;
        h ^= h >> 32;
    }
    std::uint64_t tail = 0;
    if (i < name.size()) std::memcpy(&tail, name.data() + i, name.size() - i);  // an empty name may have no data
    h = (h ^ (tail | kFold)) * kMix;
    return h ^ (h >> 29);
}

// Callers mostly spell a name as it is declared: that is one comparison of the bytes.
bool caselessEqual(std::string_view a, std::string_view b)
{
    if (a.size() != b.size()) return false;
    if (a == b) return true;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (asciiLower(a[i]) != asciiLower(b[i])) return false;
    return true;
}

}  // namespace

void Table::indexFieldNames()
{
    std::size_t slots = 8;
    while (slots < 2 * def_.fields.size()) slots *= 2;
    fieldSlots_.assign(slots, -1);
    for (std::size_t i = 0; i < def_.fields.size(); ++i) {
        std::size_t at = caselessHash(def_.fields[i].name) & (slots - 1);
        // A name given twice in any case finds the later field.
        while (fieldSlots_[at] >= 0 && !caselessEqual(def_.fields[static_cast<std::size_t>(fieldSlots_[at])].name, def_.fields[i].name))
            at = (at + 1) & (slots - 1);
        fieldSlots_[at] = static_cast<int>(i);
    }
}

int Table::fieldIndex(std::string_view name) const
{
    if (fieldSlots_.empty()) return -1;
    const std::size_t mask = fieldSlots_.size() - 1;
    for (std::size_t at = caselessHash(name) & mask;; at = (at + 1) & mask) {
        const int field = fieldSlots_[at];
        if (field < 0 || caselessEqual(def_.fields[static_cast<std::size_t>(field)].name, name)) return field;
    }
}

bool Table::columnNullable(int column) const
{
    if (column >= fieldCount()) return false;
    if (def_.fields[static_cast<std::size_t>(column)].required) return false;
    return std::find(keyColumns_.begin(), keyColumns_.end(), column) == keyColumns_.end();
}

std::string Table::buildSelectList() const
{
    std::string list;
    for (const auto& f : def_.fields) list += (list.empty() ? "" : ", ") + quoteIdent(f.name);
    if (def_.primaryKey.empty()) list += std::string(", ") + kHiddenRowId;
    return list;
}

// The insert is the same statement for every record, so it is written once when the table opens.
void Table::planInsert()
{
    Connection& engine = db_.connection();
    insertPlan_ = {};
    std::string columns, values, selfNumberedValues, returning;
    // A field is numbered by the engine (returned), from the highest number by the store
    // (numbered, bound), or given (bound).
    const auto plan = [&](std::size_t field, const std::string& column, bool autoInc, bool bytes) {
        std::optional<std::string> next;
        if (autoInc && !(next = engine.nextAutoIncSql(sqlName_, column))) {
            insertPlan_.returned.push_back(field);
            returning += (returning.empty() ? "" : ", ") + column;
            return;
        }
        insertPlan_.bound.emplace_back(field, bytes);
        if (next) insertPlan_.numbered.emplace_back(field, *next);
        else insertPlan_.boundSelfNumbered.emplace_back(field, bytes);
        columns += (columns.empty() ? "" : ", ") + column;
        values += values.empty() ? "?" : ", ?";
        selfNumberedValues += (selfNumberedValues.empty() ? "" : ", ") + (next ? "(" + *next + ")" : std::string("?"));
    };
    for (std::size_t i = 0; i < def_.fields.size(); ++i)
        plan(i, quoteIdent(def_.fields[i].name), def_.fields[i].type == FieldType::AutoInc, def_.fields[i].type == FieldType::Bytes);
    // A keyless table's hidden row number is numbered like an auto-increment field.
    if (def_.primaryKey.empty()) plan(def_.fields.size(), kHiddenRowId, true, false);
    insertPlan_.sql = engine.insertSql(quoteIdent(sqlName_), columns, values, returning);
    insertPlan_.laterSql = engine.laterInsertSql(quoteIdent(sqlName_), columns, values);
    if (!insertPlan_.numbered.empty())
        insertPlan_.selfNumberedSql = engine.laterInsertSql(quoteIdent(sqlName_), columns, selfNumberedValues);
    insertPlan_.columns = std::move(columns);
    insertPlan_.rowValues = std::move(values);
}

namespace {
std::string columnName(const TableDef& def, int column)
{
    return column < static_cast<int>(def.fields.size()) ? quoteIdent(def.fields[static_cast<std::size_t>(column)].name)
                                                        : kHiddenRowId;
}
}  // namespace

// ----- indexes, ranges, filters, links -----------------------------------------------------

void Table::buildIndexColumns()
{
    if (indexName_.empty()) {
        indexColumns_ = keyColumns_;
    } else {
        const IndexDef* index = def_.findIndex(indexName_);
        if (!index) throw StoreError(errc::kIndexNotFound, "Table " + name_ + " has no index " + indexName_ + ".");
        indexColumns_.clear();
        for (const auto& f : index->fields) indexColumns_.push_back(fieldIndex(f));
    }
    orderColumns_ = indexColumns_;
    for (int k : keyColumns_)
        if (std::find(orderColumns_.begin(), orderColumns_.end(), k) == orderColumns_.end()) orderColumns_.push_back(k);
}

void Table::setIndex(std::string_view indexName)
{
    requireOpen();
    finishPendingChange();
    const bool primary = indexName.empty() || lower(indexName) == "primary";
    const std::string previous = indexName_;
    indexName_ = primary ? std::string() : std::string(indexName);
    try {
        buildIndexColumns();
    } catch (...) {
        indexName_ = previous;
        buildIndexColumns();
        throw;
    }
    ranged_ = false;
    if (page_.empty()) return first();
    walkForward(true, valuesOf(page_[pos_], orderColumns_));
}

void Table::setRange(std::vector<Value> low, std::vector<Value> high)
{
    requireOpen();
    finishPendingChange();
    if (low.size() > indexColumns_.size() || high.size() > indexColumns_.size())
        throw StoreError(errc::kBadValue, "The range has more values than the index has fields.");
    rangeLow_ = std::move(low);
    rangeHigh_ = std::move(high);
    ranged_ = true;
    first();
}

void Table::cancelRange()
{
    requireOpen();
    ranged_ = false;
    first();
}

void Table::setFilter(std::vector<Condition> conditions)
{
    requireOpen();
    for (const auto& c : conditions)
        if (fieldIndex(c.field) < 0) throw StoreError(errc::kFieldNotFound, "Field " + c.field + " not found.");
    filter_ = std::move(conditions);
    if (filtered_) first();
}

void Table::setFiltered(bool on)
{
    requireOpen();
    filtered_ = on;
    first();
}

void Table::setMasterLink(Table& master, std::vector<std::string> masterFields, std::vector<std::string> detailFields)
{
    requireOpen();
    if (masterFields.size() != detailFields.size() || masterFields.empty())
        throw StoreError(errc::kBadValue, "A master link pairs the same number of fields on each side.");
    clearMasterLink();
    for (const auto& f : masterFields) {
        const int i = master.fieldIndex(f);
        if (i < 0) throw StoreError(errc::kFieldNotFound, "Field " + f + " not found in " + master.tableName() + ".");
        masterColumns_.push_back(i);
    }
    for (const auto& f : detailFields) {
        const int i = fieldIndex(f);
        if (i < 0) throw StoreError(errc::kFieldNotFound, "Field " + f + " not found in " + name_ + ".");
        detailColumns_.push_back(i);
    }
    master_ = &master;
    master.details_.push_back(this);
    first();
}

void Table::clearMasterLink()
{
    if (master_) {
        auto& siblings = master_->details_;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
    }
    master_ = nullptr;
    masterColumns_.clear();
    detailColumns_.clear();
}

// ----- SQL of the walk ----------------------------------------------------------------------

void Table::Sql::add(const std::string& condition, const std::vector<Value>& values)
{
    text += (text.empty() ? "" : " AND ") + condition;
    binds.insert(binds.end(), values.begin(), values.end());
}

// Lexicographic comparison of the columns with the values, empty fields being the smallest.
// The engines compare a row of values in one index seek, but a row holding an empty value, or
// a "less than" over columns that may be empty, needs the comparison spelled out.
void Table::compare(Sql& where, const std::vector<int>& columns, const std::vector<Value>& values, Compare op) const
{
    const std::size_t n = std::min(columns.size(), values.size());
    if (n == 0) return;
    std::vector<Value> coerced;
    bool anyNull = false, anyNullable = false;
    for (std::size_t i = 0; i < n; ++i) {
        coerced.push_back(checkedForField(columns[i], values[i], false));
        anyNull = anyNull || coerced.back().isNull();
        anyNullable = anyNullable || columnNullable(columns[i]);
    }
    const bool greater = op == Compare::Gt || op == Compare::Ge;
    const bool inclusive = op == Compare::Ge || op == Compare::Le;
    const char* sign = op == Compare::Gt ? ">" : op == Compare::Ge ? ">=" : op == Compare::Lt ? "<" : "<=";

    if (!anyNull && (greater || !anyNullable)) {
        std::string left, right;
        for (std::size_t i = 0; i < n; ++i) {
            left += (i ? ", " : "") + columnName(def_, columns[i]);
            right += i ? ", ?" : "?";
        }
        where.add(n == 1 ? left + " " + sign + " ?" : "(" + left + ") " + sign + " (" + right + ")",
                  coerced);
        return;
    }

    std::vector<Value> binds;
    auto strict = [&](std::size_t i) -> std::string {
        const std::string c = columnName(def_, columns[i]);
        if (coerced[i].isNull()) return greater ? c + " IS NOT NULL" : "0 = 1";
        binds.push_back(coerced[i]);
        if (greater) return c + " > ?";
        return columnNullable(columns[i]) ? "(" + c + " < ? OR " + c + " IS NULL)" : c + " < ?";
    };
    auto same = [&](std::size_t i) -> std::string {
        const std::string c = columnName(def_, columns[i]);
        if (coerced[i].isNull()) return c + " IS NULL";
        binds.push_back(coerced[i]);
        return c + " = ?";
    };
    std::function<std::string(std::size_t)> level = [&](std::size_t i) -> std::string {
        std::string text = "(" + strict(i);
        if (i + 1 == n) return inclusive ? text + " OR " + same(i) + ")" : text + ")";
        text += " OR (" + same(i);
        return text + " AND " + level(i + 1) + "))";
    };
    const std::string text = level(0);
    where.add(text, binds);
}

void Table::equal(Sql& where, const std::vector<int>& columns, const std::vector<Value>& values) const
{
    for (std::size_t i = 0; i < columns.size() && i < values.size(); ++i) {
        const Value v = checkedForField(columns[i], values[i], false);
        if (v.isNull()) where.add(columnName(def_, columns[i]) + " IS NULL");
        else where.add(columnName(def_, columns[i]) + " = ?", {v});
    }
}

Table::Sql Table::baseWhere() const
{
    Sql where;
    if (ranged_) {
        const auto prefix = [&](std::size_t n) { return std::vector<int>(indexColumns_.begin(), indexColumns_.begin() + static_cast<long>(n)); };
        compare(where, prefix(rangeLow_.size()), rangeLow_, Compare::Ge);
        compare(where, prefix(rangeHigh_.size()), rangeHigh_, Compare::Le);
    }
    if (filtered_) {
        for (const auto& c : filter_) {
            const int column = fieldIndex(c.field);
            const std::string name = columnName(def_, column);
            const Value v = checkedForField(column, c.value, false);
            if (v.isNull()) {
                where.add(c.op == Condition::Eq ? name + " IS NULL" : c.op == Condition::Ne ? name + " IS NOT NULL" : "0 = 1");
                continue;
            }
            static constexpr const char* kSigns[] = {" = ?", " <> ?", " < ?", " <= ?", " > ?", " >= ?"};
            if (c.op == Condition::Ne) where.add("(" + name + " <> ? OR " + name + " IS NULL)", {v});
            else where.add(name + kSigns[c.op], {v});
        }
    }
    if (master_) {
        if (!master_->isOpen() || !master_->hasRecord()) where.add("0 = 1");
        else equal(where, detailColumns_, master_->valuesOf(master_->page_[master_->pos_], masterColumns_));
    }
    return where;
}

Statement& Table::statement(const std::string& sql)
{
    auto& slot = statements_[sql];
    if (!slot) slot = db_.connection().prepare(sql);
    return *slot;
}

Table::Row Table::readRow(Statement& st) const
{
    Row row;
    readRow(st, row);
    return row;
}

void Table::readRow(Statement& st, Row& into) const
{
    const std::size_t fields = def_.fields.size();
    into.values.resize(fields + (def_.primaryKey.empty() ? 1 : 0));
    for (std::size_t i = 0; i < fields; ++i) st.readColumn(static_cast<int>(i), def_.fields[i].type, into.values[i]);
    if (def_.primaryKey.empty()) st.readColumn(static_cast<int>(fields), FieldType::AutoInc, into.values[fields]);
}

std::vector<Table::Row> Table::runSelect(const std::string& sql, const std::vector<Value>& binds, int limit)
{
    std::vector<Row> rows;
    rows.reserve(static_cast<std::size_t>(std::min(limit, kLargestPage)));
    selectInto(sql, binds, rows);
    return rows;
}

void Table::selectInto(const std::string& sql, const std::vector<Value>& binds, std::vector<Row>& rows)
{
    Statement& st = statement(sql);
    ResetOnExit resetter{st};
    for (std::size_t i = 0; i < binds.size(); ++i) st.bind(static_cast<int>(i), binds[i]);
    std::size_t count = 0;
    for (; st.step(); ++count) {
        if (count == rows.size()) rows.emplace_back();
        readRow(st, rows[count]);
    }
    rows.resize(count);
}

// The page's statement: the walk's conditions and `extra`, in index order, `limit` rows at most.
Table::Sql Table::pageQuery(const Sql& extra, bool descending, int limit) const
{
    Sql where = baseWhere();
    where.add(extra.text.empty() ? "1 = 1" : extra.text, extra.binds);
    std::string order;
    for (int c : orderColumns_)
        order += (order.empty() ? "" : ", ") + db_.connection().orderTerm(columnName(def_, c), descending, columnNullable(c));
    return {"SELECT " + selectList_ + " FROM " + quoteIdent(sqlName_) + " WHERE " + where.text + " ORDER BY " + order +
                " LIMIT " + std::to_string(limit),
            std::move(where.binds)};
}

std::vector<Table::Row> Table::fetch(const Sql& extra, bool descending, int limit)
{
    const Sql query = pageQuery(extra, descending, limit);
    return runSelect(query.text, query.binds, limit);
}

void Table::fetchInto(const Sql& extra, bool descending, int limit, std::vector<Row>& rows)
{
    const Sql query = pageQuery(extra, descending, limit);
    selectInto(query.text, query.binds, rows);
}

std::vector<Value> Table::valuesOf(const Row& row, const std::vector<int>& columns) const
{
    std::vector<Value> out;
    out.reserve(columns.size());
    for (int c : columns) out.push_back(row.values[static_cast<std::size_t>(c)]);
    return out;
}

std::optional<Table::Row> Table::lockAndReread(const std::vector<Value>& key, std::unique_ptr<LockHandle>& lock)
{
    Sql where;
    equal(where, keyColumns_, key);
    Statement& st = statement("SELECT " + selectList_ + " FROM " + quoteIdent(sqlName_) + " WHERE " + where.text);
    ResetOnExit resetter{st};
    for (std::size_t i = 0; i < where.binds.size(); ++i) st.bind(static_cast<int>(i), where.binds[i]);
    const std::uint64_t lk = lockKey(key);
    lock = db_.tryLockThenRun(lk, st);
    if (!lock) refuseLocked(lk);
    if (!st.step()) return std::nullopt;
    return readRow(st);
}

// ----- the walk -----------------------------------------------------------------------------

void Table::showPage(std::vector<Row> rows, bool fromEnd)
{
    page_ = std::move(rows);
    if (page_.empty()) {
        pos_ = 0;
        bof_ = eof_ = true;
    } else {
        pos_ = fromEnd ? page_.size() - 1 : 0;
        bof_ = !fromEnd;
        eof_ = fromEnd;
    }
    afterMove();
}

void Table::afterMove()
{
    for (Table* detail : details_)
        if (detail->isOpen()) detail->first();
}

void Table::finishPendingChange()
{
    if (state_ == TableState::Insert || state_ == TableState::Edit) post();
}

void Table::first()
{
    requireOpen();
    finishPendingChange();
    pageSize_ = kFirstPage;
    showPage(fetch({}, false, pageSize_), false);
}

void Table::last()
{
    requireOpen();
    finishPendingChange();
    pageSize_ = kFirstPage;
    auto rows = fetch({}, true, pageSize_);
    std::reverse(rows.begin(), rows.end());
    showPage(std::move(rows), true);
}

void Table::next()
{
    requireOpen();
    finishPendingChange();
    bof_ = false;
    if (page_.empty()) {
        eof_ = true;
        return;
    }
    if (pos_ + 1 < page_.size()) {
        ++pos_;
        eof_ = false;
        return afterMove();
    }
    pageSize_ = std::min(pageSize_ * 2, kLargestPage);
    Sql after;
    compare(after, orderColumns_, valuesOf(page_[pos_], orderColumns_), Compare::Gt);
    fetchInto(after, false, pageSize_, spare_);
    if (spare_.empty()) {
        eof_ = true;
        return;
    }
    page_.swap(spare_);
    pos_ = 0;
    eof_ = false;
    afterMove();
}

void Table::prior()
{
    requireOpen();
    finishPendingChange();
    eof_ = false;
    if (page_.empty()) {
        bof_ = true;
        return;
    }
    if (pos_ > 0) {
        --pos_;
        bof_ = false;
        return afterMove();
    }
    pageSize_ = std::min(pageSize_ * 2, kLargestPage);
    Sql before;
    compare(before, orderColumns_, valuesOf(page_[pos_], orderColumns_), Compare::Lt);
    fetchInto(before, true, pageSize_, spare_);
    if (spare_.empty()) {
        bof_ = true;
        return;
    }
    std::reverse(spare_.begin(), spare_.end());
    page_.swap(spare_);
    pos_ = page_.size() - 1;
    bof_ = false;
    afterMove();
}

void Table::walkForward(bool inclusive, const std::vector<Value>& from)
{
    pageSize_ = kFirstPage;
    Sql where;
    compare(where, orderColumns_, from, inclusive ? Compare::Ge : Compare::Gt);
    auto rows = fetch(where, false, pageSize_);
    if (rows.empty()) return last();
    showPage(std::move(rows), false);
    bof_ = false;
}

bool Table::isEmpty()
{
    requireOpen();
    return fetch({}, false, 1).empty();
}

std::int64_t Table::recordCount()
{
    requireOpen();
    Sql where = baseWhere();
    const std::string sql = "SELECT COUNT(*) FROM " + quoteIdent(sqlName_) + (where.text.empty() ? "" : " WHERE " + where.text);
    Statement& st = statement(sql);
    ResetOnExit resetter{st};
    for (std::size_t i = 0; i < where.binds.size(); ++i) st.bind(static_cast<int>(i), where.binds[i]);
    return st.step() ? st.column(0, FieldType::Integer).asInt() : 0;
}

bool Table::findKey(const std::vector<Value>& key)
{
    requireOpen();
    finishPendingChange();
    if (key.empty() || key.size() > indexColumns_.size())
        throw StoreError(errc::kBadValue, "FindKey on " + name_ + " needs 1 to " + std::to_string(indexColumns_.size()) + " values.");
    Sql where;
    equal(where, std::vector<int>(indexColumns_.begin(), indexColumns_.begin() + static_cast<long>(key.size())), key);
    auto rows = fetch(where, false, 1);
    if (rows.empty()) return false;
    pageSize_ = kFirstPage;
    showPage(std::move(rows), false);
    bof_ = false;
    return true;
}

void Table::findNearest(const std::vector<Value>& key)
{
    requireOpen();
    finishPendingChange();
    if (key.empty() || key.size() > indexColumns_.size())
        throw StoreError(errc::kBadValue, "FindNearest on " + name_ + " needs 1 to " + std::to_string(indexColumns_.size()) + " values.");
    pageSize_ = kFirstPage;
    Sql where;
    compare(where, std::vector<int>(indexColumns_.begin(), indexColumns_.begin() + static_cast<long>(key.size())), key,
            Compare::Ge);
    auto rows = fetch(where, false, pageSize_);
    if (rows.empty()) {
        last();
        eof_ = true;
        return;
    }
    showPage(std::move(rows), false);
    bof_ = false;
}

void Table::refresh()
{
    requireOpen();
    if (state_ != TableState::Browse) return;
    if (page_.empty()) return first();
    walkForward(true, valuesOf(page_[pos_], orderColumns_));
}

// ----- values -------------------------------------------------------------------------------

FieldRef Table::field(std::string_view name)
{
    const int i = fieldIndex(name);
    if (i < 0) throw StoreError(errc::kFieldNotFound, "Field " + std::string(name) + " not found in " + name_ + ".");
    return FieldRef(*this, i);
}

FieldRef Table::field(int index)
{
    if (index < 0 || index >= fieldCount())
        throw StoreError(errc::kFieldNotFound, "Field number " + std::to_string(index) + " not found in " + name_ + ".");
    return FieldRef(*this, index);
}

const Value& Table::value(int index) const
{
    static const Value empty;
    const auto i = static_cast<std::size_t>(index);
    if (state_ == TableState::Insert || state_ == TableState::Edit) return editRow_.values.at(i);
    if (page_.empty()) return empty;
    return page_[pos_].values.at(i);
}

void Table::setValue(int index, Value value)
{
    if (state_ != TableState::Insert && state_ != TableState::Edit)
        throw StoreError(errc::kNotEditing, "Table " + name_ + " is not in insert or edit mode.");
    const auto i = static_cast<std::size_t>(index);
    editRow_.values.at(i) = checkedForField(index, std::move(value), true);
    changed_.at(i) = true;
}

namespace {

// A NUL would end the text early in one engine and be kept in the other: never stored.
void refuseNul(const FieldDef& field, const std::string& text)
{
    if (text.find('\0') != std::string::npos) throw StoreError(errc::kBadValue, "Field " + field.name + " cannot hold a NUL character.");
}

}  // namespace

Value Table::checkedForField(int index, Value value, bool checkWidth) const
{
    if (value.isNull() || index >= fieldCount()) return value;
    const FieldDef& f = def_.fields[static_cast<std::size_t>(index)];
    auto tooLong = [&](std::size_t limit) {
        return StoreError(errc::kValueTooLong, "Field " + f.name + " holds at most " + std::to_string(limit) +
                                                   (f.type == FieldType::Bytes ? " bytes." : " characters."));
    };
    try {
        switch (f.type) {
        case FieldType::String: {
            if (!std::holds_alternative<std::string>(value.storage())) value = value.asString();
            const std::string& s = std::get<std::string>(value.storage());
            refuseNul(f, s);
            const auto width = static_cast<std::size_t>(f.width > 0 ? f.width : kDefaultStringWidth);
            if (checkWidth && utf8Length(s) > width) throw tooLong(width);
            return value;
        }
        case FieldType::Memo: {
            if (!std::holds_alternative<std::string>(value.storage())) value = value.asString();
            refuseNul(f, std::get<std::string>(value.storage()));
            return value;
        }
        case FieldType::Bytes: {
            std::string s = value.asString();
            if (checkWidth && f.width > 0 && s.size() > static_cast<std::size_t>(f.width))
                throw tooLong(static_cast<std::size_t>(f.width));
            return s;
        }
        case FieldType::Integer:
        case FieldType::SmallInt: {
            const std::int64_t n = value.asInt();
            const std::int64_t limit = f.type == FieldType::Integer ? std::numeric_limits<std::int32_t>::max()
                                                                    : std::numeric_limits<std::int16_t>::max();
            if (n > limit || n < -limit - 1)
                throw StoreError(errc::kBadValue, "Field " + f.name + " cannot hold " + std::to_string(n) + ".");
            return n;
        }
        case FieldType::AutoInc: return value.asInt();
        case FieldType::Float: return value.asFloat();
        case FieldType::Money: return value.asMoney();
        case FieldType::Boolean: return value.asBool();
        case FieldType::Date: return Value(value.asDate());
        case FieldType::Timestamp: return Value(value.asDateTime());
        }
    } catch (StoreError& e) {
        if (e.code() == errc::kBadValue && e.entries().size() == 1) e.addContext(errc::kBadValue, "Field " + f.name);
        throw;
    }
    return value;
}

// ----- changes ------------------------------------------------------------------------------

std::uint64_t Table::lockKey(const std::vector<Value>& key) const
{
    std::uint64_t h = 0xCBF29CE484222325ull;
    auto feed = [&](const std::string& s) {
        for (unsigned char c : s) h = (h ^ c) * 0x100000001B3ull;
        h = (h ^ 0x1F) * 0x100000001B3ull;
    };
    feed(sqlName_);
    for (const auto& v : key) feed(std::to_string(v.storage().index()) + v.asString());
    return mix(h);
}

void Table::refuseLocked(std::uint64_t key) const
{
    auto holder = db_.lockHolder(key);
    std::string text = "Record locked by another user.";
    if (holder)
        text += " The record of " + name_ + " is in use by " + (holder->user.empty() ? "another user" : holder->user) +
                " (session " + std::to_string(holder->session) + ").";
    StoreError error(errc::kRecordLocked, text);
    if (holder) error.setHolder(*holder);
    throw error;
}

void Table::insert()
{
    requireOpen();
    finishPendingChange();
    editRow_.values.assign(def_.fields.size() + (def_.primaryKey.empty() ? 1 : 0), Value());
    changed_.assign(editRow_.values.size(), false);
    state_ = TableState::Insert;
}

std::unique_ptr<LockHandle> Table::holdKey(const std::vector<Value>& key)
{
    const std::uint64_t lk = lockKey(key);
    auto lock = db_.tryLock(lk);
    if (!lock) refuseLocked(lk);
    return lock;
}

void Table::edit()
{
    requireRecord();
    if (state_ == TableState::Edit) return;
    finishPendingChange();
    const auto key = keyOf(page_[pos_]);
    std::unique_ptr<LockHandle> lock;
    auto fresh = lockAndReread(key, lock);
    if (!fresh) throw StoreError(errc::kRecordGone, "The record of " + name_ + " was deleted by another user.");
    page_[pos_] = *fresh;
    editRow_ = std::move(*fresh);
    editKey_ = key;
    editLock_ = std::move(lock);
    changed_.assign(editRow_.values.size(), false);
    state_ = TableState::Edit;
}

void Table::validateForPost(Row& row) const
{
    for (std::size_t i = 0; i < def_.fields.size(); ++i) {
        const FieldDef& f = def_.fields[i];
        Value& v = row.values[i];
        if (!v.isNull() || f.type == FieldType::AutoInc) continue;
        const bool inKey = std::find(keyColumns_.begin(), keyColumns_.end(), static_cast<int>(i)) != keyColumns_.end();
        // A key field left empty is stored as its zero value, as the engines keep keys whole.
        if (inKey && f.type != FieldType::Date && f.type != FieldType::Timestamp) {
            v = checkedForField(static_cast<int>(i), f.type == FieldType::String || f.type == FieldType::Memo ? Value("") : Value(0), false);
            continue;
        }
        if (f.required || inKey)
            throw StoreError({{errc::kRequiredField, "Table " + name_ + ": field " + f.name + " must have a value."},
                              {errc::kRequiredField, describeErrorCode(errc::kRequiredField)}});
    }
}

void Table::post()
{
    requireOpen();
    if (state_ == TableState::Insert) postInsert();
    else if (state_ == TableState::Edit) postEdit();
}

void Table::insertRecords(std::size_t count, const std::function<void(std::size_t)>& fill)
{
    requireOpen();
    if (!db_.writesMayWait())
        throw StoreError(errc::kTransactionState, "Records of " + name_ + " are written together only inside a posting's transaction.");
    if (count == 0) return;
    std::vector<Row> rows;
    rows.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        insert();
        fill(i);
        validateForPost(editRow_);
        rows.push_back(std::move(editRow_));
        editRow_ = {};
        state_ = TableState::Browse;  // else the next insert() would post it
    }
    // A single record numbered by the store takes its numbers inside its insert.
    const bool selfNumbered = count == 1 && !insertPlan_.selfNumberedSql.empty();
    const auto& bound = selfNumbered ? insertPlan_.boundSelfNumbered : insertPlan_.bound;
    // As many records a statement as the engines' fewest parameters allow.
    const std::size_t perStatement = std::max<std::size_t>(1, kMostParameters / std::max<std::size_t>(1, bound.size()));
    db_.write([&] {
        if (!selfNumbered) numberFromHighest(rows);
        for (std::size_t from = 0; from < count; from += perStatement) {
            const std::size_t n = std::min(perStatement, count - from);
            // Nobody reads the numbers the engine gives these records: the write goes later.
            Statement& st = statement(selfNumbered ? insertPlan_.selfNumberedSql : laterInsertSql(n));
            ResetOnExit resetter{st};
            int b = 0;
            for (std::size_t i = from; i < from + n; ++i) bindInsert(st, rows[i], bound, b);
            st.runLater({static_cast<std::int64_t>(n), errc::kKeyViolation, "Table " + name_ + " already has a record with the key of one of them."});
        }
    });
}

// The numbers after the highest stored, in the records' order: the transaction holds the
// engine's writing to itself until they are written.
void Table::numberFromHighest(std::vector<Row>& rows)
{
    for (const auto& [field, query] : insertPlan_.numbered) {
        const std::int64_t first = nextNumber(query);
        for (std::size_t i = 0; i < rows.size(); ++i) rows[i].values[field] = Value(first + static_cast<std::int64_t>(i));
    }
}

std::int64_t Table::nextNumber(const std::string& query)
{
    Statement& next = statement(query);
    ResetOnExit resetter{next};
    next.step();
    return next.column(0, FieldType::AutoInc).asInt();
}

std::string Table::laterInsertSql(std::size_t count) const
{
    std::string values = insertPlan_.rowValues;
    for (std::size_t i = 1; i < count; ++i) values += "), (" + insertPlan_.rowValues;
    return db_.connection().laterInsertSql(quoteIdent(sqlName_), insertPlan_.columns, values);
}

void Table::bindInsert(Statement& st, const Row& row, const std::vector<std::pair<std::size_t, bool>>& bound, int& b) const
{
    for (const auto& [field, bytes] : bound) {
        const Value& v = row.values[field];
        if (bytes && !v.isNull()) st.bindBytes(b++, v.asString());
        else st.bind(b++, v);
    }
}

void Table::postInsert()
{
    Row row = editRow_;
    validateForPost(row);
    // A number taken from the highest one must be written in the same transaction.
    std::optional<Transaction> numbering;
    if (!insertPlan_.numbered.empty()) numbering.emplace(db_);
    for (const auto& [field, query] : insertPlan_.numbered) row.values[field] = Value(nextNumber(query));
    const std::string refusal = "Table " + name_ + " already has a record with this key.";
    // A record whose fields are all given, posted where nothing is tried again, goes later.
    if (insertPlan_.returned.empty() && !numbering && db_.writesMayWait()) {
        Statement& st = statement(insertPlan_.laterSql);
        ResetOnExit resetter{st};
        int b = 0;
        bindInsert(st, row, insertPlan_.bound, b);
        db_.write([&] { st.runLater({1, errc::kKeyViolation, refusal}); });
        showInserted(std::move(row));
        return;
    }
    // No savepoint: the engine's insert refuses a duplicate key without spoiling the transaction.
    Statement& st = statement(insertPlan_.sql);
    ResetOnExit resetter{st};
    int b = 0;
    bindInsert(st, row, insertPlan_.bound, b);
    const bool returnedRow = st.step();
    if (insertPlan_.returned.empty() ? st.changes() == 0 : !returnedRow) throw StoreError(errc::kKeyViolation, refusal);
    for (std::size_t r = 0; r < insertPlan_.returned.size(); ++r)
        row.values[insertPlan_.returned[r]] = st.column(static_cast<int>(r), FieldType::AutoInc);
    // Stepping a finished statement would run it again.
    if (returnedRow)
        while (st.step()) {
        }
    if (numbering) numbering->commit();
    showInserted(std::move(row));
}

void Table::showInserted(Row row)
{
    state_ = TableState::Browse;
    pageSize_ = kFirstPage;
    showPage({std::move(row)}, false);
    bof_ = false;
}

void Table::postEdit()
{
    // The edit is taken, not copied, and given back if the write is refused.
    Row row = std::move(editRow_);
    try {
        writeEdit(row);
    } catch (...) {
        editRow_ = std::move(row);
        throw;
    }
    // The record as read again under its lock, with this edit's changes: what is stored now.
    page_[pos_] = std::move(row);
    state_ = TableState::Browse;
    editRow_ = {};
    db_.release(std::move(editLock_));
    afterMove();
}

void Table::writeEdit(Row& row)
{
    std::string sets;
    std::vector<std::pair<std::size_t, bool>> bound;
    validateForPost(row);
    for (std::size_t i = 0; i < def_.fields.size(); ++i) {
        if (!changed_[i] || def_.fields[i].type == FieldType::AutoInc) continue;
        sets += (sets.empty() ? "" : ", ") + quoteIdent(def_.fields[i].name) + " = ?";
        bound.emplace_back(i, def_.fields[i].type == FieldType::Bytes);
    }
    if (!sets.empty()) {
        Sql where;
        equal(where, keyColumns_, editKey_);
        const std::string update = "UPDATE " + quoteIdent(sqlName_) + " SET " + sets + " WHERE " + where.text;
        // Where nothing is tried again the update goes later; the engine refuses it by itself
        // when the record is gone.
        const bool later = db_.writesMayWait();
        db_.write([&] {
            Statement& st = statement(later ? db_.connection().laterUpdateSql(update) : update);
            ResetOnExit resetter{st};
            int b = 0;
            for (const auto& [i, bytes] : bound) {
                if (bytes && !row.values[i].isNull()) st.bindBytes(b++, row.values[i].asString());
                else st.bind(b++, row.values[i]);
            }
            for (const auto& v : where.binds) st.bind(b++, v);
            const std::string gone = "The record of " + name_ + " was deleted by another user.";
            if (later) return st.runLater({1, errc::kRecordGone, gone});
            st.step();
            if (st.changes() == 0) throw StoreError(errc::kRecordGone, gone);
        });
    }
}

void Table::cancel()
{
    requireOpen();
    if (state_ == TableState::Edit) db_.release(std::move(editLock_));
    if (state_ == TableState::Edit || state_ == TableState::Insert) {
        editRow_ = {};
        state_ = TableState::Browse;
    }
}

void Table::deleteRecord()
{
    requireOpen();
    if (state_ == TableState::Insert) return cancel();
    requireRecord();
    std::vector<Value> key = state_ == TableState::Edit ? editKey_ : keyOf(page_[pos_]);
    std::unique_ptr<LockHandle> lock = std::move(editLock_);
    if (!lock) {
        const std::uint64_t lk = lockKey(key);
        lock = db_.tryLock(lk);
        if (!lock) refuseLocked(lk);
    }
    Sql where;
    equal(where, keyColumns_, key);
    const std::string sql = "DELETE FROM " + quoteIdent(sqlName_) + " WHERE " + where.text;
    try {
        db_.write([&] {
            Statement& st = statement(sql);
            ResetOnExit resetter{st};
            for (std::size_t i = 0; i < where.binds.size(); ++i) st.bind(static_cast<int>(i), where.binds[i]);
            st.step();
        });
    } catch (...) {
        if (state_ == TableState::Edit) editLock_ = std::move(lock);
        throw;
    }
    const auto from = valuesOf(page_[pos_], orderColumns_);
    state_ = TableState::Browse;
    editRow_ = {};
    db_.release(std::move(lock));
    walkForward(false, from);
}

}  // namespace orvant::store
