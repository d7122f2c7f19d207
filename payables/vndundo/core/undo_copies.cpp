#include "undo_copies.h"

namespace orvant::vndundo {

RecordMover::RecordMover(store::Database& books, const std::string& source, CopyTarget target, int undoNumber)
    : source_(books, source), copy_(books, target.table), target_(std::move(target)), undoNumber_(undoNumber)
{
    source_.open();
    copy_.open();
}

int RecordMover::move(const std::vector<store::Condition>& where, const std::function<void(store::Table& copy)>& complete)
{
    source_.setFilter(where);
    source_.setFiltered(true);
    int moved = 0;
    for (source_.first(); source_.hasRecord(); source_.first()) {
        copyCurrent();
        if (complete) complete(copy_);
        copy_.post();
        source_.deleteRecord();
        ++moved;
    }
    source_.setFiltered(false);
    return moved;
}

// Fields are matched by name; the copy table numbers its own auto-number field.
void RecordMover::copyCurrent()
{
    copy_.insert();
    for (int i = 0; i < source_.fieldCount(); ++i) {
        const store::FieldDef& field = source_.definition().fields[static_cast<std::size_t>(i)];
        const int target = copy_.fieldIndex(field.name);
        if (field.type == store::FieldType::AutoInc && !target_.originalNumber.empty())
            copy_.field(target_.originalNumber) = source_.value(i);
        if (target < 0 || copy_.definition().fields[static_cast<std::size_t>(target)].type == store::FieldType::AutoInc) continue;
        copy_.setValue(target, source_.value(i));
    }
    copy_.field(target_.undoField) = undoNumber_;
}

}  // namespace orvant::vndundo
