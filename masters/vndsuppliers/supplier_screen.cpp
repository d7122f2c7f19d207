#include "vndsuppliers/supplier_screen.h"

#include <algorithm>

#include <QString>

#include "dates/due_date.h"
#include "store/error.h"
#include "store/query.h"
#include "store/table.h"

namespace orvant::masters {

namespace {

constexpr int kFewestCopies = 1, kMostCopies = 10;  // the copies box's range

std::string trimmed(const std::string& text) { return QString::fromStdString(text).trimmed().toStdString(); }

std::string accountField(int n) { return "Sup_accnt" + std::to_string(n); }

int orderCopies(store::Database& company)
{
    store::Table control(company, "ctrl");
    control.open();
    control.first();
    const int copies = control.hasRecord() ? static_cast<int>(control.field("Ctrl_ApCopies").asInt()) : kFewestCopies;
    return std::clamp(copies, kFewestCopies, kMostCopies);
}

}  // namespace

bool PurchaseOrderFieldsShown(const std::string& dataRoot, bool largerEdition)
{
    return largerEdition || dataRoot.find("Tolvane") != std::string::npos;
}

// Suppliers refer to nothing in the data root: the references are all the company's.
SupplierScreen::SupplierScreen(store::Database& company, MasterHost& host, SupplierPickers& pickers, const std::string& dataRoot,
                               bool largerEdition, std::string homeCurrencyName)
    : company_(company), host_(host), pickers_(pickers), editor_(company, "sup", "Sup_code"), references_(company, company),
      currencies_(CurrencyList(company, homeCurrencyName)), bankAccounts_(BankAccounts(company)),
      orderCopies_(orderCopies(company)), purchaseOrderFieldsShown_(PurchaseOrderFieldsShown(dataRoot, largerEdition))
{
}

void SupplierScreen::start()
{
    editor_.first();
    browse();
}

std::optional<int> SupplierScreen::currencyIndex() const
{
    return currencies_.indexOf(static_cast<int>(editor_.number("Sup_currency")));
}

std::optional<int> SupplierScreen::bankAccountIndex() const
{
    return bankAccounts_.indexOf(static_cast<int>(editor_.number("Sup_bank_account")));
}

// Browsing: the data fields closed, the code box open and focused.
void SupplierScreen::browse()
{
    codeBoxEnabled_ = true;
    host_.refresh();
    host_.focus("Sup_code");
}

bool SupplierScreen::supplierExists(const std::string& code)
{
    store::Query query(company_, "SELECT 1 FROM sup WHERE sup_code = ?");
    query.bind(0, code);
    query.open();
    return !query.eof();
}

void SupplierScreen::first()
{
    if (state() != EditState::Browse) return;
    editor_.first();
    browse();
}

void SupplierScreen::prior()
{
    if (state() != EditState::Browse) return;
    editor_.prior();
    browse();
}

void SupplierScreen::next()
{
    if (state() != EditState::Browse) return;
    editor_.next();
    browse();
}

void SupplierScreen::last()
{
    if (state() != EditState::Browse) return;
    editor_.last();
    browse();
}

void SupplierScreen::findWithPicker()
{
    if (state() != EditState::Browse) return;
    const std::string code = pickers_.supplier();
    if (code.empty()) return;
    editor_.find(code);
    browse();
}

void SupplierScreen::insert()
{
    std::map<std::string, store::Value> defaults = editor_.zeroedNumbers();
    defaults["Sup_date_created"] = Date::today();
    defaults["Sup_po_req"] = false;
    defaults["Sup_email_po"] = false;
    if (const auto firstBank = bankAccounts_.numberAt(0)) defaults["Sup_bank_account"] = *firstBank;
    defaults["Sup_copies"] = orderCopies_;
    editor_.beginInsert(std::move(defaults));
    codeBoxEnabled_ = true;
    host_.showPage(kSupplierGeneralPage);
    host_.refresh();
    host_.focus("Sup_code");
}

void SupplierScreen::editExisting(const std::string& code)
{
    editor_.cancel();
    editor_.find(code);
    editor_.beginEdit();
    codeBoxEnabled_ = false;
    host_.refresh();
    host_.focus("Sup_name");
}

void SupplierScreen::edit()
{
    if (!editor_.hasRecord() || state() != EditState::Browse) return;
    editor_.beginEdit();
    codeBoxEnabled_ = false;
    host_.showPage(kSupplierGeneralPage);
    host_.refresh();
    host_.focus("Sup_name");
}

void SupplierScreen::leaveCode(const std::string& typed)
{
    const std::string code = trimmed(typed);
    if (state() == EditState::Insert) {
        if (!code.empty() && supplierExists(code)) return editExisting(code);  // no message
        editor_.set("Sup_code", code);
        host_.focus("Sup_name");
        return;
    }
    if (code.empty() || code == editor_.text("Sup_code")) return host_.refresh();
    if (supplierExists(code)) return editExisting(code);
    host_.message(kSupplierNoSuchCode, ui::MessageKind::Information);
    editor_.cancel();
    browse();
}

void SupplierScreen::set(const std::string& field, store::Value value)
{
    if (state() != EditState::Browse) editor_.set(field, std::move(value));
}

// The checks of a save, in their order, on the record as it will be written. The bank
// account, the currency and the copies are set as they are chosen, so nothing is left to copy.
std::optional<SaveRefusal> SupplierScreen::checkForSave(RecordEditor& record)
{
    const auto accountMissing = [&](int n) {
        const auto account = record.number(accountField(n));
        return account > 0 && !references_.accountExists(static_cast<int>(account));
    };
    if (accountMissing(1)) return SaveRefusal{kSupplierAccountMissing, accountField(1), kSupplierControlPage};
    if (accountMissing(2)) return SaveRefusal{kSupplierAccountMissing, accountField(2), kSupplierControlPage};
    if (record.state() == EditState::Edit && codeBoxEnabled_) return SaveRefusal{kSupplierNoSuchCode, "Sup_code", kSupplierGeneralPage};
    if (accountMissing(3)) return SaveRefusal{kSupplierAccountMissing, accountField(3), kSupplierControlPage};
    if (record.flag("Sup_email_po") && trimmed(record.text("Sup_email")).empty())
        return SaveRefusal{kSupplierNoEmailForOrders, "Sup_email", kSupplierGeneralPage};
    if (!IsDueDaysRule(record.number("Sup_du_days"))) return SaveRefusal{kSupplierDueDaysOutOfRange, "Sup_du_days", kSupplierControlPage};
    // A supplier without a code could not be found again.
    const std::string code = record.text("Sup_code");
    if (code.empty() || code.front() == ' ') return SaveRefusal{-1, "Sup_code", kSupplierGeneralPage};
    return std::nullopt;
}

void SupplierScreen::post()
{
    if (state() == EditState::Browse) return;
    WhileWaitingForRecord(host_, [this](const store::LockRetry& retry) {
        std::optional<SaveRefusal> refusal;
    switch (editor_.save([&](RecordEditor& record) { return !(refusal = checkForSave(record)); }, retry)) {
        case RecordEditor::Saved::Done:
            host_.showPage(kSupplierGeneralPage);
            codeBoxEnabled_ = true;
            host_.refresh();
            host_.focus(kNavigator);
            return;
        case RecordEditor::Saved::Refused:
        if (refusal) ShowRefusal(host_, *refusal);
        return;
        case RecordEditor::Saved::KeyExists:
            ShowRefusal(host_, {kSupplierCodeTakenMeanwhile, "Sup_code", kSupplierGeneralPage});
            return;
        case RecordEditor::Saved::Gone:
            host_.message(kSupplierGone, ui::MessageKind::Information);
            editor_.cancel();
            editor_.first();
            browse();
            return;
        }
    });
}

void SupplierScreen::cancel()
{
    editor_.cancel();
    codeBoxEnabled_ = true;
    host_.showPage(kSupplierGeneralPage);
    host_.refresh();
    host_.focus(kNavigator);
}

void SupplierScreen::remove()
{
    if (state() != EditState::Browse) editor_.cancel();
    if (!editor_.hasRecord()) return;
    if (host_.message(kSupplierConfirmDelete, ui::MessageKind::Question) != ui::Answer::Yes) return browse();
    WhileWaitingForRecord(host_, [this](const store::LockRetry& retry) {
        const auto outcome =
            editor_.remove([this](const std::string& code) { return !references_.supplierHasEntries(code); }, retry);
        if (outcome == RecordEditor::Deleted::Refused) host_.message(kSupplierHasEntries, ui::MessageKind::Information);
        if (outcome == RecordEditor::Deleted::Gone) host_.message(kSupplierGone, ui::MessageKind::Information);
    });
    browse();
}

void SupplierScreen::leaveAccount(int n, const std::string& text, bool skipCheck)
{
    if (state() == EditState::Browse) return;
    bool number = false;
    const int account = QString::fromStdString(text).trimmed().toInt(&number);
    if (number && editor_.value(accountField(n)) != store::Value(account)) set(accountField(n), account);  // no change when passing through
    if (skipCheck) return;
    if (!number || (account > 0 && !references_.accountExists(account))) {
        host_.message(kSupplierAccountMissing, ui::MessageKind::Information);
        host_.focus(accountField(n));
    }
}

void SupplierScreen::enterDateCreated()
{
    if (state() != EditState::Browse && !editor_.value("Sup_date_created").asDate().isValid()) {
        set("Sup_date_created", Date::today());
        host_.refresh();
    }
}

void SupplierScreen::chooseCurrency(int index)
{
    if (const auto number = currencies_.numberAt(index)) set("Sup_currency", *number);
}

void SupplierScreen::chooseBankAccount(int index)
{
    if (const auto account = bankAccounts_.numberAt(index)) set("Sup_bank_account", *account);
}

void SupplierScreen::setCopies(int copies) { set("Sup_copies", std::clamp(copies, kFewestCopies, kMostCopies)); }

void SupplierScreen::pickTerritory()
{
    if (const std::string code = pickers_.territory(); !code.empty()) set("Sup_terr", code);
    host_.refresh();
}

void SupplierScreen::pickAccount(int n)
{
    if (const int account = pickers_.account(); account != 0) set(accountField(n), account);
    host_.refresh();
}

}  // namespace orvant::masters
