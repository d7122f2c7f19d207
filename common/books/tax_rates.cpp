#include "books/tax_rates.h"

#include "store/table.h"

namespace orvant {

TaxRates::TaxRates(store::Database& company, const std::string& table)
{
    store::Table rates(company, table);
    rates.open();
    for (rates.first(); !rates.eof(); rates.next())
        rates_.push_back({static_cast<int>(rates.field("TaxRates_Code").asInt()), rates.field("TaxRates_Description").asString(),
                          rates.field("TaxRates_Rate").asFloat(), static_cast<int>(rates.field("TaxRates_Account").asInt())});
}

const TaxRate* TaxRates::forAccount(int account) const
{
    for (const TaxRate& rate : rates_)
        if (rate.account == account) return &rate;
    return nullptr;
}

}  // namespace orvant
