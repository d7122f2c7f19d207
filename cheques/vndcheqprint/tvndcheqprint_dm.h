#pragma once
// The data of cheque printing: the tables a run reads and the update writes, opened (each
// refused table named) at the first activation.

#include "session/company_tables.h"

namespace orvant::vndcheqprint {

class Tvndcheqprint_dm : public CompanyTables {
public:
    Tvndcheqprint_dm()
        : CompanyTables({"ctrl", "glm", "sup", "cap", "Periods", "apchqh", "apchqd", "apchVAT", "cdorihdr", "cdoridet", "concil", "tjlh",
                         "tjld", "taxrepP", "taxratesP"})
    {
    }
};

}  // namespace orvant::vndcheqprint
