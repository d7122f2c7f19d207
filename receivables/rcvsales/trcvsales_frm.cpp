#include "trcvsales_frm.h"

namespace orvant::sales {

namespace {

const entryscreens::EntryFormNames kNames{
    "Trcvsales_frm",
    "Sales and adjustments current period is",
    205,
    {{"ClientCode", kClientWidth, true, "ClientSearchBtn", "List of clients", "ClientLabel", "&Client"}, kNumberWidth, "Direct/cash sale",
     {"ClientName", "ClientAddress1", "ClientAddress2", "ClientCity"},
     "Sale", "T&ype", "&Reference Debit /Credit", "D&ue date", "C&omments"},
    kVisibleRows,
    0,
    kRowDescriptionWidth,
    sidedialogs::ProjectForm::Receivables};

}  // namespace

Trcvsales_frm::Trcvsales_frm(Session& session, QString helpFile) : EntryForm(session, std::move(helpFile), kNames) {}

std::string Trcvsales_frm::pickClient()
{
    char code[kClientWidth + 1] = {};
    PickClient(LinkFor(session()), code, sizeof code);
    return code;
}

HoldbackAnswer Trcvsales_frm::askHoldback(Money net, Money federalTax, Money provincialTax, HoldbackChoice choice)
{
    const auto entered = dialogs().holdback->run(sidedialogs::HoldbackEntry::forSales(net, federalTax, provincialTax, choice), *this);
    return entered ? entered->answer : HoldbackAnswer{};
}

}  // namespace orvant::sales
