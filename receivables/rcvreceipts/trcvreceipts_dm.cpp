#include "trcvreceipts_dm.h"

namespace orvant::receipts {

void Trcvreceipts_dm::bind(ModuleContext& context)
{
    company_ = &context.companyDatabase();
    for (const char* name : {"cli", "glm", "gla", "ctrl", "car", "concil", "Periods", "tjlh", "tjld", "crorihdr", "croridet", "taxrep",
                             "taxrates", "jcctrl"})
        tables_.push_back(std::make_unique<store::Table>(*company_, name));
}

std::vector<store::Table*> Trcvreceipts_dm::tablesToOpen()
{
    std::vector<store::Table*> tables;
    for (const auto& table : tables_) tables.push_back(table.get());
    return tables;
}

void Trcvreceipts_dm::open()
{
    books_ = std::make_unique<ReceiptBooks>(*company_);
    posting_ = std::make_unique<ReceiptPosting>(*books_);
}

}  // namespace orvant::receipts
