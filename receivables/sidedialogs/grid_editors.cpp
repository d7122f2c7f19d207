#include "sidedialogs/grid_editors.h"

#include <QLineEdit>

#include "money/money.h"

namespace orvant::sidedialogs {

QValidator::State AmountValidator::validate(QString& input, int&) const
{
    for (const QChar c : input)
        if (!c.isDigit() && !QStringView(u",.-() ").contains(c)) return Invalid;
    return Money::parse(input.trimmed().toStdString()) ? Acceptable : Intermediate;
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
