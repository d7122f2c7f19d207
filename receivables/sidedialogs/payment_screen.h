#pragma once
// The logic of the cash receipts and the cash disbursements screens that is the same on both
// sides, without widgets: the payment being entered (`Document`: a party's payments on its open
// items, or a payment with no party), its fields open once the party is chosen, the payments and
// the lines of the grids, Cancel, and Accept with the tax-per-rate dialog and the posting. The
// screen of each side adds its party (`Facts`), the distribution following the payments, and
// the checks of its posting (`Posting`, with its `Answers` and `Context`); it talks to its form
// through `Host`.

#include <QString>
#include <functional>
#include <optional>
#include <string>

#include "books/open_items.h"
#include "books/text_cut.h"
#include "money/currency_format.h"
#include "session/session.h"
#include "sidedialogs/payment_grid_source.h"
#include "sidedialogs/tax_per_rate.h"
#include "ui/message_service.h"
#include "ui/screen_logic.h"
#include "ui/screen_posting.h"

namespace orvant::sidedialogs {

template <class Books, class Posting, class Host, class Document, class Facts, class Refusal, class Answers, class Context>
class PaymentScreen : public ui::ScreenLogic, public PaymentGridSource {
public:
    using Field = decltype(Refusal::field);
    using Message = decltype(Refusal::message);

    // The state shown.
    const Document& document() const { return document_; }
    const std::string& partyCodeText() const { return partyCode_; }
    // The party paid; nothing before one is accepted.
    const std::optional<Facts>& shownParty() const { return shownParty_; }
    // A payment with no party: its lines are typed without open items.
    bool withoutParty() const { return document_.*places_.notToParty; }
    // The fields of the payment take input once a party is accepted or the payment has no
    // party; the party's code then waits for the next reset.
    bool entryEnabled() const { return entryEnabled_; }
    bool partyCodeEnabled() const { return !entryEnabled_; }
    // The open items take payments only while a party's are shown.
    virtual bool itemsEnabled() const = 0;
    // The currency the amounts are shown in (UseCurrency): the party's, none for a payment
    // with no party, the home currency while no party is chosen.
    int currency() const
    {
        if (withoutParty()) return CurrencyFormat::kNoSign;
        return shownParty_ ? shownParty_->currency : 0;
    }
    int itemCount() const override { return static_cast<int>(document_.items.size()); }
    int lineCount() const override { return lineCount_; }
    const DistributionRow& line(int row) const override { return document_.rows.row(row); }
    DistributionTotals lineTotals() const override { return document_.rows.totals(); }

    void leaveReference(const std::string& text) { document_.reference = trimmed(text); }
    // The memo is kept as wide as the party's ledger keeps it.
    void setMemo(const std::string& text)
    {
        document_.memo = FirstCharacters(text, memoWidth_);
        host_.refresh();
    }

    // The payment typed on an item (nothing: not an amount); a double click pays it in full.
    void setPayment(int item, std::optional<Money> amount)
    {
        if (!itemsEnabled() || item < 0 || item >= itemCount()) return;
        if (!amount) return refuse(Message::kNotANumber, Field::OpenItem, item);
        auto& open = document_.items[static_cast<std::size_t>(item)];
        const Money previous = open.payment;
        open.payment = *amount;
        if (auto refusal = checkPayment(open, item)) {
            open.payment = previous;
            host_.refresh();
            return refuse(*refusal);
        }
        followPayments();
    }
    void payInFull(int item)
    {
        if (!itemsEnabled() || item < 0 || item >= itemCount()) return;
        auto& open = document_.items[static_cast<std::size_t>(item)];
        if (open.payment == open.amount) return;
        open.payment = open.amount;
        followPayments();
    }

    virtual void leaveAccount(int row, const std::string& text, bool towardsTag13) = 0;
    void pickAccount(int row)
    {
        if (!entryEnabled_ || row < 0 || row >= lineCount_) return;
        const int account = host_.pickAccount();
        if (account != 0) leaveAccount(row, std::to_string(account), false);
    }
    void setDescription(int row, const std::string& text)
    {
        if (row >= 0 && row < lineCount_) document_.rows.setDescription(row, FirstCharacters(text, descriptionWidth_));
    }
    void setDebit(int row, std::optional<Money> amount) { setAmount(row, amount, Field::RowDebit); }
    void setCredit(int row, std::optional<Money> amount) { setAmount(row, amount, Field::RowCredit); }
    // A line added below the last: false once the distribution's rows are all shown.
    bool addLine()
    {
        if (!entryEnabled_ || lineCount_ >= document_.rows.rowCount()) return false;
        ++lineCount_;
        host_.refresh();
        return true;
    }
    // The line's account and amounts leave the distribution; the line itself stays counted.
    void deleteLine(int row)
    {
        if (!entryEnabled_ || row < 0 || row >= lineCount_) return;
        document_.rows.setAccount(row, 0, {});
        host_.refresh();
    }

    void cancel()
    {
        reset();
        host_.focus(places_.field);
    }
    // Checks, asks the tax-per-rate dialog and posts; true when the payment was posted.
    bool accept()
    {
        if (!entryEnabled_) return false;
        Document document = document_;
        document.*places_.code = withoutParty() ? std::string() : partyCode_;
        document.reference = trimmed(document.reference);
        session_.ledgerCode = "N";
        books_.forgetAccounts();
        if (!document.date.isValid()) {
            refuse(Message::kNotADate, Field::Date);
            return false;
        }
        const auto wantsMemo = [this] { return host_.message(Message::kAskForMemo, KindOf(Message::kAskForMemo)) == ui::Answer::Yes; };
        if (auto refusal = check(document, wantsMemo)) {
            refuse(*refusal);
            return false;
        }
        const bool repeat = postedAlready(document);
        if (repeat && host_.message(Message::kAskPostAgain, KindOf(Message::kAskPostAgain)) != ui::Answer::Yes) return false;
        // Only a committed payment leaves the screen: a refusal or a store failure keeps it typed.
        return ui::PostChecked<Refusal>(
            session_, [&] { return post(document, repeat); }, [this](const Refusal& refusal) { refuse(refusal); },
            [&] { nextAfter(document); });
    }

protected:
    // Where the party stands: its field, its code in the document, the document's flag of a
    // payment with no party, the message said while its record is held elsewhere.
    struct PartyPlaces {
        Field field;
        std::string Document::*code;
        bool Document::*notToParty;
        Message waitingFor;
    };

    PaymentScreen(Books& books, Posting& posting, Host& host, Session& session, MessageText messageText, Today today,
                  PartyPlaces places, int memoWidth, int descriptionWidth)
        : ScreenLogic(session, std::move(messageText), std::move(today)), books_(books), posting_(posting), host_(host), places_(places),
          memoWidth_(memoWidth), descriptionWidth_(descriptionWidth)
    {
    }

    // The screen as at start and after each payment: nothing typed, the fields disabled, the
    // party's code waiting.
    virtual void reset()
    {
        partyCode_.clear();
        shownParty_.reset();
        document_ = Document{};
        entryEnabled_ = false;
        lineCount_ = 0;
        host_.refresh();
    }
    // What a party accepted and a payment with no party share: the proposed date, no reference,
    // the fields open, the focus on the date.
    virtual void startEntry()
    {
        entryEnabled_ = true;
        document_.date = lastDate_;
        document_.reference.clear();
        host_.refresh();
        host_.focus(Field::Date);
    }
    // After a posting: the next payment dated as the one posted, the focus on the party's code.
    void nextAfter(const Document& posted)
    {
        lastDate_ = posted.date;
        reset();
        host_.focus(places_.field);
    }
    // The distribution's lines: those the reset set up.
    void countLines()
    {
        lineCount_ = 1;
        for (int row = 0; row < document_.rows.rowCount(); ++row)
            if (document_.rows.row(row).account != 0) lineCount_ = row + 1;
    }
    // The distribution follows the payments on the open items.
    virtual void followPayments() = 0;
    virtual std::optional<Refusal> checkPayment(const OpenItem& item, int index) const = 0;
    virtual std::optional<Refusal> check(const Document& document, const std::function<bool()>& wantsMemo) = 0;
    // A payment that looks posted already: the user is asked whether to post it again.
    virtual bool postedAlready(const Document& document) = 0;

    // An amount typed in the debit or the credit column of a line.
    void setAmount(int row, std::optional<Money> amount, Field column)
    {
        if (row < 0 || row >= lineCount_) return;
        if (!amount) return refuse(Message::kNotANumber, column, row);
        if (amount->isNegative()) return refuse(Message::kNegativeAmount, column, row);
        if (column == Field::RowDebit) document_.rows.setDebit(row, *amount);
        else document_.rows.setCredit(row, *amount);
        host_.refresh();
    }
    void refuse(Message message, Field field, int row = -1)
    {
        host_.message(message, KindOf(message));
        host_.focus(field, row);
    }
    void refuse(const Refusal& refusal)
    {
        if (refusal.message == Message::kAskForMemo) return host_.focus(refusal.field, refusal.row);  // asked already
        host_.message(refusal.message, KindOf(refusal.message));
        if (refusal.field != Field::Totals) host_.focus(refusal.field, refusal.row);
    }
    // The tax-per-rate dialog, then the posting, waiting while another workstation holds the
    // party; nothing when the user cancels the taxes or gives up the wait.
    std::optional<std::optional<Refusal>> post(const Document& document, bool repeatAllowed)
    {
        Answers answers;
        if (!ui::AskTaxes(host_, posting_, document, answers)) return std::nullopt;
        Context context{postingPeriod_, session_.userId, {}, repeatAllowed};
        return ui::WritePrepared(host_, posting_, posting_.prepare(document, std::move(answers)), context,
                                 [this] { return text(places_.waitingFor); });
    }
    static std::string trimmed(const std::string& text) { return QString::fromStdString(text).trimmed().toStdString(); }

    Books& books_;
    Posting& posting_;
    Host& host_;
    const PartyPlaces places_;
    const int memoWidth_, descriptionWidth_;

    Document document_;
    std::string partyCode_;
    std::optional<Facts> shownParty_;
    bool entryEnabled_ = false;
    int lineCount_ = 0;
};

}  // namespace orvant::sidedialogs
