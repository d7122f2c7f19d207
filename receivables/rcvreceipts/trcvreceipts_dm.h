#pragma once
// The cash receipts module's data: the company's tables its screen reads and its posting writes, then the books
// and the posting over them.

#include "receipt_posting.h"
#include "session/posting_data.h"

namespace orvant::receipts {

class Trcvreceipts_dm : public PostingData<ReceiptBooks, ReceiptPosting> {
public:
    Trcvreceipts_dm();
};

}  // namespace orvant::receipts
