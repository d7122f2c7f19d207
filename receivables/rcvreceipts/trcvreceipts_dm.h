#pragma once
// The cash receipts module's data: the company's tables the screen reads and the posting
// writes, opened (each refused table named) at the first activation, then the books and the
// posting over them.

#include <memory>
#include <vector>

#include "receipt_books.h"
#include "receipt_posting.h"
#include "session/module_frame.h"

namespace orvant::receipts {

class Trcvreceipts_dm : public DataModule {
public:
    void bind(ModuleContext& context) override;
    std::vector<store::Table*> tablesToOpen() override;

    // Once the tables are open: the control records read, the posting ready.
    void open();
    ReceiptBooks& books() { return *books_; }
    ReceiptPosting& posting() { return *posting_; }

private:
    store::Database* company_ = nullptr;
    std::vector<std::unique_ptr<store::Table>> tables_;
    std::unique_ptr<ReceiptBooks> books_;
    std::unique_ptr<ReceiptPosting> posting_;
};

}  // namespace orvant::receipts
