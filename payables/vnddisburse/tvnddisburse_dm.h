#pragma once
// The cash disbursements module's data: the company's tables the screen reads and the posting
// writes, opened (each refused table named) at the first activation, then the books and the
// posting over them.

#include <memory>
#include <vector>

#include "disbursement_books.h"
#include "disbursement_posting.h"
#include "session/module_frame.h"

namespace orvant::disbursements {

class Tvnddisburse_dm : public DataModule {
public:
    void bind(ModuleContext& context) override;
    std::vector<store::Table*> tablesToOpen() override;

    // Once the tables are open: the control record read, the posting ready.
    void open();
    DisbursementBooks& books() { return *books_; }
    DisbursementPosting& posting() { return *posting_; }

private:
    store::Database* company_ = nullptr;
    std::vector<std::unique_ptr<store::Table>> tables_;
    std::unique_ptr<DisbursementBooks> books_;
    std::unique_ptr<DisbursementPosting> posting_;
};

}  // namespace orvant::disbursements
