#include "books/bank_line_writer.h"

#include "books/text_cut.h"

namespace orvant {

namespace {

constexpr int kNameWidth = 40;  // Concil_nom

}  // namespace

BankLineWriter::BankLineWriter(store::Database& company) : lines_(company, "concil") { lines_.open(); }

// Nobody reads the number the line is given: it is written as a posting writes its records.
void BankLineWriter::add(const BankLine& line)
{
    lines_.insertRecords(1, [&](std::size_t) {
        lines_.field("Concil_type") = line.type;
        lines_.field("Concil_account") = line.account;
        lines_.field("Concil_reference") = line.reference;
        lines_.field("Concil_fou_cli_emp") = line.party;
        lines_.field("Concil_nom") = FirstCharacters(line.name, kNameWidth);
        lines_.field("Concil_date") = line.date;
        lines_.field("Concil_montant") = line.amount;
        lines_.field("Concil_tag") = false;
    });
}

}  // namespace orvant
