// The company's job-costing projects, by number; a project has no name to show.

#include "picker/run_picker.h"
#include "pickers.h"
#include "ui/version.h"

ORVANT_VERSION_MARK

namespace {
const orvant::picker::PickerTraits kProjects{"jobproject", "jcProject", "JcProject_No", nullptr};
}

int32_t Getproject(TLinkSection session, char* code, int32_t capacity)
{
    return orvant::picker::PickCode(session, kProjects, code, capacity);
}
