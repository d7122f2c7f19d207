#pragma once
// The logic of the sales and the purchases screens that is the same on both sides, without
// widgets: a party's document (`Document`) over a distribution,
// the rules of the fields that do not depend on the party, the period change, Cancel, and
// Accept up to the posting. The screen of each side adds its party (`Facts`, found in `Books`),
// its invoice number, its amounts and the dialogs it asks before posting with `Posting`; it
// talks to its form through `Host`.

#include <QString>
#include <array>
#include <functional>
#include <optional>
#include <string>

#include "books/document_texts.h"
#include "dates/due_date.h"
#include "money/currency_format.h"
#include "session/session.h"
#include "sidedialogs/period_number.h"
#include "ui/message_service.h"
#include "ui/screen_logic.h"
#include "ui/screen_posting.h"

namespace orvant::entryscreens {

template <class Books, class Posting, class Host, class Document, class Facts, class Refusal, class Answers, class Context>
class EntryScreen : public ui::ScreenLogic {
public:
    using Field = decltype(Refusal::field);
    using Message = decltype(Refusal::message);

    // First activation: the posting period, the proposed date, a reset screen.
    void start();

    // The state shown.
    const Document& document() const { return document_; }
    // The currency the amounts are shown in (UseCurrency): the party's, none for a direct cash
    // document, the home currency while no party is chosen.
    int currency() const;

    // Entering a field of the header or the grid: false when the focus went back to the party's
    // code (no party and not a direct cash document).
    bool enterField(Field field);
    void pickAccount(int row);
    void setDirectCash(bool on);
    void leaveReference(const std::string& text, bool towardsTag13);
    // Dates as read from their fields: nothing when the text is not a date.
    void leaveDate(std::optional<Date> date);
    void leaveDueDate(std::optional<Date> date);
    void setComment(const std::string& text) { document_.comment = text; }
    void leaveAccount(int row, const std::string& text);
    void setDescription(int row, const std::string& text) { document_.rows.setDescription(row, text); }

    void changePeriod();
    void cancel();
    // Checks, asks the dialogs and posts; true when the document was posted.
    bool accept();

protected:
    // Where the party stands: its field, its code in the document, its own accounts for rows 2
    // to 4 (0: none), the message said while its record is held elsewhere, and the description
    // of the project transactions.
    struct PartyPlaces {
        Field field;
        std::string Document::*code;
        std::array<int, 3> Facts::*accounts;
        Message waitingFor, projectDescription;
    };

    EntryScreen(Books& books, Posting& posting, Host& host, Session& session, MessageText messageText, Today today, PartyPlaces party)
        : ScreenLogic(session, std::move(messageText), std::move(today)), books_(books), posting_(posting), host_(host),
          party_(party.field), partyPlaces_(party)
    {
    }

    // The screen as at start: no party shown, a document dated the proposed date and due by the
    // terms of the last party found, the default rows.
    virtual void reset();
    virtual void setDefaultRows() = 0;
    virtual std::optional<Facts> findParty(const std::string& code) const = 0;
    virtual void refuse(const Refusal& refusal) = 0;
    // The answers of the dialogs the posting asks before anything is written; nothing when the
    // user cancels the taxes.
    virtual std::optional<Answers> askDialogs(const Document& document) = 0;
    // The dialogs, then the posting, waiting while another workstation holds the party: the
    // refusal, if any; nothing at all when the user cancelled or gave up the wait.
    std::optional<std::optional<Refusal>> post(const Document& document, bool repeatAllowed);

    // A party found: its terms and its own accounts.
    void acceptParty(const Facts& party);
    // What the party's picker chose, accepted as if typed.
    void acceptPicked(const std::string& code);
    void nextAfter(const Document& posted);
    void setRowAccount(int row, int account)
    {
        document_.rows.setAccount(row, account, books_.accountDescription(account).value_or(std::string()));
    }
    Books& books_;
    Posting& posting_;
    Host& host_;
    const Field party_;
    const PartyPlaces partyPlaces_;

    Document document_;
    std::string partyCode_;
    std::optional<Facts> shownParty_;
    std::optional<Facts> currentParty_;  // the last party found: its currency and terms
};

template <class Books, class Posting, class Host, class Document, class Facts, class Refusal, class Answers, class Context>
void EntryScreen<Books, Posting, Host, Document, Facts, Refusal, Answers, Context>::start()
{
    postingPeriod_ = books_.settings().currentPeriod;
    lastDate_ = today_();
    reset();
    host_.focus(party_);
}

template <class Books, class Posting, class Host, class Document, class Facts, class Refusal, class Answers, class Context>
int EntryScreen<Books, Posting, Host, Document, Facts, Refusal, Answers, Context>::currency() const
{
    if (document_.directCash) return CurrencyFormat::kNoSign;
    return currentParty_ ? currentParty_->currency : 0;
}

template <class Books, class Posting, class Host, class Document, class Facts, class Refusal, class Answers, class Context>
void EntryScreen<Books, Posting, Host, Document, Facts, Refusal, Answers, Context>::reset()
{
    partyCode_.clear();
    shownParty_.reset();
    document_ = Document{};
    document_.date = lastDate_;
    document_.dueDate = DueDate(today_(), currentParty_ ? currentParty_->dueDays : 0);
    setDefaultRows();
    host_.refresh();
}

template <class Books, class Posting, class Host, class Document, class Facts, class Refusal, class Answers, class Context>
void EntryScreen<Books, Posting, Host, Document, Facts, Refusal, Answers, Context>::acceptParty(const Facts& party)
{
    currentParty_ = party;
    reset();
    partyCode_ = party.code;
    shownParty_ = party;
    document_.*partyPlaces_.code = party.code;
    document_.date = lastDate_;
    document_.dueDate = DueDate(lastDate_, party.dueDays);
    for (int i = 0; i < 3; ++i)
        if (const int account = (party.*partyPlaces_.accounts)[static_cast<std::size_t>(i)]; account != 0) setRowAccount(i + 1, account);
    host_.refresh();
}

template <class Books, class Posting, class Host, class Document, class Facts, class Refusal, class Answers, class Context>
void EntryScreen<Books, Posting, Host, Document, Facts, Refusal, Answers, Context>::acceptPicked(const std::string& code)
{
    if (code.empty()) return;
    const std::optional<Facts> party = findParty(code);
    if (!party) return;
    acceptParty(*party);
    host_.focus(party_);
}

template <class Books, class Posting, class Host, class Document, class Facts, class Refusal, class Answers, class Context>
bool EntryScreen<Books, Posting, Host, Document, Facts, Refusal, Answers, Context>::enterField(Field field)
{
    if (field == party_ || !partyCode_.empty() || document_.directCash) return true;
    host_.focus(party_);
    return false;
}

template <class Books, class Posting, class Host, class Document, class Facts, class Refusal, class Answers, class Context>
void EntryScreen<Books, Posting, Host, Document, Facts, Refusal, Answers, Context>::pickAccount(int row)
{
    const int account = host_.pickAccount();
    if (account == 0 || !books_.accountExists(account)) return;
    leaveAccount(row, std::to_string(account));
}

template <class Books, class Posting, class Host, class Document, class Facts, class Refusal, class Answers, class Context>
void EntryScreen<Books, Posting, Host, Document, Facts, Refusal, Answers, Context>::setDirectCash(bool on)
{
    document_.directCash = on;
    if (on) {
        document_.date = document_.dueDate = lastDate_;
        setDefaultRows();
    }
    host_.refresh();
}

template <class Books, class Posting, class Host, class Document, class Facts, class Refusal, class Answers, class Context>
void EntryScreen<Books, Posting, Host, Document, Facts, Refusal, Answers, Context>::leaveReference(const std::string& text, bool towardsTag13)
{
    document_.reference = CodeAsKept(text);
    if (towardsTag13) return;
    if (auto refusal = CheckReference(document_.type, document_.reference)) refuse(*refusal);
}

template <class Books, class Posting, class Host, class Document, class Facts, class Refusal, class Answers, class Context>
void EntryScreen<Books, Posting, Host, Document, Facts, Refusal, Answers, Context>::leaveDate(std::optional<Date> date)
{
    if (!date || !date->isValid()) return host_.focus(Field::Date);
    document_.date = *date;
    const std::optional<Facts> party = findParty(partyCode_);
    document_.dueDate = party ? DueDate(*date, party->dueDays) : *date;
    host_.refresh();
}

template <class Books, class Posting, class Host, class Document, class Facts, class Refusal, class Answers, class Context>
void EntryScreen<Books, Posting, Host, Document, Facts, Refusal, Answers, Context>::leaveDueDate(std::optional<Date> date)
{
    if (!date || !date->isValid()) return host_.focus(Field::DueDate);
    document_.dueDate = *date;
}

// An account that is not in the books is blanked, the row keeping its amounts.
template <class Books, class Posting, class Host, class Document, class Facts, class Refusal, class Answers, class Context>
void EntryScreen<Books, Posting, Host, Document, Facts, Refusal, Answers, Context>::leaveAccount(int row, const std::string& text)
{
    const QString typed = QString::fromStdString(text).trimmed();
    bool numeric = false;
    const int account = typed.toInt(&numeric);
    const auto kept = document_.rows.row(row);
    const bool known = (numeric || typed.isEmpty()) && (account == 0 || books_.accountExists(account));
    document_.rows.setAccount(row, known ? account : 0, known ? books_.accountDescription(account).value_or(std::string()) : std::string());
    document_.rows.setDebit(row, kept.debit);
    document_.rows.setCredit(row, kept.credit);
    host_.refresh();
    if (known) return;
    host_.message(Message::kNoSuchAccount, KindOf(Message::kNoSuchAccount));
    host_.focus(Field::RowAccount, row);
}

template <class Books, class Posting, class Host, class Document, class Facts, class Refusal, class Answers, class Context>
void EntryScreen<Books, Posting, Host, Document, Facts, Refusal, Answers, Context>::changePeriod()
{
    const std::optional<int> period = host_.askPeriod(postingPeriod_);
    if (!period) return;
    postingPeriod_ = *period;
    const int current = books_.settings().currentPeriod;
    periodCaption_ = sidedialogs::PeriodCaption(text(Message::kCaptionPrefix), text(Message::kCaptionBeforePeriod), current, postingPeriod_,
                                                current != 0 && postingPeriod_ != 0 ? books_.periodMonth(postingPeriod_) : std::string());
    host_.refresh();
}

template <class Books, class Posting, class Host, class Document, class Facts, class Refusal, class Answers, class Context>
void EntryScreen<Books, Posting, Host, Document, Facts, Refusal, Answers, Context>::cancel()
{
    reset();
    host_.focus(party_);
}

template <class Books, class Posting, class Host, class Document, class Facts, class Refusal, class Answers, class Context>
bool EntryScreen<Books, Posting, Host, Document, Facts, Refusal, Answers, Context>::accept()
{
    Document document = document_;
    document.invoice = InvoiceNumberAsKept(document.invoice);
    document.reference = CodeAsKept(document.reference);
    document.*partyPlaces_.code = document.directCash ? std::string() : partyCode_;
    session_.ledgerCode = "N";
    books_.forgetAccounts();
    const auto wantsComment = [this] { return host_.message(Message::kAskForComment, ui::MessageKind::Question) == ui::Answer::Yes; };
    if (auto refusal = CheckDocument(books_, document, wantsComment)) {
        refuse(*refusal);
        return false;
    }
    const bool repeat = LooksPostedAlready(books_, document);
    if (repeat && host_.message(Message::kAskPostAgain, KindOf(Message::kAskPostAgain)) != ui::Answer::Yes) return false;
    return ui::PostChecked<Refusal>(
        session_, [&] { return post(document, repeat); }, [this](const Refusal& refusal) { refuse(refusal); },
        [&] { nextAfter(document); });
}

template <class Books, class Posting, class Host, class Document, class Facts, class Refusal, class Answers, class Context>
std::optional<std::optional<Refusal>> EntryScreen<Books, Posting, Host, Document, Facts, Refusal, Answers, Context>::post(
    const Document& document, bool repeatAllowed)
{
    std::optional<Answers> answers = askDialogs(document);
    if (!answers) return std::nullopt;
    Context context{postingPeriod_, session_.userId, text(partyPlaces_.projectDescription), {}, repeatAllowed};
    return ui::WritePrepared(host_, posting_, posting_.prepare(document, std::move(*answers)), context,
                             [this] { return text(partyPlaces_.waitingFor); });
}

// After a posting: the next document dated as the one posted, the focus on the party's code.
template <class Books, class Posting, class Host, class Document, class Facts, class Refusal, class Answers, class Context>
void EntryScreen<Books, Posting, Host, Document, Facts, Refusal, Answers, Context>::nextAfter(const Document& posted)
{
    lastDate_ = posted.date;
    reset();
    host_.focus(party_);
}

}  // namespace orvant::entryscreens
