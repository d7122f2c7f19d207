#pragma once
// Record layouts shared by several tables: a ledger and its history, a posted document and its
// audit copy, the cheque list and its recurring, working and print copies. Each maker returns a
// whole declaration under the given name, so the copies cannot drift from the original.

#include <string>

#include "store/schema.h"

namespace orvant::store::layouts {

// Receivables documents name the client, payables documents the supplier.
enum class Party { Client, Supplier };

TableDef clientLedger(std::string name);    // car, carh
TableDef supplierLedger(std::string name);  // cap, caph

TableDef sourceDocuments(std::string name, Party party);  // arori, apori, aporidel
TableDef paymentHeaders(std::string name, Party party);   // crorihdr, cdorihdr, cdorihdrdel
TableDef paymentDetails(std::string name, Party party);   // croridet, cdoridet, cdoridetdel

TableDef chequeHeaders(std::string name);  // apchqh, recchqh and the print copy
// apchqd, recchqd, the working and print copies; the working copy requires its cheque number.
TableDef chequeLines(std::string name, fields::Flag chequeSeqFlag = fields::Optional);
TableDef chequeTaxLines(std::string name);  // apchVAT, RecChVAT

}  // namespace orvant::store::layouts
