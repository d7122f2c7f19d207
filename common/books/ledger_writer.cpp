#include "books/ledger_writer.h"

namespace orvant {

LedgerWriter::LedgerWriter(store::Database& company, Ledger ledger)
    : ledger_(ledger), entries_(company, ledger == Ledger::Receivables ? "car" : "cap")
{
    entries_.open();
}

void LedgerWriter::add(const LedgerEntry& entry) { addAll({entry}); }

void LedgerWriter::addAll(const std::vector<LedgerEntry>& entries)
{
    entries_.insertRecords(entries.size(), [&](std::size_t i) { fill(entries[i]); });
}

void LedgerWriter::fill(const LedgerEntry& entry)
{
    const std::string p = ledger_ == Ledger::Receivables ? "Car_" : "Cap_";
    entries_.field(p + (ledger_ == Ledger::Receivables ? "client" : "supplier")) = entry.party;
    entries_.field(p + "invoice") = entry.invoice;
    entries_.field(p + "ref") = entry.reference;
    entries_.field(p + "date") = entry.date;
    entries_.field(p + "type") = entry.type;
    entries_.field(p + "du_date") = entry.dueDate;
    entries_.field(p + "amount") = entry.amount;
    entries_.field(p + "memo") = entry.memo;
    entries_.field(p + "holdback") = entry.holdback;
    entries_.field(p + "user") = entry.user;
    entries_.field(p + "stamp") = DateTime::now();
    if (ledger_ == Ledger::Receivables) {
        entries_.field("Car_slsm") = entry.salesRep;
        entries_.field("Car_fed_tax") = entry.federalTax;
        entries_.field("Car_pro_tax") = entry.provincialTax;
    }
}

}  // namespace orvant
