#pragma once
// The sales and adjustments screen without its widgets: the document being entered, the rules
// run as each field is entered and left, the period change, Cancel, and Accept with its
// dialogs and posting. The form forwards its events here and shows the state through
// SalesHost; tests drive this class directly.

#include <optional>
#include <string>

#include "entryscreens/entry_screen.h"
#include "sales_host.h"
#include "sales_posting.h"

namespace orvant::sales {

// How each of the screen's messages is shown.
ui::MessageKind KindOf(SalesMessage message);

class SalesScreen
    : public entryscreens::EntryScreen<SalesBooks, SalesPosting, SalesHost, SalesDocument, ClientFacts, Refusal, PostingAnswers,
                                      PostingContext> {
public:
    SalesScreen(SalesBooks& books, SalesPosting& posting, SalesHost& host, Session& session, MessageText messageText,
                Today today = &Date::today);

    const std::string& clientCodeText() const { return partyCode_; }
    // The client whose name and address are shown; nothing hides them.
    const std::optional<ClientFacts>& shownClient() const { return shownParty_; }

    void leaveClientCode(const std::string& text, bool towardsTag13);
    void pickClient();
    void setType(int index);
    void leaveInvoice(const std::string& text, bool towardsTag13);
    // Amounts as read from their fields: nothing when the text is not an amount.
    void leaveDebit(int row, std::optional<Money> amount);
    void leaveCredit(int row, std::optional<Money> amount);

private:
    void setDefaultRows() override;
    std::optional<ClientFacts> findParty(const std::string& code) const override { return books_.findClient(code); }
    void refuse(const Refusal& refusal) override;
    std::optional<PostingAnswers> askDialogs(const SalesDocument& document) override;
};

}  // namespace orvant::sales
