#pragma once
// Books for the inquiries' tests, on the engine of the test's parameter: the plain company 1 of
// BooksTest with the parties, ledgers, histories, documents and invoices below.
//
// Clients (cli; the filter picks among them):
//   C100 "O'Brien"          Montréal  bal 250.00   created 2024-02-28  stamp 2024-03-15 09:30  hold no
//   C200 "Garage 50% Plus"  Laval     bal 1500.00  created 2024-03-14  stamp 2024-03-14 17:00  hold yes
//   C300 "ÉMILE CÔTÉ"       Québec    bal 100.00   created 2024-03-15  stamp 2024-03-16 08:00  hold no
//   C400 "Axb 500 Garage"   Montreal  bal 100.01   created 2024-03-16  (no stamp)              hold yes
//   C500 "A_B Garage"       Sherbrooke bal -20.00  created 2023-12-31  (no stamp)              hold no
//   C600 "Émilie Roy"       (no city) (no balance) (no date)           (no stamp)              (no hold)
//
// Client C100's statement (car, in statement order), balances 500.00, 300.00, 250.00:
//   invoice 1001 ref ""   type "1" 2026-01-10 +500.00   (arori sale 1001 with 2 lines)
//   invoice 1001 ref "R1" type "2" 2026-01-20 -200.00   (crorihdr R1 applying 200.00 to 1001)
//   invoice 1001 ref "R2" type "5" 2026-01-25  -50.00   (arori credit note 1001 / R2)
// Its history (carh): invoice 0900 ref "" type "1" 2025-06-01 +120.00 (arori), and
//   invoice 0900 ref "P0900" type "2" 2025-06-15 -120.00 with no receipt header.
// Client C200 holds invoice 1001 too: car type "1" 2026-02-01 +1500.00 and the archived invoice
//   (fahdra doc "1" 1001 client C200). Client C300's invoice 3001 (car type "1" 2026-02-10
//   +100.00) is the current invoice fahdr doc "1" 3001: a comment line, a sold line with no cost,
//   a line of item WIDGET; payments 1 (named "Cash") and 3 (unnamed) paid; terms code 2.
//
// Suppliers (sup):
//   S100 "Belmont Supply"   Belmont   created 2001-12-31  bal 60.00
//   S200 "Fremont Parts"    Fremont   created 2002-02-28  bal 0.00
//   S300 "Montréal Énergie" Montréal  created 2002-03-14  bal 0.00
//   S400 "Quebec Steel"     Québec    created 2002-03-15  bal 0.00
//   S500 "Rimouski Wood"    Rimouski  created 2002-03-16  bal 0.00
// Supplier S100's statement (cap), balances 100.00, 50.00, 60.00:
//   invoice A1 ref ""     type "1" 2026-01-05 +100.00  (apori purchase A1 of 15 lines)
//   invoice A1 ref "1001" type "2" 2026-01-15  -50.00  (cdorihdr 1001 paying 50.00 on A1)
//   invoice A2 ref ""     type "1" 2026-01-20  +10.00  (apori purchase A2)
// Its history (caph): invoice H1 ref "" type "1" 2025-05-01 +75.00 (apori), and invoice H1 ref
//   "9001" type "2" 2025-05-20 -75.00 with no disbursement header.
//
// Accounts 1000 bank, 1100 receivable, 2100 payable, 4000 sales, 5000 purchases, 5101 to 5113
// expenses (glm); the invoice's terms 2 are the data root's "Net 15 days" (arterms); the control
// record keeps both histories and names payments 1 "Cash" and 2 "Cheque".

#include "testing/books_fixture.h"

namespace orvant::inquiry::testing {

class InquiryBooksTest : public orvant::testing::BooksTest {
protected:
    void SetUp() override;  // everything above, in one transaction
};

}  // namespace orvant::inquiry::testing
