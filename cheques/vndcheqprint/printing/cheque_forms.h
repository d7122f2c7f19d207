#pragma once
// The forms a run prints: one per cheque, and more for a cheque whose lines do not fit on its
// stubs. Each stub lists the form's lines: first the layout's heading lines, one of which names
// the cheque (its number, payee, date, the company and the amount), then the invoice lines. A
// continuation form is void: it carries the non-negotiable words and no amount, yet uses a
// cheque number of its own, as it is printed on a numbered form.

#include <string>
#include <vector>

#include "cheque_layout.h"
#include "cheque_record.h"

namespace orvant::vndcheqprint {

struct StubLine {
    bool heading = false;
    bool namesCheque = false;        // the heading line carrying the cheque's number, payee, date and amount
    const cheques::ChequeLine* line = nullptr;  // an invoice line; null on a heading line
};

struct ChequeForm {
    const cheques::Cheque* cheque = nullptr;
    bool continuation = false;  // void: no amount, the non-negotiable words
    std::string number;         // the cheque number printed on it, once reserved
    std::vector<StubLine> lines;
};

// The forms of the cheques in order, not yet numbered. The cheques must outlive the forms.
std::vector<ChequeForm> LayOutForms(const std::vector<cheques::Cheque>& cheques, const cheques::ChequeLayout& layout);

}  // namespace orvant::vndcheqprint
