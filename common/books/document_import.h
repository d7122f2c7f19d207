#pragma once
// Posting a file of a ledger's documents (sales, purchases), one JSON record per line, through
// the same checks and the same posting as the screen, without dialogs: what the dialogs would
// ask (the net amounts per tax rate, the holdback, the project lines) comes with each record. A
// document refused is reported with its line and reason and leaves nothing; the others are
// posted.
//
// `Kind` names the ledger's own pieces: its Books, Posting, Record, Prepared, Refusal, Answers
// and Context types, and
//   read(line)                        the record, or why its form is refused
//   party(books, document)            the document's party, read once (nothing for a direct cash document)
//   check(books, document, party)     the screen's check but the number's rule, which the
//                                     posting makes under the party's lock with the same refusal
//   looksPostedAlready(books, document), kAlreadyPosted
//   answerHoldback(books, record, answers)  what the ledger adds to a holdback answered
//   isProjectLine(refusal)

#include <algorithm>
#include <functional>
#include <istream>
#include <optional>
#include <string>
#include <variant>

#include "books/import_run.h"
#include "dates/due_date.h"
#include "store/error.h"

namespace orvant {

template <class Kind>
class DocumentImport {
public:
    using Books = typename Kind::Books;
    using Record = typename Kind::Record;
    using Context = typename Kind::Context;
    // The text of one of the screen's messages, in the language of the report.
    using MessageText = std::function<std::string(int number)>;

    // A note, adjustment or direct cash document that looks posted already is refused unless
    // `allowRepeats`.
    DocumentImport(Books& books, Context context, MessageText messageText, bool allowRepeats = false)
        : books_(books), posting_(books), context_(std::move(context)), messageText_(std::move(messageText))
    {
        context_.repeatAllowed = allowRepeats;
    }

    // Posts every record of the stream; blank lines are passed over. `refused` hears of each
    // refusal with its line number (from 1). A store that can take no more stops the import:
    // the next documents could only fail the same way.
    ImportTotals run(std::istream& in, const ImportRefused& refused)
    {
        return RunImport(in, [this](const std::string& line) { return postLine(line); }, refused, context_.lockRetry);
    }

    // One record: nothing when it is posted, else why not.
    std::optional<std::string> post(const std::string& line)
    {
        try {
            return postLine(line);
        } catch (const store::StoreError& error) {
            return StoreErrorText(error);
        }
    }

    // One record already read: its row descriptions and due date filled in as the screen fills
    // them, then checked and posted.
    std::optional<std::string> post(Record& record)
    {
        auto& document = record.document;
        for (int i = 0; i < document.rows.rowCount(); ++i) {
            const auto& row = document.rows.row(i);
            if (row.account != 0 && row.description.empty())
                document.rows.setDescription(i, books_.accountDescription(row.account).value_or(std::string()));
        }
        const auto party = Kind::party(books_, document);
        if (auto refusal = Kind::check(books_, document, party)) return reason(*refusal);
        if (!record.dueDateGiven) document.dueDate = party ? DueDate(document.date, party->dueDays) : document.date;
        if (!context_.repeatAllowed && Kind::looksPostedAlready(books_, document)) return messageText_(Kind::kAlreadyPosted);
        typename Kind::Answers answers;
        if (auto why = answersFor(record, answers)) return why;
        auto prepared = posting_.prepare(document, std::move(answers));
        if (auto* refusal = std::get_if<typename Kind::Refusal>(&prepared)) return reason(*refusal);
        if (auto refusal = posting_.write(std::get<typename Kind::Prepared>(prepared), context_)) return reason(*refusal);
        return std::nullopt;
    }

private:
    // As post(line), a store error left to the caller.
    std::optional<std::string> postLine(const std::string& line)
    {
        auto read = Kind::read(line);
        if (auto* why = std::get_if<std::string>(&read)) return *why;
        return post(std::get<Record>(read));
    }

    // What the dialogs would have asked, from the record; a record that answers a question
    // these books do not ask is refused rather than posted without it.
    std::optional<std::string> answersFor(Record& record, typename Kind::Answers& answers)
    {
        const auto& document = record.document;
        answers.taxes = posting_.taxLinesToAsk(document);
        for (const auto& [code, net] : record.netPerRate) {
            auto line = std::find_if(answers.taxes.begin(), answers.taxes.end(),
                                     [&](const auto& l) { return l.code == code && l.net.isZero(); });
            if (line == answers.taxes.end())
                return books_.settings().taxSystem == 0 ? "these books report no taxes per rate"
                                                        : "the document has no tax row of rate " + std::to_string(code);
            line->net = net;
        }
        if (record.holdback && record.holdback->holdsBack()) {
            if (!posting_.asksHoldback(document)) return std::string("holdbacks are not kept for this document in these books");
            answers.holdback = record.holdback;
            Kind::answerHoldback(books_, record, answers);
        }
        if (!record.projects.empty()) {
            if (!posting_.asksProjects(document)) return std::string("project charges are not kept for this document in these books");
            answers.projects = record.projects;
        }
        return std::nullopt;
    }

    std::string reason(const typename Kind::Refusal& refusal) const
    {
        std::string text = messageText_(refusal.message);
        if (refusal.row < 0) return text;
        const char* place = Kind::isProjectLine(refusal) ? "project line " : "row ";
        return place + std::to_string(refusal.row + 1) + ": " + text;
    }

    Books& books_;
    typename Kind::Posting posting_;
    Context context_;
    MessageText messageText_;
};

}  // namespace orvant
