#pragma once
// What client and supplier maintenance share, without widgets: browsing the records in code
// order, inserting and changing one with the changes kept in the screen, leaving the code box,
// the save under the record's lock with the screen's checks, Cancel, and a delete that asks
// first and is refused while the record has entries. Each screen adds its own rules: its
// defaults, its checks, its fields and lists.

#include <functional>
#include <map>
#include <optional>
#include <string>

#include "shared/master_host.h"
#include "shared/record_editor.h"

namespace orvant::masters {

// What a screen's record and messages are called.
struct MaintenanceNames {
    const char* table;        // "cli"
    const char* codeField;    // "Cli_code"
    const char* nameField;    // "Cli_name"
    const char* createdField; // "Cli_date_created"
    int noSuchCode, confirmDelete, hasEntries, codeTakenMeanwhile, gone;  // message numbers
};

inline constexpr int kFirstPage = 0;

class MaintenanceScreen {
public:
    virtual ~MaintenanceScreen() = default;

    // Shows the first record.
    void start();

    const RecordView& record() const { return editor_; }
    EditState state() const { return editor_.state(); }
    bool codeBoxEnabled() const { return codeBoxEnabled_; }
    bool fieldsEnabled() const { return editor_.state() != EditState::Browse; }

    // The navigator: moves while browsing only.
    void first();
    void prior();
    void next();
    void last();
    void findWithPicker();
    void insert();
    void edit();
    void post();
    void cancel();
    void remove();

    // A field typed (insert or edit only).
    void set(const std::string& field, store::Value value);
    // Leaving the code box: a code that exists is put into edit (inserting one switches to it
    // without a message); while browsing, a code that does not exist is refused.
    void leaveCode(const std::string& typed);
    // Entering the date created: an empty date becomes today.
    void enterDateCreated();

protected:
    MaintenanceScreen(store::Database& company, MasterHost& host, MaintenanceNames names);

    // The new record's defaults, on top of every number at 0.
    virtual void addInsertDefaults(std::map<std::string, store::Value>& defaults) = 0;
    // The checks of a save, in their order, on the record as it will be written.
    virtual std::optional<SaveRefusal> checkForSave(RecordEditor& record) = 0;
    virtual bool hasEntries(const std::string& code) = 0;
    // The record list's choice; "" when cancelled.
    virtual std::string pickRecord() = 0;
    // A code typed for a new record, before it is looked for.
    virtual void codeTypedForInsert() {}

    bool exists(const std::string& code);
    // Passing through a field is no change: it must not write the screen's value over another
    // workstation's.
    void setIfChanged(const std::string& field, store::Value value);
    // An account box left: its number, checked against the chart unless the focus went to a
    // list button; 0 passes, an empty or unknown account gives `message`.
    void leaveAccountBox(const std::string& field, const std::string& text, bool skipCheck, int message,
                         const std::function<bool(int)>& accountExists);
    // A picker's choice into a field; a cancelled picker changes nothing.
    void setPicked(const std::string& field, store::Value picked);

    MasterHost& host_;
    RecordEditor editor_;
    bool codeBoxEnabled_ = true;

private:
    void browse();
    void editExisting(const std::string& code);
    void save(const store::LockRetry& retry);

    store::Database& company_;
    MaintenanceNames names_;
};

// The text without surrounding blanks (codes are kept so, and a blank field is empty).
std::string Trimmed(const std::string& typed);

}  // namespace orvant::masters
