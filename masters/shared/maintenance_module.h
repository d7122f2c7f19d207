#pragma once
// The frame of a maintenance module: its tables opened at the first activation (each refused
// table named), then its form started over the books, unless no company is chosen: a screen
// without a company would show another company's records.

#include <functional>
#include <memory>
#include <vector>

#include "session/module_frame.h"
#include "ui/message_service.h"

namespace orvant::masters {

// The tables a screen reads: the company's and the data root's.
struct MaintenanceTables {
    std::vector<const char*> company, dataRoot;
};

class MaintenanceData : public DataModule {
public:
    explicit MaintenanceData(MaintenanceTables names) : names_(std::move(names)) {}
    void bind(ModuleContext& context) override
    {
        if (context.session().companyCode.empty()) return;
        for (const char* name : names_.company) tables_.push_back(std::make_unique<store::Table>(context.companyDatabase(), name));
        for (const char* name : names_.dataRoot) tables_.push_back(std::make_unique<store::Table>(context.dataRootDatabase(), name));
    }
    std::vector<store::Table*> tablesToOpen() override
    {
        std::vector<store::Table*> tables;
        for (const auto& table : tables_) tables.push_back(table.get());
        return tables;
    }

private:
    MaintenanceTables names_;
    std::vector<std::unique_ptr<store::Table>> tables_;
};

template <class Form>
class MaintenanceModule : public Module {
public:
    using Start = std::function<void(Form&, ModuleContext&)>;

    MaintenanceModule(ModuleContext& context, MaintenanceTables tables, int noCompanyMessage, Start start)
        : context_(context), tables_(std::move(tables)), noCompanyMessage_(noCompanyMessage), start_(std::move(start))
    {
    }

    std::unique_ptr<DataModule> createDataModule() override { return std::make_unique<MaintenanceData>(tables_); }

    std::unique_ptr<QDialog> createMainForm() override
    {
        auto form = std::make_unique<Form>(context_.session(), context_.helpFile());
        form_ = form.get();
        return form;
    }

    void started() override
    {
        if (context_.session().companyCode.empty()) {
            form_->message(noCompanyMessage_, ui::MessageKind::Error);
            context_.closeScreen();
            return;
        }
        start_(*form_, context_);
    }

private:
    ModuleContext& context_;
    MaintenanceTables tables_;
    int noCompanyMessage_;
    Start start_;
    Form* form_ = nullptr;
};

}  // namespace orvant::masters
