#pragma once
// A client as the postings read it, and what a posting changes on the client's record: its
// balance, its sales statistics and its payment statistics. The record is the one the posting
// holds in edit under its lock; the changes are written when the posting posts it.

#include <array>
#include <string>

#include "dates/date.h"
#include "money/money.h"
#include "store/table.h"

namespace orvant {

struct ClientFacts {
    std::string code, name, address1, address2, city, province, postalCode, email, salesRep;
    int currency = 0;
    bool creditHold = false;
    int dueDays = 0;
    std::array<int, 3> salesAccounts{};  // the client's own accounts for sales rows 2 to 4; 0: none
};

// The client on which `clients` stands.
ClientFacts ReadClient(store::Table& clients);

// What a receipt tells the client's record.
struct ClientPayment {
    Date date;
    Money balanceChange;  // what the receipt moved on the client's ledger
    int days = 0;         // the days the payments counted took, summed
    int invoices = 0;     // the payments counted
    bool nsfCheque = false;
};

// Changes on the client record in edit; the caller posts it.
class ClientRecord {
public:
    explicit ClientRecord(store::Table& clients) : clients_(clients) {}

    void moveBalance(Money change);
    // A sale of `amount`: the last sale, the month's and the year's sales.
    void recordSale(Date date, Money amount);
    // The balance moves; the last payment date and the averages follow. A balance that falls
    // below a credit limit releases the credit hold, unless the cheque came back unpaid, whose
    // date is kept instead.
    void recordPayment(const ClientPayment& payment);

private:
    Money field(const char* name);

    store::Table& clients_;
};

}  // namespace orvant
