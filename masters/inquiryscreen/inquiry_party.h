#pragma once
// What the client and the supplier inquiries differ in: the master table and its fields, the
// ledger history switch of the control record, and the numbers of the screen's own messages.

namespace orvant::masters {

struct InquiryParty {
    bool client;
    const char* table;          // "cli"
    const char* codeField;      // "Cli_code"
    const char* nameField;
    const char* telephoneField;
    const char* emailField;
    const char* currencyField;
    const char* languageField;  // the language's key in the data root's Languages
    const char* historyKept;    // "Ctrl_ar_histo": the ledger's history is kept
    int noCompany;              // message: the screen was started without a company
    int outputFailed;           // message: a print or preview could not be made (%1 says why)
};

// Messages both inquiries share.
enum InquiryMessage { kInvalidStatement = 5, kNoDetails = 6 };

const InquiryParty& ClientInquiry();
const InquiryParty& SupplierInquiry();

}  // namespace orvant::masters
