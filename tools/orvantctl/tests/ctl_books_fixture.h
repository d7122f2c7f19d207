#pragma once
// orvantctl run in-process on a data root of the test's engine, with the demo company without
// its quarter as company 1; imports post a file the test writes.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "company/company_creation.h"
#include "company/demo_company.h"
#include "orvantctl.h"
#include "settings/registry.h"
#include "store/query.h"
#include "testing/temp_data_root.h"

namespace orvant::ctl {

class CtlBooksTest : public ::testing::TestWithParam<testing::Engine> {
protected:
    void SetUp() override
    {
        root_ = std::make_unique<testing::TempDataRoot>(GetParam());
        ORVANT_REQUIRE_ENGINE(*root_);
        registryFile_ = root_->path() + "-registry.ini";
        setenv("ORVANT_REGISTRY", registryFile_.c_str(), 1);
        setenv("ORVANT_LANGUAGES", ORVANT_SOURCE_LANGUAGES, 1);
        Registry(QString::fromStdString(registryFile_)).setValue(kProductSection, u"store", QString::fromStdString(root_->config().postgres));
        ASSERT_EQ(run({"init"}), 0) << err_;
        // The demo company without its quarter: the documents posted here are the test's own.
        company::MakeDemoCompany(installation(), 1);
    }

    void TearDown() override
    {
        unsetenv("ORVANT_REGISTRY");
        unsetenv("ORVANT_LANGUAGES");
        std::filesystem::remove(registryFile_);
        std::filesystem::remove(file_);
    }

    int run(std::vector<std::string> arguments)
    {
        arguments.insert(arguments.begin(), {"--data-root", root_->path()});
        std::ostringstream out, err;
        const int status = RunOrvantctl(arguments, out, err);
        out_ = out.str();
        err_ = err.str();
        return status;
    }

    // orvantctl post KIND FILE with the records written into FILE.
    int postFile(const std::string& kind, const std::string& records, std::vector<std::string> options = {})
    {
        std::ofstream(file_) << records;
        std::vector<std::string> arguments{"post", kind, file_};
        arguments.insert(arguments.end(), options.begin(), options.end());
        return run(arguments);
    }

    company::Installation installation() const { return {root_->path(), root_->config()}; }

    std::int64_t count(const std::string& sql, int company = 1)
    {
        const auto books = company::OpenCompany(installation(), company);
        store::Query query(*books, sql);
        query.open();
        return query.value(0).asInt();
    }

    // How many records each table holds, to compare the books before and after a posting.
    std::vector<std::int64_t> counts(std::initializer_list<const char*> tables, int company = 1)
    {
        std::vector<std::int64_t> records;
        for (const char* table : tables) records.push_back(count(std::string("SELECT COUNT(*) FROM ") + table, company));
        return records;
    }

    static std::string fileContents(const char* path)
    {
        std::ifstream in(path);
        std::stringstream contents;
        contents << in.rdbuf();
        return contents.str();
    }

    std::unique_ptr<testing::TempDataRoot> root_;
    std::string registryFile_;
    std::string file_ = std::filesystem::temp_directory_path() / ("orvant-import-" + std::to_string(getpid()) + ".jsonl");
    std::string out_, err_;
};

}  // namespace orvant::ctl
