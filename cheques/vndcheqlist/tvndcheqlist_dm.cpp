#include "tvndcheqlist_dm.h"

namespace orvant::vndcheqlist {

void Tvndcheqlist_dm::bind(ModuleContext& context)
{
    company_ = &context.companyDatabase();
    for (const char* name : {"ctrl", "glm", "sup", "cap", "apchqh", "apchqd", "apchVAT", "recchqh", "recchqd", "RecChVAT"})
        tables_.push_back(std::make_unique<store::Table>(*company_, name));
}

std::vector<store::Table*> Tvndcheqlist_dm::tablesToOpen()
{
    std::vector<store::Table*> tables;
    for (const auto& table : tables_) tables.push_back(table.get());
    return tables;
}

}  // namespace orvant::vndcheqlist
