#pragma once
// Short makers used by the catalog files: one-argument field makers for numbered families, and
// Table, which declares a table in a few chained calls:
//     Table("car", fields).key({"Car_client", "Car_invoice", "Car_seq"}).index("ByStatement", {...})

#include <string>
#include <utility>
#include <vector>

#include "store/schema.h"

namespace orvant::store::build {

inline auto asText(int width)
{
    return [width](std::string name) { return fields::Str(std::move(name), width); };
}
inline constexpr auto asInt = [](std::string name) { return fields::Int(std::move(name)); };
inline constexpr auto asFloat = [](std::string name) { return fields::Float(std::move(name)); };
inline constexpr auto asCash = [](std::string name) { return fields::Cash(std::move(name)); };
inline constexpr auto asBool = [](std::string name) { return fields::Bool(std::move(name)); };

class Table {
public:
    Table(std::string name, FieldList fields)
    {
        def_.name = std::move(name);
        def_.fields = fields.take();
    }
    explicit Table(TableDef def) : def_(std::move(def)) {}

    Table& inDataRoot()
    {
        def_.home = TableHome::DataRoot;
        return *this;
    }
    Table& key(std::vector<std::string> keyFields)
    {
        def_.primaryKey = std::move(keyFields);
        return *this;
    }
    // A secondary index that allows duplicates: an order the modules walk or search the table by.
    Table& index(std::string name, std::vector<std::string> keyFields)
    {
        def_.indexes.push_back(IndexDef{std::move(name), std::move(keyFields), false});
        return *this;
    }
    // A secondary index that one record at most may match: what a posting adds into.
    Table& uniqueIndex(std::string name, std::vector<std::string> keyFields)
    {
        def_.indexes.push_back(IndexDef{std::move(name), std::move(keyFields), true});
        return *this;
    }
    Table& perSession()
    {
        def_.perSession = true;
        return *this;
    }
    Table& addFields(FieldList more)
    {
        for (FieldDef& field : more.take()) def_.fields.push_back(std::move(field));
        return *this;
    }

    operator TableDef() const { return def_; }

private:
    TableDef def_;
};

}  // namespace orvant::store::build
