#include "tvndpurchases_dm.h"

namespace orvant::purchases {

Tvndpurchases_dm::Tvndpurchases_dm()
    : PostingData({"glm", "gla", "ctrl", "sup", "Periods", "cap", "tjlh", "tjld", "apori", "taxratesP", "taxrepP"})
{
}

}  // namespace orvant::purchases
