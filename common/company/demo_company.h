#pragma once
// A company a newcomer can work with at once: a small chart of accounts, a control record that
// points at it, federal and provincial tax rates, a few clients, suppliers and salesmen.

#include "company/installation.h"

namespace orvant::company {

inline constexpr const char* kDemoCompanyName = "Orvant Demo Inc.";

// Creates the company when it does not exist; refuses (SetupError) one that has accounts
// already, so a company in use is never mixed with demo rows. The data root must be set up.
void MakeDemoCompany(const Installation& installation, int company);

}  // namespace orvant::company
