#include "core/library_for.h"

namespace orvant::launcher {

namespace {

struct SharedReport {
    const char16_t* code;
    const char16_t* library;
    const char16_t* ledger;
};

constexpr SharedReport kSharedReports[] = {
    {u"glrepprint", u"glrepprint", u"gl"}, {u"glrepdef", u"glrepdef", u"gl"},
    {u"aprepprint", u"glrepprint", u"ap"}, {u"aprepdef", u"glrepdef", u"ap"},
    {u"arrepprint", u"glrepprint", u"ar"}, {u"arrepdef", u"glrepdef", u"ar"},
    {u"parepprint", u"glrepprint", u"pa"}, {u"parepdef", u"glrepdef", u"pa"},
};

}  // namespace

LibraryChoice LibraryFor(QStringView code)
{
    for (const SharedReport& report : kSharedReports)
        if (code == QStringView(report.code)) return {QString::fromUtf16(report.library), QString::fromUtf16(report.ledger)};
    return {code.toString(), std::nullopt};
}

}  // namespace orvant::launcher
