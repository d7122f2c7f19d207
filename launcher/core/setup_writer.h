#pragma once
// What the setup wizard saves when it closes on its last page: the company's tax regime, rates
// and currency words in its control record and tax-rate tables, and the date format and currency
// display in the registry. Both writes may run again (a registry that could not be saved is
// tried again): a rate is replaced by its code, never added twice.

#include <QString>
#include <array>

#include "core/setup_presets.h"
#include "settings/registry.h"
#include "store/database.h"

namespace orvant::launcher {

// The answers read as they are saved.
struct SetupValues {
    bool inCanada = false;
    std::array<double, kRateCount> rates{};
    QString dateFormat;
    QString currencySymbol;
    bool alignRight = false;
    QString currencyDescription;
    QString fractionsDescription;
};

// The answers of a wizard that reached its last page (every rate reads).
SetupValues ValuesOf(const SetupSteps& steps);

// The descriptions of rates 1 and 2 outside Canada, in the session's language.
using RateDescriptions = std::array<QString, 2>;

// The edition whose company directories carry this word sets its taxes elsewhere: the wizard
// leaves its tax regime and tax-rate tables alone.
bool TolvaneEdition(const QString& companyDir);

// The control record (rates, currency words and, except in that edition, the tax regime) and,
// outside Canada, rates 1 and 2 of both tax-rate tables, in one transaction. The control record
// is waited for while another workstation holds it. A store error leaves everything as it was.
void WriteCompanySetup(store::Database& books, const SetupValues& values, const RateDescriptions& descriptions,
                       bool tolvane);

// DateFmt, CurrSmbl, Intl and CurrAlign of the Settings section; false when the registry could
// not be saved.
bool WriteRegionalSetup(Registry& registry, const SetupValues& values);

}  // namespace orvant::launcher
