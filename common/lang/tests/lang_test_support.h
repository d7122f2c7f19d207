#pragma once
// A throwaway languages folder that tests fill with table files, and Qt strings printed as text
// in test failures.

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <ostream>

inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace orvant::lang::testing {

class TempLanguages {
public:
    QString dir() const { return dir_.path(); }
    QString path(const QString& fileName) const { return dir_.filePath(fileName); }

    void write(const QString& fileName, const QByteArray& text) const
    {
        QFile file(path(fileName));
        file.open(QIODevice::WriteOnly);
        file.write(text);
    }

private:
    QTemporaryDir dir_;
};

}  // namespace orvant::lang::testing
