#include "session/session.h"

#include <cctype>
#include <cstring>

namespace orvant {

namespace {

std::string text(const char* slot) { return slot ? std::string(slot) : std::string(); }

const char* slot(const std::string& value) { return value.c_str(); }

}  // namespace

bool IsLanguageCode(const char* code)
{
    return std::isalpha(static_cast<unsigned char>(code[0])) && std::isalpha(static_cast<unsigned char>(code[1])) &&
           code[2] == '\0';
}

Session Session::fromLink(const TLinkSection& link)
{
    Session s;
    s.userId = text(link.UserId);
    s.userName = text(link.UserName);
    s.spare1 = text(link.Spare1);
    s.companyCode = text(link.CompanyCode);
    s.companyName = text(link.CompanyName);
    s.language = link.Language;
    char code[4];
    std::memcpy(code, link.LangCode, sizeof code);
    code[3] = '\0';
    s.langCode = IsLanguageCode(code) ? std::string(code) : (link.Language == 2 ? "fr" : "en");
    s.printerIndex = text(link.PrinterIndex);
    s.spare2 = text(link.Spare2);
    s.customer = text(link.Customer);
    s.programDir = text(link.ProgramDir);
    s.dataRoot = text(link.DataRoot);
    s.spare3 = text(link.Spare3);
    s.spare4 = text(link.Spare4);
    s.reserved14 = link.Reserved14;
    s.reserved15 = text(link.Reserved15);
    s.sessionNo = link.SessionNo;
    s.reserved17 = link.Reserved17;
    s.userRights = link.UserRights;
    s.ledgerCode = text(link.LedgerCode);
    return s;
}

TLinkSection LinkFor(const Session& s)
{
    TLinkSection link{};
    link.UserId = slot(s.userId);
    link.UserName = slot(s.userName);
    link.Spare1 = slot(s.spare1);
    link.CompanyCode = slot(s.companyCode);
    link.CompanyName = slot(s.companyName);
    link.Language = s.language;
    std::strncpy(link.LangCode, s.langCode.c_str(), 2);
    link.PrinterIndex = slot(s.printerIndex);
    link.Spare2 = slot(s.spare2);
    link.Customer = slot(s.customer);
    link.ProgramDir = slot(s.programDir);
    link.DataRoot = slot(s.dataRoot);
    link.Spare3 = slot(s.spare3);
    link.Spare4 = slot(s.spare4);
    link.Reserved14 = s.reserved14;
    link.Reserved15 = slot(s.reserved15);
    link.SessionNo = s.sessionNo;
    link.Reserved17 = s.reserved17;
    link.UserRights = s.userRights;
    link.LedgerCode = slot(s.ledgerCode);
    return link;
}

}  // namespace orvant
