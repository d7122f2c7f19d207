#pragma once
// The store engine an installation uses: the registry value `store` of the product section.
// Empty gives the embedded store (one SQLite file per directory); a PostgreSQL connection
// string ("host=/run/postgresql dbname=orvant") gives the shared store for several workstations.

#include "settings/registry.h"
#include "store/backend.h"

namespace orvant {

store::StoreConfig StoreChoice(const Registry& registry);

}  // namespace orvant
