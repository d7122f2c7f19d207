#pragma once
// The module of the sales or the purchases screen: its form over its data module, with the tax
// per rate, holdback, project and period dialogs, the data opened knowing whether job costing
// is on.

#include "entryscreens/entry_form.h"
#include "session/form_module.h"
#include "settings/regional.h"
#include "settings/registry.h"

namespace orvant::entryscreens {

template <class Data, class Form>
std::int32_t RunEntryModule(const TLinkSection& link, const ModuleTraits& traits, const void* entryPoint)
{
    using EntryModule = DialogFormModule<Data, Form, EntryDialogs, sidedialogs::Ttaxperrate_dlg, sidedialogs::Tholdback_dlg,
                                         sidedialogs::Tproject_dlg, sidedialogs::Tperiod_dlg>;
    const auto open = [](Data& data, const Session& session) {
        data.open(JobCostEnabled(Registry::open(), QString::fromStdString(session.dataRoot)));
    };
    return RunModule(link, traits, [open](ModuleContext& context) { return std::make_unique<EntryModule>(context, open); }, entryPoint);
}

}  // namespace orvant::entryscreens
