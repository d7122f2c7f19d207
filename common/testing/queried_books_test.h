#pragma once
// Tests on a company's books that read and write them one statement at a time and have the
// books check find them in order. Header-only, over the company set-up that the test links.

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "company/books_check.h"
#include "testing/books_fixture.h"
#include "testing/books_queries.h"

namespace orvant {
// An amount in a failed expectation, to the ten-thousandth the store keeps.
inline void PrintTo(const Money& amount, std::ostream* out) { *out << amount.toString(4); }
}  // namespace orvant

namespace orvant::testing {

inline Money Amount(const char* text) { return *Money::parse(text); }

class QueriedBooksTest : public BooksTest {
protected:
    using BooksTest::BooksTest;

    // The first column of the first row (a null value, zero, when there is none).
    store::Value scalar(const std::string& sql, const std::vector<store::Value>& binds = {}) { return Scalar(*books_, sql, binds); }
    Money money(const std::string& sql, const std::vector<store::Value>& binds = {}) { return ScalarMoney(*books_, sql, binds); }
    std::int64_t count(const std::string& sql, const std::vector<store::Value>& binds = {}) { return scalar(sql, binds).asInt(); }
    void execute(const std::string& sql, const std::vector<store::Value>& binds = {}) { Execute(*books_, sql, binds); }

    void expectBooksClean()
    {
        const company::BooksReport report = company::CheckBooks(*books_);
        EXPECT_TRUE(report.clean()) << ::testing::PrintToString(report.problems);
    }
};

}  // namespace orvant::testing
