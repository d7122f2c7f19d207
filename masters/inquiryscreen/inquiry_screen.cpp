#include "inquiryscreen/inquiry_screen.h"

#include <QString>
#include <algorithm>

#include "inquiry/document_locator.h"
#include "store/table.h"

namespace orvant::masters {

namespace {

std::string lower(const std::string& name) { return QString::fromStdString(name).toLower().toStdString(); }

// The data root's languages, each by its name under its key.
ChoiceList languageNames(store::Database& dataRoot)
{
    ChoiceList names;
    store::Table languages(dataRoot, "Languages");
    languages.open();
    for (languages.first(); !languages.eof(); languages.next())
        names.add(languages.field("LangName").asString(), static_cast<int>(languages.field("LangKey").asInt()));
    return names;
}

inquiry::PartyKind kindOf(const InquiryParty& party)
{
    return party.client ? inquiry::PartyKind::Client : inquiry::PartyKind::Supplier;
}

}  // namespace

store::Value PartyRecord::value(const std::string& field) const
{
    const auto found = fields_.find(lower(field));
    return found == fields_.end() ? store::Value() : found->second;
}

void PartyRecord::read(store::Database& company, const InquiryParty& party, const std::string& code)
{
    fields_.clear();
    store::Table table(company, party.table);
    table.open();
    if (!table.findKey({code})) return;  // removed meanwhile: nothing to show
    for (int i = 0; i < table.fieldCount(); ++i)
        fields_[lower(table.definition().fields[static_cast<std::size_t>(i)].name)] = table.field(i).value();
}

InquiryScreen::InquiryScreen(store::Database& company, store::Database& dataRoot, InquiryHost& host, const InquiryParty& party,
                             InquirySetup setup)
    : company_(company), dataRoot_(dataRoot), host_(host), party_(party),
      ledger_(party.client ? inquiry::InquiryLedger::receivables() : inquiry::InquiryLedger::payables()), setup_(std::move(setup)),
      currencies_(CurrencyList(company, setup_.homeCurrencyName)), languages_(languageNames(dataRoot))
{
    readControl();
}

void InquiryScreen::readControl()
{
    store::Table control(company_, "ctrl");
    control.open();
    control.first();
    if (!control.hasRecord()) return;
    taxSystem_ = static_cast<int>(control.field("Ctrl_TaxSystem").asInt());
    historyKept_ = control.field(party_.historyKept).asBool();
    if (!party_.client) return;
    priceLists_ = PriceLists(company_, false);
    if (taxSystem_ != 0) taxLines_ = ClientTaxLines(company_);
}

void InquiryScreen::start()
{
    parties_ = inquiry::FilteredParties(company_, kindOf(party_), {}, setup_.notation).value_or(parties_);
    tab_ = InquiryTab::List;
    current_ = -1;
    host_.showParties();
    choose(0);
    host_.showTab(InquiryTab::List);
}

void InquiryScreen::filter(int field, int op, const std::string& parameter)
{
    const auto found = inquiry::FilteredParties(company_, kindOf(party_), {field, op, parameter}, setup_.notation);
    if (!found) {
        host_.message(kInvalidStatement, ui::MessageKind::Error);
        return;
    }
    parties_ = *found;
    current_ = -1;
    host_.showParties();
    choose(0);
    tab_ = InquiryTab::List;
    host_.showTab(InquiryTab::List);
}

// Another party: its record, its current ledger (the history box ticked again), and what the
// tab shown reads of it.
void InquiryScreen::choose(int row)
{
    if (parties_.empty()) {
        current_ = -1;
        record_.clear();
        statement_.clear();
        graph_ = {};
    } else {
        row = std::clamp(row, 0, static_cast<int>(parties_.size()) - 1);
        const bool moved = row != current_;
        current_ = row;
        record_.read(company_, party_, parties_[static_cast<std::size_t>(row)].code);
        if (moved) currentShown_ = true;
        readLedger();
    }
    host_.refresh();
}

void InquiryScreen::tabChanged(InquiryTab tab)
{
    tab_ = tab;
    readLedger();
    host_.refresh();
}

void InquiryScreen::showCurrent(bool current)
{
    currentShown_ = current;
    readLedger();
    host_.refresh();
}

// The statement and the graph are read again whenever they are shown: another workstation may
// have posted meanwhile.
void InquiryScreen::readLedger()
{
    if (current_ < 0) return;
    const std::string& code = parties_[static_cast<std::size_t>(current_)].code;
    if (tab_ == InquiryTab::Statement) statement_ = inquiry::ReadStatement(company_, ledger_, code, !currentShown_);
    if (tab_ == InquiryTab::Graph) graph_ = inquiry::AgeForGraph(company_, ledger_, code, setup_.today());
}

void InquiryScreen::detail(int row)
{
    if (row < 0 || row >= static_cast<int>(statement_.size())) return;
    const inquiry::DocumentLocation location = inquiry::DocumentLocator(company_, ledger_).locate(statement_[static_cast<std::size_t>(row)]);
    if (!location.found()) {
        host_.message(kNoDetails, ui::MessageKind::Information);
        return;
    }
    host_.send(report::ReportOutput::Preview, inquiry::BuildPreview(company_, dataRoot_, ledger_, location, setup_.texts, setup_.preview), false);
}

void InquiryScreen::printGraph(const QString& title, bool printDialog)
{
    if (current_ < 0) return;
    const QString name = QString::fromStdString(record_.text(party_.nameField));
    host_.send(report::ReportOutput::Print, inquiry::BuildGraphPrint(graph_, title, name, setup_.notation.language), printDialog);
}

std::optional<int> InquiryScreen::currencyIndex() const
{
    return currencies_.indexOf(static_cast<int>(record_.number(party_.currencyField)));
}

std::string InquiryScreen::priceListName() const
{
    const auto index = priceLists_.indexOf(static_cast<int>(record_.number("Cli_price_list")));
    return index ? priceLists_.entries()[static_cast<std::size_t>(*index)].text : std::string();
}

std::string InquiryScreen::bankAccountName() const
{
    const std::int64_t account = record_.number("Sup_bank_account");
    if (account == 0) return {};
    store::Table accounts(company_, "glm");
    accounts.open();
    return accounts.findKey({account}) ? accounts.field("Glm_Description").asString() : std::string();
}

std::string InquiryScreen::languageName() const
{
    const std::string key = record_.text(party_.languageField);
    bool number = false;
    const int language = QString::fromStdString(key).trimmed().toInt(&number);
    const auto index = number ? languages_.indexOf(language) : std::nullopt;
    return index ? languages_.entries()[static_cast<std::size_t>(*index)].text : key;
}

bool InquiryScreen::taxLineTicked(int line) const
{
    if (line < 0 || line >= static_cast<int>(taxLines_.size())) return false;
    const std::string& field = taxLines_[static_cast<std::size_t>(line)].field;
    return !field.empty() && record_.flag(field);
}

}  // namespace orvant::masters
