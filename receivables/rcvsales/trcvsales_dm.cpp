#include "trcvsales_dm.h"

namespace orvant::sales {

Trcvsales_dm::Trcvsales_dm()
    : PostingData({"cli", "glm", "ctrl", "Periods", "car", "gla", "tjlh", "tjld", "arori", "taxrates", "taxrep"})
{
}

}  // namespace orvant::sales
