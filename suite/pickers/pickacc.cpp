// The chart of accounts: an account's number, by number and description.

#include "picker/run_picker.h"
#include "pickers.h"
#include "ui/version.h"

ORVANT_VERSION_MARK

namespace {
const orvant::picker::PickerTraits kAccounts{"pickacc", "glm", "Glm_account", "Glm_Description"};
}

int32_t PickAccount(TLinkSection session) { return orvant::picker::PickNumber(session, kAccounts); }
