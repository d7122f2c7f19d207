#include "shared/choice_lists.h"

#include "books/tax_rates.h"
#include "store/query.h"
#include "store/table.h"

namespace orvant::masters {

std::optional<int> ChoiceList::indexOf(int number) const
{
    for (std::size_t i = 0; i < entries_.size(); ++i)
        if (entries_[i].number == number) return static_cast<int>(i);
    return std::nullopt;
}

std::optional<int> ChoiceList::numberAt(int index) const
{
    if (index < 0 || index >= static_cast<int>(entries_.size())) return std::nullopt;
    return entries_[static_cast<std::size_t>(index)].number;
}

namespace {

// The control record, or an empty row when the company has none.
template <class Use>
void withControl(store::Database& company, const char* table, Use use)
{
    store::Table control(company, table);
    control.open();
    control.first();
    if (control.hasRecord()) use(control);
}

}  // namespace

ChoiceList CurrencyList(store::Database& company, const std::string& homeName)
{
    ChoiceList list;
    list.add(homeName, 0);
    withControl(company, "ctrl", [&](store::Table& control) {
        for (int c = 1; c <= 4; ++c)
            if (const std::string name = control.field("Ctrl_curr" + std::to_string(c) + "_name").asString(); !name.empty())
                list.add(name, c);
    });
    return list;
}

ForeignCurrencySigns CurrencySigns(store::Database& company)
{
    ForeignCurrencySigns signs;
    withControl(company, "ctrl", [&](store::Table& control) {
        for (int c = 1; c <= 4; ++c) signs[static_cast<std::size_t>(c - 1)] = control.field("Ctrl_curr" + std::to_string(c) + "_sign").asString();
    });
    return signs;
}

ChoiceList PriceLists(store::Database& company, bool largerEdition)
{
    ChoiceList list;
    withControl(company, "ctrl", [&](store::Table& control) {
        for (int n = 1; n <= 5; ++n)
            if (const std::string name = control.field("Ctrl_pl_name" + std::to_string(n)).asString(); !name.empty()) list.add(name, n);
    });
    if (largerEdition)
        withControl(company, "ivctrl", [&](store::Table& invoicing) {
            for (int n = 6; n <= 9; ++n)
                if (const std::string name = invoicing.field("Ivctrl_pl_name" + std::to_string(n)).asString(); !name.empty())
                    list.add(name, n);
        });
    return list;
}

ChoiceList BankAccounts(store::Database& company)
{
    ChoiceList list;
    store::Table accounts(company, "glm");
    accounts.open();
    withControl(company, "ctrl", [&](store::Table& control) {
        for (int k = 1; k <= 5; ++k) {
            const int account = static_cast<int>(control.field("Ctrl_bank_accnt" + std::to_string(k)).asInt());
            if (account != 0 && accounts.findKey({account})) list.add(accounts.field("Glm_Description").asString(), account);
        }
    });
    return list;
}

std::vector<std::string> InvoiceFormats(store::Database& company)
{
    std::vector<std::string> names;
    store::Table formats(company, "Fafrm1");
    formats.open();
    for (formats.first(); !formats.eof(); formats.next()) names.push_back(formats.field("Name").asString());
    return names;
}

namespace {

constexpr int kTaxFieldsBound = 12;

std::string taxField(int line)
{
    if (line == 1) return "Cli_tax_fed";
    if (line == 2) return "Cli_tax_pro";
    return line <= kTaxFieldsBound ? "Cli_tax" + std::to_string(line) : std::string();
}

}  // namespace

std::vector<TaxLine> ClientTaxLines(store::Database& company)
{
    std::vector<TaxLine> lines;
    const TaxRates rates(company, "taxrates");
    for (const TaxRate& rate : rates.all()) lines.push_back({rate.description, taxField(static_cast<int>(lines.size()) + 1)});
    return lines;
}

bool LargerEditionInstalled(const Registry& registry)
{
    return registry.hasSection(u"Brsk") || registry.value(kProductSection, u"BrskAddOn", QStringLiteral("N")).toUpper() != "N";
}

bool InternationalSettings(const Registry& registry) { return registry.value(kSettingsSection, u"Intl").toUpper() == "Y"; }

}  // namespace orvant::masters
