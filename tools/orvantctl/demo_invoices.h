#pragma once
// The demo company's invoices as the invoicing application keeps them, so that the inquiries
// reprint a sale as its invoice: one per sale of the quarter, its goods, services and freight as
// lines under a comment line, and archived invoices for the items kept in the history.

#include <cstdint>
#include <string>
#include <vector>

#include "company/installation.h"
#include "dates/date.h"
#include "money/money.h"
#include "store/database.h"

namespace orvant::ctl {

struct DemoInvoiceLine {
    std::string code;  // empty with nothing ordered: a comment line
    std::string item;
    std::string description;
    double quantity = 0;
    Money price, total, cost;
    bool tax1 = false, tax2 = false;
};

struct DemoInvoice {
    std::string invoice, client, salesrep;
    Date date, dueDate;
    int terms = 0;
    Money tax1, tax2, paidInCash;
    std::vector<DemoInvoiceLine> lines;
};

// Writes the invoice with its lines, current (fahdr, fadet) or archived (fahdra, fadeta); the
// header's sales, cost and total are the sums of its lines and taxes.
void WriteDemoInvoice(store::Database& books, const DemoInvoice& invoice, bool archived);

// Writes the invoice of every sale the demo posted (PostDemoQuarter first), with the items they
// sell and the names of the ways of payment. Returns how many invoices were written.
int AddDemoInvoices(const company::Installation& installation, int company);

}  // namespace orvant::ctl
