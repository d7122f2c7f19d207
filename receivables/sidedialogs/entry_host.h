#pragma once
// What the logic of every entry screen asks of its form, whatever the screen (`Field` names its
// fields): the screen's messages, the focus, showing what changed, the wait for a record held
// on another workstation, the list of accounts, and the tax-per-rate and period dialogs. Each
// screen's host adds its party's picker and its own dialogs; the form implements it over its
// widgets, tests with scripted answers.

#include <optional>
#include <string>
#include <vector>

#include "sidedialogs/tax_per_rate.h"
#include "ui/message_service.h"

namespace orvant::sidedialogs {

template <class Field>
class EntryHost {
public:
    virtual ~EntryHost() = default;

    // Message `number` of the screen.
    virtual ui::Answer message(int number, ui::MessageKind kind) = 0;
    // Puts the focus on a field (a row's for the fields of a grid), its text selected.
    virtual void focus(Field field, int row = -1) = 0;
    // Shows the state of the screen again.
    virtual void refresh() = 0;
    // While the posting waits for the party's record, held on another workstation: says who
    // holds it (each time the record is refused), asks whether the user gave up, and ends.
    virtual void waiting(const std::string& text) = 0;
    virtual bool waitCancelled() = 0;
    virtual void waitOver() = 0;

    // The list of accounts: an account or 0.
    virtual int pickAccount() = 0;

    // The side dialogs; nothing when the user cancels.
    virtual std::optional<std::vector<TaxPerRateLine>> askTaxes(const std::vector<TaxPerRateLine>& lines) = 0;
    virtual std::optional<int> askPeriod(int period) = 0;
};

}  // namespace orvant::sidedialogs
