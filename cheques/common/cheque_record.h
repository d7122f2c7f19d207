#pragma once
// A cheque as a value, and its storage over either table set: the cheque list (apchqh, apchqd,
// apchVAT) or the recurring cheques (recchqh, recchqd, RecChVAT), which share their layouts.
// Writes run in the caller's transaction, so a cheque is stored whole or not at all.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "dates/date.h"
#include "money/money.h"
#include "store/database.h"

namespace orvant::cheques {

enum class ChequeSet { List, Recurring };

inline constexpr int kChequeSlots = 10;

// One supplier item a cheque pays: an invoice (with its notes and payments) or its holdback.
struct ChequeLine {
    std::string supplier;
    std::string invoice;
    bool holdback = false;
    Date date, dueDate;
    Money amount;    // what the cheque settles of the item: its open balance, or less
    Money discount;  // taken on the item
    Money payment;   // cash paid for the item: amount - discount

    bool operator==(const ChequeLine&) const = default;
    bool sameItem(const ChequeLine& other) const
    {
        return supplier == other.supplier && invoice == other.invoice && holdback == other.holdback;
    }
};

// Tax paid at one rate, for the tax report of the update.
struct ChequeTaxLine {
    std::string description;  // the rate's description, by which the update finds it again
    double rate = 0;
    Money taxAmount;
    Money totalAmount;
    int type = 4;  // the kind of document: a cheque

    bool operator==(const ChequeTaxLine&) const = default;
};

struct Cheque {
    int seq = 0;
    std::string supplier;  // empty for a payee who is not a supplier
    Date date;
    std::string name, address1, address2, city, postalCode, province, country;
    std::string number;  // empty until printed
    Money amount;        // the cash paid: the sum of the line payments
    // The cheque's journal entry: slot i's account and signed amount (a debit is positive).
    // Slot 1 the payable account, 2 the bank, 3 the discount, 4 to 10 free.
    std::array<int, kChequeSlots> accounts{};
    std::array<Money, kChequeSlots> slotAmounts{};
    std::string words;  // the amount in words
    std::vector<ChequeLine> lines;
    std::vector<ChequeTaxLine> taxLines;

    bool operator==(const Cheque&) const = default;
    int bankAccount() const { return accounts[1]; }
};

class ChequeStore {
public:
    ChequeStore(store::Database& books, ChequeSet set);

    ChequeSet set() const { return set_; }

    // The cheque with its lines (in the order stored) and tax lines; nothing when it is gone.
    std::optional<Cheque> read(int seq);
    // The sequences of the cheques, in order.
    std::vector<int> sequences();
    // The highest sequence + 1; 1 for an empty set.
    int nextSequence();
    bool isEmpty();

    // In the caller's transaction: the header inserted or replaced, its lines and tax lines
    // replaced by the cheque's.
    void write(const Cheque& cheque);
    // In the caller's transaction: the cheque with its lines and tax lines.
    void remove(int seq);
    // In the caller's transaction: every cheque of the set.
    void clear();

    // The sequence of the cheque of this set that pays the supplier's item, if any.
    std::optional<int> chequeOf(const std::string& supplier, const std::string& invoice, bool holdback);

private:
    store::Database& books_;
    ChequeSet set_;
};

// The table names of a set: header, lines, tax lines.
struct ChequeTables {
    const char* headers;
    const char* lines;
    const char* taxLines;
};
ChequeTables TablesOf(ChequeSet set);

}  // namespace orvant::cheques
