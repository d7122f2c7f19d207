#include "rcvclients/client_screen.h"

#include <QString>
#include <algorithm>

#include "books/tax_rates.h"
#include "dates/due_date.h"
#include "store/table.h"

namespace orvant::masters {

namespace {

constexpr int kTaxFieldsBound = 12;

std::string trimmed(const std::string& text) { return QString::fromStdString(text).trimmed().toStdString(); }

std::string taxField(int line)
{
    if (line == 1) return "Cli_tax_fed";
    if (line == 2) return "Cli_tax_pro";
    return line <= kTaxFieldsBound ? "Cli_tax" + std::to_string(line) : std::string();
}

std::string accountField(int n) { return "Cli_accnt" + std::to_string(n); }

ClientSettings readSettings(store::Database& company, bool international)
{
    ClientSettings settings;
    settings.international = international;
    store::Table control(company, "ctrl");
    control.open();
    control.first();
    if (control.hasRecord()) {
        settings.taxSystem = static_cast<int>(control.field("Ctrl_TaxSystem").asInt());
        settings.invoiceCopies = static_cast<int>(control.field("Ctrl_ArCopies").asInt());
    }
    return settings;
}

}  // namespace

ClientScreen::ClientScreen(store::Database& company, store::Database& dataRoot, MasterHost& host, ClientPickers& pickers,
                           bool largerEdition, bool international, std::string homeCurrencyName)
    : host_(host), pickers_(pickers), editor_(company, "cli", "Cli_code"), references_(company, dataRoot),
      settings_(readSettings(company, international)), priceLists_(PriceLists(company, largerEdition)),
      currencies_(CurrencyList(company, homeCurrencyName)), formats_(InvoiceFormats(company))
{
    if (settings_.taxSystem != 0) {
        const TaxRates rates(company, "taxrates");
        int line = 0;
        for (const TaxRate& rate : rates.all()) taxLines_.push_back({rate.description, taxField(++line)});
    }
}

void ClientScreen::start()
{
    editor_.first();
    browse();
}

// Browsing: the data fields closed, the code box open and focused.
void ClientScreen::browse()
{
    codeBoxEnabled_ = true;
    host_.refresh();
    host_.focus("Cli_code");
}

void ClientScreen::first()
{
    if (state() != EditState::Browse) return;
    editor_.first();
    browse();
}

void ClientScreen::prior()
{
    if (state() != EditState::Browse) return;
    editor_.prior();
    browse();
}

void ClientScreen::next()
{
    if (state() != EditState::Browse) return;
    editor_.next();
    browse();
}

void ClientScreen::last()
{
    if (state() != EditState::Browse) return;
    editor_.last();
    browse();
}

void ClientScreen::findWithPicker()
{
    if (state() != EditState::Browse) return;
    const std::string code = pickers_.client();
    if (code.empty()) return;
    editor_.find(code);
    browse();
}

void ClientScreen::insert()
{
    std::map<std::string, store::Value> defaults = editor_.zeroedNumbers();
    defaults["Cli_date_created"] = Date::today();
    defaults["Cli_price_list"] = 1;
    defaults["Cli_currency"] = 0;
    defaults["Cli_ship_via"] = "";
    for (const char* flag : {"Cli_po_req", "Cli_credit_hold", "Cli_block_orders", "Cli_email_statement", "Cli_email_invoice"})
        defaults[flag] = false;
    defaults["Cli_language"] = "1";
    defaults["Cli_copies"] = std::clamp(settings_.invoiceCopies, 1, 10);  // the copies box's range
    editor_.beginInsert(std::move(defaults));
    codeBoxEnabled_ = true;
    host_.showPage(kGeneralPage);
    host_.refresh();
    host_.focus("Cli_code");
}

void ClientScreen::editExisting(const std::string& code)
{
    editor_.cancel();
    editor_.find(code);
    editor_.beginEdit();
    codeBoxEnabled_ = false;
    host_.refresh();
    host_.focus("Cli_name");
}

void ClientScreen::edit()
{
    if (!editor_.hasRecord() || state() != EditState::Browse) return;
    editor_.beginEdit();
    codeBoxEnabled_ = false;
    host_.showPage(kGeneralPage);
    host_.refresh();
    host_.focus("Cli_name");
}

void ClientScreen::leaveCode(const std::string& typed)
{
    const std::string code = trimmed(typed);
    if (state() == EditState::Insert) {
        editor_.set("Cli_tax_fed", true);
        editor_.set("Cli_tax_pro", true);
        if (!code.empty() && references_.clientExists(code)) return editExisting(code);  // no message
        editor_.set("Cli_code", code);
        host_.refresh();
        host_.focus("Cli_name");
        return;
    }
    if (code.empty() || code == editor_.text("Cli_code")) return host_.refresh();
    if (references_.clientExists(code)) return editExisting(code);
    host_.message(kNoSuchCode, ui::MessageKind::Information);
    editor_.cancel();
    browse();
}

void ClientScreen::set(const std::string& field, store::Value value)
{
    if (state() != EditState::Browse) editor_.set(field, std::move(value));
}

// Passing through a field is no change: it must not write the screen's value over another
// workstation's.
void ClientScreen::setIfChanged(const std::string& field, store::Value value)
{
    if (editor_.value(field) != value) set(field, std::move(value));
}

// The checks of a save, in their order, on the record as it will be written.
std::optional<SaveRefusal> ClientScreen::checkForSave(RecordEditor& record)
{
    if (record.state() == EditState::Edit && codeBoxEnabled_) return SaveRefusal{kNoSuchCode, "Cli_code", kGeneralPage};
    if (!references_.salesmanExists(record.text("Cli_salesrep"))) return SaveRefusal{kNoSuchSalesman, "Cli_salesrep", kControlPage};
    const std::string territory = record.text("Cli_terr");
    if (!territory.empty() && !references_.territoryExists(territory)) return SaveRefusal{kNoSuchTerritory, "Cli_terr", kControlPage};
    const std::optional<int> days = references_.termsDays(static_cast<int>(record.number("Cli_terms")));
    if (!days) return SaveRefusal{kNoSuchTerms, "Cli_terms", kControlPage};
    record.set("Cli_du_days", *days);
    if (!IsDueDaysRule(record.number("Cli_du_days"))) return SaveRefusal{kDueDaysOutOfRange, "Cli_terms", kControlPage};  // the terms give the days
    const std::string billTo = record.text("Cli_charge_to");
    if (!billTo.empty() && !references_.clientExists(billTo)) return SaveRefusal{kNoSuchBillTo, "Cli_charge_to", kControlPage};
    if (!settings_.international && trimmed(record.text("Cli_postal_code")).empty())
        return SaveRefusal{kNoPostalCode, "Cli_postal_code", kGeneralPage};
    if (record.number("Cli_terms") == 0) return SaveRefusal{kNoTerms, "Cli_terms", kControlPage};
    for (int n = 1; n <= 3; ++n) {
        const auto account = record.number(accountField(n));
        if (account > 0 && !references_.accountExists(static_cast<int>(account))) return SaveRefusal{kNoSuchAccount, accountField(n), kControlPage};
    }
    if ((record.flag("Cli_email_statement") || record.flag("Cli_email_invoice")) && trimmed(record.text("Cli_email")).empty())
        return SaveRefusal{kNoEmail, "Cli_email", kGeneralPage};
    const std::string code = record.text("Cli_code");
    if (code.empty() || code.front() == ' ') return SaveRefusal{-1, "Cli_code", kGeneralPage};
    return std::nullopt;
}

void ClientScreen::post()
{
    if (state() == EditState::Browse) return;
    WhileWaitingForRecord(host_, [this](const store::LockRetry& retry) { save(retry); });
}

void ClientScreen::save(const store::LockRetry& retry)
{
    std::optional<SaveRefusal> refusal;
    switch (editor_.save([&](RecordEditor& record) { return !(refusal = checkForSave(record)); }, retry)) {
    case RecordEditor::Saved::Done:
        host_.showPage(kGeneralPage);
        codeBoxEnabled_ = true;
        host_.refresh();
        host_.focus(kNavigator);
        return;
    case RecordEditor::Saved::Refused:
        if (refusal) ShowRefusal(host_, *refusal);
        return;
    case RecordEditor::Saved::KeyExists:
        ShowRefusal(host_, {kCodeTakenMeanwhile, "Cli_code", kGeneralPage});
        return;
    case RecordEditor::Saved::Gone:
        host_.message(kClientGone, ui::MessageKind::Information);
        editor_.cancel();
        editor_.first();
        browse();
        return;
    }
}

void ClientScreen::cancel()
{
    editor_.cancel();
    codeBoxEnabled_ = true;
    host_.showPage(kGeneralPage);
    host_.refresh();
    host_.focus(kNavigator);
}

void ClientScreen::remove()
{
    if (state() != EditState::Browse) editor_.cancel();
    if (!editor_.hasRecord()) return;
    if (host_.message(kConfirmDelete, ui::MessageKind::Question) != ui::Answer::Yes) return browse();
    WhileWaitingForRecord(host_, [this](const store::LockRetry& retry) {
        const auto outcome = editor_.remove([this](const std::string& code) { return !references_.clientHasEntries(code); }, retry);
        if (outcome == RecordEditor::Deleted::Refused) host_.message(kHasEntries, ui::MessageKind::Information);
        if (outcome == RecordEditor::Deleted::Gone) host_.message(kClientGone, ui::MessageKind::Information);
    });
    browse();
}

void ClientScreen::leaveTerms(const std::string& text, bool skipCheck)
{
    bool number = false;
    const int terms = QString::fromStdString(text).trimmed().toInt(&number);
    setIfChanged("Cli_terms", number ? terms : 0);
    if (skipCheck || state() == EditState::Browse) return;
    const std::optional<int> days = references_.termsDays(number ? terms : 0);
    if (!days) {
        host_.message(kNoSuchTerms, ui::MessageKind::Information);
        host_.focus("Cli_terms");
        return;
    }
    set("Cli_du_days", *days);
    host_.refresh();
}

void ClientScreen::leaveSalesman(bool skipCheck)
{
    if (skipCheck || state() == EditState::Browse) return;
    const std::string code = editor_.text("Cli_salesrep");
    if (code.empty()) {
        host_.message(kNoSalesman, ui::MessageKind::Information);
        host_.focus("Cli_salesrep");
    } else if (!references_.salesmanExists(code)) {
        host_.message(kNoSuchSalesman, ui::MessageKind::Information);
        host_.focus("Cli_salesrep");
    }
}

void ClientScreen::leaveTerritory(bool skipCheck)
{
    if (skipCheck || state() == EditState::Browse) return;
    const std::string code = editor_.text("Cli_terr");
    if (!code.empty() && !references_.territoryExists(code)) {
        host_.message(kNoSuchTerritory, ui::MessageKind::Information);
        host_.focus("Cli_terr");
    }
}

void ClientScreen::leaveBillTo(bool skipCheck)
{
    if (skipCheck || state() == EditState::Browse) return;
    const std::string code = editor_.text("Cli_charge_to");
    if (!code.empty() && !references_.clientExists(code)) {
        host_.message(kNoSuchBillTo, ui::MessageKind::Information);
        host_.focus("Cli_charge_to");
    }
}

void ClientScreen::leaveAccount(int n, const std::string& text, bool skipCheck)
{
    if (state() == EditState::Browse) return;
    bool number = false;
    const int account = QString::fromStdString(text).trimmed().toInt(&number);
    if (number) setIfChanged(accountField(n), account);
    if (skipCheck) return;
    if (!number || (account > 0 && !references_.accountExists(account))) {
        host_.message(kNoSuchAccount, ui::MessageKind::Information);
        host_.focus(accountField(n));
    }
}

void ClientScreen::leaveLanguage()
{
    if (state() == EditState::Browse) return;
    const std::string language = editor_.text("Cli_language");
    if (language != "1" && language != "2") host_.focus("Cli_language");
}

void ClientScreen::enterDateCreated()
{
    if (state() != EditState::Browse && !editor_.value("Cli_date_created").asDate().isValid()) {
        set("Cli_date_created", Date::today());
        host_.refresh();
    }
}

void ClientScreen::choosePriceList(int index)
{
    if (const auto number = priceLists_.numberAt(index)) set("Cli_price_list", *number);
}

void ClientScreen::chooseCurrency(int index)
{
    if (const auto number = currencies_.numberAt(index)) set("Cli_currency", *number);
}

void ClientScreen::chooseInvoiceFormat(int index)
{
    if (index >= 0 && index < static_cast<int>(formats_.size())) set("Cli_format1", formats_[static_cast<std::size_t>(index)]);
}

void ClientScreen::setTaxLine(int line, bool on)
{
    if (line < 0 || line >= static_cast<int>(taxLines_.size())) return;
    if (const std::string& field = taxLines_[static_cast<std::size_t>(line)].field; !field.empty()) set(field, on);
}

void ClientScreen::pickSalesman()
{
    if (const std::string code = pickers_.salesman(); !code.empty()) set("Cli_salesrep", code);
    host_.refresh();
}

void ClientScreen::pickTerritory()
{
    if (const std::string code = pickers_.territory(); !code.empty()) set("Cli_terr", code);
    host_.refresh();
}

void ClientScreen::pickTerms()
{
    const int terms = pickers_.terms();
    if (terms == 0) return;
    set("Cli_terms", terms);
    if (const auto days = references_.termsDays(terms)) set("Cli_du_days", *days);
    host_.refresh();
}

void ClientScreen::pickBillTo()
{
    if (const std::string code = pickers_.client(); !code.empty()) set("Cli_charge_to", code);
    host_.refresh();
}

void ClientScreen::pickAccount(int n)
{
    if (const int account = pickers_.account(); account != 0) set(accountField(n), account);
    host_.refresh();
}

}  // namespace orvant::masters
