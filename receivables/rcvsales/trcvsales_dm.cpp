#include "trcvsales_dm.h"

namespace orvant::sales {

void Trcvsales_dm::bind(ModuleContext& context)
{
    company_ = &context.companyDatabase();
    for (const char* name : {"cli", "glm", "ctrl", "Periods", "car", "gla", "tjlh", "tjld", "arori", "taxrates", "taxrep"})
        tables_.push_back(std::make_unique<store::Table>(*company_, name));
}

std::vector<store::Table*> Trcvsales_dm::tablesToOpen()
{
    std::vector<store::Table*> tables;
    for (const auto& table : tables_) tables.push_back(table.get());
    return tables;
}

void Trcvsales_dm::open(bool jobCosting)
{
    books_ = std::make_unique<SalesBooks>(*company_, jobCosting);
    posting_ = std::make_unique<SalesPosting>(*books_);
}

}  // namespace orvant::sales
