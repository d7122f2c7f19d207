#include "undo_report.h"

#include <set>
#include <tuple>

#include "payables_undo.h"
#include "store/query.h"

namespace orvant::vndundo {

namespace {

std::vector<UndoneItem> readItems(store::Database& books, const std::string& supplier)
{
    store::Query query(books, std::string("SELECT cap_undo_no, cap_orig_seq, cap_supplier, cap_invoice, cap_ref, cap_type, cap_date, "
                                          "cap_du_date, cap_amount, cap_memo, cap_user, cap_stamp FROM cvndundo ") +
                                  (supplier.empty() ? "" : "WHERE cap_supplier = ? ") + "ORDER BY cap_undo_no, cap_seq");
    if (!supplier.empty()) query.bind(0, supplier);
    std::vector<UndoneItem> items;
    for (query.open(); !query.eof(); query.next()) {
        UndoneItem item;
        item.undoNumber = static_cast<int>(query.field(0).asInt());
        item.originalSeq = query.field(1).asInt();
        item.supplier = query.field(2).asString();
        item.invoice = query.field(3).asString();
        item.reference = query.field(4).asString();
        item.type = query.field(5).asString();
        item.date = query.field(6).asDate();
        item.dueDate = query.field(7).asDate();
        item.amount = query.field(8).asMoney();
        item.memo = query.field(9).asString();
        item.deletedBy = query.field(10).asString();
        item.timeDeleted = query.field(11).asDateTime();
        items.push_back(std::move(item));
    }
    return items;
}

std::vector<UndoneLine> readLines(store::Query& query, int undoNumber, const std::string& reference, const Date& date)
{
    query.close();
    query.clearBindings();
    query.bind(0, undoNumber);
    query.bind(1, reference);
    query.bind(2, date);
    std::vector<UndoneLine> lines;
    for (query.open(); !query.eof(); query.next())
        lines.push_back({static_cast<int>(query.field(0).asInt()), static_cast<int>(query.field(1).asInt()), query.field(2).asString(),
                         query.field(3).asMoney(), query.field(4).asMoney()});
    return lines;
}

}  // namespace

// The lines of a payment are kept under its reference, those of any other document under its
// invoice; an undo's lines of one reference and date are listed once, under its first item.
UndoReportData ReadUndoReport(store::Database& books, const std::string& supplier)
{
    UndoReportData report;
    report.supplierCode = supplier;
    if (!supplier.empty()) {
        store::Query name(books, "SELECT sup_name FROM sup WHERE sup_code = ?");
        name.bind(0, supplier);
        name.open();
        if (!name.eof()) report.supplierName = name.field(0).asString();
    }
    report.items = readItems(books, supplier);
    store::Query lines(books, "SELECT gla_journal, gla_account, gla_description, gla_debit, gla_credit FROM glundoap WHERE gla_undo_no = ? "
                              "AND gla_reference = ? AND gla_date = ? ORDER BY gla_inc");
    std::set<std::tuple<int, std::string, Date>> listed;
    for (UndoneItem& item : report.items) {
        const std::string& key = item.type == kPaymentType ? item.reference : item.invoice;
        if (!listed.insert({item.undoNumber, key, item.date}).second) continue;
        item.lines = readLines(lines, item.undoNumber, key, item.date);
    }
    return report;
}

}  // namespace orvant::vndundo
