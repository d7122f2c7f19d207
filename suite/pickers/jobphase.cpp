// The job-costing phases: a phase's number, by number and code.

#include "picker/run_picker.h"
#include "pickers.h"
#include "ui/version.h"

ORVANT_VERSION_MARK

namespace {
const orvant::picker::PickerTraits kPhases{"jobphase", "jcPhase", "JcPhase_No", "JcPhase_Code"};
}

int32_t Getphase(TLinkSection session) { return orvant::picker::PickNumber(session, kPhases); }
