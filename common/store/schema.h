#pragma once
// Table declarations: fields with their types and widths, the primary key and the secondary
// indexes a table is walked by. Every table of the books is declared once (see catalog.h) and
// created from its declaration on either backend.

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace orvant::store {

enum class FieldType {
    String,     // text of at most `width` characters (20 when no width is given)
    Integer,    // signed 32-bit
    SmallInt,   // signed 16-bit
    Float,      // 64-bit floating point: rates and percentages only
    Money,      // ten-thousandths in a 64-bit integer
    Boolean,
    Date,
    Timestamp,
    Memo,       // variable-length text; `width` is the length shown on screens, not a limit
    Bytes,      // raw bytes of at most `width`
    AutoInc,    // 64-bit integer given by the store on insert
};

constexpr int kDefaultStringWidth = 20;
// A user's whole name (`User_name`): what every record that says who posted or changed it holds.
constexpr int kUserNameWidth = 30;

struct FieldDef {
    std::string name;
    FieldType type = FieldType::String;
    int width = 0;
    bool required = false;
};

struct IndexDef {
    std::string name;
    std::vector<std::string> fields;
    bool unique = false;
};

// Where a table lives: in the data root (shared by all companies) or in a company directory.
enum class TableHome { DataRoot, Company };

struct TableDef {
    std::string name;                     // as the books name it: "cli", "tjlh", "VatTmp"
    TableHome home = TableHome::Company;
    std::vector<FieldDef> fields;
    std::vector<std::string> primaryKey;  // empty: the store keys rows by a hidden row number
    std::vector<IndexDef> indexes;
    bool perSession = false;              // a work table named `name` + session number

    int fieldIndex(std::string_view fieldName) const;  // case-insensitive; -1 when absent
    const IndexDef* findIndex(std::string_view indexName) const;
    bool hasAutoInc() const;
};

// Builders that keep declarations short and close to the books' own layout lists.
namespace fields {
enum Flag { Optional = 0, Req = 1 };
FieldDef Str(std::string name, int width = kDefaultStringWidth, Flag flag = Optional);
FieldDef Int(std::string name, Flag flag = Optional);
FieldDef Small(std::string name, Flag flag = Optional);
FieldDef Float(std::string name, Flag flag = Optional);
FieldDef Cash(std::string name, Flag flag = Optional);
FieldDef Bool(std::string name, Flag flag = Optional);
FieldDef Day(std::string name, Flag flag = Optional);
FieldDef Stamp(std::string name, Flag flag = Optional);
FieldDef Memo(std::string name, int width, Flag flag = Optional);
FieldDef Bytes(std::string name, int width, Flag flag = Optional);
FieldDef AutoInc(std::string name);
// Who posted or changed the record: the user's whole name.
FieldDef UserName(std::string name, Flag flag = Optional);

// A numbered family: Family("Ctrl_sales_accnt", 1, 8, make) gives Ctrl_sales_accnt1 ... 8, where
// make is a one-argument callable such as [](std::string n) { return Int(std::move(n)); }
// (a builder named directly would lose its default arguments).
template <typename Make>
std::vector<FieldDef> Family(const std::string& prefix, int first, int last, Make make, const std::string& suffix = {})
{
    std::vector<FieldDef> out;
    for (int i = first; i <= last; ++i) out.push_back(make(prefix + std::to_string(i) + suffix));
    return out;
}
}  // namespace fields

// Collects single fields and families in record order.
class FieldList {
public:
    FieldList() = default;
    FieldList(std::initializer_list<FieldDef> list) : fields_(list) {}
    FieldList& operator<<(FieldDef field);
    FieldList& operator<<(const std::vector<FieldDef>& family);
    std::vector<FieldDef> take() { return std::move(fields_); }

private:
    std::vector<FieldDef> fields_;
};

// Names compare case-insensitively; "ctrl.DB" and "CTRL" name the same table.
std::string canonicalTableName(std::string_view name);
bool sameName(std::string_view a, std::string_view b);

}  // namespace orvant::store
