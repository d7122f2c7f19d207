#pragma once
// Makes a data root ready for the suite: the tables every company shares, one user who may do
// everything, the English and French languages, and a few terms and territories.

#include <string>
#include <vector>

#include "company/installation.h"

namespace orvant::company {

// The user `init` creates; with a single user the launcher asks no password.
inline constexpr const char* kFirstUserPassword = "ADMIN";

// Creates what is missing and fills only empty tables, so running it again changes nothing.
// Returns one line per thing it did.
std::vector<std::string> SetupDataRoot(const Installation& installation);

}  // namespace orvant::company
