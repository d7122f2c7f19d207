#pragma once
// The tax rates of one ledger (taxrates for sales, taxratesP for purchases), read once when a
// screen starts: a few rows, each with the account its tax is posted to.

#include <string>
#include <vector>

#include "store/database.h"

namespace orvant {

struct TaxRate {
    int code = 0;
    std::string description;
    double rate = 0;  // in percent
    int account = 0;
};

class TaxRates {
public:
    TaxRates() = default;
    // `table` is "taxrates" or "taxratesP".
    TaxRates(store::Database& company, const std::string& table);

    const std::vector<TaxRate>& all() const { return rates_; }
    // The first rate posted to the account, in code order; nullptr when none is.
    const TaxRate* forAccount(int account) const;

private:
    std::vector<TaxRate> rates_;
};

}  // namespace orvant
