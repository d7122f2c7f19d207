#include "cheque_messages.h"

#include <utility>

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
    case kAskVoidNumber:
    case kAskDelete: return ui::MessageKind::Question;
    default: return ui::MessageKind::Information;
    }
}

int UsWordingOf(int number)
{
    // Each message that says "cheque", and the line of the form's list that says "check".
    constexpr std::pair<int, int> kUsWording[] = {{kInvoiceOnCheque, 62}, {kItemOnOtherCheque, 63}, {kChangedElsewhere, 64},
                                                  {kDeletedElsewhere, 65}, {kNegativeCheque, 66},   {kTooLargeForWords, 67},
                                                  {kAskVoidNumber, 68},    {kAskDelete, 69}};
    for (const auto& [message, us] : kUsWording)
        if (message == number) return us;
    return number;
}

}  // namespace orvant::cheques
