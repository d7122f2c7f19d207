#pragma once
// The cheque list module's data: the company tables the list is built from and kept in, opened
// (each refused table named) at the first activation.

#include <memory>
#include <vector>

#include "session/module_frame.h"

namespace orvant::vndcheqlist {

class Tvndcheqlist_dm : public DataModule {
public:
    void bind(ModuleContext& context) override;
    std::vector<store::Table*> tablesToOpen() override;

    store::Database& company() { return *company_; }

private:
    store::Database* company_ = nullptr;
    std::vector<std::unique_ptr<store::Table>> tables_;
};

}  // namespace orvant::vndcheqlist
