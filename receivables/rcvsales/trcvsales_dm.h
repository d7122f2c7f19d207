#pragma once
// The sales module's data: the company's tables the screen reads and the posting writes, opened
// (each refused table named) at the first activation, then the books and the posting over them.

#include <memory>
#include <vector>

#include "sales_posting.h"
#include "session/module_frame.h"

namespace orvant::sales {

class Trcvsales_dm : public DataModule {
public:
    void bind(ModuleContext& context) override;
    std::vector<store::Table*> tablesToOpen() override;

    // Once the tables are open: the control records read, the posting ready.
    void open(bool jobCosting);
    SalesBooks& books() { return *books_; }
    SalesPosting& posting() { return *posting_; }
    store::Database& company() { return *company_; }

private:
    store::Database* company_ = nullptr;
    std::vector<std::unique_ptr<store::Table>> tables_;
    std::unique_ptr<SalesBooks> books_;
    std::unique_ptr<SalesPosting> posting_;
};

}  // namespace orvant::sales
