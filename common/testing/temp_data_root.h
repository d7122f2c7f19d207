#pragma once
// Test support: a data root of its own for each test, on either engine. The store tests, and
// every later test that touches tables, run once per engine through these parameters.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "store/backend.h"

namespace orvant::testing {

enum class Engine { Sqlite, Postgres };

std::vector<Engine> allEngines();
std::string engineName(const ::testing::TestParamInfo<Engine>& info);

// A temporary data root whose name no other test uses, so PostgreSQL schemas never collide.
// The PostgreSQL engine is reached through ORVANT_TEST_PG; without it the test is skipped,
// unless ORVANT_REQUIRE_PG is set (as the project's test command does), which fails it.
class TempDataRoot {
public:
    explicit TempDataRoot(Engine engine);
    ~TempDataRoot();
    TempDataRoot(const TempDataRoot&) = delete;
    TempDataRoot& operator=(const TempDataRoot&) = delete;

    // Why the engine cannot run here (empty when it can).
    const std::string& unavailable() const { return unavailable_; }
    const std::string& path() const { return path_; }  // ".../<unique>data"
    std::string companyDir(int company) const { return path_ + std::to_string(company); }
    const store::StoreConfig& config() const { return config_; }

private:
    std::string parent_;
    std::string path_;
    store::StoreConfig config_;
    std::string unavailable_;
};

// Skips (or fails) the current test when the engine is not reachable.
#define ORVANT_REQUIRE_ENGINE(root)                                                         \
    do {                                                                                    \
        if (!(root).unavailable().empty()) {                                                \
            if (std::getenv("ORVANT_REQUIRE_PG")) FAIL() << (root).unavailable();           \
            GTEST_SKIP() << (root).unavailable();                                           \
        }                                                                                   \
    } while (0)

}  // namespace orvant::testing
