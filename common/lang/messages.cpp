#include "lang/messages.h"

#include <QWidget>

#include "lang/control_texts.h"
#include "lang/form_strings.h"

namespace orvant::lang {

std::optional<QString> MessageText(const QWidget& form, int number)
{
    const QObject* list = form.findChild<QObject*>(kModuleMessageList.toString());
    if (!list) list = form.findChild<QObject*>(kLauncherMessageList.toString());
    if (!list) return std::nullopt;
    const QStringList lines = MemoLines(list);
    if (number < 0 || number >= lines.size()) return std::nullopt;
    return lines[number];
}

}  // namespace orvant::lang
