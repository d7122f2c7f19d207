#pragma once
// The start-up splash: a small frameless window with a caption and a line telling what is being
// done, shown while the launcher opens the books. Calls out of order do nothing (a step before
// the splash is made, a second free), and none lets an error out.

#include "suite_export.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Makes the splash, hidden, with its caption (UTF-8; null is empty); a splash made before is
   replaced. */
ORVANT_SUITE_EXPORT void loading_Dialog_Create(const char* caption);
ORVANT_SUITE_EXPORT void loading_Dialog_Show(void);
/* Shows what is being done and lets the splash paint it. */
ORVANT_SUITE_EXPORT void loading_Dialog_Step(const char* text);
ORVANT_SUITE_EXPORT void loading_Dialog_Free(void);

#ifdef __cplusplus
}
#endif
