#pragma once
// A company a newcomer can work with at once: a small chart of accounts, a control record that
// points at it, federal and provincial tax rates, a few clients, suppliers and salesmen. Its
// books stay empty here; the administrator's demo command posts a quarter of sales into them.

#include "company/installation.h"

namespace orvant::company {

inline constexpr const char* kDemoCompanyName = "Orvant Demo Inc.";

namespace demo {

// The accounts the control record names; the rest of the chart is for the distributions.
enum Account : int {
    kBank = 1000, kReceivable = 1100, kHoldbackReceivable = 1150, kPayable = 2100, kFederalTax = 2200,
    kProvincialTax = 2210, kHoldbackPayable = 2300, kRetainedEarnings = 3100, kSales = 4000, kServices = 4010,
    kFreightCharged = 4020, kPurchases = 5000, kRent = 5100, kOfficeSupplies = 5200, kBankCharges = 5400,
};

inline constexpr double kFederalRate = 5.0;
inline constexpr double kProvincialRate = 9.975;

}  // namespace demo

// Creates the company when it does not exist; refuses (SetupError) one that has accounts
// already, so a company in use is never mixed with demo rows. The data root must be set up.
void MakeDemoCompany(const Installation& installation, int company);

}  // namespace orvant::company
