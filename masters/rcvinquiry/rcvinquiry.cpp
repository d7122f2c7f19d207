// Client inquiry: a client's account shown without changing it, its statement, its documents and
// the aging of what it owes.

#include "inquiryscreen/inquiry_module.h"
#include "ui/version.h"

ORVANT_VERSION_MARK

namespace {

const orvant::masters::InquiryModule kClientInquiry{
    orvant::masters::ClientInquiry(), "rcvinquiry", "Trcvinquiry_frm", "Display of clients", 204,
    {{"cli", "car", "carh", "ctrl", "taxrates", "glm", "arori", "crorihdr", "croridet", "fahdr", "fadet", "fahdra", "fadeta", "ivprod",
      "slsm"},
     {"arterms"}}};

}  // namespace

extern "C" ORVANT_MODULE_ENTRY std::int32_t ShowDllForm(TLinkSection link)
{
    return orvant::masters::RunInquiryModule<kClientInquiry>(link, reinterpret_cast<const void*>(&ShowDllForm));
}
