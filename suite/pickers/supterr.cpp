// The territories a supplier is placed in: the list the clients share, in the data root.

#include "picker/run_picker.h"
#include "pickers.h"
#include "ui/version.h"

ORVANT_VERSION_MARK

namespace {
const orvant::picker::PickerTraits kTerritories{"supterr", "arterr", "Arterr_code", "Arterr_desc"};
}

int32_t SupTerritory(TLinkSection session, char* code, int32_t capacity)
{
    return orvant::picker::PickCode(session, kTerritories, code, capacity);
}
