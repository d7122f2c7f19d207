#pragma once
// The data of a module that works on named tables of the company's books: each table made at
// binding and opened at the first activation, in the order named, so that a refused one is
// named.

#include <memory>
#include <string>
#include <vector>

#include "session/module_frame.h"

namespace orvant {

class CompanyTables : public DataModule {
public:
    explicit CompanyTables(std::vector<std::string> names) : names_(std::move(names)) {}

    void bind(ModuleContext& context) override
    {
        company_ = &context.companyDatabase();
        for (const std::string& name : names_) tables_.push_back(std::make_unique<store::Table>(*company_, name));
    }

    std::vector<store::Table*> tablesToOpen() override
    {
        std::vector<store::Table*> tables;
        for (const auto& table : tables_) tables.push_back(table.get());
        return tables;
    }

    store::Database& company() { return *company_; }

private:
    std::vector<std::string> names_;
    store::Database* company_ = nullptr;
    std::vector<std::unique_ptr<store::Table>> tables_;
};

}  // namespace orvant
