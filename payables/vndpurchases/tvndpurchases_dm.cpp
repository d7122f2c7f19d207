#include "tvndpurchases_dm.h"

namespace orvant::purchases {

void Tvndpurchases_dm::bind(ModuleContext& context)
{
    company_ = &context.companyDatabase();
    for (const char* name : {"glm", "gla", "ctrl", "sup", "Periods", "cap", "tjlh", "tjld", "apori", "taxratesP", "taxrepP"})
        tables_.push_back(std::make_unique<store::Table>(*company_, name));
}

std::vector<store::Table*> Tvndpurchases_dm::tablesToOpen()
{
    std::vector<store::Table*> tables;
    for (const auto& table : tables_) tables.push_back(table.get());
    return tables;
}

void Tvndpurchases_dm::open(bool jobCosting)
{
    books_ = std::make_unique<PurchaseBooks>(*company_, jobCosting);
    posting_ = std::make_unique<PurchasePosting>(*books_);
}

}  // namespace orvant::purchases
