#pragma once
// The payables aging module's data: the company tables it reads, opened (each refused table
// named) at the first activation. Nothing is written.

#include "session/company_tables.h"

namespace orvant::vndaging {

class Tvndaging_dm : public CompanyTables {
public:
    Tvndaging_dm() : CompanyTables({"ctrl", "sup", "cap", "caph"}) {}
};

}  // namespace orvant::vndaging
