#include "store/schema.h"

#include <algorithm>
#include <cctype>
#include <stdexcept>

namespace orvant::store {

namespace {

char lower(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

bool equalsIgnoringCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return lower(x) == lower(y); });
}

FieldDef make(std::string name, FieldType type, int width, fields::Flag flag)
{
    if (name.empty()) throw std::invalid_argument("a field needs a name");
    return FieldDef{std::move(name), type, width, flag == fields::Req};
}

// Text and raw bytes are bounded by their width, so a width below one would hold nothing.
FieldDef makeBounded(std::string name, FieldType type, int width, fields::Flag flag)
{
    if (width < 1) throw std::invalid_argument("field " + name + " needs a width of at least 1");
    return make(std::move(name), type, width, flag);
}

}  // namespace

int TableDef::fieldIndex(std::string_view fieldName) const
{
    for (std::size_t i = 0; i < fields.size(); ++i)
        if (equalsIgnoringCase(fields[i].name, fieldName)) return static_cast<int>(i);
    return -1;
}

const IndexDef* TableDef::findIndex(std::string_view indexName) const
{
    for (const IndexDef& index : indexes)
        if (equalsIgnoringCase(index.name, indexName)) return &index;
    return nullptr;
}

bool TableDef::hasAutoInc() const
{
    return std::any_of(fields.begin(), fields.end(), [](const FieldDef& f) { return f.type == FieldType::AutoInc; });
}

namespace fields {

FieldDef Str(std::string name, int width, Flag flag)
{
    return makeBounded(std::move(name), FieldType::String, width, flag);
}
FieldDef Int(std::string name, Flag flag) { return make(std::move(name), FieldType::Integer, 0, flag); }
FieldDef Small(std::string name, Flag flag) { return make(std::move(name), FieldType::SmallInt, 0, flag); }
FieldDef Float(std::string name, Flag flag) { return make(std::move(name), FieldType::Float, 0, flag); }
FieldDef Cash(std::string name, Flag flag) { return make(std::move(name), FieldType::Money, 0, flag); }
FieldDef Bool(std::string name, Flag flag) { return make(std::move(name), FieldType::Boolean, 0, flag); }
FieldDef Day(std::string name, Flag flag) { return make(std::move(name), FieldType::Date, 0, flag); }
FieldDef Stamp(std::string name, Flag flag) { return make(std::move(name), FieldType::Timestamp, 0, flag); }
FieldDef Bytes(std::string name, int width, Flag flag)
{
    return makeBounded(std::move(name), FieldType::Bytes, width, flag);
}
FieldDef AutoInc(std::string name) { return make(std::move(name), FieldType::AutoInc, 0, Optional); }
FieldDef UserName(std::string name, Flag flag) { return make(std::move(name), FieldType::String, kUserNameWidth, flag); }

FieldDef Memo(std::string name, int width, Flag flag)
{
    if (width < 0) throw std::invalid_argument("memo " + name + " has a negative width");
    return make(std::move(name), FieldType::Memo, width, flag);
}

}  // namespace fields

FieldList& FieldList::operator<<(FieldDef field)
{
    fields_.push_back(std::move(field));
    return *this;
}

FieldList& FieldList::operator<<(const std::vector<FieldDef>& family)
{
    fields_.insert(fields_.end(), family.begin(), family.end());
    return *this;
}

std::string canonicalTableName(std::string_view name)
{
    std::string out(name);
    std::transform(out.begin(), out.end(), out.begin(), lower);
    constexpr std::string_view kExtension = ".db";
    if (out.size() > kExtension.size() && out.ends_with(kExtension)) out.resize(out.size() - kExtension.size());
    return out;
}

bool sameName(std::string_view a, std::string_view b) { return canonicalTableName(a) == canonicalTableName(b); }

}  // namespace orvant::store
