#pragma once
// Message N of a form: the screens' own messages, taken from the form's message list (filled
// from the language table) and shown through the message service with their number.

#include "ui/message_service.h"

namespace orvant::ui {

// Shows message `number` of the form in the given kind and returns the answer (Yes or No for a
// question). A message missing from the language table still shows, as "(message N)", so the
// gap is seen rather than passed over.
Answer ShowFormMessage(QWidget& form, int number, MessageKind kind = MessageKind::Information);

// Message `number` of the form, or "(message N)" when the table has none.
QString FormMessageText(const QWidget& form, int number);

}  // namespace orvant::ui
