#pragma once
// What the two cheque editing modules share as modules: their data (the company's tables the
// editor reads and writes, each opened at the first activation so that a missing one is named),
// their dialogs (tax per rate; the list of invoices on the cheque list only) and their start.
// Each module names itself and its form; the rest is here, down to the module's entry.

#include <memory>
#include <vector>

#include "cheque_edit_form.h"
#include "session/company_tables.h"

namespace orvant::chequescreen {

class ChequeEditData : public CompanyTables {
public:
    explicit ChequeEditData(cheques::ChequeSet set);
};

class ChequeEditModule : public Module {
public:
    ChequeEditModule(ModuleContext& context, ChequeScreenKind kind) : context_(context), kind_(kind) {}

    std::unique_ptr<DataModule> createDataModule() override;
    std::unique_ptr<QDialog> createMainForm() override;
    std::vector<std::unique_ptr<QWidget>> createDialogs() override;
    void started() override;

private:
    ModuleContext& context_;
    ChequeScreenKind kind_;
    ChequeEditData* data_ = nullptr;
    ChequeEditForm* form_ = nullptr;
    ChequeDialogs dialogs_;
};

// Runs the cheque editing module `code` ("vndcheqedit") over its form; `entryPoint` is the
// module's own ShowDllForm.
std::int32_t RunChequeEditModule(const TLinkSection& link, const char* code, ChequeScreenKind kind, const void* entryPoint);

}  // namespace orvant::chequescreen
