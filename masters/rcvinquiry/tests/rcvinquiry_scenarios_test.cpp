// The client inquiry played by the screen driver against the real form, in English and in
// French, on the demo company with a history kept for one client.

#include "testing/scenario_player.h"

namespace orvant::masters {
namespace {

class ClientInquiryScenarios : public ::testing::Test {
protected:
    void SetUp() override
    {
        // A sale each for Bélanger and Harbour Marine, as entered; Bélanger's history holds a
        // payment whose receipt is no longer kept.
        for (const char* client : {"BEL200", "HAR300"}) {
            const std::string c = client;
            books_.execute("INSERT INTO car (car_client, car_invoice, car_ref, car_type, car_date, car_du_date, car_amount, car_seq) "
                           "VALUES ('" + c + "', 'S-950', '', '1', '2026-01-10', '2026-02-09', 5000000, 1)");
            books_.execute("INSERT INTO arori (reference, client, date, seq, due_date, trx_type, dr_cr_reference, account1, debit1, "
                           "account2, credit2) VALUES ('S-950', '" + c + "', '2026-01-10', 1, '2026-02-09', '1', '', 1100, 5000000, 4000, 5000000)");
        }
        books_.execute("UPDATE ctrl SET ctrl_ar_histo = 1");
        books_.execute("INSERT INTO carh (car_client, car_invoice, car_ref, car_type, car_date, car_amount, car_seq) "
                       "VALUES ('BEL200', '0900', 'P0900', '2', '2025-06-15', -1200000, 1)");
    }
    testing::ScenarioPlayer books_ = ORVANT_SCENARIO_PLAYER();
};

TEST_F(ClientInquiryScenarios, AClientFoundByItsCityItsDocumentsAndItsHistory)
{
    books_.play("rcvinquiry", "clients");
}

TEST_F(ClientInquiryScenarios, AClientFoundByItsCityInFrench)
{
    books_.play("rcvinquiry", "clients_fr", 2);
}

TEST_F(ClientInquiryScenarios, InternationalSettingsRenameTheirCaptionsInEitherLanguage)
{
    books_.registry().setValue(kSettingsSection, u"Intl", "Y");
    books_.play("rcvinquiry", "intl");
    books_.play("rcvinquiry", "intl_fr", 2);
}

}  // namespace
}  // namespace orvant::masters
