#pragma once
// A document's own lines in the journal handed to the general ledger. Postings of several
// documents add into one header of the same period, journal, reference and date (a purchase
// and another supplier's invoice of the same number and day), so the undo takes only the lines
// that make up the document's distribution, from the one header that holds them all; when the
// journal was already handed over, from the general-ledger lines of one journal and period.

#include <set>
#include <string>
#include <variant>
#include <vector>

#include "books/control_accounts.h"
#include "payables_undo.h"
#include "store/database.h"

namespace orvant::vndundo {

// A line the document wrote: its debit, or its credit when it has no debit.
struct DistributionLine {
    int account = 0;
    Money debit, credit;
};

// A document record of apori or cdorihdr.
struct DocumentKey {
    std::string reference, supplier;
    Date date;
    std::int64_t seq = 0;
};

// The lines a document record's slots (Account1.., Debit1.., Credit1..) wrote to the journal.
std::vector<DistributionLine> DistributionOfRecord(store::Database& books, const std::string& table, const DocumentKey& key, int slots);

struct JournalMatch {
    JournalPart part;
    std::vector<std::int64_t> lines;  // Tjld_autoinc, or Gla_seq in the general ledger
};

// Lines already claimed by other documents of the same undo.
struct ClaimedLines {
    std::set<std::int64_t> journal, generalLedger;
};

// The one header (or ledger journal and period) of that reference and date, in the document's
// journal of any currency, whose unclaimed lines hold the whole distribution; a refusal when none
// or more than one does. A document that wrote no line matches nothing and needs nothing.
std::variant<JournalMatch, RefusalReason> FindDocumentLines(store::Database& books, Journal journal, const std::string& reference,
                                                            const Date& date, const std::vector<DistributionLine>& distribution,
                                                            ClaimedLines& claimed);

// Removes the matched lines, each copied to glundoap under the undo's number: from the journal
// (the header's totals reduced by them, the header gone when it has no line left), or from the
// general ledger (each account's balance of the line's period reduced by it).
void RemoveDocumentLines(store::Database& books, const JournalMatch& match, int undoNumber);

}  // namespace orvant::vndundo
