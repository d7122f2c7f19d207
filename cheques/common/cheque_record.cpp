#include "cheque_record.h"

#include "store/query.h"
#include "store/table.h"

namespace orvant::cheques {

namespace {

std::string slotField(const char* family, int slot) { return std::string(family) + std::to_string(slot + 1); }

Cheque readHeader(store::Table& headers)
{
    Cheque cheque;
    cheque.seq = static_cast<int>(headers.field("Apchqh_seq").asInt());
    cheque.supplier = headers.field("Apchqh_fou").asString();
    cheque.date = headers.field("Apchqh_date_imp").asDate();
    cheque.name = headers.field("Apchqh_nom").asString();
    cheque.address1 = headers.field("Apchqh_adr1").asString();
    cheque.address2 = headers.field("Apchqh_adr2").asString();
    cheque.city = headers.field("Apchqh_city").asString();
    cheque.postalCode = headers.field("Apchqh_code_postal").asString();
    cheque.province = headers.field("Apchqh_prov").asString();
    cheque.country = headers.field("Apchqh_country").asString();
    cheque.number = headers.field("Apchqh_cheque").asString();
    cheque.amount = headers.field("Apchqh_Montant").asMoney();
    for (int slot = 0; slot < kChequeSlots; ++slot) {
        cheque.accounts[slot] = static_cast<int>(headers.field(slotField("Apchqh_accnt", slot)).asInt());
        cheque.slotAmounts[slot] = headers.field(slotField("Apchqh_dist", slot)).asMoney();
    }
    cheque.words = headers.field("Apchqh_desc").asString();
    return cheque;
}

void writeHeader(store::Table& headers, const Cheque& cheque)
{
    headers.field("Apchqh_seq") = cheque.seq;
    headers.field("Apchqh_fou") = cheque.supplier;
    headers.field("Apchqh_date_imp") = cheque.date;
    headers.field("Apchqh_nom") = cheque.name;
    headers.field("Apchqh_adr1") = cheque.address1;
    headers.field("Apchqh_adr2") = cheque.address2;
    headers.field("Apchqh_city") = cheque.city;
    headers.field("Apchqh_code_postal") = cheque.postalCode;
    headers.field("Apchqh_prov") = cheque.province;
    headers.field("Apchqh_country") = cheque.country;
    headers.field("Apchqh_cheque") = cheque.number;
    headers.field("Apchqh_Montant") = cheque.amount;
    for (int slot = 0; slot < kChequeSlots; ++slot) {
        headers.field(slotField("Apchqh_accnt", slot)) = cheque.accounts[slot];
        headers.field(slotField("Apchqh_dist", slot)) = cheque.slotAmounts[slot];
    }
    headers.field("Apchqh_desc") = cheque.words;
}

ChequeLine readLine(store::Table& lines)
{
    ChequeLine line;
    line.supplier = lines.field("Apchqd_fou").asString();
    line.invoice = lines.field("Apchqd_invoice").asString();
    line.holdback = lines.field("Apchqd_holdback").asBool();
    line.date = lines.field("Apchqd_date").asDate();
    line.dueDate = lines.field("Apchqd_du_date").asDate();
    line.amount = lines.field("Apchqd_montant").asMoney();
    line.discount = lines.field("Apchqd_esc").asMoney();
    line.payment = lines.field("Apchqd_payment").asMoney();
    return line;
}

void insertLine(store::Table& lines, int seq, const ChequeLine& line)
{
    lines.insert();
    lines.field("Apchqd_seq") = seq;
    lines.field("Apchqd_fou") = line.supplier;
    lines.field("Apchqd_invoice") = line.invoice;
    lines.field("Apchqd_holdback") = line.holdback;
    lines.field("Apchqd_date") = line.date;
    lines.field("Apchqd_du_date") = line.dueDate;
    lines.field("Apchqd_montant") = line.amount;
    lines.field("Apchqd_esc") = line.discount;
    lines.field("Apchqd_payment") = line.payment;
    lines.post();
}

ChequeTaxLine readTaxLine(store::Table& taxes)
{
    ChequeTaxLine tax;
    tax.description = taxes.field("Description").asString();
    tax.rate = taxes.field("Rate").asFloat();
    tax.taxAmount = taxes.field("TaxAmount").asMoney();
    tax.totalAmount = taxes.field("TotalAmount").asMoney();
    tax.type = static_cast<int>(taxes.field("Type").asInt());
    return tax;
}

void insertTaxLine(store::Table& taxes, int seq, const ChequeTaxLine& tax)
{
    taxes.insert();
    taxes.field("HeaderSeq") = seq;
    taxes.field("Description") = tax.description;
    taxes.field("Rate") = tax.rate;
    taxes.field("TaxAmount") = tax.taxAmount;
    taxes.field("TotalAmount") = tax.totalAmount;
    taxes.field("Type") = tax.type;
    taxes.post();
}

// The rows of one cheque in a lines or tax-lines table, keyed by the cheque's sequence first.
void rangeOn(store::Table& table, int seq)
{
    table.open();
    table.setRange({seq}, {seq});
    table.first();
}

std::string sqlName(const char* table) { return store::quoteIdent(store::sqlTableName(table)); }

void deleteOf(store::Database& books, const char* table, const char* seqField, int seq)
{
    store::Query remove(books, std::string("DELETE FROM ") + sqlName(table) + " WHERE " + seqField + " = ?");
    remove.bind(0, seq);
    books.write([&] { remove.execute(); });
}

}  // namespace

ChequeTables TablesOf(ChequeSet set)
{
    if (set == ChequeSet::List) return {"apchqh", "apchqd", "apchVAT"};
    return {"recchqh", "recchqd", "RecChVAT"};
}

ChequeStore::ChequeStore(store::Database& books, ChequeSet set) : books_(books), set_(set) {}

std::optional<Cheque> ChequeStore::read(int seq)
{
    const ChequeTables tables = TablesOf(set_);
    store::Table headers(books_, tables.headers);
    headers.open();
    if (!headers.findKey({seq})) return std::nullopt;
    Cheque cheque = readHeader(headers);

    store::Table lines(books_, tables.lines);
    for (rangeOn(lines, seq); !lines.eof(); lines.next()) cheque.lines.push_back(readLine(lines));
    store::Table taxes(books_, tables.taxLines);
    for (rangeOn(taxes, seq); !taxes.eof(); taxes.next()) cheque.taxLines.push_back(readTaxLine(taxes));
    return cheque;
}

std::vector<int> ChequeStore::sequences()
{
    std::vector<int> all;
    store::Table headers(books_, TablesOf(set_).headers);
    headers.open();
    for (headers.first(); !headers.eof(); headers.next()) all.push_back(static_cast<int>(headers.field("Apchqh_seq").asInt()));
    return all;
}

int ChequeStore::nextSequence()
{
    store::Table headers(books_, TablesOf(set_).headers);
    headers.open();
    headers.last();
    return headers.hasRecord() ? static_cast<int>(headers.field("Apchqh_seq").asInt()) + 1 : 1;
}

bool ChequeStore::isEmpty()
{
    store::Table headers(books_, TablesOf(set_).headers);
    headers.open();
    return headers.isEmpty();
}

void ChequeStore::write(const Cheque& cheque)
{
    const ChequeTables tables = TablesOf(set_);
    store::Table headers(books_, tables.headers);
    headers.open();
    if (headers.findKey({cheque.seq})) headers.edit();
    else headers.insert();
    writeHeader(headers, cheque);
    headers.post();

    deleteOf(books_, tables.lines, "apchqd_seq", cheque.seq);
    store::Table lines(books_, tables.lines);
    lines.open();
    for (const ChequeLine& line : cheque.lines) insertLine(lines, cheque.seq, line);

    deleteOf(books_, tables.taxLines, "headerseq", cheque.seq);
    store::Table taxes(books_, tables.taxLines);
    taxes.open();
    for (const ChequeTaxLine& tax : cheque.taxLines) insertTaxLine(taxes, cheque.seq, tax);
}

void ChequeStore::remove(int seq)
{
    const ChequeTables tables = TablesOf(set_);
    deleteOf(books_, tables.lines, "apchqd_seq", seq);
    deleteOf(books_, tables.taxLines, "headerseq", seq);
    deleteOf(books_, tables.headers, "apchqh_seq", seq);
}

void ChequeStore::clear()
{
    const ChequeTables tables = TablesOf(set_);
    books_.emptyTable(tables.lines);
    books_.emptyTable(tables.taxLines);
    books_.emptyTable(tables.headers);
}

std::optional<int> ChequeStore::chequeOf(const std::string& supplier, const std::string& invoice, bool holdback)
{
    store::Query find(books_, "SELECT apchqd_seq FROM " + sqlName(TablesOf(set_).lines) +
                                  " WHERE apchqd_fou = ? AND apchqd_invoice = ? AND COALESCE(apchqd_holdback, FALSE) = ?"
                                  " ORDER BY apchqd_seq");
    find.bind(0, supplier);
    find.bind(1, invoice);
    find.bind(2, holdback);
    find.open();
    if (find.eof()) return std::nullopt;
    return static_cast<int>(find.field(0).asInt());
}

}  // namespace orvant::cheques
