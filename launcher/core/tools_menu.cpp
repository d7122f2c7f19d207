#include "core/tools_menu.h"

#include "options/enabled_options.h"
#include "store/table.h"

namespace orvant::launcher {

namespace {

constexpr const char* kTable = "apps";

void append(store::Table& apps, const ToolsEntry& entry)
{
    apps.insert();
    apps.field("Application_name") = entry.name.toStdString();
    apps.field("Application_name_fr") = entry.nameFrench.toStdString();
    apps.field("Application_pgm") = entry.code.toStdString();
    apps.field("Application_about") = entry.about.toStdString();
    apps.field("Application_about_fr") = entry.aboutFrench.toStdString();
    apps.field("Application_security") = entry.security.toStdString();
    apps.field("Application_type") = entry.module;
    apps.field("Application_directory") = entry.directory.toStdString();
    apps.post();
}

ToolsEntry read(store::Table& apps)
{
    const auto text = [&apps](const char* field) { return QString::fromStdString(apps.field(field).asString()); };
    return {text("Application_name"), text("Application_name_fr"), text("Application_pgm"), text("Application_about"),
            text("Application_about_fr"), text("Application_security"), apps.field("Application_type").asBool(),
            text("Application_directory")};
}

// The entry every new Tools menu starts with: its own maintenance, for whoever may maintain
// the parameters.
void create(store::Database& dataRoot)
{
    dataRoot.createTable(kTable);
    store::Table apps(dataRoot, kTable);
    apps.open();
    append(apps, {QStringLiteral("Maintenance of Tools menu"), QStringLiteral("Maintenance du menu Outils"),
                 QStringLiteral("toolsmaint"), QStringLiteral("Security like Maintenance of parameters"),
                 QStringLiteral("Sécurité comme Maintenance des paramètres"), QStringLiteral("sysparams"), true, {}});
}

}  // namespace

std::vector<ToolsEntry> LoadToolsEntries(store::Database& dataRoot)
{
    if (!dataRoot.tableExists(kTable)) create(dataRoot);
    store::Table apps(dataRoot, kTable);
    apps.open();
    std::vector<ToolsEntry> entries;
    for (apps.first(); !apps.eof(); apps.next()) entries.push_back(read(apps));
    return entries;
}

bool ToolsEntryEnabled(const ToolsEntry& entry, const UserSecurity& rights)
{
    return MayOpen(rights, entry.security, kTrackerMenu);
}

}  // namespace orvant::launcher
