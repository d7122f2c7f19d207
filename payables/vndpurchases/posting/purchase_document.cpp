#include "purchase_document.h"

namespace orvant::purchases {

const char* TypeCode(PurchaseType type)
{
    switch (type) {
    case PurchaseType::Purchase: return "1";
    case PurchaseType::Debit: return "4";
    case PurchaseType::Credit: return "5";
    case PurchaseType::Adjustment: return "3";
    }
    return "1";
}

std::optional<PurchaseType> TypeFromIndex(int index)
{
    if (index < 0 || index > 3) return std::nullopt;
    return static_cast<PurchaseType>(index);
}

}  // namespace orvant::purchases
