#pragma once
// The aging module's data: the company tables it reads, opened (each refused table named) at the
// first activation. Nothing is written.

#include <memory>
#include <vector>

#include "session/module_frame.h"

namespace orvant::rcvaging {

class Trcvaging_dm : public DataModule {
public:
    void bind(ModuleContext& context) override;
    std::vector<store::Table*> tablesToOpen() override;

    store::Database& company() { return *company_; }

private:
    store::Database* company_ = nullptr;
    std::vector<std::unique_ptr<store::Table>> tables_;
};

}  // namespace orvant::rcvaging
