#pragma once
// The pieces the side dialogs are built from: controls named for the language tables, a title
// bar without a close box, and the keys that move from field to field.

#include <QObject>
#include <QString>
#include <initializer_list>
#include <vector>

class QDialog;
class QLabel;
class QPushButton;
class QWidget;

namespace orvant::sidedialogs {

QPushButton* NamedButton(const char* name, const QString& caption, QWidget* parent);
QLabel* NamedLabel(const char* name, const QString& caption, QWidget* parent);

// The dialog closes only through its own buttons.
void RemoveCloseBox(QDialog& dialog);

// Enter and Down move to the next of the fields, Up to the previous one; on the first and the
// last field Up and Down stay put, and Enter on the last goes on to the next control.
class FieldKeys : public QObject {
public:
    FieldKeys(std::initializer_list<QWidget*> fields, QObject* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::vector<QWidget*> fields_;
};

}  // namespace orvant::sidedialogs
