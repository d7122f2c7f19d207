#pragma once
// The purchases module's data: the company's tables the screen reads and the posting writes,
// opened (each refused table named) at the first activation, then the books and the posting
// over them.

#include <memory>
#include <vector>

#include "purchase_posting.h"
#include "session/module_frame.h"

namespace orvant::purchases {

class Tvndpurchases_dm : public DataModule {
public:
    void bind(ModuleContext& context) override;
    std::vector<store::Table*> tablesToOpen() override;

    // Once the tables are open: the control records read, the posting ready.
    void open(bool jobCosting);
    PurchaseBooks& books() { return *books_; }
    PurchasePosting& posting() { return *posting_; }
    store::Database& company() { return *company_; }

private:
    store::Database* company_ = nullptr;
    std::vector<std::unique_ptr<store::Table>> tables_;
    std::unique_ptr<PurchaseBooks> books_;
    std::unique_ptr<PurchasePosting> posting_;
};

}  // namespace orvant::purchases
