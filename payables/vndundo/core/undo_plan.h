#pragma once
// The plan of one undo: the cascade the person is shown, and what the undo needs to carry it out
// (each document's record and journal lines). Worked out before the question, and again inside
// the undo's transaction, where it must come out the same.

#include <variant>
#include <vector>

#include "payables_undo.h"
#include "undo_journal.h"

namespace orvant::vndundo {

struct PlannedDocument {
    CascadeDocument shown;
    std::string table;  // apori or cdorihdr
    DocumentKey record;
    JournalMatch journal;
};

struct UndoPlan {
    UndoCascade cascade;
    std::vector<PlannedDocument> documents;  // as cascade.documents
    Money purchaseStatistics;                // the purchase's payable amount, holdback included
};

std::variant<UndoPlan, UndoRefusal> PlanUndo(store::Database& books, const UndoSelection& selection);

// Whether two cascades remove the same items, documents and lines.
bool SameCascade(const UndoCascade& a, const UndoCascade& b);

}  // namespace orvant::vndundo
