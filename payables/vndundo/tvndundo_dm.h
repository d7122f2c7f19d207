#pragma once
// The undo module's data: the company tables an undo reads, changes and copies into, opened
// (each refused table named) at the first activation.

#include "session/company_tables.h"

namespace orvant::vndundo {

class Tvndundo_dm : public CompanyTables {
public:
    Tvndundo_dm()
        : CompanyTables({"ctrl", "sup", "cap", "caph", "concil", "tjlh", "tjld", "gla", "glm", "apori", "cdorihdr", "cdoridet", "apchqd",
                         "cvndundo", "glundoap", "aporidel", "cdorihdrdel", "cdoridetdel"})
    {
    }
};

}  // namespace orvant::vndundo
