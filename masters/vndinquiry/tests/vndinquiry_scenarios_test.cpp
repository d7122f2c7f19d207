// The supplier inquiry played by the screen driver against the real form, in English and in
// French, on the demo company with a history kept for one supplier.

#include "testing/scenario_player.h"

namespace orvant::masters {
namespace {

class SupplierInquiryScenarios : public ::testing::Test {
protected:
    void SetUp() override
    {
        // A purchase each from Hydro Services and Maple Leaf, as entered; Hydro's history holds a
        // payment whose disbursement is no longer kept.
        for (const char* supplier : {"HYD200", "MAP300"}) {
            const std::string s = supplier;
            books_.execute("INSERT INTO cap (cap_supplier, cap_invoice, cap_ref, cap_type, cap_date, cap_du_date, cap_amount, cap_seq) "
                           "VALUES ('" + s + "', 'P-950', '', '1', '2026-01-10', '2026-02-09', 3000000, 1)");
            books_.execute("INSERT INTO apori (reference, supplier, date, seq, due_date, trx_type, dr_cr_reference, account1, debit1, "
                           "account2, credit2) VALUES ('P-950', '" + s + "', '2026-01-10', 1, '2026-02-09', '1', '', 5000, 3000000, 2100, 3000000)");
        }
        books_.execute("UPDATE ctrl SET ctrl_ap_histo = 1");
        books_.execute("INSERT INTO caph (cap_supplier, cap_invoice, cap_ref, cap_type, cap_date, cap_amount, cap_seq) "
                       "VALUES ('HYD200', 'H-900', '9001', '2', '2025-06-15', -1200000, 1)");
    }
    testing::ScenarioPlayer books_ = ORVANT_SCENARIO_PLAYER();
};

// A supplier found by its city, its documents and its history, in either language.
TEST_F(SupplierInquiryScenarios, EveryScenarioPlaysInItsLanguage)
{
    for (const auto& [scenario, language] : {std::pair{"suppliers", 1}, std::pair{"suppliers_fr", 2}}) {
        SCOPED_TRACE(scenario);
        books_.play("vndinquiry", scenario, language);
    }
}

}  // namespace
}  // namespace orvant::masters
