#pragma once
// The sales module's data: the company's tables its screen reads and its posting writes, then the books
// and the posting over them.

#include "sales_posting.h"
#include "session/posting_data.h"

namespace orvant::sales {

class Trcvsales_dm : public PostingData<SalesBooks, SalesPosting> {
public:
    Trcvsales_dm();
};

}  // namespace orvant::sales
