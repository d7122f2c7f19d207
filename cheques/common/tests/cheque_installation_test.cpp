#include "cheque_installation.h"

#include <gtest/gtest.h>

namespace orvant::cheques {
namespace {

TEST(ChequeWordingSetting, cheques_are_checks_only_in_a_us_installation_in_english)
{
    struct Row {
        const char* intl;
        int language;
        bool us;
    } rows[] = {{"Y", 1, true}, {"y", 1, true}, {"Y", 2, false}, {"N", 1, false}, {"", 1, false}, {"Yes", 1, false}};
    for (const Row& row : rows) EXPECT_EQ(UsesUsWording(row.intl, row.language), row.us) << row.intl << " " << row.language;
}

}  // namespace
}  // namespace orvant::cheques
