#pragma once
// The sales and adjustments form (Trcvsales_frm): a client's document over its distribution,
// the widgets named as the language tables and the screen driver know them.

#include "entryscreens/entry_form.h"
#include "sales_host.h"
#include "sales_screen.h"

namespace orvant::sales {

class Trcvsales_dm;

// The client, the party of a sale.
struct ClientParty {
    static constexpr SalesField kField = SalesField::Client;
    static void leave(SalesScreen& screen, const std::string& code, bool towardsTag13) { screen.leaveClientCode(code, towardsTag13); }
    static void pick(SalesScreen& screen) { screen.pickClient(); }
    static const std::string& code(const SalesScreen& screen) { return screen.clientCodeText(); }
    static const std::optional<ClientFacts>& shown(const SalesScreen& screen) { return screen.shownClient(); }
};

class Trcvsales_frm : public entryscreens::EntryForm<SalesHost, SalesScreen, Trcvsales_dm, ClientParty> {
public:
    Trcvsales_frm(Session& session, QString helpFile);

    std::string pickClient() override;
    HoldbackAnswer askHoldback(Money net, Money federalTax, Money provincialTax, HoldbackChoice choice) override;
};

}  // namespace orvant::sales
