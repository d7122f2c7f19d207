#include "ui/version.h"

#include <QFile>
#include <QStringList>
#include <cctype>

namespace orvant::ui {

QString VersionString(const QString& file, int parts)
{
    if (parts <= 0 || parts > 4) parts = 4;
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly)) return {};
    const QByteArray bytes = f.readAll();
    static const QByteArray mark = QByteArrayLiteral("OrvantFileVersion=");
    const qsizetype at = bytes.indexOf(mark);
    if (at < 0) return {};
    qsizetype end = at + mark.size();
    while (end < bytes.size() && (std::isdigit(static_cast<unsigned char>(bytes[end])) || bytes[end] == '.')) ++end;
    const QStringList numbers = QString::fromLatin1(bytes.mid(at + mark.size(), end - at - mark.size())).split(u'.', Qt::SkipEmptyParts);
    return numbers.mid(0, parts).join(u'.');
}

}  // namespace orvant::ui
