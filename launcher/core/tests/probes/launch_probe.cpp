// A module for the launcher's tests. It shows nothing: it notes the library file it was loaded
// as and the session it was given in the application's "launchprobe.calls" property, and
// refuses to run while the property "launchprobe.refuse" is set.

#include <dlfcn.h>

#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>

#include "session/link_section.h"
#include "session/module_frame.h"

extern "C" ORVANT_MODULE_ENTRY std::int32_t ShowDllForm(TLinkSection link);

namespace {

QString loadedAs()
{
    Dl_info info{};
    dladdr(reinterpret_cast<void*>(&ShowDllForm), &info);
    return QFileInfo(QString::fromLocal8Bit(info.dli_fname)).completeBaseName();
}

}  // namespace

extern "C" ORVANT_MODULE_ENTRY std::int32_t ShowDllForm(TLinkSection link)
{
    QStringList calls = qApp->property("launchprobe.calls").toStringList();
    calls << QString("%1 ledger=%2 session=%3")
                 .arg(loadedAs(), QString::fromUtf8(link.LedgerCode ? link.LedgerCode : ""), QString::number(link.SessionNo));
    qApp->setProperty("launchprobe.calls", calls);
    return qApp->property("launchprobe.refuse").toBool() ? 0 : -1;
}
