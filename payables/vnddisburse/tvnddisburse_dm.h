#pragma once
// The cash disbursements module's data: the company's tables its screen reads and its posting writes, then the books
// and the posting over them.

#include "disbursement_posting.h"
#include "session/posting_data.h"

namespace orvant::disbursements {

class Tvnddisburse_dm : public PostingData<DisbursementBooks, DisbursementPosting> {
public:
    Tvnddisburse_dm();
};

}  // namespace orvant::disbursements
