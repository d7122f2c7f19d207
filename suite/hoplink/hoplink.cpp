// The quick-link library: one export, called with the session by any module.

#include "quick_link.h"
#include "quick_link_dialog.h"
#include "session/link_section.h"
#include "settings/paths.h"
#include "ui/error_reporting.h"
#include "ui/version.h"

ORVANT_VERSION_MARK

void QuickLink(TLinkSection link) noexcept
{
    try {
        const orvant::Session session = orvant::Session::fromLink(link);
        orvant::suite::QuickLinkDialog dialog(session, orvant::suite::SuiteFunctions(session.language),
                                                 orvant::ModulesDirFor(QString::fromStdString(session.programDir)));
        dialog.exec();
    } catch (...) {
        orvant::ui::HandleException(std::current_exception());
    }
}
