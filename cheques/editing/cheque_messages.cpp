#include "cheque_messages.h"

namespace orvant::cheques {

ui::MessageKind KindOf(ChequeMessage message)
{
    switch (message) {
    case kOutOfBalance:
    case kNoSuchInvoice:
    case kInvoiceOnCheque: return ui::MessageKind::Plain;
    case kChangedElsewhere:
    case kDeletedElsewhere: return ui::MessageKind::Warning;
    case kAskLateDiscount:
    case kAskVoidNumber: return ui::MessageKind::Question;
    default: return ui::MessageKind::Information;
    }
}

}  // namespace orvant::cheques
