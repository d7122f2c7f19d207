#pragma once
// Posting a file of sales documents, one JSON record per line, through the same checks and the
// same posting as the screen, without dialogs (see books/document_import.h).

#include <optional>
#include <string>
#include <variant>

#include "books/document_import.h"
#include "sales_check.h"
#include "sales_posting.h"
#include "sales_record.h"

namespace orvant::sales {

struct SalesImportKind {
    using Books = SalesBooks;
    using Posting = SalesPosting;
    using Record = SalesRecord;
    using Prepared = PreparedDocument;
    using Refusal = sales::Refusal;
    using Answers = PostingAnswers;
    using Context = PostingContext;
    static constexpr int kAlreadyPosted = sales::kAlreadyPosted;

    static std::variant<SalesRecord, std::string> read(const std::string& line) { return ReadSalesRecord(line); }
    static std::optional<ClientFacts> party(SalesBooks& books, const SalesDocument& document) { return DocumentClient(books, document); }
    static std::optional<Refusal> check(SalesBooks& books, const SalesDocument& document, const std::optional<ClientFacts>& client)
    {
        return CheckDocumentButNumber(books, document, client);
    }
    static bool looksPostedAlready(SalesBooks& books, const SalesDocument& document) { return LooksPostedAlready(books, document); }
    // The record may choose how the holdback meets the taxes; else the company's choice holds.
    static void answerHoldback(SalesBooks& books, const SalesRecord& record, PostingAnswers& answers)
    {
        answers.holdback->choice = record.holdbackChoice.value_or(books.settings().holdbackChoice);
    }
    static bool isProjectLine(const Refusal& refusal) { return refusal.field == SalesField::ProjectLine; }
};

using SalesImport = DocumentImport<SalesImportKind>;

}  // namespace orvant::sales
