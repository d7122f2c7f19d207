#include "inquiry/party_filter.h"

#include <QString>

#include "inquiry/filter_parameter.h"
#include "store/backend.h"
#include "store/query.h"

namespace orvant::inquiry {

namespace {

struct PartyColumns {
    const char* table;
    const char* code;
    const char* name;
    const char* telephone;
};

PartyColumns columnsOf(PartyKind kind)
{
    if (kind == PartyKind::Client) return {"cli", "Cli_code", "Cli_name", "Cli_tel"};
    return {"sup", "Sup_code", "Sup_name", "Sup_tel"};
}

// A condition of the WHERE clause and the values it binds, in their order.
struct Condition {
    std::string sql;
    std::vector<store::Value> values;
};

const char* sqlOperator(FilterOperator op)
{
    switch (op) {
    case FilterOperator::Greater: return ">";
    case FilterOperator::Less: return "<";
    case FilterOperator::NotEqual: return "<>";
    default: return "=";
    }
}

// An empty field compares as its type's empty value, so "Current balance < 100" lists the
// parties that owe nothing.
Condition valueCondition(const std::string& column, FilterOperator op, store::Value empty, store::Value value)
{
    return {"COALESCE(" + column + ", ?) " + sqlOperator(op) + " ?", {std::move(empty), std::move(value)}};
}

// A date compares whole: "<>" keeps every other date. A party with no date matches nothing.
Condition dateCondition(const std::string& column, FilterOperator op, Date date)
{
    return {column + " " + sqlOperator(op) + " ?", {store::Value(date)}};
}

// A timestamp compares on its date: the day runs from its midnight to the next one.
Condition stampCondition(const std::string& column, FilterOperator op, Date date)
{
    const store::Value dayStart(DateTime(date, 0));
    const store::Value nextDay(DateTime(date.addDays(1), 0));
    switch (op) {
    case FilterOperator::Greater: return {column + " >= ?", {nextDay}};
    case FilterOperator::Less: return {column + " < ?", {dayStart}};
    case FilterOperator::NotEqual: return {"(" + column + " < ? OR " + column + " >= ?)", {dayStart, nextDay}};
    default: return {"(" + column + " >= ? AND " + column + " < ?)", {dayStart, nextDay}};
    }
}

std::optional<Condition> comparison(const FilterField& field, FilterOperator op, const std::string& parameter,
                                    const ParameterNotation& notation)
{
    const auto value = ReadFilterParameter(parameter, field.type, notation);
    if (!value) return std::nullopt;
    const std::string column = store::quoteIdent(field.field);
    if (field.type == FilterFieldType::Date) return dateCondition(column, op, value->asDate());
    if (field.type == FilterFieldType::Stamp) return stampCondition(column, op, value->asDate());
    return valueCondition(column, op, EmptyValueOf(field.type), *value);
}

std::string selectParties(const PartyColumns& party, const std::string& extraColumn = {})
{
    std::string sql = "SELECT " + store::quoteIdent(party.code) + ", " + store::quoteIdent(party.name) + ", " +
                      store::quoteIdent(party.telephone);
    if (!extraColumn.empty()) sql += ", " + extraColumn;
    return sql + " FROM " + store::quoteIdent(party.table);
}

PartyListRow rowOf(const store::Query& query)
{
    return {query.value(0).asString(), query.value(1).asString(), query.value(2).asString()};
}

std::vector<PartyListRow> listed(store::Database& books, const PartyColumns& party, const std::optional<Condition>& where)
{
    std::string sql = selectParties(party);
    if (where) sql += " WHERE " + where->sql;
    store::Query query(books, sql + " ORDER BY " + store::quoteIdent(party.code));
    if (where)
        for (std::size_t i = 0; i < where->values.size(); ++i) query.bind(static_cast<int>(i), where->values[i]);
    std::vector<PartyListRow> rows;
    for (query.open(); !query.eof(); query.next()) rows.push_back(rowOf(query));
    return rows;
}

// Upper and lower case alike, accented letters included, however the text composes them.
QString folded(const std::string& text)
{
    return QString::fromStdString(text).toCaseFolded().normalized(QString::NormalizationForm_C);
}

// Matched here rather than by the engine's LIKE, whose case rules differ from one engine to the
// other; "%" and "_" are then plain characters. The walk keeps only the parties that match.
std::vector<PartyListRow> containing(store::Database& books, const PartyColumns& party, const FilterField& field,
                                     const std::string& parameter)
{
    const QString needle = folded(parameter);
    store::Query query(books, selectParties(party, store::quoteIdent(field.field)) + " ORDER BY " +
                                  store::quoteIdent(party.code));
    std::vector<PartyListRow> rows;
    for (query.open(); !query.eof(); query.next())
        if (folded(query.value(3).asString()).contains(needle)) rows.push_back(rowOf(query));
    return rows;
}

std::string trimmed(const std::string& text)
{
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

}  // namespace

std::optional<std::vector<PartyListRow>> FilteredParties(store::Database& books, PartyKind kind,
                                                         const PartyFilter& filter, const ParameterNotation& notation)
{
    const auto fields = FilterFields(kind);
    if (filter.fieldIndex < 0 || static_cast<std::size_t>(filter.fieldIndex) >= fields.size()) return std::nullopt;
    if (filter.operatorIndex < 0 || filter.operatorIndex >= kFilterOperatorCount) return std::nullopt;
    const FilterField& field = fields[static_cast<std::size_t>(filter.fieldIndex)];
    const auto op = static_cast<FilterOperator>(filter.operatorIndex);
    const PartyColumns party = columnsOf(kind);
    const std::string parameter = trimmed(filter.parameter);

    if (parameter.empty()) return listed(books, party, std::nullopt);
    if (op == FilterOperator::Containing) {
        if (field.type != FilterFieldType::Text) return std::nullopt;
        return containing(books, party, field, parameter);
    }
    const auto condition = comparison(field, op, parameter, notation);
    if (!condition) return std::nullopt;
    return listed(books, party, condition);
}

}  // namespace orvant::inquiry
