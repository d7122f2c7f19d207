#pragma once
// The module of the cash receipts or the cash disbursements screen: its form over its data
// module, with the tax-per-rate and period dialogs.

#include "session/form_module.h"
#include "sidedialogs/payment_form.h"

namespace orvant::sidedialogs {

template <class Data, class Form>
std::int32_t RunPaymentModule(const TLinkSection& link, const ModuleTraits& traits, const void* entryPoint)
{
    using PaymentModule = DialogFormModule<Data, Form, PaymentDialogs, Ttaxperrate_dlg, Tperiod_dlg>;
    const auto open = [](Data& data, const Session&) { data.open(); };
    return RunModule(link, traits, [open](ModuleContext& context) { return std::make_unique<PaymentModule>(context, open); }, entryPoint);
}

}  // namespace orvant::sidedialogs
