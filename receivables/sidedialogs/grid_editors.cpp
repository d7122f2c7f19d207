#include "sidedialogs/grid_editors.h"

#include <QLineEdit>

#include "money/currency_format.h"

namespace orvant::sidedialogs {

QValidator::State AmountValidator::validate(QString& input, int&) const
{
    const CurrencyFormat& display = ProcessCurrencyFormat();
    const QString sign = QString::fromStdString(display.currentSign());
    // Only the marks of the session's language: a decimal point cannot be typed in French.
    const QStringView marks = display.language() == AmountLanguage::French ? QStringView(u"-() ,\u00A0\u202F") : QStringView(u"-(),.");
    for (const QChar c : input)
        if (!c.isDigit() && !marks.contains(c) && !sign.contains(c)) return Invalid;
    return ReadTypedAmount(input.trimmed().toStdString()) ? Acceptable : Intermediate;
}

QWidget* AmountDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const
{
    auto* editor = new QLineEdit(parent);
    editor->setAlignment(Qt::AlignRight);
    editor->setValidator(new AmountValidator(editor));
    return editor;
}

void AmountDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const
{
    auto* line = qobject_cast<QLineEdit*>(editor);
    if (line && line->hasAcceptableInput()) model->setData(index, line->text().trimmed());
}

QWidget* CodeDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
    if (auto* line = qobject_cast<QLineEdit*>(editor)) line->setMaxLength(maxLength_);
    return editor;
}

}  // namespace orvant::sidedialogs
