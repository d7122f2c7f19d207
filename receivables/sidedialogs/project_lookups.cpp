#include "sidedialogs/project_lookups.h"

#include <array>

#include "pickers.h"

namespace orvant::sidedialogs {

namespace {

using CodePicker = int32_t (*)(TLinkSection, char*, int32_t);

std::string pickCode(const Session& session, CodePicker picker)
{
    std::array<char, 64> code{};  // well over a code field's width and its terminator
    const int32_t length = picker(LinkFor(session), code.data(), static_cast<int32_t>(code.size()));
    return length > 0 ? std::string(code.data(), static_cast<std::size_t>(length)) : std::string();
}

}  // namespace

ProjectLookups SuiteProjectLookups(const Session& session)
{
    // The session is copied: the record handed to a picker points into it.
    return {[session] { return pickCode(session, &Getproject); },
            [session] { return static_cast<int>(Getphase(LinkFor(session))); },
            [session] { return pickCode(session, &Getelem); }};
}

}  // namespace orvant::sidedialogs
