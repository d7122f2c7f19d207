// Payment terms, shared by every company: a term's number, picked by number and description.

#include "picker/run_picker.h"
#include "pickers.h"
#include "ui/version.h"

ORVANT_VERSION_MARK

namespace {
const orvant::picker::PickerTraits kTerms{"cliterms", "arterms", "Arterms_code", "Arterms_desc"};
}

int32_t ArGet_Terms(TLinkSection session) { return orvant::picker::PickNumber(session, kTerms); }
