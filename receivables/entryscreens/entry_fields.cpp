#include "entryscreens/entry_fields.h"

#include <QLabel>
#include <QLineEdit>

#include "money/currency_format.h"

namespace orvant::entryscreens {

QLineEdit* NamedEdit(QWidget* parent, const char* name, int width)
{
    auto* edit = Named(new QLineEdit(parent), name);
    if (width > 0) edit->setMaxLength(width);
    return edit;
}

QLabel* BuddyLabel(QWidget* parent, const char* name, const char* caption, QWidget* buddy)
{
    auto* label = Named(new QLabel(QString::fromUtf8(caption), parent), name);
    if (buddy) label->setBuddy(buddy);
    return label;
}

QString RowAmountText(Money amount) { return amount.isZero() ? QString() : QString::fromStdString(FormatAmount(amount)); }

std::optional<Money> AmountIn(const QLineEdit& edit)
{
    const std::string text = edit.text().trimmed().toStdString();
    return text.empty() ? Money() : ReadTypedAmount(text);
}

void ShowText(QLineEdit& edit, const QString& text)
{
    if (edit.text() != text && !(edit.hasFocus() && edit.isModified())) edit.setText(text);
}

}  // namespace orvant::entryscreens
