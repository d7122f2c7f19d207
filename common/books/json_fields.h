#pragma once
// The fields of a document written as a JSON record, read as the books keep them: texts within
// their width, dates, exact amounts, whole numbers, lists. A field that does not read throws a
// JsonFieldError naming it; ReadRecord catches it once and reports the record refused.

#include <QJsonArray>
#include <QJsonObject>
#include <QSet>
#include <optional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "books/distribution.h"
#include "books/holdback.h"
#include "books/json_amounts.h"
#include "dates/date.h"
#include "money/money.h"

namespace orvant::json {

struct JsonFieldError {
    std::string why;
};

// The object a line of JSON holds, the numbers of its `amounts` fields kept as written, or why
// the line is not such a record (`what` names one: "a receipt").
std::variant<QJsonObject, std::string> RecordObject(const std::string& line, const AmountFields& amounts, const char* what);

// A record read from its line by `read`, or why its form is refused.
template <class Record>
std::variant<Record, std::string> ReadRecord(const std::string& line, const AmountFields& amounts, const char* what,
                                             Record (*read)(const QJsonObject&))
{
    const std::variant<QJsonObject, std::string> object = RecordObject(line, amounts, what);
    if (const auto* why = std::get_if<std::string>(&object)) return *why;
    try {
        return read(std::get<QJsonObject>(object));
    } catch (const JsonFieldError& e) {
        return e.why;
    }
}

[[noreturn]] void Refuse(std::string why);

// Refused when the object holds a field not in `known`; `where` names the object ("row 2 ").
void OnlyKnownFields(const QJsonObject& object, const QSet<QString>& known, const std::string& where);

using Keep = std::string (*)(const std::string&);
// A text as the books keep it (`keep`: trimmed, in capitals...); its width is that of the text
// kept, in characters. A required text is refused absent or kept empty.
std::string Text(const QJsonObject& object, const char* name, int width, bool required = false, Keep keep = nullptr);
// The text without leading or trailing blanks: a Keep for free texts.
std::string Trimmed(const std::string& text);
// A date written YYYY-MM-DD, blanks around it passed over; invalid when absent and not required.
Date IsoDate(const QJsonObject& object, const char* name, bool required);
// An amount from its digits (the record's numbers quoted first, json_amounts.h), at most four
// decimals, within the books' limit, never negative.
Money Amount(const QJsonObject& object, const char* name);
// The same, but a leading minus sign is allowed (a payment may move a credit onto an invoice).
Money SignedAmount(const QJsonObject& object, const char* name);
int Integer(const QJsonObject& object, const char* name, int least, int most);
bool Flag(const QJsonObject& object, const char* name);
QJsonArray Array(const QJsonObject& object, const char* name);
QJsonObject ObjectAt(const QJsonArray& list, int index, const char* name);
// An object field; nothing when absent.
std::optional<QJsonObject> Object(const QJsonObject& object, const char* name);

// A "holdback" object as the holdback dialog is answered: a "percent" from 0 to 100 or an
// "amount" held back to the cent, and the "due" date, required when something is held back.
HoldbackAnswer HoldbackAnswerOf(const QJsonObject& holdback);

// How a record names its distribution rows, for the refusals: "a receipt has at most 20 lines",
// "line 2 has both a debit and a credit".
struct RowsForm {
    const char* record;  // "a receipt"
    const char* row;     // "line"
    int most;
    int descriptionWidth;
};
// The record's "rows" into `rows`, each an account with a debit or a credit (never both) and a
// description; returns how many were given.
int ReadRows(const QJsonObject& object, Distribution& rows, const RowsForm& form);

// A payment a receipt or disbursement record makes on an invoice (or on its holdback).
struct PaymentRecord {
    std::string invoice;
    bool holdback = false;
    Money amount;  // negative: a credit moved onto the invoice
};
// The record's "payments", each naming its invoice as the books keep it.
std::vector<PaymentRecord> Payments(const QJsonObject& object);

// The record's "taxes": the net amount of each rate it names by code, as the tax-per-rate
// dialog is answered.
std::vector<std::pair<int, Money>> NetsPerRate(const QJsonObject& object);

}  // namespace orvant::json
