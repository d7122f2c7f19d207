#include "rcvclients/client_screen.h"

#include <QString>
#include <algorithm>

#include "dates/due_date.h"
#include "store/table.h"

namespace orvant::masters {

namespace {

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
    : MaintenanceScreen(company, host,
                        {"cli", "Cli_code", "Cli_name", "Cli_date_created", kNoSuchCode, kConfirmDelete, kHasEntries,
                         kCodeTakenMeanwhile, kClientGone}),
      pickers_(pickers), references_(company, dataRoot),
      settings_(readSettings(company, international)), priceLists_(PriceLists(company, largerEdition)),
      currencies_(CurrencyList(company, homeCurrencyName)), formats_(InvoiceFormats(company))
{
    if (settings_.taxSystem != 0) taxLines_ = ClientTaxLines(company);
}

void ClientScreen::addInsertDefaults(std::map<std::string, store::Value>& defaults)
{
    defaults["Cli_price_list"] = 1;
    defaults["Cli_currency"] = 0;
    defaults["Cli_ship_via"] = "";
    for (const char* flag : {"Cli_po_req", "Cli_credit_hold", "Cli_block_orders", "Cli_email_statement", "Cli_email_invoice"})
        defaults[flag] = false;
    defaults["Cli_language"] = "1";
    defaults["Cli_copies"] = std::clamp(settings_.invoiceCopies, 1, 10);  // the copies box's range
}

// A new client is taxed unless the user says otherwise.
void ClientScreen::codeTypedForInsert()
{
    editor_.set("Cli_tax_fed", true);
    editor_.set("Cli_tax_pro", true);
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
    if (!settings_.international && Trimmed(record.text("Cli_postal_code")).empty())
        return SaveRefusal{kNoPostalCode, "Cli_postal_code", kGeneralPage};
    if (record.number("Cli_terms") == 0) return SaveRefusal{kNoTerms, "Cli_terms", kControlPage};
    for (int n = 1; n <= 3; ++n) {
        const auto account = record.number(accountField(n));
        if (account > 0 && !references_.accountExists(static_cast<int>(account))) return SaveRefusal{kNoSuchAccount, accountField(n), kControlPage};
    }
    if ((record.flag("Cli_email_statement") || record.flag("Cli_email_invoice")) && Trimmed(record.text("Cli_email")).empty())
        return SaveRefusal{kNoEmail, "Cli_email", kGeneralPage};
    return std::nullopt;
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

void ClientScreen::checkReference(const std::string& field, bool skipCheck, int message,
                                  const std::function<bool(const std::string&)>& known)
{
    if (skipCheck || state() == EditState::Browse) return;
    const std::string code = editor_.text(field);
    if (!code.empty() && !known(code)) {
        host_.message(message, ui::MessageKind::Information);
        host_.focus(field);
    }
}

void ClientScreen::leaveTerritory(bool skipCheck)
{
    checkReference("Cli_terr", skipCheck, kNoSuchTerritory, [this](const std::string& code) { return references_.territoryExists(code); });
}

void ClientScreen::leaveBillTo(bool skipCheck)
{
    checkReference("Cli_charge_to", skipCheck, kNoSuchBillTo, [this](const std::string& code) { return references_.clientExists(code); });
}

void ClientScreen::leaveAccount(int n, const std::string& text, bool skipCheck)
{
    leaveAccountBox(accountField(n), text, skipCheck, kNoSuchAccount, [this](int account) { return references_.accountExists(account); });
}

void ClientScreen::leaveLanguage()
{
    if (state() == EditState::Browse) return;
    const std::string language = editor_.text("Cli_language");
    if (language != "1" && language != "2") host_.focus("Cli_language");
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

void ClientScreen::pickSalesman() { setPicked("Cli_salesrep", pickers_.salesman()); }

void ClientScreen::pickTerritory() { setPicked("Cli_terr", pickers_.territory()); }

// Terms chosen bring their number of due days.
void ClientScreen::pickTerms()
{
    const int terms = pickers_.terms();
    if (const auto days = terms == 0 ? std::nullopt : references_.termsDays(terms)) set("Cli_du_days", *days);
    setPicked("Cli_terms", terms);
}

void ClientScreen::pickBillTo() { setPicked("Cli_charge_to", pickers_.client()); }

void ClientScreen::pickAccount(int n) { setPicked(accountField(n), pickers_.account()); }

}  // namespace orvant::masters
