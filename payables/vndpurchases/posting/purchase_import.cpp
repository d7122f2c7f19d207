#include "purchase_import.h"

#include <algorithm>

#include "books/import_run.h"
#include "dates/due_date.h"
#include "store/error.h"

namespace orvant::purchases {

PurchaseImport::PurchaseImport(PurchaseBooks& books, PostingContext context, MessageText messageText, bool allowRepeats)
    : books_(books), posting_(books), context_(std::move(context)), messageText_(std::move(messageText))
{
    context_.repeatAllowed = allowRepeats;
}

ImportTotals PurchaseImport::run(std::istream& in, const ImportRefused& refused)
{
    return RunImport(in, [this](const std::string& line) { return postLine(line); }, refused, context_.lockRetry);
}

std::optional<std::string> PurchaseImport::post(const std::string& line)
{
    try {
        return postLine(line);
    } catch (const store::StoreError& error) {
        return StoreErrorText(error);
    }
}

std::optional<std::string> PurchaseImport::postLine(const std::string& line)
{
    auto read = ReadPurchaseRecord(line);
    if (auto* why = std::get_if<std::string>(&read)) return *why;
    return post(std::get<PurchaseRecord>(read));
}

// The record's row descriptions and due date filled in as the screen fills them, then checked
// and posted.
std::optional<std::string> PurchaseImport::post(PurchaseRecord& record)
{
    PurchaseDocument& document = record.document;
    for (int i = 0; i < document.rows.rowCount(); ++i) {
        const DistributionRow& row = document.rows.row(i);
        if (row.account != 0 && row.description.empty())
            document.rows.setDescription(i, books_.accountDescription(row.account).value_or(std::string()));
    }
    // The number is checked under the supplier's lock only: the refusal there is the same.
    const std::optional<SupplierFacts> supplier = DocumentSupplier(books_, document);
    if (auto refusal = CheckDocumentButNumber(books_, document, supplier)) return reason(*refusal);
    if (!record.dueDateGiven) document.dueDate = supplier ? DueDate(document.date, supplier->dueDays) : document.date;
    if (!context_.repeatAllowed && LooksPostedAlready(books_, document)) return messageText_(kAlreadyPosted);
    PostingAnswers answers;
    if (auto why = answersFor(record, answers)) return why;
    auto prepared = posting_.prepare(document, std::move(answers));
    if (auto* refusal = std::get_if<Refusal>(&prepared)) return reason(*refusal);
    if (auto refusal = posting_.write(std::get<PreparedPurchase>(prepared), context_)) return reason(*refusal);
    return std::nullopt;
}

// What the dialogs would have asked, from the record; a record that answers a question these
// books do not ask is refused rather than posted without it.
std::optional<std::string> PurchaseImport::answersFor(PurchaseRecord& record, PostingAnswers& answers)
{
    const PurchaseDocument& document = record.document;
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
    }
    if (!record.projects.empty()) {
        if (!posting_.asksProjects(document)) return std::string("project charges are not kept for this document in these books");
        answers.projects = record.projects;
    }
    return std::nullopt;
}

std::string PurchaseImport::reason(const Refusal& refusal) const
{
    std::string text = messageText_(refusal.message);
    if (refusal.row < 0) return text;
    const char* place = refusal.field == PurchaseField::ProjectLine ? "project line " : "row ";
    return place + std::to_string(refusal.row + 1) + ": " + text;
}

}  // namespace orvant::purchases
