#include "shared/record_editor.h"

#include "store/error.h"

namespace orvant::masters {

RecordEditor::RecordEditor(store::Database& company, const std::string& table, std::string keyField)
    : company_(company), table_(company, table), keyField_(std::move(keyField))
{
    table_.open();
}

void RecordEditor::readCurrent()
{
    record_.clear();
    if (!table_.hasRecord()) return;
    for (int i = 0; i < table_.fieldCount(); ++i) record_[table_.definition().fields[static_cast<std::size_t>(i)].name] = table_.value(i);
}

bool RecordEditor::move(bool found)
{
    if (found) readCurrent();
    return found;
}

bool RecordEditor::first()
{
    table_.first();
    return move(table_.hasRecord());
}

bool RecordEditor::last()
{
    table_.last();
    return move(table_.hasRecord());
}

bool RecordEditor::next()
{
    if (!hasRecord() || !table_.findKey({record_[keyField_]})) return first();
    table_.next();
    if (table_.eof()) {
        table_.findKey({record_[keyField_]});
        return false;
    }
    return move(true);
}

bool RecordEditor::prior()
{
    if (!hasRecord() || !table_.findKey({record_[keyField_]})) return last();
    table_.prior();
    if (table_.bof()) {
        table_.findKey({record_[keyField_]});
        return false;
    }
    return move(true);
}

bool RecordEditor::find(const std::string& code) { return move(!code.empty() && table_.findKey({code})); }

void RecordEditor::refresh()
{
    if (!hasRecord()) return;
    table_.refresh();
    if (!move(table_.findKey({record_[keyField_]}))) record_.clear();
}

store::Value RecordEditor::value(const std::string& field) const
{
    if (auto change = changes_.find(field); change != changes_.end()) return change->second;
    if (auto stored = record_.find(field); stored != record_.end()) return stored->second;
    return {};
}

void RecordEditor::set(const std::string& field, store::Value value)
{
    if (state_ == EditState::Browse) throw store::StoreError(store::errc::kNotEditing, "The record is not being changed.");
    if (table_.fieldIndex(field) < 0) throw store::StoreError(store::errc::kFieldNotFound, "Field " + field + " not found.");
    changes_[field] = std::move(value);
}

std::map<std::string, store::Value> RecordEditor::zeroedNumbers() const
{
    std::map<std::string, store::Value> zeros;
    for (const store::FieldDef& field : table_.definition().fields) {
        switch (field.type) {
        case store::FieldType::Integer:
        case store::FieldType::SmallInt: zeros[field.name] = 0; break;
        case store::FieldType::Float: zeros[field.name] = 0.0; break;
        case store::FieldType::Money: zeros[field.name] = Money(); break;
        default: break;
        }
    }
    return zeros;
}

void RecordEditor::beginInsert(std::map<std::string, store::Value> defaults)
{
    cancel();
    shownBeforeInsert_ = hasRecord() ? record_[keyField_].asString() : std::string();
    record_ = std::move(defaults);
    state_ = EditState::Insert;
}

void RecordEditor::beginEdit()
{
    cancel();
    refresh();
    if (hasRecord()) state_ = EditState::Edit;
}

void RecordEditor::cancel()
{
    changes_.clear();
    const bool inserting = state_ == EditState::Insert;
    state_ = EditState::Browse;
    if (inserting && !find(shownBeforeInsert_)) {
        record_.clear();
        first();
    } else if (!inserting) {
        refresh();
    }
}

RecordEditor::Saved RecordEditor::save(const std::function<bool(RecordEditor&)>& check, const store::LockRetry& retry)
{
    if (state_ == EditState::Insert) return saveInsert(check);
    if (state_ == EditState::Edit) return saveEdit(check, retry);
    return Saved::Done;
}

RecordEditor::Saved RecordEditor::saveInsert(const std::function<bool(RecordEditor&)>& check)
{
    if (!check(*this)) return Saved::Refused;
    std::map<std::string, store::Value> all = record_;
    for (const auto& [field, value] : changes_) all[field] = value;
    store::Transaction transaction(company_);
    table_.insert();
    try {
        for (const auto& [field, value] : all)
            if (table_.fieldIndex(field) >= 0) table_.field(field) = value;
        table_.post();
    } catch (const store::StoreError& error) {
        table_.cancel();
        if (error.code() == store::errc::kKeyViolation) return Saved::KeyExists;
        throw;
    }
    transaction.commit();
    const std::string code = all[keyField_].asString();
    changes_.clear();
    state_ = EditState::Browse;
    find(code);
    return Saved::Done;
}

RecordEditor::Saved RecordEditor::saveEdit(const std::function<bool(RecordEditor&)>& check, const store::LockRetry& retry)
{
    const store::Value code = record_[keyField_];
    if (!table_.findKey({code})) return Saved::Gone;
    try {
        store::EditWithLockRetry(table_, retry);
    } catch (const store::StoreError& error) {
        if (error.code() == store::errc::kRecordGone) return Saved::Gone;
        throw;
    }
    struct Release {
        store::Table& table;
        ~Release() { if (table.state() == store::TableState::Edit) table.cancel(); }
    } release{table_};
    readCurrent();  // as re-read under the lock
    if (!check(*this)) return Saved::Refused;
    store::Transaction transaction(company_);
    for (const auto& [field, value] : changes_) table_.field(field) = value;
    table_.post();
    transaction.commit();
    changes_.clear();
    state_ = EditState::Browse;
    find(code.asString());
    return Saved::Done;
}

RecordEditor::Deleted RecordEditor::remove(const std::function<bool(const std::string&)>& mayDelete, const store::LockRetry& retry)
{
    cancel();
    if (!hasRecord()) return Deleted::Gone;
    const std::string code = record_[keyField_].asString();
    if (!table_.findKey({code})) return Deleted::Gone;
    try {
        store::EditWithLockRetry(table_, retry);
    } catch (const store::StoreError& error) {
        if (error.code() == store::errc::kRecordGone) return Deleted::Gone;
        throw;
    }
    struct Release {
        store::Table& table;
        ~Release() { if (table.state() == store::TableState::Edit) table.cancel(); }
    } release{table_};
    store::Transaction transaction(company_);
    if (!mayDelete(code)) return Deleted::Refused;
    table_.deleteRecord();
    transaction.commit();
    // The record after it is shown, or the last one.
    record_.clear();
    table_.findNearest({code});
    if (table_.eof()) table_.last();
    if (table_.hasRecord()) readCurrent();
    return Deleted::Done;
}

}  // namespace orvant::masters
