#pragma once
// The cell editors of the side dialogs' grids: amounts, which take only what reads as money,
// and codes, no longer than their field.

#include <QStyledItemDelegate>
#include <QValidator>

namespace orvant::sidedialogs {

// Acceptable: a text that reads as an amount in the session's language (ReadTypedAmount).
// Intermediate: one that could still become an amount. Invalid: a character that no amount of
// the language has.
class AmountValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& position) const override;
};

// A right-aligned editor with the amount validator; a text that is not an amount never reaches
// the model.
class AmountDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
};

// A plain editor limited to the width of a code field.
class CodeDelegate : public QStyledItemDelegate {
public:
    CodeDelegate(int maxLength, QObject* parent) : QStyledItemDelegate(parent), maxLength_(maxLength) {}
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    int maxLength_;
};

}  // namespace orvant::sidedialogs
