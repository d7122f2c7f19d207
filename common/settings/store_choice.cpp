#include "settings/store_choice.h"

namespace orvant {

store::StoreConfig StoreChoice(const Registry& registry)
{
    store::StoreConfig config;
    config.postgres = registry.value(kProductSection, u"store").trimmed().toStdString();
    return config;
}

}  // namespace orvant
