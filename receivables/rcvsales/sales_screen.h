#pragma once
// The sales and adjustments screen without its widgets: the document being entered, the rules
// run as each field is entered and left, the period change, Cancel, and Accept with its
// dialogs and posting. The form forwards its events here and shows the state through
// SalesHost; tests drive this class directly.

#include <functional>
#include <optional>
#include <string>

#include "sales_host.h"
#include "sales_posting.h"
#include "session/session.h"

namespace orvant::sales {

class SalesScreen {
public:
    using MessageText = std::function<std::string(int number)>;
    using Today = std::function<Date()>;

    SalesScreen(SalesBooks& books, SalesPosting& posting, SalesHost& host, Session& session, MessageText messageText,
                Today today = &Date::today);

    // First activation: the posting period, the proposed date, a reset screen.
    void start();

    // The state shown.
    const SalesDocument& document() const { return document_; }
    const std::string& clientCodeText() const { return clientCode_; }
    // The client whose name and address are shown; nothing hides them.
    const std::optional<ClientFacts>& shownClient() const { return shownClient_; }
    // The currency the amounts are shown in (UseCurrency): the client's, none for a direct cash
    // sale, the home currency while no client is chosen.
    int currency() const;
    int postingPeriod() const { return postingPeriod_; }
    Date lastDate() const { return lastDate_; }
    // The caption after a change of period; empty until the period is changed.
    const std::string& periodCaption() const { return periodCaption_; }

    // Entering a field of the header or the grid: false when the focus went back to the client
    // code (no client and not a direct cash sale).
    bool enterField(SalesField field);
    void leaveClientCode(const std::string& text, bool towardsTag13);
    void pickClient();
    void pickAccount(int row);
    void setDirectCash(bool on);
    void setType(int index);
    void leaveInvoice(const std::string& text, bool towardsTag13);
    void leaveReference(const std::string& text, bool towardsTag13);
    // Dates as read from their fields: nothing when the text is not a date.
    void leaveDate(std::optional<Date> date);
    void leaveDueDate(std::optional<Date> date);
    void setComment(const std::string& text);
    void leaveAccount(int row, const std::string& text);
    void setDescription(int row, const std::string& text);
    // Amounts as read from their fields: nothing when the text is not an amount.
    void leaveDebit(int row, std::optional<Money> amount);
    void leaveCredit(int row, std::optional<Money> amount);

    void changePeriod();
    void cancel();
    // Checks, asks the dialogs and posts; true when the document was posted.
    bool accept();

private:
    void reset();
    void setDefaultRows();
    void setRowAccount(int row, int account);
    void acceptClient(const ClientFacts& client);
    void refuse(const Refusal& refusal);
    std::optional<PostingAnswers> askDialogs(const SalesDocument& document);
    std::optional<std::optional<Refusal>> write(const PreparedDocument& prepared, bool repeatAllowed);
    std::string text(int number) const { return messageText_(number); }

    SalesBooks& books_;
    SalesPosting& posting_;
    SalesHost& host_;
    Session& session_;
    MessageText messageText_;
    Today today_;

    SalesDocument document_;
    std::string clientCode_;
    std::optional<ClientFacts> shownClient_;
    std::optional<ClientFacts> currentClient_;  // the last client found: its currency and terms
    int postingPeriod_ = 0;
    Date lastDate_;
    std::string periodCaption_;
};

// How each of the screen's messages is shown.
ui::MessageKind KindOf(SalesMessage message);

}  // namespace orvant::sales
