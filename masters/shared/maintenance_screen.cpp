#include "shared/maintenance_screen.h"

#include <QString>

#include "store/query.h"

namespace orvant::masters {

std::string Trimmed(const std::string& typed) { return QString::fromStdString(typed).trimmed().toStdString(); }

MaintenanceScreen::MaintenanceScreen(store::Database& company, MasterHost& host, MaintenanceNames names)
    : host_(host), editor_(company, names.table, names.codeField), company_(company), names_(names)
{
}

void MaintenanceScreen::start()
{
    editor_.first();
    browse();
}

// Browsing: the data fields closed, the code box open and focused.
void MaintenanceScreen::browse()
{
    codeBoxEnabled_ = true;
    host_.refresh();
    host_.focus(names_.codeField);
}

bool MaintenanceScreen::exists(const std::string& code)
{
    // The table and field are the screen's own names, never typed text.
    store::Query query(company_, std::string("SELECT 1 FROM ") + names_.table + " WHERE " +
                                     QString::fromLatin1(names_.codeField).toLower().toStdString() + " = ?");
    query.bind(0, code);
    query.open();
    return !query.eof();
}

void MaintenanceScreen::first()
{
    if (state() != EditState::Browse) return;
    editor_.first();
    browse();
}

void MaintenanceScreen::prior()
{
    if (state() != EditState::Browse) return;
    editor_.prior();
    browse();
}

void MaintenanceScreen::next()
{
    if (state() != EditState::Browse) return;
    editor_.next();
    browse();
}

void MaintenanceScreen::last()
{
    if (state() != EditState::Browse) return;
    editor_.last();
    browse();
}

void MaintenanceScreen::findWithPicker()
{
    if (state() != EditState::Browse) return;
    const std::string code = pickRecord();
    if (code.empty()) return;
    editor_.find(code);
    browse();
}

void MaintenanceScreen::insert()
{
    std::map<std::string, store::Value> defaults = editor_.zeroedNumbers();
    defaults[names_.createdField] = Date::today();
    addInsertDefaults(defaults);
    editor_.beginInsert(std::move(defaults));
    codeBoxEnabled_ = true;
    host_.showPage(kFirstPage);
    host_.refresh();
    host_.focus(names_.codeField);
}

void MaintenanceScreen::editExisting(const std::string& code)
{
    editor_.cancel();
    editor_.find(code);
    editor_.beginEdit();
    codeBoxEnabled_ = false;
    host_.refresh();
    host_.focus(names_.nameField);
}

void MaintenanceScreen::edit()
{
    if (!editor_.hasRecord() || state() != EditState::Browse) return;
    editor_.beginEdit();
    codeBoxEnabled_ = false;
    host_.showPage(kFirstPage);
    host_.refresh();
    host_.focus(names_.nameField);
}

void MaintenanceScreen::leaveCode(const std::string& typed)
{
    const std::string code = Trimmed(typed);
    if (state() == EditState::Insert) {
        codeTypedForInsert();
        if (!code.empty() && exists(code)) return editExisting(code);  // no message
        editor_.set(names_.codeField, code);
        host_.refresh();
        host_.focus(names_.nameField);
        return;
    }
    if (code.empty() || code == editor_.text(names_.codeField)) return host_.refresh();
    if (exists(code)) return editExisting(code);
    host_.message(names_.noSuchCode, ui::MessageKind::Information);
    editor_.cancel();
    browse();
}

void MaintenanceScreen::set(const std::string& field, store::Value value)
{
    if (state() != EditState::Browse) editor_.set(field, std::move(value));
}

void MaintenanceScreen::setIfChanged(const std::string& field, store::Value value)
{
    if (editor_.value(field) != value) set(field, std::move(value));
}

void MaintenanceScreen::setPicked(const std::string& field, store::Value picked)
{
    const bool cancelled = picked.isNull() || picked == store::Value(std::string()) || picked == store::Value(0);
    if (!cancelled) set(field, std::move(picked));
    host_.refresh();
}

void MaintenanceScreen::enterDateCreated()
{
    if (state() != EditState::Browse && !editor_.value(names_.createdField).asDate().isValid()) {
        set(names_.createdField, Date::today());
        host_.refresh();
    }
}

void MaintenanceScreen::leaveAccountBox(const std::string& field, const std::string& text, bool skipCheck, int message,
                                        const std::function<bool(int)>& accountExists)
{
    if (state() == EditState::Browse) return;
    bool number = false;
    const int account = QString::fromStdString(text).trimmed().toInt(&number);
    if (number) setIfChanged(field, account);
    if (skipCheck) return;
    if (!number || (account > 0 && !accountExists(account))) {
        host_.message(message, ui::MessageKind::Information);
        host_.focus(field);
    }
}

void MaintenanceScreen::post()
{
    if (state() == EditState::Browse) return;
    WhileWaitingForRecord(host_, [this](const store::LockRetry& retry) { save(retry); });
}

// The screen's checks, then the code's: a record without a code could not be found again.
void MaintenanceScreen::save(const store::LockRetry& retry)
{
    std::optional<SaveRefusal> refusal;
    const auto check = [&](RecordEditor& record) {
        refusal = checkForSave(record);
        const std::string code = record.text(names_.codeField);
        if (!refusal && (code.empty() || code.front() == ' ')) refusal = SaveRefusal{-1, names_.codeField, kFirstPage};
        return !refusal;
    };
    switch (editor_.save(check, retry)) {
    case RecordEditor::Saved::Done:
        host_.showPage(kFirstPage);
        codeBoxEnabled_ = true;
        host_.refresh();
        host_.focus(kNavigator);
        return;
    case RecordEditor::Saved::Refused:
        ShowRefusal(host_, *refusal);
        return;
    case RecordEditor::Saved::KeyExists:
        ShowRefusal(host_, {names_.codeTakenMeanwhile, names_.codeField, kFirstPage});
        return;
    case RecordEditor::Saved::Gone:
        host_.message(names_.gone, ui::MessageKind::Information);
        editor_.cancel();
        editor_.first();
        browse();
        return;
    }
}

void MaintenanceScreen::cancel()
{
    editor_.cancel();
    codeBoxEnabled_ = true;
    host_.showPage(kFirstPage);
    host_.refresh();
    host_.focus(kNavigator);
}

void MaintenanceScreen::remove()
{
    if (state() != EditState::Browse) editor_.cancel();
    if (!editor_.hasRecord()) return;
    if (host_.message(names_.confirmDelete, ui::MessageKind::Question) != ui::Answer::Yes) return browse();
    WhileWaitingForRecord(host_, [this](const store::LockRetry& retry) {
        const auto outcome = editor_.remove([this](const std::string& code) { return !hasEntries(code); }, retry);
        if (outcome == RecordEditor::Deleted::Refused) host_.message(names_.hasEntries, ui::MessageKind::Information);
        if (outcome == RecordEditor::Deleted::Gone) host_.message(names_.gone, ui::MessageKind::Information);
    });
    browse();
}

}  // namespace orvant::masters
