#pragma once
// A master record (a client, a supplier) as a maintenance screen works on it: browsed in code
// order, then inserted or changed with the changes kept in the screen, never in the books,
// while the person types. Saving takes the record's lock, reads the record again, runs the
// screen's checks and writes only the fields this screen changed, in one short transaction:
// what another workstation posted meanwhile (a balance, a date of last sale) stays. Cancel
// writes nothing. A delete is checked and made under the record's lock in one transaction.

#include <functional>
#include <map>
#include <optional>
#include <string>

#include "store/database.h"
#include "store/lock_retry.h"
#include "store/table.h"

namespace orvant::masters {

enum class EditState { Browse, Insert, Edit };

// The record as the screen shows it: the stored one with the screen's changes over it.
class RecordView {
public:
    virtual ~RecordView() = default;
    virtual store::Value value(const std::string& field) const = 0;
    std::string text(const std::string& field) const { return value(field).asString(); }
    std::int64_t number(const std::string& field) const { return value(field).asInt(); }
    bool flag(const std::string& field) const { return value(field).asBool(); }
    Money money(const std::string& field) const { return value(field).asMoney(); }
};

class RecordEditor : public RecordView {
public:
    // `keyField` is the table's one key field (Cli_code, Sup_code).
    RecordEditor(store::Database& company, const std::string& table, std::string keyField);

    EditState state() const { return state_; }
    bool hasRecord() const { return !record_.empty(); }

    // Browsing, in key order; false (and the record kept) when there is none there.
    bool first();
    bool last();
    bool next();
    bool prior();
    bool find(const std::string& code);
    // Reads the record shown again (a browse shows what others saved meanwhile).
    void refresh();

    store::Value value(const std::string& field) const override;
    // A change of the screen (insert or edit only).
    void set(const std::string& field, store::Value value);
    bool changed(const std::string& field) const { return changes_.count(field) != 0; }

    // Every number field of the table at 0: the start of a new record's defaults.
    std::map<std::string, store::Value> zeroedNumbers() const;
    // A new record with its defaults; the code is among the changes once typed.
    void beginInsert(std::map<std::string, store::Value> defaults);
    // The record shown, to be changed.
    void beginEdit();
    void cancel();

    enum class Saved { Done, Refused, KeyExists, Gone };
    // Writes the record. `check` runs on the record as it will be written (re-read under the
    // lock, with this screen's changes over it); it may set fields (which count as changes)
    // and returns false to refuse the save, nothing written. A new code that another
    // workstation inserted meanwhile gives KeyExists; a record deleted meanwhile Gone.
    Saved save(const std::function<bool(RecordEditor&)>& check, const store::LockRetry& retry = {});

    enum class Deleted { Done, Refused, Gone };
    // Deletes the record shown when `mayDelete` (run under the lock, inside the transaction)
    // agrees.
    Deleted remove(const std::function<bool(const std::string& code)>& mayDelete, const store::LockRetry& retry = {});

private:
    void readCurrent();
    Saved saveInsert(const std::function<bool(RecordEditor&)>& check);
    Saved saveEdit(const std::function<bool(RecordEditor&)>& check, const store::LockRetry& retry);
    bool move(bool found);

    store::Database& company_;
    store::Table table_;
    std::string keyField_;
    EditState state_ = EditState::Browse;
    std::map<std::string, store::Value> record_;   // the stored record (or the new one's defaults)
    std::map<std::string, store::Value> changes_;  // what the screen changed
    std::string shownBeforeInsert_;
};

}  // namespace orvant::masters
