#pragma once
// The journal every posting hands to the general ledger: a header per period, journal,
// reference and date, whose totals add up the lines written under it. Postings of several
// workstations that share a header's key add into one header: it is made or added to in one
// statement, so two postings never both make it, and neither loses the other's amounts.

#include <memory>
#include <string>
#include <vector>

#include "dates/date.h"
#include "money/money.h"
#include "store/database.h"
#include "store/query.h"
#include "store/table.h"

namespace orvant {

struct JournalKey {
    int period = 0;
    int journal = 0;
    std::string reference;
    Date date;
};

// One line of a document's journal entry.
struct JournalLine {
    int account = 0;
    std::string description;
    Money debit;
    Money credit;
};

// What a header gets when a posting makes it; a header found keeps its own.
struct JournalHeaderText {
    std::string memo;  // the client or payee, then a carriage return and the comment
    std::string user;
};

class JournalWriter {
public:
    // Over the company's tjlh and tjld; run it inside a posting's transaction (one a refused write spoils).
    explicit JournalWriter(store::Database& company);

    // One row of a document: its amount into the header's totals (the debit when it is not 0,
    // else the credit), then its line. A row with no account or no amount writes nothing.
    void addRow(const JournalKey& key, const JournalHeaderText& header, int account, const std::string& description,
                Money debit, Money credit);

    // The same in two steps, for a posting that writes all its rows under one header: the
    // rows' totals into the header once, then each row's line.
    void addToHeader(const JournalKey& key, const JournalHeaderText& header, Money debit, Money credit);
    void addLine(const JournalKey& key, int account, const std::string& description, Money debit, Money credit);
    // The lines of a document under one header, written together, in their order.
    void addLines(const JournalKey& key, const std::vector<JournalLine>& lines);

    // Drops a line whose writing failed, so that the next posting does not save it.
    void cancel() { lines_.cancel(); }

private:
    void fillLine(const JournalKey& key, const JournalLine& line);

    store::Query headerUpsert_;
    store::Table lines_;
};

}  // namespace orvant
