#pragma once
// A module's own copy of the session: every string owned, so nothing the module keeps points
// into the launcher's memory, and what the module changes (LedgerCode) stays in the module.

#include <string>

#include "session/link_section.h"

namespace orvant {

struct Session {
    std::string userId, userName, spare1, companyCode, companyName;
    int language = 1;
    std::string langCode = "en";
    std::string printerIndex, spare2, customer, programDir, dataRoot, spare3, spare4;
    std::uint8_t reserved14 = 0;
    std::string reserved15;
    int sessionNo = 0;
    int reserved17 = 0;
    int userRights = 0;
    std::string ledgerCode;

    // A deep copy of the record. A LangCode that is not two letters would become part of a file
    // name, so it gives way to the code of the language ("fr" for 2, else "en").
    static Session fromLink(const TLinkSection& link);

    // The company's data directory: the data root and the company code, with no separator.
    std::string companyDir() const { return dataRoot + companyCode; }
};

// The record of a session for one call: its string slots point into the session, which must
// outlive the call and stay unchanged during it.
TLinkSection LinkFor(const Session& session);

bool IsLanguageCode(const char* code);

}  // namespace orvant
