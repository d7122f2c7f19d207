#pragma once
// Test support: the form of an entry screen (sales, purchases, receipts, disbursements), recording
// what the screen shows and answering as scripted. Each screen's test adds its party's picker and
// its own dialogs. Header-only.

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "sidedialogs/entry_host.h"
#include "testing/scripted_answers.h"

namespace orvant::testing {

template <class Field>
Field FieldOf(const sidedialogs::EntryHost<Field>&);

template <class Host>
class ScriptedEntryHost : public Host, public ScriptedAnswers {
public:
    using Field = decltype(FieldOf(std::declval<Host&>()));
    using TaxLines = std::vector<sidedialogs::TaxPerRateLine>;

    std::vector<ui::MessageKind> kinds;          // the kind of every message shown
    std::vector<std::pair<Field, int>> focuses;  // every focus given, with its row
    std::vector<std::string> waits;              // what the wait for a held record said
    bool cancelWait = false;                     // the user gives up waiting
    std::optional<TaxLines> taxAnswer;           // nothing: the tax-per-rate dialog is cancelled
    std::optional<TaxLines> taxesAsked;          // the lines the dialog was shown
    std::optional<int> periodAnswer;             // nothing: the period dialog is closed

    ui::Answer message(int number, ui::MessageKind kind) override
    {
        kinds.push_back(kind);
        return answer(number);
    }
    void focus(Field field, int row) override { focuses.emplace_back(field, row); }
    void refresh() override {}
    void waiting(const std::string& text) override { waits.push_back(text); }
    bool waitCancelled() override { return cancelWait; }
    void waitOver() override {}
    int pickAccount() override { return 0; }
    std::optional<TaxLines> askTaxes(const TaxLines& lines) override
    {
        taxesAsked = lines;
        return taxAnswer;
    }
    std::optional<int> askPeriod(int) override { return periodAnswer; }

    ui::MessageKind lastKind() const { return kinds.back(); }
    Field lastFocus() const { return focuses.back().first; }
};

}  // namespace orvant::testing
