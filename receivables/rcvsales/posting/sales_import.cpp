#include "sales_import.h"

#include <algorithm>

#include "books/import_run.h"
#include "dates/due_date.h"
#include "store/error.h"

namespace orvant::sales {

SalesImport::SalesImport(SalesBooks& books, PostingContext context, MessageText messageText, bool allowRepeats)
    : books_(books), posting_(books), context_(std::move(context)), messageText_(std::move(messageText))
{
    context_.repeatAllowed = allowRepeats;
}

ImportTotals SalesImport::run(std::istream& in, const ImportRefused& refused)
{
    return RunImport(in, [this](const std::string& line) { return postLine(line); }, refused, context_.lockRetry);
}

std::optional<std::string> SalesImport::post(const std::string& line)
{
    try {
        return postLine(line);
    } catch (const store::StoreError& error) {
        return StoreErrorText(error);
    }
}

std::optional<std::string> SalesImport::postLine(const std::string& line)
{
    auto read = ReadSalesRecord(line);
    if (auto* why = std::get_if<std::string>(&read)) return *why;
    return post(std::get<SalesRecord>(read));
}

std::optional<std::string> SalesImport::post(SalesRecord& record)
{
    SalesDocument& document = record.document;
    for (int i = 0; i < document.rows.rowCount(); ++i) {
        const DistributionRow& row = document.rows.row(i);
        if (row.account != 0 && row.description.empty())
            document.rows.setDescription(i, books_.accountDescription(row.account).value_or(std::string()));
    }
    // The number is checked under the client's lock only: the refusal there is the same.
    const std::optional<ClientFacts> client = DocumentClient(books_, document);
    if (auto refusal = CheckDocumentButNumber(books_, document, client)) return reason(*refusal);
    if (!record.dueDateGiven) document.dueDate = client ? DueDate(document.date, client->dueDays) : document.date;
    if (!context_.repeatAllowed && LooksPostedAlready(books_, document)) return messageText_(kAlreadyPosted);
    PostingAnswers answers;
    if (auto why = answersFor(record, answers)) return why;
    auto prepared = posting_.prepare(document, std::move(answers));
    if (auto* refusal = std::get_if<Refusal>(&prepared)) return reason(*refusal);
    if (auto refusal = posting_.write(std::get<PreparedDocument>(prepared), context_)) return reason(*refusal);
    return std::nullopt;
}

// What the dialogs would have asked, from the record; a record that answers a question these
// books do not ask is refused rather than posted without it.
std::optional<std::string> SalesImport::answersFor(SalesRecord& record, PostingAnswers& answers)
{
    const SalesDocument& document = record.document;
    answers.taxes = posting_.taxLinesToAsk(document);
    for (const auto& [code, net] : record.netPerRate) {
        auto line = std::find_if(answers.taxes.begin(), answers.taxes.end(),
                                 [&](const sidedialogs::TaxPerRateLine& l) { return l.code == code && l.net.isZero(); });
        if (line == answers.taxes.end())
            return books_.settings().taxSystem == 0 ? "these books report no taxes per rate"
                                                    : "the document has no tax row of rate " + std::to_string(code);
        line->net = net;
    }
    if (record.holdback && record.holdback->holdsBack()) {
        if (!posting_.asksHoldback(document)) return std::string("holdbacks are not kept for this document in these books");
        answers.holdback = record.holdback;
        answers.holdback->choice = record.holdbackChoice.value_or(books_.settings().holdbackChoice);
    }
    if (!record.projects.empty()) {
        if (!posting_.asksProjects(document)) return std::string("project charges are not kept for this document in these books");
        answers.projects = record.projects;
    }
    return std::nullopt;
}

std::string SalesImport::reason(const Refusal& refusal) const
{
    std::string text = messageText_(refusal.message);
    if (refusal.row < 0) return text;
    const char* place = refusal.field == SalesField::ProjectLine ? "project line " : "row ";
    return place + std::to_string(refusal.row + 1) + ": " + text;
}

}  // namespace orvant::sales
