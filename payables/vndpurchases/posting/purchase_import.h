#pragma once
// Posting a file of purchase documents, one JSON record per line, through the same checks and
// the same posting as the screen, without dialogs: what the dialogs would ask (the net amounts
// per tax rate, the holdback, the project lines) comes with each record. A document refused is
// reported with its line and reason and leaves nothing; the others are posted.

#include <functional>
#include <istream>
#include <optional>
#include <string>

#include "books/import_run.h"
#include "purchase_posting.h"
#include "purchase_record.h"

namespace orvant::purchases {


class PurchaseImport {
public:
    // The text of one of the purchases screen's messages, in the language of the report.
    using MessageText = std::function<std::string(int number)>;

    // A note, adjustment or direct cash purchase that looks posted already is refused unless
    // `allowRepeats`.
    PurchaseImport(PurchaseBooks& books, PostingContext context, MessageText messageText, bool allowRepeats = false);

    // Posts every record of the stream; blank lines are passed over. `refused` hears of each
    // refusal with its line number (from 1). A store that can take no more stops the import.
    ImportTotals run(std::istream& in, const ImportRefused& refused);

    // One record: nothing when it is posted, else why not.
    std::optional<std::string> post(const std::string& line);

private:
    std::optional<std::string> postLine(const std::string& line);
    std::optional<std::string> post(PurchaseRecord& record);
    std::optional<std::string> answersFor(PurchaseRecord& record, PostingAnswers& answers);
    std::string reason(const Refusal& refusal) const;

    PurchaseBooks& books_;
    PurchasePosting posting_;
    PostingContext context_;
    MessageText messageText_;
};

}  // namespace orvant::purchases
