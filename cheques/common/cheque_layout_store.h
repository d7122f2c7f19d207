#pragma once
// The company's cheque form as its four layout tables keep it: the items (apchqfrm) with their
// fonts (apchqfrm2), the page (apchqfrm1) and which part is the cheque (ApchqFrm4).

#include "cheque_layout.h"
#include "store/database.h"

namespace orvant::cheques {

// The company's own form; a company that has described none prints on the default form.
ChequeLayout ReadChequeLayout(store::Database& books);

// Whether the company has described its own form.
bool HasOwnChequeLayout(store::Database& books);

// Replaces the company's form in one transaction. A layout that cannot print a cheque is refused
// (std::invalid_argument naming the first problem) and the form in use stays.
void WriteChequeLayout(store::Database& books, const ChequeLayout& layout);

}  // namespace orvant::cheques
