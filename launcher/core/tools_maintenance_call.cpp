#include "core/tools_maintenance_call.h"

#include <string>
#include <vector>

#include "session/tools_maintenance_entry.h"

namespace orvant::launcher {

namespace {

// A list as the entry point reads it, over copies that live as long as the argument.
class ListArgument {
public:
    explicit ListArgument(const QStringList& list)
    {
        for (const QString& text : list) texts_.push_back(text.toStdString());
        for (const std::string& text : texts_) items_.push_back(text.c_str());
    }
    TOptionList view() const { return {items_.data(), static_cast<std::int32_t>(items_.size())}; }

private:
    std::vector<std::string> texts_;
    std::vector<const char*> items_;
};

}  // namespace

LaunchResult CallToolsMaintenance(const QString& modulesDir, const QString& library, const Session& session, bool nested,
                                  const OptionLists& lists)
{
    const ListArgument names(lists.optionNames), codes(lists.dllList);
    return LaunchModule(modulesDir, library, session, nested, [&](void* entry, const TLinkSection& link) {
        return reinterpret_cast<ToolsMaintenanceEntry>(entry)(link, names.view(), codes.view());
    });
}

}  // namespace orvant::launcher
