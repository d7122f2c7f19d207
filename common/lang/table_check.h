#pragma once
// Checks a module's language tables against what the module's code uses, for the tests of every
// module: the English and French tables are there and well formed, every row names a form or
// control that exists, and every message the code shows has its line in both languages.

#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>
#include <array>
#include <vector>

class QWidget;

namespace orvant::lang {

// The languages every module is translated into.
inline constexpr std::array<QStringView, 2> kLanguageCodes{u"en", u"fr"};

// What the code uses of one form.
struct FormUse {
    QString formName;
    QSet<QString> controlNames;
    QList<int> messageNumbers;  // the lines of the form's message list the code shows
};

// A built form's use: its name and the name of every named object under it.
FormUse FormUseOf(const QWidget& form, QList<int> messageNumbers = {});

// The faults of the tables `moduleCode` + each language code, one sentence each, starting with
// "file:line:" when a row is at fault. Empty when the tables are right.
QStringList CheckModuleLanguages(const QString& languagesDir, const QString& moduleCode,
                                 const std::vector<FormUse>& forms);

}  // namespace orvant::lang
