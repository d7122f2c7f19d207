// The company's salesmen, by code and name.

#include "picker/run_picker.h"
#include "pickers.h"
#include "ui/version.h"

ORVANT_VERSION_MARK

namespace {
const orvant::picker::PickerTraits kSalesmen{"picksales", "slsm", "Slsm_code", "Slsm_nom"};
}

int32_t PickSalesMan(TLinkSection session, char* code, int32_t capacity)
{
    return orvant::picker::PickCode(session, kSalesmen, code, capacity);
}
