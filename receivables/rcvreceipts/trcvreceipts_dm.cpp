#include "trcvreceipts_dm.h"

namespace orvant::receipts {

Trcvreceipts_dm::Trcvreceipts_dm()
    : PostingData({"cli", "glm", "gla", "ctrl", "car", "concil", "Periods", "tjlh",
                   "tjld", "crorihdr", "croridet", "taxrep", "taxrates", "jcctrl"})
{
}

}  // namespace orvant::receipts
