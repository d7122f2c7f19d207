#pragma once
// An aging screen's host that answers from a script and records what the screen did: the
// messages, the focus, the busy buttons and the reports sent out.

#include <optional>
#include <utility>
#include <vector>

#include "aging_host.h"

namespace orvant::aging {

class ScriptedAgingHost : public AgingHost {
public:
    void message(int number, const QString& argument) override { messages.push_back({number, argument}); }
    void focus(AgingField field) override { focused = field; }
    void refresh() override {}
    void setBusy(bool busy) override { busyChanges.push_back(busy); }
    std::string pickParty() override { return picked; }
    std::string pickTerritory() override { return picked; }
    AgingLayoutTexts layoutTexts(bool detailed) override
    {
        return AgingLayoutTexts::fromTable(lang::LanguageTable("none"), "x", detailed);
    }
    QStringList typeNames() override { return {"Pur", "Pmt", "Adj", "Dr", "Cr", "Hold"}; }
    bool output(AgingOutput how, const report::ReportDocument& document, bool) override
    {
        outputs.push_back(how);
        rows = document.table.rows;
        return how == AgingOutput::Export;
    }

    std::vector<std::pair<int, QString>> messages;
    std::optional<AgingField> focused;
    std::vector<bool> busyChanges;
    std::string picked;
    std::vector<AgingOutput> outputs;
    std::vector<QStringList> rows;
};

}  // namespace orvant::aging
