#pragma once
// The cheque editor driven as its form drives it, over a company whose supplier A1 owes a few
// items, with the user's answers scripted; a second workstation opens the same books apart.

#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "cheque_editor.h"
#include "store/query.h"
#include "store/table.h"
#include "testing/queried_books_test.h"
#include "testing/scripted_answers.h"

namespace orvant::cheques::test {

constexpr int kBank = 1000, kSecondBank = 1010, kPayable = 2100, kTax = 2200, kDiscount = 5900, kExpense = 5000, kRent = 5100;

inline Date day(int month, int d) { return *Date::fromYmd(2026, month, d); }
inline Money amount(const char* text) { return *Money::parse(text); }

// A form that records what the editor shows and answers as scripted.
class ScriptedHost : public ChequeEditorHost, public orvant::testing::ScriptedAnswers {
public:
    ScriptedHost() : ScriptedAnswers(ui::Answer::Yes) {}
    EditorPage page = EditorPage::General;
    std::pair<EditorField, int> focused{EditorField::SupplierCode, -1};
    std::string supplierPicked;
    int accountPicked = 0;
    std::vector<std::string> invoicesOffered;  // "I4" or "I4H" for a holdback
    std::string invoiceToPick;
    std::vector<sidedialogs::TaxPerRateLine> taxesAsked;
    std::optional<Money> netTyped;  // nothing: the dialog is cancelled

    ui::Answer message(int number, ui::MessageKind) override { return answer(number); }
    void focus(EditorField field, int row) override { focused = {field, row}; }
    void showPage(EditorPage shown) override { page = shown; }
    void refresh() override {}
    std::string pickSupplier() override { return supplierPicked; }
    int pickAccount() override { return accountPicked; }
    std::optional<std::size_t> pickInvoice(const std::vector<OpenItem>& items) override;
    std::optional<std::vector<sidedialogs::TaxPerRateLine>> askTaxes(const std::vector<sidedialogs::TaxPerRateLine>& lines) override;
};

struct LedgerItem {
    const char* invoice;
    const char* type;  // "1" purchase, "3" credit note, "6" holdback
    Date due;
    const char* amount;
};

class ChequeEditorTest : public orvant::testing::QueriedBooksTest {
protected:
    void SetUp() override;

    // The editor of this workstation, opened on first use.
    ChequeEditor& editor(ChequeSet set = ChequeSet::List);
    void closeEditor() { editor_.reset(); }
    // Another workstation on the same books.
    std::unique_ptr<store::Database> otherWorkstation() { return company::OpenCompany(installation_, 1); }

    void supplier(const std::string& code, const std::vector<LedgerItem>& items);
    std::optional<Cheque> stored(int seq, ChequeSet set = ChequeSet::List) { return ChequeStore(*books_, set).read(seq); }

    // A new cheque to A1 paying the invoices typed, saved; its sequence.
    int savedChequeToA1(const std::vector<std::string>& invoices);

    ScriptedHost host;
    Session session;
    Date today = day(3, 15);

private:
    std::unique_ptr<ChequeEditor> editor_;
};

}  // namespace orvant::cheques::test
