#include "tvnddisburse_dm.h"

namespace orvant::disbursements {

void Tvnddisburse_dm::bind(ModuleContext& context)
{
    company_ = &context.companyDatabase();
    for (const char* name : {"glm", "gla", "ctrl", "sup", "cap", "concil", "Periods", "tjlh", "tjld", "cdorihdr", "cdoridet", "taxratesP",
                             "taxrepP"})
        tables_.push_back(std::make_unique<store::Table>(*company_, name));
}

std::vector<store::Table*> Tvnddisburse_dm::tablesToOpen()
{
    std::vector<store::Table*> tables;
    for (const auto& table : tables_) tables.push_back(table.get());
    return tables;
}

void Tvnddisburse_dm::open()
{
    books_ = std::make_unique<DisbursementBooks>(*company_);
    posting_ = std::make_unique<DisbursementPosting>(*books_);
}

}  // namespace orvant::disbursements
