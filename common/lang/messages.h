#pragma once
// A form's messages: the lines of its hidden message list (IntlStrings1 in a module,
// Error_Messages in the launcher), filled from the language table like any memo.

#include <QString>
#include <optional>

class QWidget;

namespace orvant::lang {

// Message `number` of the form, counted from 0; nothing when the form has no message list or
// the list has no such line.
std::optional<QString> MessageText(const QWidget& form, int number);

}  // namespace orvant::lang
