#pragma once
/* The entry point of the tools maintenance library (`toolsmaint`), which keeps the rows of
 * `apps.DB`. It is ShowDllForm with two more arguments after the session record: the captions
 * and the codes of every option of the menus, entry i of one list going with entry i of the
 * other, so that the user can pick the option whose right governs a Tools entry.
 *
 *   extern "C" int32_t ShowDllForm(TLinkSection link, TOptionList optionNames, TOptionList codes);
 *
 * It returns as ShowDllForm does: 0 when it refuses to run, else -1. The lists belong to the
 * caller and last for the call only. */

#include "session/link_section.h"

#ifdef __cplusplus
extern "C" {
#endif

typedef struct TOptionList {
    const char* const* Items; /* NUL-terminated UTF-8 strings, never a null pointer */
    int32_t Count;
} TOptionList;

typedef int32_t (*ToolsMaintenanceEntry)(TLinkSection link, TOptionList optionNames, TOptionList codes);

#ifdef __cplusplus
}
#endif
