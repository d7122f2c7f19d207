// Supplier inquiry: a supplier's account shown without changing it, its statement, its documents
// and the aging of what is owed to it.

#include "inquiryscreen/inquiry_module.h"
#include "ui/version.h"

ORVANT_VERSION_MARK

namespace {

const orvant::masters::InquiryModule kSupplierInquiry{
    orvant::masters::SupplierInquiry(), "vndinquiry", "Tvndinquiry_Frm", "Display of suppliers", 303,
    {{"sup", "cap", "caph", "ctrl", "glm", "apori", "cdorihdr", "cdoridet"}, {}}};

}  // namespace

extern "C" ORVANT_MODULE_ENTRY std::int32_t ShowDllForm(TLinkSection link)
{
    return orvant::masters::RunInquiryModule<kSupplierInquiry>(link, reinterpret_cast<const void*>(&ShowDllForm));
}
