#pragma once
// The widgets of the cash receipts and cash disbursements forms that hold no logic: the header
// of the payment (the party's code, list and name, the box of a payment with no party and a
// second box beside it, the date, reference and memo) and the frame around the
// grids (a caption, the status bar, the hidden box of the form's messages), named for the
// language tables and the screen driver.

#include "entryscreens/entry_fields.h"

class QCheckBox;
class QDialog;
class QPlainTextEdit;

namespace orvant::sidedialogs {

class PaymentGrids;

// What a form's header calls its party and its boxes.
struct PaymentHeaderNames {
    entryscreens::PartyNames party;
    const char* partyName;
    const char* noPartyBox;
    const char* noPartyCaption;
    const char* secondBox;  // beside the first (nullptr: none)
    const char* secondCaption;
    int referenceWidth;
};

struct PaymentHeader {
    QLineEdit* partyCode;
    QPushButton* partySearch;
    QLabel* partyName;
    QCheckBox *noParty, *second;  // second: nullptr when the form has none
    QLineEdit *date, *reference;
    QPlainTextEdit* memo;
};

// Lays the header out in `grid`, its widgets children of `form`.
PaymentHeader BuildPaymentHeader(QWidget& form, QGridLayout& grid, const PaymentHeaderNames& names);

// Lays the form out: a caption over the header when it has one, the header, the grids, the
// buttons and the status bar. Enter and Tab go through the header, then the open items and the
// distribution; the buttons come last. The hidden box of the form's messages follows.
void LayOutPaymentForm(QDialog& form, const char* caption, QGridLayout* headerGrid, const PaymentHeader& header, PaymentGrids* grids,
                       QWidget* buttons);

}  // namespace orvant::sidedialogs
