#include "ui/form_messages.h"

#include "lang/messages.h"

namespace orvant::ui {

QString FormMessageText(const QWidget& form, int number)
{
    return lang::MessageText(form, number).value_or(QStringLiteral("(message %1)").arg(number));
}

Answer ShowFormMessage(QWidget& form, int number, MessageKind kind)
{
    return Messages().show({kind, FormMessageText(form, number), number, &form, false});
}

}  // namespace orvant::ui
