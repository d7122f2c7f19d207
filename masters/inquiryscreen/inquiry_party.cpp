#include "inquiryscreen/inquiry_party.h"

namespace orvant::masters {

const InquiryParty& ClientInquiry()
{
    static const InquiryParty client{true, "cli", "Cli_code", "Cli_name", "Cli_tel", "Cli_email", "Cli_currency", "Cli_language", "Ctrl_ar_histo", 9, 11};
    return client;
}

const InquiryParty& SupplierInquiry()
{
    static const InquiryParty supplier{false, "sup", "Sup_code", "Sup_name", "Sup_tel", "Sup_email", "Sup_currency", "Sup_language", "Ctrl_ap_histo", 9, 10};
    return supplier;
}

}  // namespace orvant::masters
