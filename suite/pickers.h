#pragma once
// The lookup pickers a module opens to let the user choose a record: a searchable list of one
// table, in the session's language. Each picker is a library of its own, named by its code
// (pickcli.so), exporting one function; a module links the libraries of the pickers it uses.
//
// Every picker takes the session record by value and lets no error out: a failure is shown to
// the user and the picker returns as if cancelled.
//
// A code picker writes the chosen code, NUL-terminated UTF-8, into the caller's `code` and
// returns its length in bytes. The caller gives at least the width of the code field plus one
// byte (11 for a 10-character code); a smaller `capacity` is refused: an error is shown, ""
// is written and 0 returned. 0 and "" also mean the user cancelled.
//
// A number picker returns the chosen number, or 0 when the user cancelled.

#include <stdint.h>

#include "session/link_section.h"
#include "suite_export.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Code pickers. */
ORVANT_SUITE_EXPORT int32_t PickClient(TLinkSection session, char* code, int32_t capacity);    /* pickcli: cli */
ORVANT_SUITE_EXPORT int32_t PickSupplier(TLinkSection session, char* code, int32_t capacity);  /* picksup: sup */
ORVANT_SUITE_EXPORT int32_t PickSalesMan(TLinkSection session, char* code, int32_t capacity);  /* picksales: slsm */
ORVANT_SUITE_EXPORT int32_t CliTerritory(TLinkSection session, char* code, int32_t capacity);  /* cliterr: arterr */
ORVANT_SUITE_EXPORT int32_t SupTerritory(TLinkSection session, char* code, int32_t capacity);  /* supterr: arterr */
ORVANT_SUITE_EXPORT int32_t Getproject(TLinkSection session, char* code, int32_t capacity);    /* jobproject: jcProject */
ORVANT_SUITE_EXPORT int32_t Getelem(TLinkSection session, char* code, int32_t capacity);       /* jobelem: JcElem */

/* Number pickers. */
ORVANT_SUITE_EXPORT int32_t PickAccount(TLinkSection session);  /* pickacc: glm */
ORVANT_SUITE_EXPORT int32_t ArGet_Terms(TLinkSection session);  /* cliterms: arterms */
ORVANT_SUITE_EXPORT int32_t Getphase(TLinkSection session);     /* jobphase: jcPhase */

#ifdef __cplusplus
}
#endif
