#include "books/document_texts.h"

#include <QString>

namespace orvant {

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

}  // namespace orvant
