#include "default_cheque_layout.h"

namespace orvant::cheques {

namespace {

constexpr const char* kFont = "Sans Serif";
// Amounts and dates print right-aligned in a column this wide (1/96 inch).
constexpr int kAmountWidth = 115;

LayoutItem item(const char* field, int part, double line, double position, int width = 0, int size = 10)
{
    return LayoutItem{field, part, line, position, 0, size, width, kFont};
}

// The cheque: its number and date, the amount in figures and in words, the payee's address.
void addCheque(std::vector<LayoutItem>& items)
{
    items.push_back(item("15 Cheque number", 1, 0.30, 6.30, kAmountWidth));
    items.push_back(item("16 Cheque date", 1, 0.70, 5.00));
    items.push_back(item("17 Cheque amount", 1, 0.70, 6.30, kAmountWidth));
    items.push_back(item("18 Amount in words", 1, 1.10, 0.40, 0, 8));
    items.push_back(item("02 Payee", 1, 1.60, 0.80));
    items.push_back(item("03 Address 1", 1, 1.80, 0.80));
    items.push_back(item("04 Address 2", 1, 2.00, 0.80));
    items.push_back(item("05 City", 1, 2.20, 0.80));
    items.push_back(item("06 Province", 1, 2.20, 3.00));
    items.push_back(item("08 Postal code", 1, 2.20, 4.50));
    items.push_back(item("07 Country", 1, 2.40, 0.80));
}

// A stub: the heading line (supplier, date, cheque number and amount) above the invoice lines,
// in the same columns; the first stub also carries the totals.
void addStub(std::vector<LayoutItem>& items, int part, bool withTotals)
{
    items.push_back(item("01 Supplier code", part, 0, 0.30));
    items.push_back(item("02 Supplier name", part, 0, 1.40));
    items.push_back(item("16 Cheque date", part, 0, 4.40));
    items.push_back(item("15 Cheque number", part, 0, 5.00, kAmountWidth));
    items.push_back(item("17 Cheque amount", part, 0, 6.30, kAmountWidth));
    items.push_back(item("09 Invoice", part, 0, 0.30));
    items.push_back(item("10 Invoice date", part, 0, 1.40));
    items.push_back(item("11 Due date", part, 0, 2.50, 96));
    items.push_back(item("12 Amount", part, 0, 3.70, kAmountWidth));
    items.push_back(item("13 Discount", part, 0, 5.00, kAmountWidth));
    items.push_back(item("14 Payment", part, 0, 6.30, kAmountWidth));
    if (!withTotals) return;
    items.push_back(item("19 Total amount", part, 0, 3.70, kAmountWidth));
    items.push_back(item("20 Total discount", part, 0, 5.00, kAmountWidth));
    items.push_back(item("21 Total payment", part, 0, 6.30, kAmountWidth));
}

}  // namespace

ChequeLayout DefaultChequeLayout()
{
    ChequeLayout layout;
    layout.pageLength = 11;
    layout.pageWidth = 8.5;
    layout.partHeights = {3.5, 3.75, 3.75};
    layout.partRoles = {0, 1, 2};
    layout.headingLines = 2;
    layout.chequeHeadingLine = 1;
    addCheque(layout.items);
    addStub(layout.items, 2, true);
    addStub(layout.items, 3, false);
    return layout;
}

}  // namespace orvant::cheques
