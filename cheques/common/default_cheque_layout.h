#pragma once
// The cheque form every new company starts with, until it describes its own: a letter page with
// the cheque on top and two stubs below it, each listing the invoices paid.

#include "cheque_layout.h"

namespace orvant::cheques {

ChequeLayout DefaultChequeLayout();

}  // namespace orvant::cheques
