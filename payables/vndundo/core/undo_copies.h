#pragma once
// Records leave the books through their audit copy: each record removed is first copied field by
// field into its copy table, with the number of the undo and, where the copy table numbers its
// records itself, the number the record had.

#include <functional>
#include <string>
#include <vector>

#include "store/table.h"

namespace orvant::vndundo {

struct CopyTarget {
    std::string table;           // the copy table
    std::string undoField;       // where the undo's number goes
    std::string originalNumber;  // where the record's own auto-number goes; empty: copied as is
};

class RecordMover {
public:
    RecordMover(store::Database& books, const std::string& source, CopyTarget target, int undoNumber);

    // Moves every record that meets all the conditions; `complete` may set more fields of each
    // copy before it is stored. Gives the number of records moved.
    int move(const std::vector<store::Condition>& where, const std::function<void(store::Table& copy)>& complete = {});

private:
    void copyCurrent();

    store::Table source_, copy_;
    CopyTarget target_;
    int undoNumber_;
};

}  // namespace orvant::vndundo
