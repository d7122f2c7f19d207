#include "cheque_edit_module.h"

#include "invoice_list_dialog.h"
#include "sidedialogs/taxperrate_dialog.h"

namespace orvant::chequescreen {

namespace {

std::vector<std::string> tablesOf(cheques::ChequeSet set)
{
    const cheques::ChequeTables cheques = cheques::TablesOf(set);
    return {"glm", "ctrl", "sup", "cap", "taxratesP", cheques.headers, cheques.lines, cheques.taxLines};
}

}  // namespace

ChequeEditData::ChequeEditData(cheques::ChequeSet set) : CompanyTables(tablesOf(set)) {}

std::unique_ptr<DataModule> ChequeEditModule::createDataModule()
{
    auto data = std::make_unique<ChequeEditData>(kind_.set);
    data_ = data.get();
    return data;
}

std::unique_ptr<QDialog> ChequeEditModule::createMainForm()
{
    auto form = std::make_unique<ChequeEditForm>(context_.session(), context_.helpFile(), kind_);
    form_ = form.get();
    return form;
}

std::vector<std::unique_ptr<QWidget>> ChequeEditModule::createDialogs()
{
    std::vector<std::unique_ptr<QWidget>> all;
    auto taxes = std::make_unique<sidedialogs::Ttaxperrate_dlg>(form_);
    dialogs_.taxes = taxes.get();
    all.push_back(std::move(taxes));
    if (kind_.set == cheques::ChequeSet::List) {
        auto invoices = std::make_unique<Tinvoicelist_dlg>(form_);
        dialogs_.invoices = invoices.get();
        all.push_back(std::move(invoices));
    }
    return all;
}

void ChequeEditModule::started()
{
    form_->start(data_->company(), dialogs_);
}

std::int32_t RunChequeEditModule(const TLinkSection& link, const char* code, ChequeScreenKind kind, const void* entryPoint)
{
    const ModuleTraits traits{code, false, nullptr, false, "QuickLinkBtn"};
    return RunModule(link, traits, [kind](ModuleContext& c) { return std::make_unique<ChequeEditModule>(c, kind); }, entryPoint);
}

}  // namespace orvant::chequescreen
