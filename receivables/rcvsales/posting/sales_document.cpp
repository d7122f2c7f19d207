#include "sales_document.h"

namespace orvant::sales {

const char* TypeCode(SalesType type)
{
    switch (type) {
    case SalesType::Sale: return "1";
    case SalesType::Debit: return "4";
    case SalesType::Credit: return "5";
    case SalesType::Adjustment: return "3";
    }
    return "1";
}

std::optional<SalesType> TypeFromIndex(int index)
{
    if (index < 0 || index > 3) return std::nullopt;
    return static_cast<SalesType>(index);
}

}  // namespace orvant::sales
