// The job-costing cost elements, by code and description.

#include "picker/run_picker.h"
#include "pickers.h"
#include "ui/version.h"

ORVANT_VERSION_MARK

namespace {
const orvant::picker::PickerTraits kElements{"jobelem", "JcElem", "JcElem_Code", "JcElem_Description"};
}

int32_t Getelem(TLinkSection session, char* code, int32_t capacity)
{
    return orvant::picker::PickCode(session, kElements, code, capacity);
}
