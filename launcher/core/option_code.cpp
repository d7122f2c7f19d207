#include "core/option_code.h"

#include <QRegularExpression>

namespace orvant::launcher {

bool IsOptionCode(QStringView code)
{
    static const QRegularExpression pattern(QStringLiteral("\\A[a-z0-9_]+\\z"), QRegularExpression::CaseInsensitiveOption);
    return pattern.match(code).hasMatch();
}

bool IsProgramName(QStringView name)
{
    static const QRegularExpression pattern(QStringLiteral("\\A[A-Za-z0-9_][A-Za-z0-9_.+-]*\\z"));
    return pattern.match(name).hasMatch() && !name.contains(u"..");
}

}  // namespace orvant::launcher
