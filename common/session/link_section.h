#pragma once
// The session record the launcher hands to every module's ShowDllForm, and that a module hands
// on to the pickers and the quick link: twenty slots in a fixed order.
//
// A string slot is a pointer to a NUL-terminated UTF-8 string that the caller owns for the
// duration of the call; a null pointer is the empty string. LangCode holds its two letters and
// a terminator in its own four bytes; Reserved14 is one byte in a four-byte slot. The layout is
// plain C, so a library built by another compiler reads it the same way; the assertions below
// fix it.

#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

typedef struct TLinkSection {
    const char* UserId;        /* 0: the user's name, stamped into posted records */
    const char* UserName;      /* 1: the user's name, shown in status bars */
    const char* Spare1;        /* 2 */
    const char* CompanyCode;   /* 3: the company number as decimal text */
    const char* CompanyName;   /* 4 */
    int32_t Language;          /* 5: 1 English, 2 French */
    char LangCode[4];          /* 6: "en", "fr": suffix of the language tables' names */
    const char* PrinterIndex;  /* 7: index of the user's printer among the system's, as text */
    const char* Spare2;        /* 8 */
    const char* Customer;      /* 9 */
    const char* ProgramDir;    /* 10: ".../Orvant/bin" */
    const char* DataRoot;      /* 11: ".../Orvant/data" */
    const char* Spare3;        /* 12 */
    const char* Spare4;        /* 13 */
    uint8_t Reserved14;        /* 14 */
    uint8_t Reserved14Pad[3];
    const char* Reserved15;    /* 15 */
    int32_t SessionNo;         /* 16: this launcher's number on the data root */
    int32_t Reserved17;        /* 17 */
    int32_t UserRights;        /* 18 */
    const char* LedgerCode;    /* 19: "gl", "ap", "ar", "pa"; "N" or "Y" inside a transaction module */
} TLinkSection;

#ifdef __cplusplus
}

static_assert(sizeof(void*) == 8, "the session record is laid out for 64-bit platforms");
static_assert(offsetof(TLinkSection, UserId) == 0);
static_assert(offsetof(TLinkSection, CompanyName) == 32);
static_assert(offsetof(TLinkSection, Language) == 40);
static_assert(offsetof(TLinkSection, LangCode) == 44);
static_assert(offsetof(TLinkSection, PrinterIndex) == 48);
static_assert(offsetof(TLinkSection, DataRoot) == 80);
static_assert(offsetof(TLinkSection, Reserved14) == 104);
static_assert(offsetof(TLinkSection, Reserved15) == 112);
static_assert(offsetof(TLinkSection, SessionNo) == 120);
static_assert(offsetof(TLinkSection, UserRights) == 128);
static_assert(offsetof(TLinkSection, LedgerCode) == 136);
static_assert(sizeof(TLinkSection) == 144);
#endif
