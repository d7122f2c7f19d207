#include "tvnddisburse_frm.h"

namespace orvant::disbursements {

namespace {

const sidedialogs::PaymentFormNames<DisbursementsScreen> kNames{
    "Tvnddisburse_frm",
    "Cash disbursements current period is ",
    305,
    "Cash disbursements entry",
    {{"SupplierCode", kSupplierWidth, false, "SupplierSearchBtn", "List of suppliers", "SupplierLabel", "&Supplier code"},
     "Supplier_Name", "CheckBox1", "Disbursement not to a supplier", nullptr, nullptr, kReferenceWidth},
    {"DBEdit1", "DBEdit2"},
    9,
    kRowDescriptionWidth,
    DisbursementField::Supplier,
    DisbursementField::NotToSupplier,
    &DisbursementsScreen::leaveSupplierCode,
    &DisbursementsScreen::pickSupplier,
    &DisbursementsScreen::setNotToSupplier,
    nullptr,
    nullptr};

}  // namespace

Tvnddisburse_frm::Tvnddisburse_frm(Session& session, QString helpFile) : PaymentForm(session, std::move(helpFile), kNames) {}

std::string Tvnddisburse_frm::pickSupplier()
{
    char code[kSupplierWidth + 1] = {};
    PickSupplier(LinkFor(session()), code, sizeof code);
    return code;
}

}  // namespace orvant::disbursements
