// The company's clients, by code and name.

#include "picker/run_picker.h"
#include "pickers.h"
#include "ui/version.h"

ORVANT_VERSION_MARK

namespace {
const orvant::picker::PickerTraits kClients{"pickcli", "cli", "Cli_code", "Cli_name"};
}

int32_t PickClient(TLinkSection session, char* code, int32_t capacity)
{
    return orvant::picker::PickCode(session, kClients, code, capacity);
}
