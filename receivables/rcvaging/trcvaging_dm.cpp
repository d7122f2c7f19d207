#include "trcvaging_dm.h"

namespace orvant::rcvaging {

void Trcvaging_dm::bind(ModuleContext& context)
{
    company_ = &context.companyDatabase();
    for (const char* name : {"ctrl", "cli", "car", "carh", "slsm"}) tables_.push_back(std::make_unique<store::Table>(*company_, name));
}

std::vector<store::Table*> Trcvaging_dm::tablesToOpen()
{
    std::vector<store::Table*> tables;
    for (const auto& table : tables_) tables.push_back(table.get());
    return tables;
}

}  // namespace orvant::rcvaging
