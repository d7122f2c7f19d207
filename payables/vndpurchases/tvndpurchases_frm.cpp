#include "tvndpurchases_frm.h"

namespace orvant::purchases {

namespace {

const entryscreens::EntryFormNames kNames{
    "Tvndpurchases_frm",
    "Purchases current period is",
    304,
    {{"SupplierCode", kSupplierWidth, true, "SupplierSearchBtn", "List of suppliers", "SupplierLabel", "&Supplier code"}, kNumberWidth,
     "Direct/cash purchase", {"SupplierName", "SupplierAddress1", "SupplierAddress2", "SupplierCity"},
     "Purchase", "Transaction t&ype", "Debit/Credit &reference", "Transaction d&ue date", "Transaction &memo"},
    kDistributionRows,
    9,
    kRowDescriptionWidth,
    sidedialogs::ProjectForm::Payables};

}  // namespace

Tvndpurchases_frm::Tvndpurchases_frm(Session& session, QString helpFile) : EntryForm(session, std::move(helpFile), kNames) {}

std::string Tvndpurchases_frm::pickSupplier()
{
    char code[kSupplierWidth + 1] = {};
    PickSupplier(LinkFor(session()), code, sizeof code);
    return code;
}

HoldbackAnswer Tvndpurchases_frm::askHoldback(Money base)
{
    const auto entered = dialogs().holdback->run(sidedialogs::HoldbackEntry::forPurchases(base), *this);
    return entered ? entered->answer : HoldbackAnswer{};
}

}  // namespace orvant::purchases
