#include "sales_document.h"

#include <QString>

namespace orvant::sales {

std::string CodeAsKept(const std::string& typed) { return QString::fromStdString(typed).trimmed().toStdString(); }

std::string InvoiceNumberAsKept(const std::string& typed)
{
    return QString::fromStdString(typed).trimmed().toUpper().toStdString();
}

bool HoldsControlCharacter(const std::string& text, bool lineBreaksAllowed)
{
    for (const QChar c : QString::fromStdString(text)) {
        if (c.category() != QChar::Other_Control) continue;
        if (!lineBreaksAllowed || (c != u'\n' && c != u'\r' && c != u'\t')) return true;
    }
    return false;
}

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
