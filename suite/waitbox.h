#pragma once
// The start-up splash the launcher shows while it starts: open, a caption by number, steps of
// progress, close. Each call answers non-zero when done; 0 (a call before the splash is open)
// makes the launcher say "Access denied..." and go on. None lets an error out.

#include "suite_export.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Makes and shows the splash; a splash opened before is replaced. */
ORVANT_SUITE_EXPORT int loading_Dialog_open(void);
/* Shows caption `number`: 0 starting, 1 loading the screens; others a plain wait. */
ORVANT_SUITE_EXPORT int loading_Dialog_caption(int number);
/* Moves the progress on by one step and lets the splash paint it. */
ORVANT_SUITE_EXPORT int loading_Dialog_step(void);
ORVANT_SUITE_EXPORT int loading_Dialog_close(void);

#ifdef __cplusplus
}
#endif
