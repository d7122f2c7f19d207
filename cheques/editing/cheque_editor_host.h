#pragma once
// What the cheque editor asks of its form: the screen's messages, the focus and the page shown,
// the pickers and the tax-per-rate dialog, and showing what changed. The form implements it
// over its widgets; tests implement it with scripted answers.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "books/open_items.h"
#include "sidedialogs/tax_per_rate.h"
#include "ui/message_service.h"

namespace orvant::cheques {

enum class EditorField {
    SupplierCode, Date, Name, Address1, Address2, City, PostalCode, Province, Country, Bank,
    LineInvoice, LineAmount, LineDiscount,  // with the line's row, from 0
    SlotAccount, SlotAmount,                // with the slot, 1 to 10
};

enum class EditorPage { General, Distribution };

class ChequeEditorHost {
public:
    virtual ~ChequeEditorHost() = default;

    // Message `number` of the screen; a question answers Yes or No.
    virtual ui::Answer message(int number, ui::MessageKind kind) = 0;
    virtual void focus(EditorField field, int row = -1) = 0;
    virtual void showPage(EditorPage page) = 0;
    // Shows the state of the editor again.
    virtual void refresh() = 0;

    // The pickers: a supplier code or "", an account or 0, the index of the open item chosen
    // in "List of invoices" or nothing when it was closed.
    virtual std::string pickSupplier() = 0;
    virtual int pickAccount() = 0;
    virtual std::optional<std::size_t> pickInvoice(const std::vector<OpenItem>& items) = 0;

    // The tax-per-rate dialog on the cheque's lines; nothing when the user cancels.
    virtual std::optional<std::vector<sidedialogs::TaxPerRateLine>> askTaxes(const std::vector<sidedialogs::TaxPerRateLine>& lines) = 0;
};

}  // namespace orvant::cheques
