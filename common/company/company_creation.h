#pragma once
// A new company: its directory with every company table, a control record with sensible
// defaults, twelve monthly periods, and its row in the companies table of the data root.

#include <memory>
#include <string>

#include "company/installation.h"
#include "store/database.h"

namespace orvant::company {

// The data root's database, once set up; SetupError otherwise.
std::unique_ptr<store::Database> OpenDataRoot(const Installation& installation);
// A company's database, once created; SetupError otherwise.
std::unique_ptr<store::Database> OpenCompany(const Installation& installation, int company);

bool CompanyExists(const Installation& installation, int company);

// Refuses (SetupError, nothing written) a number outside 1 to 32767, an empty name or one
// longer than 60 characters, a data root that was never set up, and a company that exists.
void CreateCompany(const Installation& installation, int company, const std::string& name);

}  // namespace orvant::company
