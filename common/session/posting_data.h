#pragma once
// The data module of a screen that posts: the company's tables the screen reads and the posting
// writes (named by the module), opened (each refused table named) at the first activation, then
// the books over them and the posting over the books.

#include <initializer_list>
#include <memory>
#include <utility>
#include <vector>

#include "session/module_frame.h"

namespace orvant {

template <class Books, class Posting>
class PostingData : public DataModule {
public:
    void bind(ModuleContext& context) override
    {
        company_ = &context.companyDatabase();
        for (const char* name : tableNames_) tables_.push_back(std::make_unique<store::Table>(*company_, name));
    }

    std::vector<store::Table*> tablesToOpen() override
    {
        std::vector<store::Table*> tables;
        for (const auto& table : tables_) tables.push_back(table.get());
        return tables;
    }

    // Once the tables are open: the control records read (the books made over the company with
    // `settings`), the posting ready.
    template <class... Settings>
    void open(Settings... settings)
    {
        books_ = std::make_unique<Books>(*company_, settings...);
        posting_ = std::make_unique<Posting>(*books_);
    }

    Books& books() { return *books_; }
    Posting& posting() { return *posting_; }
    store::Database& company() { return *company_; }

protected:
    explicit PostingData(std::initializer_list<const char*> tableNames) : tableNames_(tableNames) {}

private:
    std::vector<const char*> tableNames_;
    store::Database* company_ = nullptr;
    std::vector<std::unique_ptr<store::Table>> tables_;
    std::unique_ptr<Books> books_;
    std::unique_ptr<Posting> posting_;
};

}  // namespace orvant
