#pragma once
// The widgets of the sales and purchases forms that hold no logic: the header of the document
// (the party's code and list, the cash box, the address, the type, numbers, dates and memo)
// and the frame around it (the distribution, the buttons, the status bar and the hidden box of
// the form's messages), named for the language tables and the screen driver.

#include <QString>
#include <array>
#include <optional>

#include "entryscreens/entry_fields.h"

class QCheckBox;
class QComboBox;
class QDialog;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QWidget;

namespace orvant::entryscreens {

class DistributionBox;

// What a form's header calls its party and its fields, and how wide the codes are.
struct HeaderNames {
    PartyNames party;
    int numberWidth;  // the invoice number and the reference
    const char* cashCaption;
    std::array<const char*, 4> address;  // name, two address lines, city
    const char* firstType;  // the first of the four transaction types
    const char *typeCaption, *referenceCaption, *dueDateCaption, *memoCaption;
};

struct EntryHeader {
    QLineEdit* partyCode;
    QPushButton* partySearch;
    QCheckBox* cash;
    std::array<QLabel*, 4> address;
    QComboBox* type;
    QLineEdit *invoice, *reference, *date, *dueDate;
    QPlainTextEdit* memo;
};

// Lays the header out in `grid`, its widgets children of `form`.
EntryHeader BuildEntryHeader(QWidget& form, QGridLayout& grid, const HeaderNames& names);

// The party's name and address lines; nothing hides them.
void ShowAddress(const EntryHeader& header, const std::optional<std::array<QString, 4>>& lines);

// Lays the form out: the header, the distribution, the buttons and the status bar. Enter and
// Tab go through the header, then the grid row by row; the cash box and the buttons come last.
// The hidden box of the form's messages follows.
void LayOutEntryForm(QDialog& form, QGridLayout* headerGrid, const EntryHeader& header, DistributionBox* distribution,
                     QWidget* buttons);

}  // namespace orvant::entryscreens
