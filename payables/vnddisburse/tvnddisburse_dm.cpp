#include "tvnddisburse_dm.h"

namespace orvant::disbursements {

Tvnddisburse_dm::Tvnddisburse_dm()
    : PostingData({"glm", "gla", "ctrl", "sup", "cap", "concil", "Periods",
                   "tjlh", "tjld", "cdorihdr", "cdoridet", "taxratesP", "taxrepP"})
{
}

}  // namespace orvant::disbursements
