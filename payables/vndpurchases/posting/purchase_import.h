#pragma once
// Posting a file of purchase documents, one JSON record per line, through the same checks and
// the same posting as the screen, without dialogs (see books/document_import.h).

#include <optional>
#include <string>
#include <variant>

#include "books/document_import.h"
#include "purchase_check.h"
#include "purchase_posting.h"
#include "purchase_record.h"

namespace orvant::purchases {

struct PurchaseImportKind {
    using Books = PurchaseBooks;
    using Posting = PurchasePosting;
    using Record = PurchaseRecord;
    using Prepared = PreparedPurchase;
    using Refusal = purchases::Refusal;
    using Answers = PostingAnswers;
    using Context = PostingContext;
    static constexpr int kAlreadyPosted = purchases::kAlreadyPosted;

    static std::variant<PurchaseRecord, std::string> read(const std::string& line) { return ReadPurchaseRecord(line); }
    static std::optional<SupplierFacts> party(PurchaseBooks& books, const PurchaseDocument& document)
    {
        return DocumentSupplier(books, document);
    }
    static std::optional<Refusal> check(PurchaseBooks& books, const PurchaseDocument& document,
                                        const std::optional<SupplierFacts>& supplier)
    {
        return CheckDocumentButNumber(books, document, supplier);
    }
    static bool looksPostedAlready(PurchaseBooks& books, const PurchaseDocument& document) { return LooksPostedAlready(books, document); }
    // A purchase's holdback is taken as answered.
    static void answerHoldback(PurchaseBooks&, const PurchaseRecord&, PostingAnswers&) {}
    static bool isProjectLine(const Refusal& refusal) { return refusal.field == PurchaseField::ProjectLine; }
};

using PurchaseImport = DocumentImport<PurchaseImportKind>;

}  // namespace orvant::purchases
