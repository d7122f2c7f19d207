// The company's suppliers, by code and name.

#include "picker/run_picker.h"
#include "pickers.h"
#include "ui/version.h"

ORVANT_VERSION_MARK

namespace {
const orvant::picker::PickerTraits kSuppliers{"picksup", "sup", "Sup_code", "Sup_name"};
}

int32_t PickSupplier(TLinkSection session, char* code, int32_t capacity)
{
    return orvant::picker::PickCode(session, kSuppliers, code, capacity);
}
