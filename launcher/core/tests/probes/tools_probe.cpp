// A tools maintenance for the launcher's tests: it shows nothing and keeps the two option
// lists it was given in the application's "toolsprobe.names" and "toolsprobe.codes" properties.

#include <QCoreApplication>
#include <QStringList>

#include "session/tools_maintenance_entry.h"
#include "session/module_frame.h"

namespace {

QStringList listOf(TOptionList list)
{
    QStringList texts;
    for (int i = 0; i < list.Count; ++i) texts << QString::fromUtf8(list.Items[i]);
    return texts;
}

}  // namespace

extern "C" ORVANT_MODULE_ENTRY std::int32_t ShowDllForm(TLinkSection, TOptionList optionNames, TOptionList codes)
{
    qApp->setProperty("toolsprobe.names", listOf(optionNames));
    qApp->setProperty("toolsprobe.codes", listOf(codes));
    return -1;
}
