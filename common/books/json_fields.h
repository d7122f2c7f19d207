#pragma once
// The fields of a document written as a JSON record, read as the books keep them: texts within
// their width, dates, exact amounts, whole numbers, lists. A field that does not read throws a
// JsonFieldError naming it; a reader catches it once and reports the record refused.

#include <QJsonArray>
#include <QJsonObject>
#include <QSet>
#include <string>

#include "dates/date.h"
#include "money/money.h"

namespace orvant::json {

struct JsonFieldError {
    std::string why;
};

[[noreturn]] void Refuse(std::string why);

// Refused when the object holds a field not in `known`; `where` names the object ("row 2 ").
void OnlyKnownFields(const QJsonObject& object, const QSet<QString>& known, const std::string& where);

using Keep = std::string (*)(const std::string&);
// A text as the books keep it (`keep`: trimmed, in capitals...); its width is that of the text
// kept, in characters.
std::string Text(const QJsonObject& object, const char* name, int width, bool required = false, Keep keep = nullptr);
// A date written YYYY-MM-DD; invalid when absent and not required.
Date IsoDate(const QJsonObject& object, const char* name, bool required);
// An amount from its digits (the record's numbers quoted first, json_amounts.h), at most four
// decimals, within the books' limit, never negative.
Money Amount(const QJsonObject& object, const char* name);
int Integer(const QJsonObject& object, const char* name, int least, int most);
bool Flag(const QJsonObject& object, const char* name);
QJsonArray Array(const QJsonObject& object, const char* name);
QJsonObject ObjectAt(const QJsonArray& list, int index, const char* name);

}  // namespace orvant::json
