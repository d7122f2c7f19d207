#pragma once
// The aging module's data: the company tables it reads, opened (each refused table named) at the
// first activation. Nothing is written.

#include "session/company_tables.h"

namespace orvant::rcvaging {

class Trcvaging_dm : public CompanyTables {
public:
    Trcvaging_dm() : CompanyTables({"ctrl", "cli", "car", "carh", "slsm"}) {}
};

}  // namespace orvant::rcvaging
