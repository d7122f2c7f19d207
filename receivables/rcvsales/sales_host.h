#pragma once
// What the sales screen's logic asks of its form: what every entry screen asks (EntryHost), and
// the client's picker and the holdback and project dialogs.

#include <string>

#include "books/holdback.h"
#include "sales_check.h"
#include "sidedialogs/entry_host.h"
#include "sidedialogs/project_transactions.h"

namespace orvant::sales {

class SalesHost : public sidedialogs::EntryHost<SalesField> {
public:
    // A client code, or "" when the user chose none.
    virtual std::string pickClient() = 0;

    // The holdback and project dialogs; nothing when the user cancels the projects.
    virtual HoldbackAnswer askHoldback(Money net, Money federalTax, Money provincialTax, HoldbackChoice choice) = 0;
    virtual std::optional<std::vector<sidedialogs::ProjectLine>> askProjects(Money toDistribute) = 0;
};

}  // namespace orvant::sales
