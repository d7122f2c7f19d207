#pragma once
// The text boxes the entry screens are built from: named for the language tables and the
// screen driver, amounts read and shown in the session's language, and a box being typed in
// left alone when the screen shows its state again.

#include <QString>
#include <optional>

#include "money/money.h"

class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace orvant::entryscreens {

// The edit mask of a date box.
inline constexpr const char* kDateMask = "!99/99/9999;1; ";

// `widget`, named for the language tables and the screen driver.
template <class Widget>
Widget* Named(Widget* widget, const char* name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

// A box of at most `width` characters (no limit for 0).
QLineEdit* NamedEdit(QWidget* parent, const char* name, int width = 0);
// What a header calls its party's code, the button of its list and its label.
struct PartyNames {
    const char* code;
    int width;
    bool codeSkipsChecks;  // leaving a field for the code skips the field's checks
    const char *list, *listHint;  // the list button and its hint
    const char *label, *caption;
};

struct PartyCode {
    QLineEdit* code;
    QPushButton* list;  // "...": it never takes the focus, and moving to it skips the checks
};

// The party's label, code and list button on the first row of a header's `grid`, `beside`
// after them: stretched when `besideStretches`, else at the row's end.
PartyCode PlaceParty(QWidget& form, QGridLayout& grid, const PartyNames& names, QWidget* beside, bool besideStretches);
// A label whose mnemonic moves to `buddy`.
QLabel* BuddyLabel(QWidget* parent, const char* name, const char* caption, QWidget* buddy = nullptr);

// An amount of a distribution row: blank for 0.
QString RowAmountText(Money amount);
// An empty box reads as 0; a text that does not read cleanly as an amount gives nothing.
std::optional<Money> AmountIn(const QLineEdit& edit);

// Shows `text` unless the box holds what the user is typing: that reaches the logic when the
// box is left.
void ShowText(QLineEdit& edit, const QString& text);

}  // namespace orvant::entryscreens
