// The territories a client is placed in, shared by every company in the data root.

#include "picker/run_picker.h"
#include "pickers.h"
#include "ui/version.h"

ORVANT_VERSION_MARK

namespace {
const orvant::picker::PickerTraits kTerritories{"cliterr", "arterr", "Arterr_code", "Arterr_desc"};
}

int32_t CliTerritory(TLinkSection session, char* code, int32_t capacity)
{
    return orvant::picker::PickCode(session, kTerritories, code, capacity);
}
