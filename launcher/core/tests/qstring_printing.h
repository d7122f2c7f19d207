#pragma once
// Texts in the tests' failure reports, rather than their bytes.

#include <QString>
#include <ostream>

inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }
