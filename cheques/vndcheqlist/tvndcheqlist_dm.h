#pragma once
// The cheque list module's data: the company tables the list is built from and kept in, opened
// (each refused table named) at the first activation.

#include "session/company_tables.h"

namespace orvant::vndcheqlist {

class Tvndcheqlist_dm : public CompanyTables {
public:
    Tvndcheqlist_dm()
        : CompanyTables({"ctrl", "glm", "sup", "cap", "apchqh", "apchqd", "apchVAT", "recchqh", "recchqd", "RecChVAT"})
    {
    }
};

}  // namespace orvant::vndcheqlist
