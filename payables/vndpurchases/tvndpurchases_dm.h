#pragma once
// The purchases module's data: the company's tables its screen reads and its posting writes, then the books
// and the posting over them.

#include "purchase_posting.h"
#include "session/posting_data.h"

namespace orvant::purchases {

class Tvndpurchases_dm : public PostingData<PurchaseBooks, PurchasePosting> {
public:
    Tvndpurchases_dm();
};

}  // namespace orvant::purchases
